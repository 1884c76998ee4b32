// Every window and dialog in each of the five languages: each caption a user
// can meet comes from the language tables (or is a figure, a unit or a
// symbol), and each shown caption fits its control at the window's size.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"
#include "tests/support/captions.h"
#include "tests/support/ui_project.h"
#include "widgets/Controls.h"

namespace qeb {
namespace {

// Figures, units, symbols and the names of formats and products read the
// same in every language.
bool NurZeichen(const QString& rest) {
  static const QSet<QString> symbole = {
      QStringLiteral("kW"),    QStringLiteral("kWh"),    QStringLiteral("MWh"),  QStringLiteral("mK"),
      QStringLiteral("Pa"),    QStringLiteral("kPa"),    QStringLiteral("kg"),   QStringLiteral("mm"),
      QStringLiteral("m2"),    QStringLiteral("m3"),     QStringLiteral("TSink"), QStringLiteral("TSource"),
      QStringLiteral("TBrine"), QStringLiteral("TMin"),  QStringLiteral("TMax"), QStringLiteral("Min"),
      QStringLiteral("Max"),   QStringLiteral("Temp"),   QStringLiteral("COP"),  QStringLiteral("Ra"),
      QStringLiteral("Rb"),    QStringLiteral("Rc"),     QStringLiteral("Re"),   QStringLiteral("f_BHE"), QStringLiteral("SIA"),
      QStringLiteral("VDI"),   QStringLiteral("QEB"),    QStringLiteral("OK"),   QStringLiteral("eff"),
      QStringLiteral("Fill"),  QStringLiteral("CSV"),    QStringLiteral("TXT"),  QStringLiteral("TRT"),
      QStringLiteral("XLS"),   QStringLiteral("PDF"),    QStringLiteral("BMP"),  QStringLiteral("JPEG"),
      QStringLiteral("Meteonorm")};
  static const QRegularExpression wort(QStringLiteral("[A-Za-z_\u00c0-\u00ff\u0370-\u03ff][A-Za-z_0-9\u00c0-\u00ff]*"));
  auto it = wort.globalMatch(rest);
  while (it.hasNext()) {
    const QString w = it.next().captured();
    // A single letter or a word with an index ("a1", "m2K") is a symbol.
    const bool symbol = w.size() == 1 || std::any_of(w.begin(), w.end(), [](QChar c) { return c.isDigit(); });
    if (!symbol && !symbole.contains(w)) return false;
  }
  return true;
}

// A caption the table of `letter` words: the table's texts taken out where
// they stand as whole words leave only figures, units and symbols.
class Tabelle {
 public:
  explicit Tabelle(const char* letter) {
    for (int n = 1; n <= kSprachtexte; ++n) {
      const QString t = Screen(FromBytes(LanguageText(n, letter))).trimmed();
      if (t.size() >= 2) texte_.push_back(t);
    }
    std::sort(texte_.begin(), texte_.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
  }
  bool Spricht(QString s) const {
    s = s.trimmed();
    for (const QString& t : texte_) {
      for (qsizetype at = s.indexOf(t); at >= 0; at = s.indexOf(t, at + 1)) {
        const bool links = at == 0 || !s[at - 1].isLetter();
        const bool rechts = at + t.size() >= s.size() || !s[at + t.size()].isLetter();
        if (links && rechts) {
          s.replace(at, t.size(), QLatin1Char(' '));
          at = -1;  // look again from the start
          if (s.trimmed().isEmpty()) return true;
        }
      }
    }
    return NurZeichen(s);
  }

 private:
  std::vector<QString> texte_;
};

// Data, not captions: the program's version, its mail address, the example
// projects' own descriptions and the catalogues' product names.
bool IstDaten(QObject* o, const QString& text) {
  if (text.startsWith(QLatin1String("Version ")) || text.contains(QLatin1Char('@'))) return true;
  if (o->objectName() == QLatin1String("LBeschreibung")) return true;
  if (auto* c = qobject_cast<QComboBox*>(o)) return c->property("tag").toInt() == 0;
  return false;
}

struct Fund {
  QString window, control, text;
};

std::vector<Fund> FremdeBeschriftungen(QWidget* w, const Tabelle& tabelle) {
  std::vector<Fund> out;
  auto pruefe = [&](QObject* o, const QString& roh) {
    QString text = Screen(roh).trimmed();
    // A file's path under a caption is data.
    text.remove(QRegularExpression(QStringLiteral("\\s/\\S*$")));
    if (text.isEmpty() || IstDaten(o, text) || tabelle.Spricht(text)) return;
    out.push_back({w->objectName(), o->objectName(), text});
  };
  pruefe(w, w->windowTitle());
  for (QObject* o : w->findChildren<QObject*>()) {
    if (auto* l = qobject_cast<QLabel*>(o)) pruefe(o, l->text());
    else if (auto* b = qobject_cast<QAbstractButton*>(o)) pruefe(o, b->text());
    else if (auto* a = qobject_cast<QAction*>(o)) pruefe(o, a->text());
    else if (auto* g = qobject_cast<QGroupBox*>(o)) pruefe(o, g->title());
    else if (auto* c = qobject_cast<QComboBox*>(o))
      for (int i = 0; i < c->count(); ++i) pruefe(o, c->itemText(i));
    if (auto* t = qobject_cast<QTabWidget*>(o))
      for (int i = 0; i < t->count(); ++i) pruefe(t->widget(i), t->tabText(i));
  }
  return out;
}

// Shown captions whose text is wider than their control.
std::vector<Fund> AbgeschnitteneBeschriftungen(QWidget* w) {
  std::vector<Fund> out;
  for (QWidget* c : w->findChildren<QWidget*>()) {
    if (!c->isVisibleTo(w)) continue;
    int noetig = 0;
    QString text;
    if (auto* l = qobject_cast<QLabel*>(c)) {
      if (l->wordWrap() || l->text().isEmpty()) continue;
      noetig = l->sizeHint().width(), text = l->text();
    } else if (auto* b = qobject_cast<QAbstractButton*>(c)) {
      if (b->text().isEmpty()) continue;
      noetig = b->sizeHint().width(), text = b->text();
    } else if (auto* g = qobject_cast<QGroupBox*>(c)) {
      if (g->title().isEmpty()) continue;
      noetig = g->fontMetrics().horizontalAdvance(g->title()), text = g->title();
    } else if (auto* t = qobject_cast<QTabBar*>(c)) {
      for (int i = 0; i < t->count(); ++i)
        if (t->isTabVisible(i) && t->tabRect(i).width() < t->fontMetrics().horizontalAdvance(t->tabText(i)))
          out.push_back({w->objectName(), c->objectName(), t->tabText(i)});
      continue;
    } else {
      continue;
    }
    if (noetig > c->width()) out.push_back({w->objectName(), c->objectName(), Screen(text)});
  }
  return out;
}

TEST(EveryWindow, SpeaksEachLanguageWithEveryCaptionWhole) {
  NeuesProjektInDenFenstern();
  Form1->show();
  const std::pair<QAction*, const char*> sprachen[] = {{Form1->Franzsisch1, "F"}, {Form1->Englisch1, "E"},
                                                       {Form1->Italienisch1, "I"}, {Form1->Spanisch1, "S"},
                                                       {Form1->Deutsch1, "D"}};
  for (auto [menu, letter] : sprachen) {
    SCOPED_TRACE(letter);
    menu->trigger();
    ASSERT_EQ(Sprache, letter);
    const Tabelle tabelle(letter);
    int fenster = 0;
    for (QWidget* w : ApplicationWindows()) {
      const bool warSichtbar = w->isVisible();
      w->show();
      QApplication::processEvents();
      ++fenster;
      for (const Fund& f : FremdeBeschriftungen(w, tabelle))
        ADD_FAILURE() << "not in the tables: " << f.window.toStdString() << "." << f.control.toStdString() << ": "
                      << f.text.toStdString();
      for (const Fund& f : AbgeschnitteneBeschriftungen(w))
        ADD_FAILURE() << "cut: " << f.window.toStdString() << "." << f.control.toStdString() << ": "
                      << f.text.toStdString();
      if (!warSichtbar) w->hide();
    }
    EXPECT_GT(fenster, 25);
  }
}

// The names of the file dialogs' filters speak the language too.
TEST(EveryWindow, FileDialogsNameTheirFiltersInTheLanguage) {
  NeuesProjektInDenFenstern();
  Form1->Franzsisch1->trigger();
  const Tabelle tabelle("F");
  ScriptedInteraction ui;
  for (int i = 0; i < 5; ++i) ui.AnswerFile("");  // every dialog cancelled
  Form1->ImportSonden1->trigger();
  Form1->ImportTempStao1->trigger();
  Form1->TempFile1->trigger();
  Form1->WetterdatenMeteonorm1->trigger();
  Form1->Bildeinlesen->click();
  int filter = 0;
  static const QRegularExpression muster(QStringLiteral("\\([^)]*\\)|\\*\\.[A-Za-z]+|;"));
  for (const auto& s : ui.Shown_()) {
    if (s.kind != "open" && s.kind != "picture") continue;
    const QStringList teile = QString::fromStdString(s.text).split(QRegularExpression(QStringLiteral("\\||;;")));
    for (qsizetype i = 0; i < teile.size(); ++i) {
      // "name|pattern" pairs, or Qt's "name (pattern)" items.
      if (s.text.find(";;") == std::string::npos && s.text.find('|') != std::string::npos && i % 2 == 1) continue;
      const QString name = QString(teile[i]).remove(muster).trimmed();
      ++filter;
      EXPECT_TRUE(name.isEmpty() || tabelle.Spricht(name)) << s.text << ": " << name.toStdString();
    }
  }
  EXPECT_GE(filter, 6);
  Form1->Deutsch1->trigger();
}

}  // namespace
}  // namespace qeb
