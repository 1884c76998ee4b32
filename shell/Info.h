// The about box "Information".
#pragma once

#include <QDialog>

#include "input/QEBInput.h"

namespace qeb {

// The maker's web home page and support address the box links to.
extern const char* const kHerstellerWebseite;
extern const char* const kSupportAdresse;

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);
#define TAB(...)
#define GROUP(...)
#define CTRL(kind, name, ...) CtlType_##kind* name = nullptr;
#define LABEL(name, control) QLabel* name = nullptr;
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
  static const FormTables& Tables();

 public slots:
  void Button1Click();
  void InternetClick();
  void Button3Click();
  void Button2Click();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
};

extern TForm2* Form2;

}  // namespace qeb
