#include "platform/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace qeb {
namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

QWidget* Parent() { return QApplication::activeWindow(); }

// A message's text may break inside a long run without blanks (a long number,
// a path): the box keeps to the screen and shows it whole.
QString Umbrechbar(const std::string& text) {
  QString s = Q(text), out;
  int lauf = 0;
  for (const QChar c : s) {
    lauf = c.isSpace() ? 0 : lauf + 1;
    if (lauf > 40) {
      out += QChar(0x200B);
      lauf = 1;
    }
    out += c;
  }
  return out;
}

class DesktopInteraction : public Interaction {
 public:
  void Message(const std::string& text) override {
    QMessageBox box(QMessageBox::Information, QStringLiteral("QEB"), Umbrechbar(text), QMessageBox::Ok, Parent());
    box.exec();
  }
  void Warning(const std::string& text) override {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("QEB"), Umbrechbar(text), QMessageBox::Ok, Parent());
    box.exec();
  }
  int Ask(const std::string& text) override {
    QMessageBox box(QMessageBox::Question, QStringLiteral("QEB"), Umbrechbar(text), QMessageBox::Yes | QMessageBox::No,
                    Parent());
    return box.exec() == QMessageBox::Yes ? kJa : kNein;
  }
  std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& def) override {
    bool ok = false;
    const QString r = QInputDialog::getText(Parent(), Q(caption), Q(prompt), QLineEdit::Normal, Q(def), &ok);
    return ok ? S(r) : def;
  }
  std::string OpenFileName(const std::string& filter, const std::string& dir) override {
    return S(QFileDialog::getOpenFileName(Parent(), QString(), Q(dir), Q(filter)));
  }
  std::string SaveFileName(const std::string& filter, const std::string& dir, const std::string& name) override {
    QString start = Q(dir);
    if (!name.empty()) start = start.isEmpty() ? Q(name) : start + QLatin1Char('/') + Q(name);
    return S(QFileDialog::getSaveFileName(Parent(), QString(), start, Q(filter)));
  }
  bool PrintDialog() override {
    QPrinter printer;
    return PrintDialog(printer, false);
  }
  bool PrintDialog(QPrinter& printer, bool setup) override {
    QPrintDialog dlg(&printer, Parent());
    if (setup) dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dlg.exec() == QDialog::Accepted;
  }
  bool ShellOpen(const std::string& target) override {
    QUrl url = QUrl::fromUserInput(Q(target));
    return QDesktopServices::openUrl(url);
  }
};

DesktopInteraction& DesktopUI() {
  static DesktopInteraction ui;
  return ui;
}
Interaction* g_ui = nullptr;

const ScreenMetrics* g_screenOverride = nullptr;

// Linux is never the other desktop's version 11: the windows' Windows-only
// branches stay off, and nothing is read, set or ended.
class LinuxDesktop : public DesktopSettings {
 public:
  OsVersion Version() override { return OsVersion{}; }
  bool ReadPrintKey(int&) override { return false; }
  void WritePrintKey(int) override {}
  void DeletePrintKey() override {}
  void EndProcesses(const std::string&) override {}
  void PressPrintScreen() override {
    QWidget* w = QApplication::activeWindow();
    if (w != nullptr) QGuiApplication::clipboard()->setPixmap(w->grab());
  }
};
DesktopSettings* g_desktop = nullptr;

}  // namespace

Interaction& UI() { return g_ui != nullptr ? *g_ui : DesktopUI(); }
Interaction* SetInteraction(Interaction* ui) {
  Interaction* old = g_ui;
  g_ui = ui;
  return old;
}

// ---- script ----
ScriptedInteraction::ScriptedInteraction() { previous_ = SetInteraction(this); }
ScriptedInteraction::~ScriptedInteraction() { SetInteraction(previous_); }

std::vector<std::string> ScriptedInteraction::Texts(const std::string& kind) const {
  std::vector<std::string> r;
  for (const auto& s : shown_)
    if (s.kind == kind) r.push_back(s.text);
  return r;
}
int ScriptedInteraction::Count(const std::string& kind, const std::string& text) const {
  int n = 0;
  for (const auto& s : shown_)
    if (s.kind == kind && s.text == text) ++n;
  return n;
}
void ScriptedInteraction::Message(const std::string& text) { shown_.push_back({"message", text}); }
void ScriptedInteraction::Warning(const std::string& text) { shown_.push_back({"warning", text}); }
int ScriptedInteraction::Ask(const std::string& text) {
  shown_.push_back({"ask", text});
  if (asks_.empty()) throw UnscriptedInteraction("unscripted question: " + text);
  const int a = asks_.front();
  asks_.pop_front();
  return a;
}
std::string ScriptedInteraction::InputBox(const std::string& caption, const std::string& prompt,
                                          const std::string&) {
  shown_.push_back({"input", caption + " | " + prompt});
  if (inputs_.empty()) throw UnscriptedInteraction("unscripted input box: " + prompt);
  std::string a = inputs_.front();
  inputs_.pop_front();
  return a;
}
std::string ScriptedInteraction::NextFile(const std::string& kind, const std::string& what, const std::string& dir) {
  shown_.push_back({kind, what});
  dirs_.push_back(dir);
  if (files_.empty()) throw UnscriptedInteraction("unscripted " + kind + " dialog: " + what);
  std::string a = files_.front();
  files_.pop_front();
  return a;
}
std::string ScriptedInteraction::OpenFileName(const std::string& filter, const std::string& dir) {
  return NextFile("open", filter, dir);
}
std::string ScriptedInteraction::SaveFileName(const std::string& filter, const std::string& dir, const std::string&) {
  return NextFile("save", filter, dir);
}
std::string ScriptedInteraction::PictureFileName(const std::string& filter, const std::string& dir) {
  return NextFile("picture", filter, dir);
}
bool ScriptedInteraction::PrintDialog() {
  shown_.push_back({"print", ""});
  if (prints_.empty()) throw UnscriptedInteraction("unscripted print dialog");
  const bool a = prints_.front();
  prints_.pop_front();
  return a;
}
bool ScriptedInteraction::ShellOpen(const std::string& target) {
  shown_.push_back({"shell", target});
  return true;
}

// ---- screen ----
ScreenMetrics Screen() {
  if (g_screenOverride != nullptr) return *g_screenOverride;
  ScreenMetrics m;
  QScreen* s = QGuiApplication::primaryScreen();
  if (s == nullptr) {
    m.width = m.monitorWidth = 1280;
    m.height = m.monitorHeight = 800;
    return m;
  }
  const QRect g = s->geometry();
  m.width = g.width();
  m.height = g.height();
  const auto screens = QGuiApplication::screens();
  const QRect first = screens.isEmpty() ? g : screens.front()->geometry();
  m.monitorWidth = first.width();
  m.monitorHeight = first.height();
  m.pixelsPerInch = s->logicalDotsPerInchX();
  return m;
}
void SetScreenOverride(const ScreenMetrics* m) { g_screenOverride = m; }

// ---- desktop settings ----
DesktopSettings& Desktop() {
  static LinuxDesktop linuxDesktop;
  return g_desktop != nullptr ? *g_desktop : linuxDesktop;
}
DesktopSettings* SetDesktop(DesktopSettings* d) {
  DesktopSettings* old = g_desktop;
  g_desktop = d;
  return old;
}

bool FakeDesktop::ReadPrintKey(int& v) {
  log.push_back("read");
  if (!hasValue) return false;
  v = value;
  return true;
}
void FakeDesktop::WritePrintKey(int v) {
  log.push_back("write " + std::to_string(v));
  hasValue = true;
  value = v;
}
void FakeDesktop::DeletePrintKey() {
  log.push_back("delete");
  hasValue = false;
}
void FakeDesktop::EndProcesses(const std::string& exeName) { log.push_back("end " + exeName); }

}  // namespace qeb
