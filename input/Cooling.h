// System definition dialog "Systemdefinition": the building services plant
// simulated hour by hour (three heat exchangers, four pumps, the ventilation,
// the chiller, frost protection and load limitation), with its picture.
// EingabenUebernehmen reads it when direct cooling through the heat pump is off.
#pragma once

#include <QWidget>

#include "input/QEBInput.h"

class QCloseEvent;
class QEvent;
class QShowEvent;

namespace qeb {

class Anlagenschema;

class TForm6 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "input/Cooling_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();
  Anlagenschema* Schema = nullptr;

 public slots:
  // Shared state into the dialog's controls.
  void FillSystemForm();
  // The refill on showing and activation: what the user typed here stays.
  void Button1Click();
  // The dialog's controls into the shared state.
  void ReadSystemForm();
  void Button2Click();
  void EmSondeChange();
  void Vergroessern();
  void BerechnenClick();
  void Lueftungsfahrplan();
  void WetterdatenClick();
  void ResultateClick();
  void SchliessenClick();

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void Uebernehmen();  // what "Schliessen" takes over
  bool fuellen_ = false;
};

extern TForm6* Form6;

// Adds the plant's picture beside the groups of a system dialog.
void SchemaEinfuegen(QWidget* dialog, Anlagenschema* schema);
// Calls a window's routine by name when that window offers it (the weather
// import of the main window is called only where the window has it).
void RufeWennVorhanden(QObject* o, const char* slot);

}  // namespace qeb
