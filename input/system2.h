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
#define QEB_TABLE_FILE "input/system2_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

 public slots:
  void FillSystemForm();
};

extern Tsystem_2* system_2;

}  // namespace qeb
