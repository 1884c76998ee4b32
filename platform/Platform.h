// The one place that talks to the desktop. Windows ask the user, pick files,
// read screen metrics and touch the few platform settings through these
// services; tests replace the interaction with a script.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace qeb {

// Answer codes of a yes/no question, as the windows compare them.
inline constexpr int kJa = 6;
inline constexpr int kNein = 7;
// The third answer of a question that also offers Cancel.
inline constexpr int kAbbrechen = 2;

// Every modal interaction with the user. Texts are UTF-8.
class Interaction {
 public:
  virtual ~Interaction() = default;
  // A message with one OK button.
  virtual void Message(const std::string& text) = 0;
  // A warning with one OK button (the ground tab's corrections, the resistance limit).
  virtual void Warning(const std::string& text) { Message(text); }
  // Yes/No question: returns kJa or kNein.
  virtual int Ask(const std::string& text) = 0;
  // Yes/No/Cancel question: returns kJa, kNein or kAbbrechen.
  virtual int AskCancel(const std::string& text) { return Ask(text); }
  // Input box; returns the default when cancelled.
  virtual std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& def) = 0;
  // File dialogs; an empty result means cancelled.
  virtual std::string OpenFileName(const std::string& filter, const std::string& dir) = 0;
  virtual std::string SaveFileName(const std::string& filter, const std::string& dir, const std::string& name) = 0;
  virtual std::string PictureFileName(const std::string& filter, const std::string& dir) { return OpenFileName(filter, dir); }
  // An open dialog with a title of its own.
  virtual std::string OpenFileNameTitled(const std::string& title, const std::string& filter, const std::string& dir) {
    (void)title;
    return OpenFileName(filter, dir);
  }
  // Print dialog; false when cancelled.
  virtual bool PrintDialog() = 0;
  // Print (or printer set-up) dialog on that printer; false when cancelled.
  virtual bool PrintDialog(QPrinter& printer, bool setup) {
    (void)printer;
    (void)setup;
    return PrintDialog();
  }
  // Shell "open" of a document, web page or mail link; false when nothing opened it.
  virtual bool ShellOpen(const std::string& target) = 0;
};

// File dialog filters: the windows write them as "text|pattern|text|pattern"
// (patterns separated by ";"); the desktop's dialogs take "text (pattern
// pattern);;text (pattern)". A filter already in that form stays as it is.
std::string DialogFilter(const std::string& filter);
// The suffix a save adds when none is typed: ".ext" of the filter entry's
// first pattern "*.ext"; empty for "*" or "*.*".
std::string FilterSuffix(const std::string& entry);

// The interaction in force. Defaults to the desktop's dialogs.
Interaction& UI();
// Installs another interaction (tests); returns the one it replaces. nullptr restores the desktop.
Interaction* SetInteraction(Interaction* ui);

// Shorthands used throughout the windows.
inline void Message(const std::string& text) { UI().Message(text); }
inline void Warning(const std::string& text) { UI().Warning(text); }
inline int Ask(const std::string& text) { return UI().Ask(text); }
inline int AskCancel(const std::string& text) { return UI().AskCancel(text); }

// A script of answers for tests: every text shown is recorded; a question or
// dialog that nobody scripted fails the test by throwing UnscriptedInteraction.
class UnscriptedInteraction : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class ScriptedInteraction : public Interaction {
 public:
  struct Shown {
    std::string kind;  // "message", "warning", "ask", "input", "open", "save", "picture", "print", "shell"
    std::string text;
  };
  ScriptedInteraction();
  ~ScriptedInteraction() override;

  // Queue answers in the order they will be asked.
  void AnswerAsk(int code) { asks_.push_back(code); }
  void AnswerInput(const std::string& s) { inputs_.push_back(s); }
  void AnswerFile(const std::string& s) { files_.push_back(s); }
  void AnswerPrint(bool ok) { prints_.push_back(ok); }

  const std::vector<Shown>& Shown_() const { return shown_; }
  // The folders the file dialogs started in, in the order they were shown.
  const std::vector<std::string>& DialogDirs() const { return dirs_; }
  std::vector<std::string> Texts(const std::string& kind) const;
  int Count(const std::string& kind, const std::string& text) const;
  void Clear() {
    shown_.clear();
    dirs_.clear();
  }
  bool AllAnswersUsed() const { return asks_.empty() && inputs_.empty() && files_.empty() && prints_.empty(); }

  void Message(const std::string& text) override;
  void Warning(const std::string& text) override;
  int Ask(const std::string& text) override;
  // Recorded as an "ask"; CancelOffered() lists the questions that offered Cancel.
  int AskCancel(const std::string& text) override;
  const std::vector<std::string>& CancelOffered() const { return cancelOffered_; }
  std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& def) override;
  std::string OpenFileName(const std::string& filter, const std::string& dir) override;
  std::string SaveFileName(const std::string& filter, const std::string& dir, const std::string& name) override;
  std::string PictureFileName(const std::string& filter, const std::string& dir) override;
  // Recorded as an "open" dialog whose text is the title, a line break and the filter.
  std::string OpenFileNameTitled(const std::string& title, const std::string& filter, const std::string& dir) override;
  using Interaction::PrintDialog;
  bool PrintDialog() override;
  bool ShellOpen(const std::string& target) override;

 private:
  std::string NextFile(const std::string& kind, const std::string& what, const std::string& dir);
  std::vector<Shown> shown_;
  std::vector<std::string> dirs_;
  std::deque<int> asks_;
  std::vector<std::string> cancelOffered_;
  std::deque<std::string> inputs_;
  std::deque<std::string> files_;
  std::deque<bool> prints_;
  Interaction* previous_ = nullptr;
};

// ---- screen ----
struct ScreenMetrics {
  int width = 0, height = 0;                // the screen the windows are on
  int monitorWidth = 0, monitorHeight = 0;  // the first monitor
  double pixelsPerInch = 96.0;              // horizontal
};
ScreenMetrics Screen();
// Tests pin the metrics; nullptr returns to the real screen.
void SetScreenOverride(const ScreenMetrics* m);

// ---- settings that exist only on the other desktop ----
// The per-user Print-key value and the snipping processes exist only on
// Windows 11. On this desktop the version is not Windows 11, so the windows
// read, set and end nothing; tests install a recording fake to drive both roads.
struct OsVersion {
  int major = 0, minor = 0, build = 0;
  bool ok = false;  // the version could be asked at all
};

class DesktopSettings {
 public:
  virtual ~DesktopSettings() = default;
  virtual OsVersion Version() = 0;
  // The integer value of the Print-key setting; false when absent or unreadable.
  virtual bool ReadPrintKey(int& value) = 0;
  virtual void WritePrintKey(int value) = 0;
  virtual void DeletePrintKey() = 0;
  // Ends every running process of that executable name (case ignored).
  virtual void EndProcesses(const std::string& exeName) = 0;
  // Simulated Print Screen key press: copies the active window to the clipboard.
  virtual void PressPrintScreen() = 0;
};
DesktopSettings& Desktop();
DesktopSettings* SetDesktop(DesktopSettings* d);

// A recording fake of the other desktop for tests.
class FakeDesktop : public DesktopSettings {
 public:
  OsVersion version{10, 0, 19045, true};
  bool hasValue = false;
  int value = 0;
  std::vector<std::string> log;  // "read", "write 0", "delete", "end SnippingTool.exe", "printscreen"
  OsVersion Version() override { return version; }
  bool ReadPrintKey(int& v) override;
  void WritePrintKey(int v) override;
  void DeletePrintKey() override;
  void EndProcesses(const std::string& exeName) override;
  void PressPrintScreen() override { log.push_back("printscreen"); }
};

}  // namespace qeb
