#include "shell/Info.h"

#include <QEvent>
#include <QPushButton>

#include "input/TableData.h"
#include "platform/Platform.h"

namespace qeb {

const char* const kHerstellerWebseite = "https://www.qeb-programm.ch";
const char* const kSupportAdresse = "support@qeb-programm.ch";

TForm2* Form2 = nullptr;

const FormTables& TForm2::Tables() {
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
#include "shell/Info_controls.inc"
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

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Information"));
  BuildFromTables(this, Tables(), nullptr, nullptr);
#define TAB(...)
#define GROUP(...)
#define CTRL QEB_BIND_CTRL
#define LABEL QEB_BIND_LABEL
#define MENU(...)
#define CAPTAG(...)
#define GROUPTAG(...)
#include "shell/Info_controls.inc"
#undef TAB
#undef GROUP
#undef CTRL
#undef LABEL
#undef MENU
#undef CAPTAG
#undef GROUPTAG
  // The two link labels look and act like links.
  for (QLabel* l : {Internet, Label3}) {
    l->setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
  }
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

bool TForm2::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonRelease) {
    if (o == Internet) InternetClick();
    if (o == Label3) Button3Click();
  }
  return QDialog::eventFilter(o, e);
}

void TForm2::Button1Click() { close(); }
void TForm2::InternetClick() { UI().ShellOpen(kHerstellerWebseite); }
void TForm2::Button3Click() { UI().ShellOpen(std::string("MAILTO:") + kSupportAdresse); }
void TForm2::Button2Click() {}

}  // namespace qeb
