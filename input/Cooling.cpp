#include "input/Cooling.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QMetaObject>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "input/Fahrplan.h"
#include "input/SystemForms.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "shell/QEB.h"
#include "widgets/Typing.h"
#include "widgets/TableData.h"

namespace qeb {

TForm6* Form6 = nullptr;

#define QEB_WINDOW TForm6
#define QEB_TABLE_FILE "input/Cooling_controls.inc"
#include "widgets/WindowTables.inc"

void SchemaEinfuegen(QWidget* dialog, Anlagenschema* schema) {
  auto* v = qobject_cast<QVBoxLayout*>(dialog->layout());
  QGridLayout* grid = v != nullptr && v->count() > 0 ? qobject_cast<QGridLayout*>(v->itemAt(0)->layout()) : nullptr;
  if (grid != nullptr) grid->addWidget(schema, 0, 2, 3, 1);
}

void RufeWennVorhanden(QObject* o, const char* slot) {
  if (o == nullptr) return;
  const QByteArray sig = QByteArray(slot) + "()";
  if (o->metaObject()->indexOfMethod(sig.constData()) >= 0) QMetaObject::invokeMethod(o, slot, Qt::DirectConnection);
}

TForm6::TForm6(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("Systemdefinition"));
  setProperty("titleTags", QVariantList{835});
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  // What the user typed counts before any command of the dialog runs.
  BefehleFertigstellenZuerst(this);
  Schema = new Anlagenschema(false, this);
  SchemaEinfuegen(this, Schema);
  MarkUserChoices(this, fuellen_);
  for (QLineEdit* e : {Em3, Em4, EmSonde}) connect(e, &QLineEdit::textChanged, this, &TForm6::EmSondeChange);
  connect(Berechnen, &QPushButton::clicked, this, &TForm6::BerechnenClick);
  connect(Button1, &QPushButton::clicked, this, &TForm6::Lueftungsfahrplan);
  connect(Wetterdaten, &QPushButton::clicked, this, &TForm6::WetterdatenClick);
  connect(Resultate, &QPushButton::clicked, this, &TForm6::ResultateClick);
  connect(Schliessen, &QPushButton::clicked, this, &TForm6::SchliessenClick);
}

void TForm6::FillSystemForm() {
  fuellen_ = true;
  FillSystemEdits(this, false);
  GraedigkeitLuft = AnzahlGraedigkeit >= 1 ? SummeGraedigkeit / AnzahlGraedigkeit : 0.0;
  ShowIn(EGraedLuft, GraedigkeitLuft);
  fuellen_ = false;
}

void TForm6::Button1Click() {
  fuellen_ = true;
  FillSystemEdits(this, true);
  GraedigkeitLuft = AnzahlGraedigkeit >= 1 ? SummeGraedigkeit / AnzahlGraedigkeit : 0.0;
  ShowIn(EGraedLuft, GraedigkeitLuft);
  fuellen_ = false;
}

void TForm6::ReadSystemForm() { ReadSystemEdits(this); }
void TForm6::Button2Click() { ReadSystemForm(); }

void TForm6::EmSondeChange() {
  const double s = ValReal(Em3->text(), Fehlercode) + ValReal(Em4->text(), Fehlercode);
  ShowProbeFlow(EmSonde, s, fuellen_);
}

void TForm6::Vergroessern() {
  if (Standard96Dpi()) {
    const double f = 118.0 / Screen().pixelsPerInch;
    resize(static_cast<int>(width() * f + 0.5), static_cast<int>(height() * f + 0.5));
  }
  FillSystemForm();
}

void TForm6::showEvent(QShowEvent* e) {
  if (!e->spontaneous()) Button1Click();
  QWidget::showEvent(e);
}

void TForm6::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) Button1Click();
  QWidget::changeEvent(e);
}

void TForm6::BerechnenClick() {
  if (Form1 == nullptr) return;
  // What was typed and chosen here counts, the frost protection included.
  ReadSystemForm();
  if (DirektkuehlungWP && system_2 != nullptr) system_2->FillSystemForm();
  Form1->EingabenUebernehmen();
  show();
  Form1->Button14Click();
}

void TForm6::Lueftungsfahrplan() {
  if (Form1 != nullptr) Form1->EingabenUebernehmen();
  if (Form7 != nullptr) Form7->show();
}

void TForm6::WetterdatenClick() {
  ReadSystemForm();
  RufeWennVorhanden(Form1, "WetterdatenMeteonorm1Click");
}

void TForm6::ResultateClick() {
  if (Resultat != nullptr) Resultat->show();
}

void TForm6::Uebernehmen() {
  ReadSystemForm();
  // The transfer reads the second dialog with direct cooling by the heat
  // pump: it shows what was just read here.
  if (DirektkuehlungWP && system_2 != nullptr) system_2->FillSystemForm();
  if (Form1 != nullptr) {
    Form1->EingabenUebernehmen();
    Form1->EingabenAnzeigen();
  }
  if (Form4 != nullptr) Form4->close();
}

void TForm6::SchliessenClick() {
  Uebernehmen();
  close();
}

void TForm6::closeEvent(QCloseEvent* e) {
  // The title bar's close is the user's "Schliessen"; the program's own
  // closes (opening a project) read nothing.
  if (e->spontaneous()) Uebernehmen();
  QWidget::closeEvent(e);
}

}  // namespace qeb
