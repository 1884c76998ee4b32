// A new user's walk through the main road, end to end: a new project typed
// in, calculated, sized, its results read, saved under a name without a
// suffix, calculated again with more heating while the results stay open,
// saved again, a damaged copy opened over it without harm, the program quit
// right after the save, and the project reopened from the start dialog with
// every value as it was entered.
#include <gtest/gtest.h>

#include <QAction>
#include <QRadioButton>
#include <QtTest/QTest>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "shell/start.h"
#include "tests/support/captions.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"

namespace qeb {
namespace {

bool Sichtbar(QWidget* w) { return w->isVisibleTo(w->window()); }

TEST(NewUserWalk, TypeCalculateSizeSaveQuitReopen) {
  NeuesProjektInDenFenstern();
  ScriptedInteraction ui;
  SetEscapeProbe(nullptr);
  const std::string dir = std::filesystem::current_path().string();

  // New project from the start dialog.
  Form3->show();
  Form3->ButtonNeuClick();
  ASSERT_TRUE(Form1->isVisible());
  TForm1& f = *Form1;

  // 150 m double U, a 10 kW heat pump with its COP, 18,000 kWh of heating,
  // 50 years on the load profile's tab.
  ASSERT_FALSE(KoaxialSonde);
  ASSERT_FALSE(einfachU);
  Tippe(f.ESondenlaenge, "150");
  Tippe(f.EHeizleistung_Vollast, "10");
  Tippe(f.ECOP_Volllast, "4.2");
  Tippe(f.EJahresheizlast, "18000");
  Tippe(f.ELastyear2, "50");

  // Calculate: what was typed is what runs.
  f.Button14->click();
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
  EXPECT_EQ(LastYear, 50);
  EXPECT_EQ(Sondenlaenge, 150.0);
  EXPECT_NEAR(Auslegungsentzug, 10.0 / 4.2 * 3.2, 0.005);
  double heiz = 0.0;
  for (int m = 1; m <= 12; ++m) heiz += Heizlast[m];
  EXPECT_NEAR(heiz - Heizbandlast, 18000.0, 6.0);
  const double tUngesized = TSinkMin;

  // Size to -1.5 °C.
  f.ELaenge_berechnen->button(0)->click();
  Tippe(f.EMinSondentemp, "-1.5");
  f.Button14->click();
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
  EXPECT_NEAR(TSinkMin, -1.5, 0.05) << "unsized " << tUngesized;
  const QString gesized = f.ESondenlaenge->text();
  EXPECT_NE(gesized, QStringLiteral("150.0"));
  EXPECT_GT(Sondenlaenge, 20.0);

  // The results, with the SIA 384/6 line of a 50-year run; they stay open.
  ui.AnswerAsk(kNein);  // "New calculation?"
  f.Result->click();
  ASSERT_TRUE(Resultat->isVisible());
  EXPECT_TRUE(Sichtbar(Resultat->LSIA384_6));
  const double heizErste = QHeizSumme;
  EXPECT_EQ(Resultat->ESummeQHeiz->text(), FixedText(heizErste, 0));

  // Saved under a name without a suffix.
  ui.AnswerInput("Einfamilienhaus");
  ui.AnswerInput("Neubau mit Erdwärmesonde");
  ui.AnswerFile(dir + "/Einfamilienhaus");
  f.ToolButtonSpeichern->click();
  const std::string datei = dir + "/Einfamilienhaus.txt";
  ASSERT_TRUE(std::filesystem::exists(datei));

  // More heating, calculated again: the open results window shows this run.
  Tippe(f.EJahresheizlast, "21000");
  f.Button14->click();
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
  EXPECT_NEAR(TSinkMin, -1.5, 0.05);
  const QString gesized2 = f.ESondenlaenge->text();
  EXPECT_GT(gesized2.toDouble(), gesized.toDouble());
  ui.AnswerAsk(kNein);  // "New calculation?"
  f.Result->click();
  EXPECT_EQ(Resultat->ESummeQHeiz->text(), FixedText(QHeizSumme, 0));
  EXPECT_GT(QHeizSumme, heizErste * 1.1);
  EXPECT_EQ(Resultat->ESondenlaenge->text(), gesized2);
  Resultat->hide();

  // Saved again onto its own file: nothing more asked, the length stays.
  ui.AnswerFile(datei);
  f.ToolButtonSpeichern->click();
  EXPECT_EQ(f.ESondenlaenge->text(), gesized2);

  // A copy cut short, opened over the project: one message, nothing lost.
  const std::string kaputt = dir + "/Einfamilienhaus_kaputt.txt";
  {
    std::ifstream in(datei, std::ios::binary);
    std::ofstream out(kaputt, std::ios::binary | std::ios::trunc);
    std::string z;
    for (int i = 0; i < 500 && std::getline(in, z); ++i) out << z << '\n';
  }
  ui.AnswerFile(kaputt);
  f.ToolButtonOeffnen->click();
  ASSERT_EQ(ui.Texts("message").size(), 3u);
  EXPECT_NE(ui.Texts("message")[2].find("501"), std::string::npos) << ui.Texts("message")[2];
  EXPECT_EQ(f.ESondenlaenge->text(), gesized2);
  EXPECT_EQ(f.EJahresheizlast->text(), QStringLiteral("21000"));
  EXPECT_EQ(LastYear, 50);

  // Quit right after the save: only "quit?" is asked.
  ui.AnswerAsk(kJa);  // quit QEB?
  f.Button1->click();
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(ui.AllAnswersUsed()) << "unanswered script left";
  EXPECT_EQ(ui.Texts("ask").size(), 3u);

  // Reopen from the start dialog: every value as entered.
  ResetToDefaults();
  NeuesProjektInDenFenstern();
  ui.AnswerFile(datei);
  Form3->show();
  Form3->ButtonLadenClick();
  EXPECT_EQ(f.ESondenlaenge->text(), gesized2);
  EXPECT_EQ(f.EHeizleistung_Vollast->text(), QStringLiteral("10.0"));
  EXPECT_EQ(f.ECOP_Volllast->text(), QStringLiteral("4.20"));
  EXPECT_EQ(f.EJahresheizlast->text(), QStringLiteral("21000"));
  EXPECT_EQ(f.ELastyear2->text(), QStringLiteral("50"));
  EXPECT_EQ(f.ELastyear->text(), QStringLiteral("50"));
  EXPECT_EQ(f.EMinSondentemp->text().toDouble(), -1.5);
  EXPECT_EQ(f.ELaenge_berechnen->itemIndex(), 0);
  // Shown again later, the window asks for no project anew.
  f.hide();
  f.show();
  EXPECT_EQ(ui.Texts("open").size(), 2u);  // the damaged copy, the reopening
  // Nothing but the two confirmations of the saves and the damaged file's
  // line was said.
  // French and English all the way: no German caption left.
  for (auto [click, letter] : {std::pair{&TForm1::Franzsisch1Click, "F"}, std::pair{&TForm1::Englisch1Click, "E"}}) {
    (f.*click)();
    for (const std::string& c : DeutscheBeschriftungen({Form1, Resultat, Form4}, letter))
      ADD_FAILURE() << letter << ": " << c;
  }
  f.Deutsch1Click();
  const auto meldungen = ui.Texts("message");
  ASSERT_EQ(meldungen.size(), 3u);
  for (size_t i : {0u, 1u}) EXPECT_EQ(meldungen[i], " Berechnung unter dem Namen \"" + datei + "\" gespeichert! ");
  Form4->hide();
}

}  // namespace
}  // namespace qeb
