#include "widgets/ErrorText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QWidget>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "shell/QEB.h"
#include "widgets/Controls.h"

namespace qeb {

namespace {

// The edit a key of the shared state is typed into: "E" followed by the key,
// an array element's index written after its name ("Heizlast[3]" is
// EHeizlast3); the case of the letters may differ. Read-only edits only show
// results. The windows are searched in the order of their creation, so the
// input window comes before the dialogs that repeat a value.
QLineEdit* EditOfKey(const std::string& key) {
  QString name = QStringLiteral("E") + QString::fromStdString(key);
  name.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
  for (QWidget* w : ApplicationWindows()) {
    if (w == nullptr) continue;
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
      if (!e->isReadOnly() && e->objectName().compare(name, Qt::CaseInsensitive) == 0) return e;
    }
  }
  return nullptr;
}

QString LabelText(QLayoutItem* item) {
  auto* l = item != nullptr ? qobject_cast<QLabel*>(item->widget()) : nullptr;
  return l != nullptr ? l->text().replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed() : QString();
}

// The caption an edit stands beside: in a table the column's heading with the
// row's name ("Laufzeit Januar"), else the label left of it.
QString CaptionOf(QLineEdit* e) {
  QWidget* parent = e->parentWidget();
  auto* grid = parent != nullptr ? qobject_cast<QGridLayout*>(parent->layout()) : nullptr;
  const int index = grid != nullptr ? grid->indexOf(e) : -1;
  if (index >= 0) {
    int row = 0, col = 0, rowSpan = 0, colSpan = 0;
    grid->getItemPosition(index, &row, &col, &rowSpan, &colSpan);
    const QString heading = row > 0 ? LabelText(grid->itemAtPosition(0, col)) : QString();
    if (!heading.isEmpty()) {
      const QString rowName = col > 0 ? LabelText(grid->itemAtPosition(row, 0)) : QString();
      return (heading + QLatin1Char(' ') + rowName).trimmed();
    }
    if (col > 0) {
      const QString left = LabelText(grid->itemAtPosition(row, col - 1));
      if (!left.isEmpty()) return left;
    }
  }
  return e->objectName();
}

}  // namespace

QString CalcErrorText(const CalcError& e) {
  if (!e.key.empty()) {
    if (QLineEdit* edit = EditOfKey(e.key)) {
      return QStringLiteral(" Eingabe ung\u00fcltig  /  invalid value : ") + CaptionOf(edit) + QStringLiteral(" = ") +
             edit->text().trimmed() + QStringLiteral("  (") + FromBytes(e.reason) + QLatin1Char(')');
    }
  }
  return FromBytes(e.what());
}

}  // namespace qeb
