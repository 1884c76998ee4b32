// The pressure-drop summary "Druck": the pressure drop of each part of the
// probe circuit at the design flow, the total, the flow regime, the design
// flow and the pipe dimensions, from the main window's recalculation.
#pragma once

#include <QWidget>

#include "input/QEBInput.h"

namespace qeb {

// Drops of the four components at the circuit's flow, Pa (written by the summary).
extern double DruckVerdampfer;
extern double DruckVerdampfer2;
extern double DruckVerdampfer3;
extern double DruckVerteiler;
extern double DruckMessung;
extern double DruckVentil;

// A component's drop at `fluss` from its nominal drop at its nominal flow
// (square law); 0 for a component without a nominal flow.
double Komponentendruck(double nenndruck, double nenndurchsatz, double fluss);

class TForm29 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm29(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "results/Molasse_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

 public slots:
  void DruckShow();
  void Button10Click();
  void CopyClick();

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TForm29* Form29;

}  // namespace qeb
