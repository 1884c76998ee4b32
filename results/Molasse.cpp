#include "results/Molasse.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <cmath>

#include "calc/QEBMOD.h"
#include "input/QEBInput_pressure.h"
#include "shell/Sprachen.h"
#include "widgets/Controls.h"
#include "widgets/TableData.h"

namespace qeb {

TForm29* Form29 = nullptr;
double DruckVerdampfer = 0.0;
double DruckVerdampfer2 = 0.0;
double DruckVerdampfer3 = 0.0;
double DruckVerteiler = 0.0;
double DruckMessung = 0.0;
double DruckVentil = 0.0;

namespace {
// A figure of the summary; a non-finite one (a fault upstream) shows as 0.
QString Z(double v, int dezimalen) { return FixedText(std::isfinite(v) ? v : 0.0, dezimalen); }
}  // namespace

double Komponentendruck(double nenndruck, double nenndurchsatz, double fluss) {
  return nenndurchsatz > 0.0001 ? nenndruck / (nenndurchsatz * nenndurchsatz) * fluss * fluss : 0.0;
}

#define QEB_WINDOW TForm29
#define QEB_TABLE_FILE "results/Molasse_controls.inc"
#include "widgets/WindowTables.inc"

TForm29::TForm29(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form29"));
  setWindowTitle(QStringLiteral("Druck"));
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  for (QLineEdit* e : {EProjektname, EAnmerkungen}) e->setMinimumWidth(470);
  // The captions read on one line each, as worded (the window is wide enough).
  for (QLabel* l : findChildren<QLabel*>()) {
    l->setProperty("wrapWidth", QVariant());
    l->setText(l->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
  }
  connect(Button10, &QPushButton::clicked, this, &TForm29::Button10Click);
  connect(Copy, &QPushButton::clicked, this, &TForm29::CopyClick);
  DruckShow();
}

void TForm29::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!e->spontaneous()) DruckShow();
}

void TForm29::DruckShow() {
  const std::string titel = LanguageText(901, Sprache);
  setWindowTitle(titel.empty() ? QStringLiteral("Druck") : FromBytes(titel));
  EDruckSonde1->setText(Z(DruckabfallSonde1, 0) + QStringLiteral(" Pa"));
  DruckVerdampfer = Komponentendruck(NenndruckVerdampfer, NenndurchsatzVerdampfer, VolumenstromKreis);
  DruckVerdampfer2 = DruckVerdampfer;
  DruckVerdampfer3 = DruckVerdampfer;
  DruckVerteiler = Komponentendruck(NenndruckVerteiler, NenndurchsatzVerteiler, VolumenstromKreis);
  DruckMessung = Komponentendruck(NenndruckMessung, NenndurchsatzMessung, VolumenstromKreis);
  DruckVentil = Komponentendruck(NenndruckVentil, NenndurchsatzVentil, VolumenstromKreis);
  EpVerdampfer1->setText(Z(DruckVerdampfer, 0) + QStringLiteral(" Pa"));
  EpVerteiler1->setText(Z(DruckVerteiler, 0) + QStringLiteral(" Pa"));
  EpMessung1->setText(Z(DruckMessung, 0) + QStringLiteral(" Pa"));
  EpVentil1->setText(Z(DruckVentil, 0) + QStringLiteral(" Pa"));
  EZuleitung->setText(Z(LaengeAnschluss, 0) + QStringLiteral(" m  -->  ") +
                      Z(DruckabfallZuleitung - DruckabfallVerlaengerung + DruckVentil + DruckMessung, 0) +
                      QStringLiteral(" Pa"));
  ERe11->setText(Z(ReynoldsSonde, 0));
  ESondenverlaengerung->setText(Z(Sondenverlaengerung, 0) + QStringLiteral(" m  -->  ") +
                                Z(DruckabfallVerlaengerung, 0) + QStringLiteral(" Pa"));
  EDruckabfallSonde1->setText(QStringLiteral("Total = ") + Z(AuslegungsDruckabfall_Sondenkreis / 1000.0, 2) +
                              QStringLiteral(" kPa"));
  ELaminar1->setText(QString::fromStdString(laminar ? Beschriftung(976, "laminar") : Beschriftung(977, "turbulent")));
  EMassenstrom->setText(QStringLiteral("m = ") + Z(Auslegungsmassenstrom * 3.6, 2) + QStringLiteral(" m3/h"));
  ESondenlaenge->setText(IntText(AnzahlSonden) + QStringLiteral(" x ") + Z(Sondenlaenge, 1) + QStringLiteral(" m x ") +
                         Z(Sondendurchmesser * 1000.0, 0) + QStringLiteral(" mm"));
  EBogen->setText(IntText(AnzahlBogen90) + QStringLiteral(" x "));
  EProjektname->setText(FromBytes(Projekttitel2 + "   " + Projekttitel1));
  EAnmerkungen->setText(FromBytes(Projekttitel2 + "  /  " + Projekttitel3));
  EDurchmesserAnschluss->setText(IntText(AnzahlParallel) + QStringLiteral(" x Di = ") +
                                 Z(DurchmesserAnschluss * 1000.0, 1) + QStringLiteral(" mm"));
  // A text longer than its field shows its beginning, and the whole text as its tip.
  for (QLineEdit* e : findChildren<QLineEdit*>()) {
    e->setCursorPosition(0);
    e->setToolTip(e->text());
  }
}

void TForm29::Button10Click() { close(); }

void TForm29::CopyClick() {
  const QImage bild = grab().toImage();
  QGuiApplication::clipboard()->setImage(bild);
}

}  // namespace qeb
