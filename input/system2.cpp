#include "input/system2.h"

#include <QCloseEvent>
#include <QEvent>
#include <QPushButton>
#include <QShowEvent>

#include "calc/Erdsonden.h"
#include "input/Cooling.h"
#include "input/Fahrplan.h"
#include "input/SystemForms.h"
#include "input/WP1.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/QEB.h"
#include "widgets/Typing.h"
#include "widgets/TableData.h"

namespace qeb {

Tsystem_2* system_2 = nullptr;

#define QEB_WINDOW Tsystem_2
#define QEB_TABLE_FILE "input/system2_controls.inc"
#include "widgets/WindowTables.inc"

Tsystem_2::Tsystem_2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("system_2"));
  setWindowTitle(QStringLiteral("Systemdefinition 2"));
  setProperty("titleTags", QVariantList{836});
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  // What the user typed counts before any command of the dialog runs.
  BefehleFertigstellenZuerst(this);
  Schema = new Anlagenschema(true, this);
  SchemaEinfuegen(this, Schema);
  MarkUserChoices(this, fuellen_);
  for (QLineEdit* e : {Em3, Em4, Em5, EmSonde})
    connect(e, &QLineEdit::textChanged, this, &Tsystem_2::EmSondeChange);
  connect(Button1, &QPushButton::clicked, this, &Tsystem_2::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tsystem_2::Lueftungsfahrplan);
  connect(Button3, &QPushButton::clicked, this, [this] { BerechnenClick(); });
  connect(Button4, &QPushButton::clicked, this, &Tsystem_2::WetterdatenClick);
  connect(Button5, &QPushButton::clicked, this, &Tsystem_2::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &Tsystem_2::Button6Click);
}

void Tsystem_2::Fuellen(bool behalten) {
  fuellen_ = true;
  FillSystemEdits(this, behalten);
  if (!(behalten && Em5->isModified())) {
    Em5->setText(FixedText(m5 * 3600.0, 0));
    Em5->setModified(false);
  }
  fuellen_ = false;
}

void Tsystem_2::FillSystemForm() { Fuellen(false); }
void Tsystem_2::oeffnesystem2() { Fuellen(true); }

void Tsystem_2::ReadSystemForm() {
  if (Form1 != nullptr) Lasteinlesen = Form1->InputFileErzeugen2->itemIndex() == 1;
  ReadSystemEdits(this);
  m5 = ValReal(Em5->text(), Fehlercode) / 3600.0;
  Em5->setModified(false);
  if (Form6 != nullptr) Form6->FillSystemForm();
}

void Tsystem_2::EmSondeChange() {
  const double s =
      ValReal(Em3->text(), Fehlercode) + ValReal(Em4->text(), Fehlercode) + ValReal(Em5->text(), Fehlercode);
  ShowProbeFlow(EmSonde, s, fuellen_);
}

void Tsystem_2::Vergroessern() {
  if (Standard96Dpi()) {
    const double f = 118.0 / Screen().pixelsPerInch;
    resize(static_cast<int>(width() * f + 0.5), static_cast<int>(height() * f + 0.5));
  }
  FillSystemForm();
}

void Tsystem_2::showEvent(QShowEvent* e) {
  if (!e->spontaneous()) oeffnesystem2();
  QWidget::showEvent(e);
}

void Tsystem_2::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) oeffnesystem2();
  QWidget::changeEvent(e);
}

void Tsystem_2::Uebernehmen() {
  ReadSystemForm();
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
}

void Tsystem_2::Button1Click() {
  Uebernehmen();
  close();
}

void Tsystem_2::closeEvent(QCloseEvent* e) {
  // The title bar's close is the user's "Schliessen"; the program's own
  // closes read nothing.
  if (e->spontaneous()) Uebernehmen();
  QWidget::closeEvent(e);
}

void Tsystem_2::Lueftungsfahrplan() {
  ReadSystemForm();
  if (Form7 != nullptr) Form7->show();
}

void Tsystem_2::WetterdatenClick() {
  ReadSystemForm();
  RufeWennVorhanden(Form1, "WetterdatenMeteonorm1Click");
}

void Tsystem_2::Button5Click() {
  ReadSystemForm();
  if (Form8 == nullptr) return;
  Form8->show();
  Form8->WPAnzeigen();
}

bool Tsystem_2::BerechnenClick() {
  if (Form1 == nullptr || Form4 == nullptr) return false;
  bool ok = false;
  try {
    // 1.-2.
    ReadSystemForm();
    const bool lasteinlesen = Lasteinlesen;
    LastYear = ValInt(Form1->ELastyear2->text(), Fehlercode);
    const int jahre = LastYear;
    // 3.-4. The evaporator pump carries the design extraction; the probes
    // get pumps 3 to 5.
    m5 = Verdampferdurchsatz();
    Em5->setText(FixedText(m5 * 3600.0, 0));
    const double em3 = ValReal(Em3->text(), Fehlercode);
    const double em4 = ValReal(Em4->text(), Fehlercode);
    const double s = em3 + em4 + m5 * 3600.0;
    EmSonde->setText(FixedText(s, 0));
    Auslegungsmassenstrom = s / 3600.0;
    Form1->EAuslegungsmassenstrom->setText(FixedText(Auslegungsmassenstrom, 3));
    m3 = em3 / 3600.0;
    m4 = em4 / 3600.0;
    // 5. The window's own calculation, with output file and sizing.
    const bool system = Systemsimulation;
    ok = Form1->Rechnen();
    Systemsimulation = system;
    // 6.
    show();
    Systemsimulation = true;
    ESystem->setItemIndex(0);
    ReadSystemForm();
    LastYear = jahre;
    // 7.
    Form4->show();
    Form1->EingabenAnzeigen();
    Systemsimulation = true;
    Leistung = false;
    Leistungsinput = false;
    // 8. The plant year with the graph: every hour runs the plant hour.
    ReadSystemForm();
    LastYear = jahre;
    ok = Form4->Start() && ok;
    // 9.
    ReadSystemForm();
    Lasteinlesen = lasteinlesen;
    Form1->EingabenAnzeigen();
    System2Erstlauf = false;
  } catch (const CalcError& e) {
    Message(Win1252ToUtf8(e.what()));
    return false;
  }
  return ok;
}

void Tsystem_2::Button6Click() {
  if (Form1 == nullptr) return;
  // 1.
  const int jahre = LastYear;
  LastYear = 1;
  Form1->ELastyear->setText(QStringLiteral("1"));
  Form1->ELastyear2->setText(QStringLiteral("1"));
  // 2.-3.
  Button3->setVisible(true);
  if (System2Erstlauf) {
    BerechnenClick();
    System2Erstlauf = false;
  }
  // 4. The main window prepared for the heat pump's load profile.
  Form1->show();
  Form1->InputFileErzeugen->setItemIndex(0);
  Form1->InputFileErzeugen2->setItemIndex(0);
  Form1->Lastprofil1Click();
  Form1->Button10->show();
  Form1->Button11->show();
  Form1->Button16->show();
  Form1->Button1->hide();
  Form1->Button4->hide();
  // 5.
  LastYear = jahre;
  Form1->ELastyear->setText(IntText(LastYear));
  Form1->ELastyear2->setText(IntText(LastYear));
}

}  // namespace qeb
