#include "input/Cooling.h"

#include "input/SystemForms.h"
#include "input/TableData.h"
#include "shell/QEB.h"

namespace qeb {

TForm6* Form6 = nullptr;

const FormTables& TForm6::Tables() {
  static const FormTables tables = [] {
    using namespace ctl;
    FormTables t_;
#define TAB QEB_TAB
#define GROUP QEB_GROUP
#define CTRL QEB_CTRL
#define LABEL QEB_LABEL
#define MENU QEB_MENU
#define CAPTAG QEB_CAPTAG
#define GROUPTAG QEB_GROUPTAG
#include "input/Cooling_controls.inc"
#undef TAB
#undef GROUP
#undef CTRL
#undef LABEL
#undef MENU
#undef CAPTAG
#undef GROUPTAG
    return t_;
  }();
  return tables;
}

TForm6::TForm6(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form6"));
  BuildFromTables(this, Tables(), nullptr, nullptr);
#define TAB(...)
#define GROUP(...)
#define CTRL QEB_BIND_CTRL
#define LABEL QEB_BIND_LABEL
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
}

void TForm6::FillSystemForm() {
  FillSystemEdits(this);
}

}  // namespace qeb
