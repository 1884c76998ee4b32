// The ten example windows "Programm QEB:  Beispiel k": a picture of the
// example and the button that loads it into the project input window.
#pragma once

#include <QDialog>
#include <string_view>

#include "input/QEBInput.h"

namespace qeb {

// The project text of example k (1..10) as built into the program.
std::string_view BeispielText(int k);

// Loads example k into the project input window; false (after showing why)
// when the text could not be written or read.
bool BeispielLaden(int k);

// What all ten windows share; each example is its own window class.
class TBeispielFenster : public QDialog {
  Q_OBJECT

 public:
  TBeispielFenster(int k, QWidget* parent);
#define QEB_TABLE_FILE "shell/Exp_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();
  int Nummer() const { return k_; }

 public slots:
  void Button1Click();
  void ButtonBeendenClick();

 private:
  int k_;
};

#define QEB_BEISPIEL_FENSTER(N)                                         \
  class TForm##N : public TBeispielFenster {                            \
   public:                                                              \
    explicit TForm##N(QWidget* parent = nullptr) : TBeispielFenster(N - 10, parent) {} \
  };                                                                    \
  extern TForm##N* Form##N;
QEB_BEISPIEL_FENSTER(11)
QEB_BEISPIEL_FENSTER(12)
QEB_BEISPIEL_FENSTER(13)
QEB_BEISPIEL_FENSTER(14)
QEB_BEISPIEL_FENSTER(15)
QEB_BEISPIEL_FENSTER(16)
QEB_BEISPIEL_FENSTER(17)
QEB_BEISPIEL_FENSTER(18)
QEB_BEISPIEL_FENSTER(19)
QEB_BEISPIEL_FENSTER(20)
#undef QEB_BEISPIEL_FENSTER

// The window of example k (1..10), or null before the windows exist.
TBeispielFenster* BeispielFenster(int k);
// Creates the ten windows once (start-up).
void BeispielFensterErzeugen();
void BeispielFensterLoeschen();

}  // namespace qeb
