// Second system definition dialog "system2": the plant with a heat pump, its
// evaporator pump 5 fed from the design extraction, and the plant year
// calculated from here. EingabenUebernehmen reads it instead of TForm6 when
// the heat pump also cools directly.
#pragma once

#include <QWidget>

#include "input/QEBInput.h"

class QCloseEvent;
class QEvent;
class QShowEvent;

namespace qeb {

class Anlagenschema;

class Tsystem_2 : public QWidget {
  Q_OBJECT

 public:
  explicit Tsystem_2(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "input/system2_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();
  Anlagenschema* Schema = nullptr;

 public slots:
  // Shared state into the dialog's controls.
  void FillSystemForm();
  // The refill on showing and activation: what the user typed here stays.
  void oeffnesystem2();
  // The dialog's controls into the shared state; the first dialog shows the same.
  void ReadSystemForm();
  void EmSondeChange();
  void Vergroessern();
  void Button1Click();
  void Lueftungsfahrplan();
  void WetterdatenClick();
  void Button5Click();
  // "Berechnung": the plant year, first quietly, then with the graph; says whether both ran.
  bool BerechnenClick();
  void Button6Click();

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void Fuellen(bool behalten);
  void Uebernehmen();  // what "Schliessen" takes over
  bool fuellen_ = false;
};

extern Tsystem_2* system_2;

}  // namespace qeb
