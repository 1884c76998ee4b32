#include "shell/Info.h"

#include <QEvent>
#include <QPushButton>

#include "widgets/TableData.h"
#include "platform/Platform.h"

namespace qeb {

const char* const kHerstellerWebseite = "https://www.qeb-programm.ch";
const char* const kSupportAdresse = "support@qeb-programm.ch";

TForm2* Form2 = nullptr;

#define QEB_WINDOW TForm2
#define QEB_TABLE_FILE "shell/Info_controls.inc"
#include "widgets/WindowTables.inc"

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Information"));
  setProperty("titleTags", QVariantList{846});
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  // The two link labels look and act like links.
  for (QLabel* l : {Internet, Label3}) {
    l->setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
  }
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

bool TForm2::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonRelease) {
    if (o == Internet) InternetClick();
    if (o == Label3) Button3Click();
  }
  return QDialog::eventFilter(o, e);
}

void TForm2::Button1Click() { close(); }
void TForm2::InternetClick() { UI().ShellOpen(kHerstellerWebseite); }
void TForm2::Button3Click() { UI().ShellOpen(std::string("MAILTO:") + kSupportAdresse); }
void TForm2::Button2Click() {}

}  // namespace qeb
