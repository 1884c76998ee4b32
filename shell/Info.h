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
#define QEB_TABLE_FILE "shell/Info_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
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
