// The start dialog: the application's main window. New project, open a
// project, the about box, and the end of the program.
#pragma once

#include <QWidget>
#include <string>

#include "input/QEBInput.h"

namespace qeb {

// Runs before any window exists: language texts and the process's number formats.
void StartInit();
// The scratch files "Beenden" removes.
const std::vector<std::string>& ScratchFiles();

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "shell/start_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

 public slots:
  void Button3Click();  // creation
  void ButtonNeuClick();
  void ButtonLadenClick();
  void Button6Click();
  void Info();
  void ButtonBeendenClick();

 protected:
  void closeEvent(QCloseEvent* e) override;
};

extern TForm3* Form3;

}  // namespace qeb
