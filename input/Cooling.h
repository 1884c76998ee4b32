// System definition dialog of a plant simulated with the heat pump: the
// air-handling and cooling inputs that EingabenUebernehmen reads when direct
// cooling through the heat pump is off.
#pragma once

#include <QWidget>

#include "input/QEBInput.h"

namespace qeb {

class TForm6 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "input/Cooling_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

 public slots:
  // Shared state into the dialog's controls.
  void FillSystemForm();
};

extern TForm6* Form6;

}  // namespace qeb
