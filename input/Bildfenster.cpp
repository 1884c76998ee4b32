#include "input/Bildfenster.h"
#include "shell/Sprachen.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "platform/Jpeg.h"

namespace qeb {

TBildfenster* Waermefluss_NAGRA_NTB_99_08 = nullptr;
TBildfenster* Form26 = nullptr;

TBildfenster::TBildfenster(const char* name, const QString& caption, std::string file, QWidget* parent)
    : QWidget(parent), Datei(std::move(file)) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  auto* area = new QScrollArea(this);
  Bild = new QLabel(area);
  Bild->setObjectName(QStringLiteral("Bild"));
  Bild->setAlignment(Qt::AlignCenter);
  area->setWidget(Bild);
  area->setWidgetResizable(true);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->addWidget(area);
  resize(800, 600);
}

void TBildfenster::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // The picture is read when the window opens: it may be put there later.
  std::string pfad = Programmverzeichnis;
  if (!pfad.empty() && pfad.back() != '/') pfad += '/';
  pfad += Datei;
  QImage img;
  if (LoadJpeg(pfad, img) || img.load(QString::fromStdString(pfad))) {
    Bild->setPixmap(QPixmap::fromImage(img));
  } else {
    Bild->setPixmap(QPixmap());
    // An empty window would leave the user guessing: it names the file.
    Bild->setText(QString::fromStdString(Beschriftung(966, "Bild fehlt:") + "\n" + Win1252ToUtf8(pfad)));
  }
}

}  // namespace qeb
