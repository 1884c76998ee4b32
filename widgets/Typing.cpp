#include "widgets/Typing.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QString>
#include <QWidget>
#include <cmath>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "platform/Platform.h"
#include "shell/Sprachen.h"
#include "widgets/Controls.h"

namespace qeb {

// Marks an edit whose typing a command has finished; typing again clears it.
// The modified flag itself stays: dialogs use it to keep what the user typed
// until they read it.
constexpr const char* kFertig = "qebFertig";

namespace {
void BereichPruefen(QLineEdit* e);
void NachTyp(QLineEdit* e);
}

QLineEdit* EditInArbeit(QWidget* window) {
  if (window == nullptr) return nullptr;
  auto* e = qobject_cast<QLineEdit*>(window->focusWidget());
  if (e == nullptr || !e->isModified() || e->isReadOnly() || e->property(kFertig).toBool()) return nullptr;
  return e;
}

void EditFertigstellen(QWidget* window) {
  QLineEdit* e = EditInArbeit(window);
  if (e == nullptr) return;
  e->setProperty(kFertig, true);
  QPointer<QLineEdit> p(e);
  emit e->editingFinished();
  if (p) BereichPruefen(p);
}

// ---------------- typed numbers ----------------
namespace {

constexpr const char* kGut = "qebGut";            // the last text that counts
constexpr const char* kSchlecht = "qebSchlecht";  // the user typed no number
constexpr const char* kBereich = "qebBereich";    // the range of its variable applies

int ZahlArt(const QLineEdit* e) { return e->property("qebZahl").toInt(); }

bool IstZahl(const QLineEdit* e, const QString& text) {
  int code = 0;
  if (ZahlArt(e) == 2) {
    ValInt(text, code);
  } else {
    ValReal(text, code);
  }
  return code == 0;
}

// The caption the user sees beside the edit: the label left of it, or in a
// table the row's name and the column's heading.
QString Beschriftung(const QLineEdit* e) {
  auto text = [](QWidget* w) {
    auto* l = qobject_cast<QLabel*>(w);
    return l == nullptr ? QString() : l->text().replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
  };
  QWidget* p = e->parentWidget();
  auto* grid = p != nullptr ? qobject_cast<QGridLayout*>(p->layout()) : nullptr;
  if (grid != nullptr) {
    const int i = grid->indexOf(const_cast<QLineEdit*>(e));
    int row = 0, col = 0, rs = 0, cs = 0;
    if (i >= 0) {
      grid->getItemPosition(i, &row, &col, &rs, &cs);
      auto at = [grid](int r, int c) -> QWidget* {
        QLayoutItem* it = (r >= 0 && c >= 0) ? grid->itemAtPosition(r, c) : nullptr;
        return it != nullptr ? it->widget() : nullptr;
      };
      QString links = col > 0 ? text(at(row, col - 1)) : QString();
      if (!links.isEmpty()) return links;
      const QString zeile = text(at(row, 0)), kopf = row > 0 ? text(at(0, col)) : QString();
      const QString beide = (zeile + QLatin1Char(' ') + kopf).simplified();
      if (!beide.isEmpty()) return beide;
    }
  }
  return e->objectName();
}

// The project file's variable an edit holds: its name without the leading
// "E" (a row of a table without its number), whatever the case of its
// letters. The free-cooling share the run brings into its range itself.
const char* VariableSuchen(const QLineEdit* e) {
  QString n = e->objectName();
  if (n.startsWith(QLatin1Char('E'))) n = n.mid(1);
  QString ohneNummer = n;
  while (!ohneNummer.isEmpty() && ohneNummer.back().isDigit()) ohneNummer.chop(1);
  for (const StateVar& v : StateRegistry())
    if (n.compare(QLatin1String(v.key), Qt::CaseInsensitive) == 0)
      return std::string_view(v.key) == "MinDeckungFreecooling" ? nullptr : v.key;
  if (ohneNummer == n || ohneNummer.isEmpty()) return nullptr;
  for (const StateVar& v : StateRegistry())
    if (v.hi > v.lo && ohneNummer.compare(QLatin1String(v.key), Qt::CaseInsensitive) == 0) return v.key;
  return nullptr;
}
// Looked up once per edit: a display pass writes every edit.
const char* Variable(QLineEdit* e) {
  const QVariant v = e->property("qebVariable");
  if (v.isValid()) return static_cast<const char*>(v.value<const void*>());
  const char* key = VariableSuchen(e);
  e->setProperty("qebVariable", QVariant::fromValue(static_cast<const void*>(key)));
  return key;
}

bool ImBereich(QLineEdit* e, const QString& text, std::string* warum = nullptr) {
  if (!e->property(kBereich).toBool()) return true;
  const char* key = Variable(e);
  if (key == nullptr) return true;
  int code = 0;
  const double v = ZahlArt(e) == 2 ? ValInt(text, code) : ValReal(text, code);
  if (code != 0) return true;
  const std::string w = RangeViolation(key, v);
  if (warum != nullptr) *warum = w;
  return w.empty();
}

void NachTyp(QLineEdit* e) {
  // A text other code writes counts as the field's value at once; a typed one
  // when the user leaves it as a number inside its range.
  if (ZahlArt(e) == 0) return;
  if (!e->isModified() && !e->property("qebImDurchgang").toBool() && ImBereich(e, e->text()))
    e->setProperty(kGut, e->text());
  e->setProperty(kSchlecht, e->isModified() && !IstZahl(e, e->text()));
}

void Zurueckweisen(QLineEdit* e, const std::string& warum) {
  e->setProperty("qebPruefung", true);
  // The last good value again, as if code wrote it: its handlers follow it,
  // and the message stands over the window as it is calculated.
  e->setText(e->property(kGut).toString());
  Message(warum);
  e->setProperty("qebPruefung", false);
}

// The refusals speak the language the windows speak, as the caption they
// name does (German while the windows show their own texts).
std::string Wort(int n, const char* deutsch) { return qeb::Beschriftung(n, deutsch); }

// Left: a text that is no number is refused before any handler reads it.
void ZahlPruefen(QLineEdit* e) {
  if (e->property("qebPruefung").toBool()) return;
  if (e->property(kSchlecht).toBool()) {
    Zurueckweisen(e, Wort(993, "Eingabe ung\xC3\xBCltig:") + " " + Beschriftung(e).toStdString() + " " +
                         Wort(994, "ist keine Zahl"));
    return;
  }
  if (ImBereich(e, e->text())) e->setProperty(kGut, e->text());
  e->setProperty("qebBereichOffen", true);
}

// After the handlers of the leave (which correct what their rules correct):
// a value the project's range table refuses is refused too.
void BereichPruefen(QLineEdit* e) {
  if (!e->property("qebBereichOffen").toBool()) return;
  e->setProperty("qebBereichOffen", false);
  std::string warum;
  if (ImBereich(e, e->text(), &warum)) return;
  int code = 0;
  const double v = ZahlArt(e) == 2 ? ValInt(e->text(), code) : ValReal(e->text(), code);
  std::string satz = Wort(993, "Eingabe ung\xC3\xBCltig:") + " " + Beschriftung(e).toStdString() + " = ";
  const ValueRange* r = RangeOf(Variable(e));
  if (!std::isfinite(v) || r == nullptr) {
    satz += e->text().toStdString() + " " + Wort(996, "ist nicht endlich");
  } else {
    satz += FormatRangeNumber(v) + " " + Wort(995, "liegt ausserhalb") + " " + FormatRangeNumber(r->lo) + " .. " +
            FormatRangeNumber(r->hi);
  }
  Zurueckweisen(e, satz);
}

// Lets the edit take its leave (Tab, a click elsewhere, Return) with every
// handler first, then checks the range.
class NachDemVerlassen : public QObject {
 public:
  explicit NachDemVerlassen(QLineEdit* e) : QObject(e), e_(e) { e->installEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* ev) override {
    if (o != e_ || aktiv_) return false;
    // A focus change while the edit is being destroyed reaches it as a plain
    // widget: there is nothing left to leave.
    if (qobject_cast<QLineEdit*>(o) == nullptr) return false;
    const bool verlassen =
        ev->type() == QEvent::FocusOut ||
        (ev->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(ev)->key() == Qt::Key_Return ||
                                            static_cast<QKeyEvent*>(ev)->key() == Qt::Key_Enter));
    if (!verlassen) return false;
    QPointer<QLineEdit> e(e_);
    aktiv_ = true;
    const bool r = e_->event(ev);
    aktiv_ = false;
    if (e) BereichPruefen(e);
    return r;
  }

 private:
  QLineEdit* e_;
  bool aktiv_ = false;
};

}  // namespace

double EditReal(const QLineEdit* e, int& code) {
  const double v = ValReal(e->text(), code);
  if (code == 0 || !e->property(kSchlecht).toBool()) return v;
  int c = 0;
  return ValReal(e->property(kGut).toString(), c);
}

int EditInt(const QLineEdit* e, int& code) {
  const int v = ValInt(e->text(), code);
  if (code == 0 || !e->property(kSchlecht).toBool()) return v;
  int c = 0;
  return ValInt(e->property(kGut).toString(), c);
}

void BefehleFertigstellenZuerst(QWidget* window, bool mitBereich) {
  // Before any handler of the window: the check sees the text first.
  for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
    if (ZahlArt(e) == 0) continue;
    e->setProperty(kGut, e->text());
    e->setProperty(kBereich, mitBereich);
    QObject::connect(e, &QLineEdit::textChanged, e, [e] { NachTyp(e); });
    QObject::connect(e, &QLineEdit::editingFinished, e, [e] { ZahlPruefen(e); });
    new NachDemVerlassen(e);
  }
  QPointer<QWidget> w(window);
  auto fertig = [w] {
    if (w) EditFertigstellen(w);
  };
  for (QAction* a : window->findChildren<QAction*>()) QObject::connect(a, &QAction::triggered, window, fertig);
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    // Radio buttons and check boxes are inputs, not commands.
    if (qobject_cast<QRadioButton*>(b) != nullptr || qobject_cast<QCheckBox*>(b) != nullptr) continue;
    QObject::connect(b, &QAbstractButton::pressed, window, fertig);
    QObject::connect(b, &QAbstractButton::clicked, window, fertig);
  }
  for (QLineEdit* e : window->findChildren<QLineEdit*>())
    QObject::connect(e, &QLineEdit::textEdited, e, [e] { e->setProperty(kFertig, false); });
}

struct Anzeigedurchgang::Text {
  QString s;
  std::vector<QPointer<QWidget>> beschriftung;  // shown labels of its row
};

namespace {
// The labels shown in the edit's row of its group: its caption and unit.
std::vector<QPointer<QWidget>> ZeilenBeschriftung(QLineEdit* e) {
  std::vector<QPointer<QWidget>> r;
  QWidget* p = e->parentWidget();
  auto* grid = p != nullptr ? qobject_cast<QGridLayout*>(p->layout()) : nullptr;
  const int i = grid != nullptr ? grid->indexOf(e) : -1;
  if (i < 0) return r;
  int row = 0, col = 0, rs = 0, cs = 0;
  grid->getItemPosition(i, &row, &col, &rs, &cs);
  for (int c = 0; c < grid->columnCount(); ++c) {
    QLayoutItem* it = grid->itemAtPosition(row, c);
    auto* l = it != nullptr ? qobject_cast<QLabel*>(it->widget()) : nullptr;
    if (l != nullptr && !l->isHidden()) r.emplace_back(l);
  }
  return r;
}
}  // namespace

bool GetipptImDurchgang(const QWidget* w) { return w != nullptr && w->property("qebImDurchgang").toBool(); }

Anzeigedurchgang::Anzeigedurchgang(QWidget* window, int& zaehler) : zaehler_(zaehler) {
  ++zaehler_;
  edit_ = zaehler_ == 1 ? EditInArbeit(window) : nullptr;
  if (edit_ != nullptr) {
    // What the pass writes into it is no value the user left there.
    edit_->setProperty("qebImDurchgang", true);
    sichtbar_ = !edit_->isHidden();
    text_ = new Text{edit_->text(), ZeilenBeschriftung(edit_)};
    cursor_ = edit_->cursorPosition();
  }
}

Anzeigedurchgang::~Anzeigedurchgang() {
  if (edit_ != nullptr) {
    if (edit_->text() != text_->s) {
      // Put back as typing would, so the edit still counts as edited and
      // gives its "leave" when the user goes on.
      const QSignalBlocker stumm(edit_);
      edit_->selectAll();
      edit_->insert(text_->s);
      edit_->setCursorPosition(cursor_);
    }
    edit_->setModified(true);
    // Nor is it hidden under the user's fingers: the keys still to come
    // belong to it. Its visibility follows when it is left.
    if (sichtbar_ && edit_->isHidden()) {
      edit_->setHidden(false);
      for (const QPointer<QWidget>& l : text_->beschriftung)
        if (l) l->setHidden(false);
      edit_->setFocus();
      edit_->setCursorPosition(cursor_);
    }
    edit_->setProperty("qebImDurchgang", false);
    NachTyp(edit_);  // still what the user typed, good or not
  }
  delete text_;
  --zaehler_;
}

void BeiAenderung(QLineEdit* e, QObject* context, std::function<void()> handler) {
  QObject::connect(e, &QLineEdit::textChanged, context, [handler] { handler(); });
  QObject::connect(e, &QLineEdit::editingFinished, context, [e, handler] {
    // editingFinished also comes on Return and on every focus loss; only
    // typing not yet left counts, and it counts once.
    if (!e->isModified()) return;
    e->setModified(false);
    handler();
  });
}

}  // namespace qeb
