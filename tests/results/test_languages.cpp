// Five languages all the way: after a switch no German caption is left in the
// input, results and graph windows, the tables' backquotes show as
// apostrophes, and the toolkit's own buttons speak the chosen language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "shell/Sprachen.h"
#include "tests/support/captions.h"
#include "tests/support/ui_project.h"
#include "widgets/Controls.h"

namespace qeb {
namespace {

class Languages : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove("sprache.qeb");
    NeuesProjektInDenFenstern();
  }
  void TearDown() override { Form1->Deutsch1Click(); }
  static std::vector<QWidget*> Windows() { return {Form1, Resultat, Form4}; }
};

TEST_F(Languages, NoGermanCaptionIsLeftInTheInputResultsAndGraphWindows) {
  for (auto [click, letter] : {std::pair{&TForm1::Franzsisch1Click, "F"}, std::pair{&TForm1::Englisch1Click, "E"}}) {
    SCOPED_TRACE(letter);
    (Form1->*click)();
    // German texts of the table that the language words otherwise.
    std::set<QString> deutsch;
    for (int n = 1; n <= kSprachtexte; ++n) {
      const QString de = Screen(FromBytes(LanguageText(n, "D")));
      if (!de.trimmed().isEmpty() && de != Screen(FromBytes(LanguageText(n, letter)))) deutsch.insert(de);
    }
    int captions = 0;
    for (QWidget* w : Windows()) {
      for (const Caption& c : Captions(w)) {
        if (c.text.trimmed().isEmpty()) continue;
        ++captions;
        EXPECT_EQ(deutsch.count(c.text), 0u) << w->objectName().toStdString() << "."
                                             << c.control->objectName().toStdString() << ": " << c.text.toStdString();
      }
    }
    EXPECT_GT(captions, 500);
    // Every caption of the results and graph windows with a word in it has
    // its text number; units and symbols ("kWh", "(R1)", "f_BHE = ") need none.
    static const QRegularExpression wort(QStringLiteral("[A-Za-z\u00c0-\u00ff]{4,}"));
    for (QWidget* w : {static_cast<QWidget*>(Resultat), static_cast<QWidget*>(Form4)}) {
      for (const Caption& c : Captions(w)) {
        if (!wort.match(c.text).hasMatch()) continue;
        EXPECT_NE(c.control->property("tag").toInt(), 0)
            << w->objectName().toStdString() << "." << c.control->objectName().toStdString() << ": "
            << c.text.toStdString();
      }
    }
  }
  // The French results read French.
  Form1->Franzsisch1Click();
  EXPECT_EQ(Resultat->findChild<QLabel*>(QStringLiteral("Waermebedarf"))->text().replace('\n', ' '),
            QStringLiteral("Besoin de chaleur total ="));
  EXPECT_EQ(Form4->Schliessen->text(), QStringLiteral("Fermer"));
  EXPECT_EQ(Form4->Button4->text(), QStringLiteral("Temp. fluide"));
}

TEST_F(Languages, TheTablesBackquoteShowsAsAnApostrophe) {
  Form1->Franzsisch1Click();
  // Every caption whose French text in the table carries a backquote
  // ("jusqu`\u00e0", "l`air") shows an apostrophe.
  int seen = 0;
  for (QWidget* w : ApplicationWindows()) {
    for (const Caption& c : Captions(w)) {
      QString raw = c.text;
      if (auto* l = qobject_cast<QLabel*>(c.control)) raw = l->text();
      if (auto* b = qobject_cast<QAbstractButton*>(c.control)) raw = b->text();
      EXPECT_FALSE(raw.contains(QLatin1Char('`'))) << c.control->objectName().toStdString() << ": " << raw.toStdString();
      const int tag = c.control->property("tag").toInt();
      if (tag <= 0) continue;
      const std::string table = LanguageText(tag, "F");
      if (table.find('`') == std::string::npos) continue;
      EXPECT_TRUE(c.text.contains(QLatin1Char('\''))) << c.text.toStdString();
      ++seen;
    }
  }
  EXPECT_GT(seen, 0);
}

TEST_F(Languages, TheToolkitsOwnButtonsFollowTheLanguage) {
  auto yesNoCancel = [] {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return box.button(QMessageBox::Yes)->text() + QLatin1Char('|') + box.button(QMessageBox::No)->text() +
           QLatin1Char('|') + box.button(QMessageBox::Cancel)->text();
  };
  auto openCancel = [] {
    QFileDialog d;
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    auto* box = d.findChild<QDialogButtonBox*>();
    return box->button(QDialogButtonBox::Open)->text() + QLatin1Char('|') +
           box->button(QDialogButtonBox::Cancel)->text();
  };
  Form1->Franzsisch1Click();
  EXPECT_EQ(yesNoCancel(), QStringLiteral("&Oui|&Non|Annuler"));
  EXPECT_EQ(openCancel(), QStringLiteral("&Ouvrir|Annuler"));
  Form1->Deutsch1Click();
  EXPECT_EQ(yesNoCancel(), QStringLiteral("&Ja|&Nein|Abbrechen"));
  Form1->Italienisch1Click();
  EXPECT_EQ(yesNoCancel(), QStringLiteral("&S\u00ec|&No|Annulla"));
  Form1->Spanisch1Click();
  EXPECT_EQ(yesNoCancel(), QStringLiteral("&S\u00ed|&No|Cancelar"));
  Form1->Englisch1Click();
  EXPECT_EQ(yesNoCancel(), QStringLiteral("&Yes|&No|Cancel"));
  EXPECT_EQ(openCancel(), QStringLiteral("&Open|Cancel"));
}

}  // namespace
}  // namespace qeb
