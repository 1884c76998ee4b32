// What the user types counts. A window's commands first finish the edit in
// progress, as if the user had left it; a display pass leaves the edit the
// user is typing in as typed; and while a window fills its controls from the
// shared state its handlers know it (the display guard).
#pragma once

#include <functional>

class QLineEdit;
class QObject;
class QWidget;

namespace qeb {

// The window's own focus edit when the user has typed in it since it was
// last finished (whether or not the window is active); nullptr otherwise.
QLineEdit* EditInArbeit(QWidget* window);

// Finishes the edit in progress of `window`: it gets its "leave" now
// (editingFinished), exactly once, and counts as no longer typed.
void EditFertigstellen(QWidget* window);

// Makes every push button and menu or tool action of `window` finish the edit
// in progress before its own handlers run. Call once, after the window's
// controls exist and before its handlers are connected. It also makes the
// window's number edits refuse a typed text that is no number (and, with
// `mitBereich`, a value outside the range of the project file's variable of
// the same name): when the edit is left or a command finishes it, one message
// names the field and the edit shows its last good value again.
void BefehleFertigstellenZuerst(QWidget* window, bool mitBereich = false);

// An edit's number as the window reads it: while the user has typed a text
// that is no number into it, its last good value (never 0 for a typo).
// `code` gets the position of the first bad character of the text shown.
double EditReal(const QLineEdit* e, int& code);
int EditInt(const QLineEdit* e, int& code);

// A display pass of a window: counts as the display guard while it lives,
// and puts back the text, cursor and typed state of the edit the user is
// typing in when the pass wrote over it.
class Anzeigedurchgang {
 public:
  Anzeigedurchgang(QWidget* window, int& zaehler);
  ~Anzeigedurchgang();
  Anzeigedurchgang(const Anzeigedurchgang&) = delete;
  Anzeigedurchgang& operator=(const Anzeigedurchgang&) = delete;

 private:
  int& zaehler_;
  QLineEdit* edit_ = nullptr;
  int cursor_ = 0;
  bool sichtbar_ = false;
  struct Text;
  Text* text_ = nullptr;
};

// Whether `w` is the edit the user is typing in while a display pass of its
// window runs: the pass leaves its visibility alone.
bool GetipptImDurchgang(const QWidget* w);

// Binds an edit's "change" handler: it runs on every change of the text (by
// the user or by code) and once more when the user leaves the edit after
// typing in it (or a command finishes it), then with the modified flag clear,
// so the handler applies its whole rule (clamping, reformatting, messages).
void BeiAenderung(QLineEdit* e, QObject* context, std::function<void()> handler);

}  // namespace qeb
