// Second system definition dialog, used when the heat pump also cools
// directly; EingabenUebernehmen reads it instead of TForm6 then.
#pragma once

#include <QWidget>

#include "input/QEBInput.h"

namespace qeb {

class Tsystem_2 : public QWidget {
  Q_OBJECT

 public:
  explicit Tsystem_2(QWidget* parent = nullptr);
#define TAB(name, caption, tag)
#define GROUP(...)
#define CTRL(kind, name, ...) CtlType_##kind* name = nullptr;
#define LABEL(name, control) QLabel* name = nullptr;
#define CAPTAG(...)
#define GROUPTAG(...)
#define MENU(...)
#include "input/system2_controls.inc"
#undef TAB
#undef GROUP
#undef CTRL
#undef LABEL
#undef MENU
#undef CAPTAG
#undef GROUPTAG
  static const FormTables& Tables();

 public slots:
  void FillSystemForm();
};

extern Tsystem_2* system_2;

}  // namespace qeb
