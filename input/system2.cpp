#include "input/system2.h"

#include "input/SystemForms.h"
#include "widgets/TableData.h"
#include "shell/QEB.h"

namespace qeb {

Tsystem_2* system_2 = nullptr;

#define QEB_WINDOW Tsystem_2
#define QEB_TABLE_FILE "input/system2_controls.inc"
#include "widgets/WindowTables.inc"

Tsystem_2::Tsystem_2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("system_2"));
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
}

void Tsystem_2::FillSystemForm() {
  FillSystemEdits(this, false);
  ShowIn(Em5, m5 * 3600.0);
}

}  // namespace qeb
