// What a window shows as captions, and which of them are still German when
// another language is chosen.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <set>
#include <string>
#include <vector>

#include "calc/TextIO.h"
#include "shell/Sprachen.h"
#include "widgets/Controls.h"

namespace qeb {

// A table text as the screen shows it: one line, the backquote an apostrophe.
inline QString Screen(const QString& s) {
  return QString(s).replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('`'), QLatin1Char('\''));
}

struct Caption {
  QObject* control;
  QString text;
};

// Every caption a window shows: labels, buttons, group titles, tab texts, menu items.
inline std::vector<Caption> Captions(QWidget* w) {
  std::vector<Caption> out;
  for (QObject* o : w->findChildren<QObject*>()) {
    if (auto* l = qobject_cast<QLabel*>(o)) out.push_back({o, Screen(l->text())});
    else if (auto* b = qobject_cast<QAbstractButton*>(o)) out.push_back({o, Screen(b->text())});
    else if (auto* a = qobject_cast<QAction*>(o)) out.push_back({o, Screen(a->text())});
    else if (auto* g = qobject_cast<QGroupBox*>(o)) out.push_back({o, Screen(g->title())});
    if (auto* t = qobject_cast<QTabWidget*>(o))
      for (int i = 0; i < t->count(); ++i) out.push_back({t->widget(i), Screen(t->tabText(i))});
  }
  return out;
}


// The captions of `windows` that show a German text of the table which the
// language `letter` words otherwise.
inline std::vector<std::string> DeutscheBeschriftungen(const std::vector<QWidget*>& windows, const char* letter) {
  std::set<QString> deutsch;
  for (int n = 1; n <= kSprachtexte; ++n) {
    const QString de = Screen(FromBytes(LanguageText(n, "D")));
    if (!de.trimmed().isEmpty() && de != Screen(FromBytes(LanguageText(n, letter)))) deutsch.insert(de);
  }
  std::vector<std::string> out;
  for (QWidget* w : windows)
    for (const Caption& c : Captions(w))
      if (!c.text.trimmed().isEmpty() && deutsch.count(c.text) > 0)
        out.push_back(w->objectName().toStdString() + "." + c.control->objectName().toStdString() + ": " +
                      c.text.toStdString());
  return out;
}

}  // namespace qeb
