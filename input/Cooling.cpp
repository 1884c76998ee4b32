#include "input/Cooling.h"

#include "input/SystemForms.h"
#include "widgets/TableData.h"
#include "shell/QEB.h"

namespace qeb {

TForm6* Form6 = nullptr;

#define QEB_WINDOW TForm6
#define QEB_TABLE_FILE "input/Cooling_controls.inc"
#include "widgets/WindowTables.inc"

TForm6::TForm6(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form6"));
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
}

void TForm6::FillSystemForm() {
  FillSystemEdits(this);
}

}  // namespace qeb
