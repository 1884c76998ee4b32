// The language tables: the master table's consistency, the switch over every
// window, the language file and the developer's export.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <set>
#include <QTabWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "shell/Exp.h"
#include "shell/QEB.h"
#include "shell/start.h"
#include "tests/support/ui_typing.h"
#include "shell/Sprachen.h"

namespace qeb {
namespace {

std::vector<std::vector<std::string>> ReadTsv(const std::string& name) {
  const char* src = std::getenv("QEB_SOURCE_DIR");
  std::ifstream in(std::string(src != nullptr ? src : ".") + "/shell/" + name, std::ios::binary);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);  // heading
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream ss(line);
    std::string x;
    while (std::getline(ss, x, '\t')) f.push_back(x);
    if (!line.empty() && line.back() == '\t') f.push_back("");
    rows.push_back(f);
  }
  return rows;
}

bool EmptyNumber(int n) {
  return (n >= 1 && n <= 5) || n == 55 || n == 141 || n == 170 || (n >= 190 && n <= 211) || n == 490 ||
         (n >= 733 && n <= 800);
}
size_t Lead(const std::string& s) { return s.size() - std::string(s).erase(0, s.find_first_not_of(' ')).size(); }
size_t Trail(const std::string& s) { return s.find_last_not_of(' ') == std::string::npos ? s.size() : s.size() - 1 - s.find_last_not_of(' '); }
std::string Lower(std::string s) { return QString::fromStdString(s).toLower().remove('&').toStdString(); }

TEST(Sprachen, MasterTableIsCompleteConsistentAndBuiltIn) {
  const auto rows = ReadTsv("sprachtexte.tsv");
  ASSERT_EQ(rows.size(), 1000u);
  // English texts fixed by the graphs and menus keep their own short wording.
  const std::set<int> fixedEnglish = {8, 14, 112, 136, 137, 138, 139, 140, 359, 360, 375, 376, 377, 378, 382, 383, 384};
  int filled[5] = {0, 0, 0, 0, 0};
  for (int n = 1; n <= 1000; ++n) {
    const auto& r = rows[n - 1];
    ASSERT_EQ(r.size(), 6u) << n;
    ASSERT_EQ(std::stoi(r[0]), n);
    for (int c = 1; c <= 5; ++c) {
      const std::string& t = r[c];
      if (EmptyNumber(n) || (n > 800 && r[1].empty())) {
        EXPECT_TRUE(t.empty()) << n;
        continue;
      }
      ASSERT_FALSE(t.empty()) << n << " column " << c;
      if (n <= 800) ++filled[c - 1];
      EXPECT_EQ(Win1252ToUtf8(Utf8ToWin1252(t)), t) << n << ": not Windows-1252";
      EXPECT_EQ(t.find('\''), std::string::npos) << n << ": apostrophe, use a backquote";
      const std::string& de = r[1];
      if (c == 1 || (c == 4 && fixedEnglish.count(n))) continue;
      EXPECT_LE(t.size(), std::max(de.size() + 16, 2 * de.size())) << n << ": " << t;
      EXPECT_EQ(Lead(t), Lead(de)) << n;
      EXPECT_EQ(Trail(t), Trail(de)) << n;
      for (const char* end : {":", "="}) {
        const auto last = de.find_last_not_of(' ');
        if (last != std::string::npos && de.compare(last, 1, end) == 0) {
          EXPECT_EQ(t[t.find_last_not_of(' ')], *end) << n << ": " << t;
        }
      }
      const std::regex accel("&\\S");
      EXPECT_EQ(std::regex_search(de, accel), std::regex_search(t, accel)) << n << ": " << t;
    }
  }
  for (int c = 0; c < 5; ++c) EXPECT_EQ(filled[c], 701) << "column " << c;

  // The glossary: a trade term in the German text means its translation in
  // every other language (each word of it, allowing plural endings).
  for (const auto& g : ReadTsv("glossary.tsv")) {
    std::set<int> except;
    if (g.size() > 5 && !g[5].empty()) except.insert(std::stoi(g[5]));
    const std::regex de("(^|[^A-Za-zÄÖÜäöüß])" + g[0], std::regex::icase);
    for (int n = 1; n <= 1000; ++n) {
      const auto& r = rows[n - 1];
      std::string german = r[1];
      german.erase(std::remove(german.begin(), german.end(), '&'), german.end());
      if (except.count(n) || !std::regex_search(german, de)) continue;
      for (int c = 2; c <= 5; ++c) {
        std::stringstream words(g[c - 1]);
        std::string w;
        while (words >> w) {
          const QString qw = QString::fromStdString(w);
          if (qw.size() < 3) continue;
          const std::string stem = Lower(qw.left(std::max<int>(3, qw.size() - 2)).toStdString());
          EXPECT_NE(Lower(r[c]).find(stem), std::string::npos) << n << " " << g[0] << " -> " << r[c];
        }
      }
    }
  }

  // The built-in tables are this table.
  std::filesystem::remove("sprache.qeb");
  LoadLanguageTables();
  const int column[5] = {1, 4, 3, 2, 5};  // D E F I S
  for (int lang = 0; lang < 5; ++lang)
    for (int n = 1; n <= 1000; ++n)
      EXPECT_EQ(StandardSprachtabelle[lang][n], Utf8ToWin1252(rows[n - 1][column[lang]])) << lang << " " << n;
}

// Every tagged control of every window shows the text its tag names.
void ExpectLabelled(const std::string& letter) {
  int checked = 0;
  for (QWidget* w : ApplicationWindows()) {
    for (QObject* o : w->findChildren<QObject*>()) {
      const int tag = o->property("tag").toInt();
      if (tag == 0) continue;
      // The tables' backquotes show as apostrophes.
      auto t = [&](int n) { return FromBytes(LanguageText(n, letter)).replace(QLatin1Char('`'), QLatin1Char('\'')); };
      if (qobject_cast<QLineEdit*>(o) != nullptr) continue;
      if (auto* r = qobject_cast<RadioGroup*>(o)) {
        for (int k = 0; k < r->count(); ++k) EXPECT_EQ(r->button(k)->text(), t(tag + k)) << o->objectName().toStdString();
      } else if (auto* c = qobject_cast<QComboBox*>(o)) {
        for (int k = 0; k < c->count(); ++k) EXPECT_EQ(c->itemText(k), t(tag + k)) << o->objectName().toStdString();
      } else if (auto* l = qobject_cast<QLabel*>(o)) {
        // Captions of inputs wrap at blanks: the words are the text's; a
        // caption with a figure keeps the figure before the text.
        EXPECT_EQ(QString(l->text()).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                  o->property("prefix").toString() + t(tag))
            << o->objectName().toStdString();
      } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        EXPECT_EQ(b->text(), t(tag)) << o->objectName().toStdString();
      } else if (auto* a = qobject_cast<QAction*>(o)) {
        EXPECT_EQ(a->text(), t(tag)) << o->objectName().toStdString();
      } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        EXPECT_EQ(g->title(), t(tag)) << o->objectName().toStdString();
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 400);
}

TEST(Sprachen, SwitchingRelabelsEveryWindowAndKeepsSelections) {
  CreateApplicationWindows();
  std::filesystem::remove("sprache.qeb");
  std::filesystem::remove("geologie.qeb");
  Form1->EingabenAnzeigen();
  const int fluid = Form1->ComboFluid->currentIndex();
  const int hell = Form1->EHellstroem->itemIndex();
  Form1->EAnzahlSonden->setText(QStringLiteral("7"));
  Form1->EingabenUebernehmen();
  struct Step { void (TForm1::*click)(); const char* letter; const char* tab1; const char* jan; };
  const Step steps[] = {{&TForm1::Englisch1Click, "E", "BHEs", "January"},
                        {&TForm1::Franzsisch1Click, "F", "Sondes", "Janvier"},
                        {&TForm1::Italienisch1Click, "I", "Sonde", "Gennaio"},
                        {&TForm1::Spanisch1Click, "S", "Sondas", "Enero"},
                        {&TForm1::Deutsch1Click, "D", "Sonden", "Januar"}};
  for (const Step& s : steps) {
    (Form1->*s.click)();
    EXPECT_EQ(Sprache, s.letter);
    ExpectLabelled(s.letter);
    EXPECT_EQ(Form1->PageControl1->tabText(0).toStdString(), s.tab1);
    EXPECT_EQ(Win1252ToUtf8(Monatsname[1]), s.jan);
    EXPECT_EQ(Form1->ComboFluid->currentIndex(), fluid);
    EXPECT_EQ(Form1->EHellstroem->itemIndex(), hell);
    EXPECT_EQ(Form1->EAnzahlSonden->text(), QStringLiteral("7"));  // a tagged edit keeps its text
    EXPECT_NE(Form1->EAnzahlSonden->property("tag").toInt(), 0);
  }
  // Without a rock file the 20th material keeps its name in every language.
  Form1->Englisch1Click();
  EXPECT_EQ(Erdname[20], "Gneis");
  EXPECT_EQ(Win1252ToUtf8(Erdname[3]), "Moraine");
  Form1->Deutsch1Click();
  EXPECT_EQ(Win1252ToUtf8(Erdname[3]), "Moräne");
}

TEST(Sprachen, RadioGroupTakesConsecutiveTextsAndLowerCaseKeepsGermanGraphs) {
  CreateApplicationWindows();
  std::filesystem::remove("sprache.qeb");
  auto* r = new RadioGroup(Form1->centralWidget());
  r->setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  r->setProperty("tag", 300);
  SetLanguage("E");
  EXPECT_EQ(r->items(), (QStringList{FromBytes(LanguageText(300, "E")), FromBytes(LanguageText(301, "E")),
                                     FromBytes(LanguageText(302, "E"))}));
  EXPECT_EQ(r->items()[0], QStringLiteral("Street / no."));
  delete r;
  SetLanguage("D");
  const std::string names20 = Erdname[5];
  SetLanguage("e");
  EXPECT_EQ(Form1->PageControl1->tabText(0), QStringLiteral("BHEs"));
  EXPECT_EQ(Win1252ToUtf8(Monatsname[3]), "März");
  EXPECT_EQ(Erdname[5], names20);  // ground names unchanged
  EXPECT_EQ(LanguageText(0, "D"), "");
  EXPECT_EQ(LanguageText(733, "D"), "");
  EXPECT_EQ(LanguageText(13, "x"), "");
  SetLanguage("D");
}

void WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

TEST(Sprachen, LanguageFileLetterAndRoundTrip) {
  CreateApplicationWindows();
  // Letter E on line 2 gives English.
  WriteFile("sprache.qeb", "Sprachfile\r\nE\r\n\r\n\r\n\r\n");
  Sprache = "D";
  EXPECT_TRUE(LoadLanguageTables());
  EXPECT_EQ(Sprache, "E");
  SetLanguage(Sprache);
  EXPECT_EQ(Form1->PageControl1->tabText(0), QStringLiteral("BHEs"));
  // An empty or unknown letter leaves the current one.
  for (const char* line2 : {"", "X", " "}) {
    WriteFile("sprache.qeb", std::string("t\r\n") + line2 + "\r\n");
    Sprache = "F";
    LoadLanguageTables();
    EXPECT_EQ(Sprache, "F") << "line 2 '" << line2 << "'";
  }
  // The chosen language stands even when the file names another.
  WriteFile("sprache.qeb", "t\r\nI\r\n");
  Form1->Franzsisch1Click();
  EXPECT_EQ(Sprache, "F");
  EXPECT_EQ(Form1->PageControl1->tabText(0), QStringLiteral("Sondes"));
  std::filesystem::remove("sprache.qeb");

  // Written tables read back as the language file give the same tables.
  LoadLanguageTables();
  Sprachtabelle[2][300] = Utf8ToWin1252("Rue l'Église È");
  Sprache = "F";
  WriteLanguageFiles();
  std::string before[5][1001];
  for (int l = 0; l < 5; ++l)
    for (int n = 1; n <= 1000; ++n) before[l][n] = Sprachtabelle[l][n];
  std::ifstream in("Sprache.txt", std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 1000);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\r'), 1000);
  std::filesystem::copy_file("Sprache.txt", "sprache.qeb", std::filesystem::copy_options::overwrite_existing);
  for (int l = 0; l < 5; ++l)
    for (int n = 6; n <= 1000; ++n) Sprachtabelle[l][n] = "?";
  Sprache = "D";
  EXPECT_TRUE(LoadLanguageTables());
  EXPECT_EQ(Sprache, "F");
  for (int l = 0; l < 5; ++l)
    for (int n = 1; n <= 1000; ++n) ASSERT_EQ(Sprachtabelle[l][n], before[l][n]) << l << " " << n;
  std::filesystem::remove("sprache.qeb");

  // The export quotes with apostrophes; "È" stays a letter.
  std::ifstream fr("Franzoesisch.txt", std::ios::binary);
  std::string src((std::istreambuf_iterator<char>(fr)), std::istreambuf_iterator<char>());
  EXPECT_NE(src.find(Utf8ToWin1252("'Rue l`Église È'")), std::string::npos);
  EXPECT_EQ(std::count(src.begin(), src.end(), '\n'), 100);
  EXPECT_EQ(src.substr(0, 16), "'','','','','','");
  for (const char* f : {"Sprache.txt", "Deutsch.txt", "Franzoesisch.txt", "Italienisch.txt", "Englisch.txt", "Spanisch.txt"})
    std::filesystem::remove(f);
  LoadLanguageTables();
  SetLanguage("D");
}

// The language is the engineer's: a new project, an example or an opened file
// (which holds a language of its own) leaves it as chosen, in every question
// and every caption.
TEST(Sprachen, TheChosenLanguageStaysThroughNewProjectsExamplesAndOpenedFiles) {
  CreateApplicationWindows();
  std::filesystem::remove("sprache.qeb");
  // A program started without a language, from the start dialog.
  Sprache.clear();
  Form3->Button3Click();
  ASSERT_EQ(Sprache, "S");
  Form3->show();
  Form3->ButtonLaden->click();
  TForm1& f = *Form1;
  ASSERT_TRUE(f.isVisible());
  // A project saved while the program spoke Spanish holds that letter.
  const std::string spanisch = (std::filesystem::current_path() / "spanisch.txt").string();
  {
    ScriptedInteraction speichern;
    TippeUndVerlasse(f.ELastyear, "1");
    speichern.AnswerInput("Casa");
    speichern.AnswerInput("");
    speichern.AnswerFile(spanisch);
    for (int i = 0; i < 5; ++i) speichern.AnswerAsk(kNein);
    f.ToolButtonSpeichern->click();
    ASSERT_TRUE(std::filesystem::exists(spanisch));
  }
  f.Deutsch1->trigger();
  ASSERT_EQ(Sprache, "D");

  ScriptedInteraction ui;
  const std::string beenden = "Wollen Sie das Programm QEB beenden?";
  auto schliessenVerneinen = [&] {
    ui.Clear();
    ui.AnswerAsk(kNein);
    f.Button1->click();
    ASSERT_EQ(ui.Texts("ask").size(), 1u);
    EXPECT_EQ(ui.Texts("ask")[0], beenden);
  };
  auto deutsch = [&](const char* wo) {
    SCOPED_TRACE(wo);
    EXPECT_EQ(Sprache, "D");
    EXPECT_EQ(Fenstersprache, "D");
    ExpectLabelled("D");
    EXPECT_EQ(f.PageControl1->tabText(0).toStdString(), "Sonden");
    EXPECT_EQ(Win1252ToUtf8(Monatsname[1]), "Januar");
    schliessenVerneinen();
  };

  // "Datei -> Neu", all deleted, nothing changed.
  ui.AnswerAsk(kJa);
  f.Neu->trigger();
  deutsch("new project");
  // A change, then "Neu" again: the save question is German too.
  TippeUndVerlasse(f.ESondenlaenge, "123");
  ui.Clear();
  ui.AnswerAsk(kJa);
  ui.AnswerAsk(kNein);
  f.Neu->trigger();
  EXPECT_EQ(ui.Texts("ask"), (std::vector<std::string>{" Alles l\u00f6schen? / Delete all? / Effacer tous?", "Speichern?"}));
  deutsch("second new project");

  // Examples 9 and 10 from the menu.
  for (auto [item, k] : {std::pair{f.Beispiel91, 9}, std::pair{f.Beispiel101, 10}}) {
    ui.Clear();
    item->trigger();
    BeispielFenster(k)->Button1->click();
    for (const auto& s : ui.Shown_()) ADD_FAILURE() << "example " << k << ": " << s.kind << ": " << s.text;
    deutsch(k == 9 ? "example 9" : "example 10");
  }
  // The project saved in Spanish, opened.
  ui.Clear();
  ui.AnswerFile(spanisch);
  for (int i = 0; i < 5; ++i) ui.AnswerAsk(kNein);
  f.ToolButtonOeffnen->click();
  for (const auto& s : ui.Shown_()) EXPECT_TRUE(s.kind == "open" || s.text == "Speichern?") << s.kind << ": " << s.text;
  EXPECT_EQ(SpracheFile, "S");
  deutsch("opened file");
  f.hide();
  Form3->show();
  std::filesystem::remove("spanisch.txt");
}

// In French the save question before a project is replaced is spelt as
// French spells it.
TEST(Sprachen, TheFrenchSaveQuestionIsSpeltRight) {
  CreateApplicationWindows();
  TForm1& f = *Form1;
  Form3->show();
  Form3->ButtonLaden->click();
  f.Franzsisch1->trigger();
  TippeUndVerlasse(f.ESondenlaenge, "124");
  ScriptedInteraction ui;
  ui.AnswerAsk(kJa);
  ui.AnswerAsk(kNein);
  f.Neu->trigger();
  EXPECT_EQ(ui.Texts("ask"), (std::vector<std::string>{" Alles l\u00f6schen? / Delete all? / Effacer tous?", "Sauvegarder ?"}));
  f.Deutsch1->trigger();
  f.hide();
  Form3->show();
}

}  // namespace
}  // namespace qeb
