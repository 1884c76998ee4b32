#include "input/system2.h"

#include "input/SystemForms.h"
#include "input/TableData.h"
#include "shell/QEB.h"

namespace qeb {

Tsystem_2* system_2 = nullptr;

const FormTables& Tsystem_2::Tables() {
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
#include "input/system2_controls.inc"
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

Tsystem_2::Tsystem_2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("system_2"));
  BuildFromTables(this, Tables(), nullptr, nullptr);
#define TAB(...)
#define GROUP(...)
#define CTRL QEB_BIND_CTRL
#define LABEL QEB_BIND_LABEL
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
}

void Tsystem_2::FillSystemForm() {
  FillSystemEdits(this);
  ShowIn(Em5, m5 * 3600.0);
}

}  // namespace qeb
