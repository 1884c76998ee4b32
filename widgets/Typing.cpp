#include "widgets/Typing.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QString>
#include <QWidget>

namespace qeb {

// Marks an edit whose typing a command has finished; typing again clears it.
// The modified flag itself stays: dialogs use it to keep what the user typed
// until they read it.
constexpr const char* kFertig = "qebFertig";

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
  emit e->editingFinished();
}

void BefehleFertigstellenZuerst(QWidget* window) {
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
};

Anzeigedurchgang::Anzeigedurchgang(QWidget* window, int& zaehler) : zaehler_(zaehler) {
  ++zaehler_;
  edit_ = zaehler_ == 1 ? EditInArbeit(window) : nullptr;
  if (edit_ != nullptr) {
    text_ = new Text{edit_->text()};
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
