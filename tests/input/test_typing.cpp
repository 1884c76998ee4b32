// What the user types counts: a command finishes the edit in progress, the
// load and heat-pump chain follows the keys as they are typed, and a display
// pass never reformats the edit under the user's fingers.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "shell/Sprachen.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/verlauf.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"
#include "widgets/Typing.h"

namespace qeb {
namespace {

class Typing : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form1->Lastprofil1Click();  // a new project opens on the load profile
    Form1->show();
  }
  void TearDown() override { Form4->hide(); }

  static std::string Zeile(const std::string& file, const std::string& key) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const auto tab = line.rfind('\t');
      if (tab != std::string::npos && line.substr(tab + 1) == key) return line.substr(0, line.find('\t'));
    }
    return "";
  }
};

TEST_F(Typing, TheSaveToolButtonTakesTheValueStillBeingTyped) {
  ScriptedInteraction ui;
  Tippe(Form1->ELambdaErd, "2.75");
  ASSERT_TRUE(Form1->ELambdaErd->isModified());
  const std::string file = (std::filesystem::current_path() / "getippt.txt").string();
  ui.AnswerInput("Getippt");  // the project's name and description, asked once
  ui.AnswerInput("");
  ui.AnswerFile(file);
  Form1->ToolButtonSpeichern->click();
  EXPECT_EQ(lambdaErd, 2.75);
  for (int i = 1; i <= DimAxi; ++i) EXPECT_EQ(lambdaErde[i], 2.75) << "layer " << i;
  EXPECT_EQ(ValReal(QString::fromStdString(Zeile(file, "lambdaErd")), Fehlercode), 2.75);
}

TEST_F(Typing, TheCalculationFromTheMenuTakesTheValueStillBeingTyped) {
  ScriptedInteraction ui;
  SetEscapeProbe(nullptr);
  Tippe(Form1->ELambdaErd, "2.75");
  ui.AnswerAsk(kJa);  // "New calculation?"
  Form1->Resultate->trigger();
  EXPECT_EQ(lambdaErd, 2.75);
  EXPECT_EQ(lambdaErde[1], 2.75);
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
}

TEST_F(Typing, SimulatedYearsTypedOnTheLoadProfileTabDriveTheRun) {
  Tippe(Form1->ELastyear2, "50");
  EXPECT_EQ(LastYear, 50);
  EXPECT_EQ(Form1->ELastyear->text(), QStringLiteral("50"));
  // Clamped on leaving, not under the fingers.
  Tippe(Form1->ELastyear2, "250");
  EXPECT_EQ(LastYear, 200);
  EXPECT_EQ(Form1->ELastyear2->text(), QStringLiteral("250"));
  Verlasse(Form1->ELastyear2);
  EXPECT_EQ(Form1->ELastyear2->text(), QStringLiteral("200"));
  // And the other way round; a display pass shows the state in both.
  Tippe(Form1->ELastyear, "25");
  Verlasse(Form1->ELastyear);
  EXPECT_EQ(Form1->ELastyear2->text(), QStringLiteral("25"));
  LastYear = 12;
  Form1->EingabenAnzeigen();
  EXPECT_EQ(Form1->ELastyear2->text(), QStringLiteral("12"));
  Form1->EingabenUebernehmen();
  EXPECT_EQ(LastYear, 12);
}

TEST_F(Typing, AnnualEnergiesTypedSpreadOverTheMonthsAndBack) {
  Form1->EHeizbandlast->setText(QStringLiteral("3650"));
  Verlasse(Form1->EHeizbandlast);
  // January's band part is 31/365 of the band load, February's 28/365.
  Tippe(Form1->EJahresheizlast, "18000");
  double summe = 0.0;
  for (int m = 1; m <= 12; ++m) summe += Heizlast[m];
  EXPECT_NEAR(summe, 18000.0 + 3650.0, 1e-6);
  EXPECT_NEAR(Heizlast[1] - AnteilHeizung[1] * 18000.0, 310.0, 1e-9);
  EXPECT_NEAR(Heizlast[2] - AnteilHeizung[2] * 18000.0, 280.0, 1e-9);
  // The run reads the table the window shows.
  Verlasse(Form1->EJahresheizlast);
  Form1->EingabenUebernehmen();
  summe = 0.0;
  for (int m = 1; m <= 12; ++m) summe += Heizlast[m];
  EXPECT_NEAR(summe, 21650.0, 12 * 0.5 + 1e-9);  // the monthly edits show whole kWh

  // A monthly value typed gives the annual sum and the shares.
  auto* jan = Form1->findChild<QLineEdit*>(QStringLiteral("EHeizlast1"));
  const double rest = summe - Heizlast[1];
  Tippe(jan, "5000");
  EXPECT_NEAR(Jahresheizlast, rest + 5000.0 - 3650.0, 1e-6);
  EXPECT_NEAR(AnteilHeizung[1], (5000.0 - 310.0) / Jahresheizlast, 1e-12);
  // Entering the annual value again reproduces the monthly values.
  double vorher[13];
  for (int m = 1; m <= 12; ++m) vorher[m] = Heizlast[m];
  Verlasse(jan);
  Tippe(Form1->EJahresheizlast, Form1->EJahresheizlast->text().toUtf8().constData());
  for (int m = 1; m <= 12; ++m) EXPECT_NEAR(Heizlast[m], vorher[m], 0.5) << "month " << m;

  // Free cooling typed as 0 stays 0 after a display pass.
  Tippe(Form1->EFreecoollast, "0");
  Verlasse(Form1->EFreecoollast);
  Form1->EingabenUebernehmen();
  Form1->EingabenAnzeigen();
  EXPECT_EQ(JahresFreecooling, 0.0);
  EXPECT_EQ(Form1->EFreecoollast->text(), QStringLiteral("0"));
}

TEST_F(Typing, TheHeatPumpsPowerAndCopDriveTheDesignExtractionAndFlow) {
  ASSERT_TRUE(MassenstromAusEntzug);
  Tippe(Form1->ECOP_Volllast, "4");
  Verlasse(Form1->ECOP_Volllast);
  Tippe(Form1->EHeizleistung_Vollast, "10");
  // 10 kW at COP 4: 7.5 kW from the ground.
  EXPECT_NEAR(Auslegungsentzug, 7.5, 1e-12);
  const double m = 7.5 * 1000.0 / cpSole / DeltaVerdampfer;
  EXPECT_NEAR(Auslegungsmassenstrom, m, 0.0005);  // as the edit shows it
  EXPECT_EQ(Form1->EAuslegungsmassenstrom->text().toStdString(), FormatFixed(m, 0, 3));
  EXPECT_EQ(Form1->EHeizleistung_Teillast->text(), QStringLiteral("10.0"));
  EXPECT_EQ(Form1->EHeizleistung_WW->text(), QStringLiteral("10.0"));
  // W/m at full load over the probes.
  EXPECT_NEAR(SpezEntzugLeistung, 10000.0 * 3.0 / (4.0 * Sondenlaenge * AnzahlSonden), 1e-9);
  // The run takes the flow.
  Verlasse(Form1->EHeizleistung_Vollast);
  Form1->EingabenUebernehmen();
  EXPECT_NEAR(Massenstrom, m, 0.0005);
  // A COP typed later follows through.
  Tippe(Form1->ECOP_Volllast, "3");
  EXPECT_NEAR(Auslegungsentzug, 10.0 * 2.0 / 3.0, 1e-12);
  // A COP of 0 on the way keeps the extraction; one below 1 takes nothing
  // from the ground and never gives a negative flow.
  Tippe(Form1->ECOP_Volllast, "0");
  EXPECT_NEAR(Auslegungsentzug, 10.0 * 2.0 / 3.0, 1e-12);
  Tippe(Form1->ECOP_Volllast, "0.5");
  EXPECT_EQ(Auslegungsentzug, 0.0);
  EXPECT_GE(Auslegungsmassenstrom, 0.0);
  EXPECT_FALSE(Form1->EAuslegungsmassenstrom->text().startsWith(QLatin1Char('-')));
  // And back: the chain is not locked by the 0 on the way.
  Tippe(Form1->ECOP_Volllast, "4");
  EXPECT_NEAR(Auslegungsentzug, 7.5, 1e-12);
  EXPECT_NEAR(Auslegungsmassenstrom, m, 0.0005);
}

TEST_F(Typing, TheEditBeingTypedIsNotReformattedUntilItIsLeft) {
  Tippe(Form1->ECOP_Volllast, "3.");
  EXPECT_EQ(Form1->ECOP_Volllast->text(), QStringLiteral("3."));
  QTest::keyClicks(Form1->ECOP_Volllast, QStringLiteral("5"));
  EXPECT_EQ(Form1->ECOP_Volllast->text(), QStringLiteral("3.5"));
  EXPECT_EQ(COP_Volllast, 3.5);
  // A display pass leaves it as typed, with the cursor where it was.
  Form1->EingabenAnzeigen();
  EXPECT_EQ(Form1->ECOP_Volllast->text(), QStringLiteral("3.5"));
  EXPECT_EQ(Form1->ECOP_Volllast->cursorPosition(), 3);
  EXPECT_TRUE(Form1->ECOP_Volllast->isModified());
  // Once left, the next display pass shows it as the window formats it.
  Verlasse(Form1->ECOP_Volllast);
  EXPECT_FALSE(Form1->ECOP_Volllast->isModified());
  Form1->EingabenAnzeigen();
  EXPECT_EQ(Form1->ECOP_Volllast->text(), QStringLiteral("3.50"));
}

TEST_F(Typing, AFinishedEditIsLeftOnceAndOnlyOnce) {
  int laeufe = 0;
  QWidget w;
  auto& e = *new QLineEdit(&w);
  BeiAenderung(&e, &w, [&] { ++laeufe; });
  e.setFocus();
  QTest::keyClicks(&e, QStringLiteral("12"));
  EXPECT_EQ(laeufe, 2);  // one change per key
  EditFertigstellen(&w);
  EXPECT_EQ(laeufe, 3);  // the leave
  EXPECT_FALSE(e.isModified());
  EditFertigstellen(&w);
  emit e.editingFinished();  // the real focus loss afterwards
  EXPECT_EQ(laeufe, 3);
}

// A refused value is named in the language in force, the whole sentence, not
// only the caption; and an open graph's period title follows a switch.
TEST_F(Typing, RefusalsAndTheGraphsTitleSpeakTheLanguageInForce) {
  struct Fall {
    QAction* menu;
    const char* keineZahl;
    const char* ausserhalb;
  };
  const Fall faelle[] = {
      {Form1->Franzsisch1, "Saisie invalide : Longueur de sonde [m] n'est pas un nombre",
       "Saisie invalide : Longueur de sonde [m] = 20000 est hors de 0 .. 10000"},
      {Form1->Italienisch1, "Input non valido: Lunghezza sonda [m] non \u00e8 un numero",
       "Input non valido: Lunghezza sonda [m] = 20000 \u00e8 fuori da 0 .. 10000"},
      {Form1->Spanisch1, "Entrada no v\u00e1lida: Longitud de sonda [m] no es un n\u00famero",
       "Entrada no v\u00e1lida: Longitud de sonda [m] = 20000 est\u00e1 fuera de 0 .. 10000"},
      {Form1->Englisch1, "Invalid input: Borehole length [m] is not a number",
       "Invalid input: Borehole length [m] = 20000 is outside 0 .. 10000"},
      {Form1->Deutsch1, "Eingabe ung\u00fcltig: Sondenl\u00e4nge [m] ist keine Zahl",
       "Eingabe ung\u00fcltig: Sondenl\u00e4nge [m] = 20000 liegt ausserhalb 0 .. 10000"}};
  Form1->PageControl1->setCurrentWidget(Form1->TabSheet1);
  for (const Fall& fall : faelle) {
    fall.menu->trigger();
    SCOPED_TRACE(Sprache);
    ScriptedInteraction ui;
    TippeUndVerlasse(Form1->ESondenlaenge, "abc");
    TippeUndVerlasse(Form1->ESondenlaenge, "20000");
    EXPECT_EQ(ui.Texts("message"), (std::vector<std::string>{fall.keineZahl, fall.ausserhalb}));
    EXPECT_EQ(Form1->ESondenlaenge->text().toDouble(), Sondenlaenge);
    EXPECT_LE(Sondenlaenge, 10000.0);
  }

  // The graph of a sizing run (which ends on the whole period) in Italian,
  // switched to Spanish, is the graph of the same run in Spanish.
  auto rechnen = [] {
    ScriptedInteraction ui;
    for (int i = 0; i < 10; ++i) ui.AnswerAsk(kNein);
    TippeUndVerlasse(Form1->ELastyear, "2");
    Form1->PageControl1->setCurrentWidget(Form1->TabSheet2);
    Form1->ELaenge_berechnen->button(0)->click();
    ASSERT_TRUE(Form1->Button14Click());
  };
  Form1->Spanisch1->trigger();
  rechnen();
  const QImage spanisch = Form4->Bild.copy();
  ASSERT_FALSE(spanisch.isNull());
  Form1->Italienisch1->trigger();
  rechnen();
  ASSERT_TRUE(Form4->isVisible());
  EXPECT_NE(Form4->Bild, spanisch);
  Form1->Spanisch1->trigger();
  EXPECT_EQ(Form4->Bild, spanisch);

  // The course open during a switch is the course drawn in the new language.
  Form1->Italienisch1->trigger();
  Form1->GrafikSimulationsdauer1->trigger();
  ASSERT_TRUE(Form9->isVisible());
  const QImage italienisch = VerlaufBitmap.copy();
  Form1->Spanisch1->trigger();
  const QImage umgeschaltet = VerlaufBitmap.copy();
  EXPECT_NE(umgeschaltet, italienisch);
  Form9->Button1->click();
  EXPECT_EQ(VerlaufBitmap, umgeschaltet);
  Form9->hide();
  Form1->Deutsch1->trigger();
}

}  // namespace
}  // namespace qeb
