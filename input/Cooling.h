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
#define TAB(name, caption, tag)
#define GROUP(...)
#define CTRL(kind, name, ...) CtlType_##kind* name = nullptr;
#define LABEL(name, control) QLabel* name = nullptr;
#define CAPTAG(...)
#define GROUPTAG(...)
#define MENU(...)
#include "input/Cooling_controls.inc"
#undef TAB
#undef GROUP
#undef CTRL
#undef LABEL
#undef MENU
#undef CAPTAG
#undef GROUPTAG
  static const FormTables& Tables();

 public slots:
  // Shared state into the dialog's controls.
  void FillSystemForm();
};

extern TForm6* Form6;

}  // namespace qeb
