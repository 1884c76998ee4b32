#include "platform/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <algorithm>

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
  int AskCancel(const std::string& text) override {
    QMessageBox box(QMessageBox::Question, QStringLiteral("QEB"), Q(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Parent());
    const int r = box.exec();
    return r == QMessageBox::Yes ? kJa : (r == QMessageBox::No ? kNein : kAbbrechen);
  }
  std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& def) override {
    QInputDialog dlg(Parent());
    dlg.setWindowTitle(Q(caption));
    dlg.setLabelText(Q(prompt));
    dlg.setTextValue(Q(def));
    // Qt's narrowest box cuts the title to "Info Q…" and shows a project's
    // name only in part: it is made wide enough for both.
    const int breite = std::max(320, dlg.fontMetrics().horizontalAdvance(Q(caption)) + 160);
    if (auto* feld = dlg.findChild<QLineEdit*>()) feld->setMinimumWidth(breite);
    return dlg.exec() == QDialog::Accepted ? S(dlg.textValue()) : def;
  }
  std::string OpenFileName(const std::string& filter, const std::string& dir) override {
    QFileDialog dlg(Parent(), QString(), Q(dir));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilters(Q(DialogFilter(filter)).split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return S(dlg.selectedFiles().front());
  }
  std::string OpenFileNameTitled(const std::string& title, const std::string& filter, const std::string& dir) override {
    return S(QFileDialog::getOpenFileName(Parent(), Q(title), Q(dir), Q(filter)));
  }
  std::string SaveFileName(const std::string& filter, const std::string& dir, const std::string& name) override {
    QFileDialog dlg(Parent(), QString(), Q(dir));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setNameFilters(Q(DialogFilter(filter)).split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    // A name typed without a suffix takes the suffix of the filter chosen
    // (and the dialog asks before it replaces a file of that name).
    const auto suffix = [&dlg](const QString& entry) { dlg.setDefaultSuffix(Q(FilterSuffix(S(entry))).mid(1)); };
    suffix(dlg.selectedNameFilter());
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, suffix);
    if (!name.empty()) dlg.selectFile(Q(name));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    QString file = dlg.selectedFiles().front();
    const std::string add = FilterSuffix(S(dlg.selectedNameFilter()));
    if (!add.empty() && QFileInfo(file).suffix().isEmpty()) file += Q(add);
    return S(file);
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

namespace {
std::string Trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}
}  // namespace

std::string DialogFilter(const std::string& filter) {
  if (filter.find('|') == std::string::npos) return filter;
  std::vector<std::string> teile;
  size_t a = 0;
  for (;;) {
    const size_t e = filter.find('|', a);
    teile.push_back(filter.substr(a, e == std::string::npos ? std::string::npos : e - a));
    if (e == std::string::npos) break;
    a = e + 1;
  }
  std::string r;
  for (size_t i = 0; i < teile.size(); i += 2) {
    std::string text = Trimmed(teile[i]);
    const std::string muster = i + 1 < teile.size() ? teile[i + 1] : std::string("*");
    // The text may repeat its patterns in brackets ("Stao - File (*.stao)"):
    // the brackets the dialog shows are the patterns themselves.
    const size_t klammer = text.rfind('(');
    if (!text.empty() && text.back() == ')' && klammer != std::string::npos &&
        text.find('*', klammer) != std::string::npos)
      text = Trimmed(text.substr(0, klammer));
    // Patterns written in capitals ("*.BMP") also take the lower-case names
    // usual here, whatever the dialog's own case rule.
    std::vector<std::string> alle;
    size_t b = 0;
    for (;;) {
      const size_t e = muster.find(';', b);
      const std::string m = Trimmed(muster.substr(b, e == std::string::npos ? std::string::npos : e - b));
      if (!m.empty()) {
        std::string klein = m;
        for (char& c : klein)
          if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        alle.push_back(m);
        alle.push_back(klein);
      }
      if (e == std::string::npos) break;
      b = e + 1;
    }
    std::string liste;
    for (size_t k = 0; k < alle.size(); ++k) {
      bool schon = false;
      for (size_t j = 0; j < k; ++j) schon = schon || alle[j] == alle[k];
      if (!schon) liste += (liste.empty() ? "" : " ") + alle[k];
    }
    if (liste.empty()) continue;
    if (!r.empty()) r += ";;";
    r += (text.empty() ? liste : text) + " (" + liste + ")";
  }
  return r;
}

std::string FilterSuffix(const std::string& entry) {
  // The first pattern in the entry's last brackets, or the entry itself.
  std::string muster = entry;
  const size_t auf = entry.rfind('('), zu = entry.rfind(')');
  if (auf != std::string::npos && zu != std::string::npos && zu > auf) muster = entry.substr(auf + 1, zu - auf - 1);
  muster = Trimmed(muster);
  const size_t ende = muster.find_first_of(" ;");
  if (ende != std::string::npos) muster = muster.substr(0, ende);
  if (muster.size() < 3 || muster.compare(0, 2, "*.") != 0) return {};
  const std::string ext = muster.substr(2);
  if (ext.find_first_of("*?[") != std::string::npos) return {};
  return "." + ext;
}

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
int ScriptedInteraction::AskCancel(const std::string& text) {
  cancelOffered_.push_back(text);
  return Ask(text);
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
std::string ScriptedInteraction::OpenFileNameTitled(const std::string& title, const std::string& filter,
                                                    const std::string& dir) {
  return NextFile("open", title + "\n" + filter, dir);
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
