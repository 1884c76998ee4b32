// What the engineer types and picks is what is calculated: numbers are read
// as typed (a decimal comma too) or refused by name, options set by code carry
// their consequences, and the run sees the values the window shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_plant.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_handlers.h"
#include "input/QEBInput_trt.h"
#include "input/WP1.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/start.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"
#include "widgets/Controls.h"

namespace qeb {
namespace {

class InputCounts : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form1->show();
  }
  void TearDown() override {
    Form4->hide();
    Form8->hide();
    Form1->hide();
  }
  static void Leere(QLineEdit* e) {
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
  }
  static std::string T(const QLineEdit* e) { return e->text().toStdString(); }
  static double Summe(const double* m) {
    double s = 0.0;
    for (int i = 1; i <= 12; ++i) s += m[i];
    return s;
  }
  // One simulated year through the window's calculation command.
  static void EinJahrRechnen() {
    TippeUndVerlasse(Form1->ELastyear, "1");
    ASSERT_TRUE(Form4->Start());
  }
};

// ---------------- typed numbers ----------------

TEST_F(InputCounts, ADecimalCommaCountsAndTextThatIsNoNumberIsRefusedByItsCaption) {
  ScriptedInteraction ui;
  Form1->Lastprofil1Click();
  // "3,8" is the COP 3.8: the run calculates with it.
  TippeUndVerlasse(Form1->ECOP_Volllast, "3,8");
  EXPECT_TRUE(ui.Texts("message").empty());
  EinJahrRechnen();
  EXPECT_EQ(COP_Volllast, 3.8);
  EXPECT_NEAR(Auslegungsentzug, Heizleistung_Vollast * 2.8 / 3.8, 1e-9);
  const double tMinKomma = TSinkMin;
  std::printf("COP \"3,8\": COP %.2f, design flow %.3f kg/s, lowest fluid temperature %.2f C\n", COP_Volllast,
              Auslegungsmassenstrom, tMinKomma);
  TippeUndVerlasse(Form1->ECOP_Volllast, "3.8");
  EinJahrRechnen();
  EXPECT_EQ(TSinkMin, tMinKomma);

  // Letters, two points, an emptied length: one message naming the field,
  // the last good value back, nothing calculated with 0.
  TippeUndVerlasse(Form1->ESondenlaenge, "150,5");
  EXPECT_EQ(Sondenlaenge, 150.5);
  for (const char* schlecht : {"abc", "1.2.3", ""}) {
    ui.Clear();
    if (*schlecht != 0) {
      Tippe(Form1->ESondenlaenge, schlecht);
    } else {
      Leere(Form1->ESondenlaenge);
    }
    Verlasse(Form1->ESondenlaenge);
    ASSERT_EQ(ui.Texts("message").size(), 1u) << schlecht;
    // The caption as the window shows it, in the language in force.
    const std::string feld =
        Form1->findChild<QLabel*>(QStringLiteral("L_ESondenlaenge"))->text().simplified().toStdString();
    EXPECT_NE(ui.Texts("message")[0].find(feld + " ist keine Zahl"), std::string::npos) << ui.Texts("message")[0];
    EXPECT_EQ(ui.Count("message", " Minimal borehole depth is 3m / Minimale Bohrtief ist 3m "), 0);
    EXPECT_EQ(T(Form1->ESondenlaenge), "150,5");
    EXPECT_EQ(Sondenlaenge, 150.5);
  }

  // Emptying the annual heating energy keeps the months; leaving it refuses it.
  TippeUndVerlasse(Form1->EJahresheizlast, "18000");
  const double monate = Summe(Heizlast);
  ui.Clear();
  Leere(Form1->EJahresheizlast);
  EXPECT_EQ(Summe(Heizlast), monate);
  Verlasse(Form1->EJahresheizlast);
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(T(Form1->EJahresheizlast), "18000");
  EXPECT_EQ(Summe(Heizlast), monate);

  // A value outside the project's range is refused at leave, not at the run.
  ui.Clear();
  TippeUndVerlasse(Form1->EJahresheizlast, "1e308");
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_NE(ui.Texts("message")[0].find("1e+308"), std::string::npos) << ui.Texts("message")[0];
  EXPECT_EQ(T(Form1->EJahresheizlast), "18000");
  EXPECT_EQ(Jahresheizlast, 18000.0);
  EXPECT_NEAR(Summe(Heizlast), monate, 1e-6);

  // A command finishes the typing first: the refused text never reaches the run.
  ui.Clear();
  Tippe(Form1->ECOP_Volllast, "x");
  ui.AnswerAsk(kNein);  // "Change Power of Heatpump?"
  ui.AnswerAsk(kJa);    // "New calculation?"
  Form1->Resultate->trigger();
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(COP_Volllast, 3.8);
}

// ---------------- options set by code carry their consequences ----------------

TEST_F(InputCounts, ARunTimeTypedMakesTheRunGenerateTheLoadsInsteadOfReadingTheFile) {
  ScriptedInteraction ui;
  Form1->Entzug1Click();
  Form1->InputFileErzeugen->button(1)->click();  // loads from a file
  Form1->EingabenUebernehmen();
  ASSERT_TRUE(Lasteinlesen);
  TippeUndVerlasse(Form1->findChild<QLineEdit*>(QStringLiteral("ELaufzeit1")), "12");
  Form1->EingabenUebernehmen();
  EXPECT_FALSE(Lasteinlesen);
  EXPECT_EQ(Laufzeit[1], 12);
  EXPECT_EQ(Form1->InputFileErzeugen2->itemIndex(), 0);
}

TEST_F(InputCounts, TheHeatPumpsNewPowerConvertsTheRunTimesInHoursPerDay) {
  ScriptedInteraction ui;
  Form1->Entzug1Click();
  TippeUndVerlasse(Form1->EAuslegungsentzug, "4");
  TippeUndVerlasse(Form1->EDauerLastSpitze, "0");
  Form1->EDurchschnitt->button(1)->click();  // hours per day
  for (int m = 1; m <= 12; ++m) TippeUndVerlasse(Form1->findChild<QLineEdit*>(QStringLiteral("ELaufzeit%1").arg(m)), "10");
  Form1->Button5->click();  // "Wärmepumpe"
  Form8->EWP->button(1)->click();
  Tippe(Form8->EWPHeizleistung, "10");
  Tippe(Form8->ECOP_0, "3");
  ui.AnswerAsk(kJa);  // "Sondenlaufzeit der neuen Leistung anpassen ?"
  ui.AnswerAsk(kJa);  // "Entzugsleistung Sonde auf 6.7 kW ändern?"
  Form8->EWP->button(0)->click();
  EXPECT_TRUE(ui.AllAnswersUsed());
  Form8->Button1->click();  // "Schliessen"
  Form1->EingabenUebernehmen();
  EXPECT_EQ(Form1->EDurchschnitt->itemIndex(), 1);
  EXPECT_NEAR(Auslegungsentzug, 6.7, 1e-9);
  std::printf("4 kW at 10 h/d, heat pump 10 kW at COP 3, both Yes: run times");
  // The same energy at the new power: 10 h/d x 4 kW / 6.7 kW = 5.97, six hours.
  for (int m = 1; m <= 12; ++m) {
    std::printf(" %d", Laufzeit[m]);
    EXPECT_EQ(Laufzeit[m], 6) << "month " << m;
  }
  std::printf(" h/d\n");
}

TEST_F(InputCounts, WritingTheStartUpFileSwitchesTheStationaryModelAndItsFreeCoolingOff) {
  ScriptedInteraction ui;
  Form1->EStationaer->button(0)->click();
  Form1->EFreecooling->button(0)->click();
  Form1->EingabenUebernehmen();
  ASSERT_TRUE(Freecooling);
  Form1->EAnfahrfileSchreiben->button(0)->click();
  Form1->EingabenUebernehmen();
  EXPECT_FALSE(stationaer);
  EXPECT_FALSE(Freecooling);
  EXPECT_TRUE(Form1->EFreecooling->isHidden());
}

TEST_F(InputCounts, TheOutdoorAirExchangerClearsTheSolarHotWaterItSwitchesOff) {
  ScriptedInteraction ui;
  Form1->EWWsolar->button(0)->click();
  WWDeckung = 40.0;  // as a run with solar hot water left them
  for (int h = 1; h <= 8760; ++h) QwwSolarStunde[h] = 0.5;
  Form1->Rckkhler1->trigger();
  Form1->EingabenUebernehmen();
  EXPECT_FALSE(WWsolar);
  EXPECT_EQ(WWDeckung, 0.0);
  double summe = 0.0;
  for (int h = 1; h <= 8760; ++h) summe += QwwSolarStunde[h];
  EXPECT_EQ(summe, 0.0);
}

TEST_F(InputCounts, TheLoadSplitTakesTheBandLoadsOutOfTheMonthsAndReopensAsSaved) {
  ScriptedInteraction ui;
  Form1->Lastprofil1Click();
  TippeUndVerlasse(Form1->EJahresheizlast, "18000");
  TippeUndVerlasse(Form1->EHeizbandlast, "3650");
  Form1->EingabenUebernehmen();
  ASSERT_NEAR(Summe(Heizlast), 21650.0, 6.0);
  Form1->EAufteilung->button(0)->click();
  EXPECT_EQ(T(Form1->EJahresheizlast), "18000");
  Form1->EingabenUebernehmen();
  std::printf("18000 + 3650 band, split on: the run's monthly heating sum %.0f kWh\n", Summe(Heizlast));
  EXPECT_NEAR(Summe(Heizlast), 18000.0, 6.0);  // the monthly edits hold whole kWh
  EXPECT_EQ(Heizbandlast, 0.0);
  EXPECT_FALSE(Form1->LKopfFreecool->isHidden());
  EXPECT_FALSE(Form1->findChild<QLineEdit*>(QStringLiteral("EFreecool1"))->isHidden());

  // Saved and opened again: the split's inputs show, the band's do not.
  const std::string file = (std::filesystem::current_path() / "aufteilung.txt").string();
  ui.AnswerInput("Aufteilung");  // the project's name and description
  ui.AnswerInput("");
  ui.AnswerFile(file);
  ASSERT_TRUE(Form1->ToolButtonSpeichernClick());
  NeuesProjektInDenFenstern();
  Form1->Lastprofil1Click();
  ASSERT_TRUE(Form1->ETSink3->isHidden());
  ui.AnswerFile(file);
  Form1->ToolButtonOeffnenClick();
  ASSERT_TRUE(Aufteilung);
  EXPECT_FALSE(Form1->LKopfFreecool->isHidden());
  EXPECT_FALSE(Form1->ETSink3->isHidden());
  EXPECT_FALSE(Form1->findChild<QLineEdit*>(QStringLiteral("EFreecool12"))->isHidden());
  EXPECT_TRUE(Form1->EHeizbandlast->isHidden());
  EXPECT_NEAR(Summe(Heizlast), 18000.0, 6.0);
}

// ---------------- run times, EER and COP ----------------

TEST_F(InputCounts, AFullDayOfRunTimeBecomesTheMonthsEnergy) {
  ScriptedInteraction ui;
  Form1->Entzug1Click();
  TippeUndVerlasse(Form1->EAuslegungsentzug, "8");
  TippeUndVerlasse(Form1->EEinspeisung, "5");
  TippeUndVerlasse(Form1->EDauerLastSpitze, "0");
  Form1->EDurchschnitt->button(1)->click();  // hours per day
  TippeUndVerlasse(Form1->findChild<QLineEdit*>(QStringLiteral("ELaufzeit1")), "24");
  TippeUndVerlasse(Form1->findChild<QLineEdit*>(QStringLiteral("ELaufzeit7")), "-24");
  Form1->EDurchschnitt->button(0)->click();  // energy
  Form1->EingabenUebernehmen();
  EXPECT_EQ(Laufzeit[1], 24 * 31 * 8);   // January at 8 kW all day
  EXPECT_EQ(Laufzeit[7], -24 * 31 * 5);  // July fed in all day
}

TEST_F(InputCounts, ACoolingEerOfZeroKeepsTheHeldOneAndANegativeCopExtractsNothing) {
  ScriptedInteraction ui;
  Form1->Lastprofil1Click();
  TippeUndVerlasse(Form1->EJahresKuehllast, "10000");
  TippeUndVerlasse(Form1->EEER_Kuehllast, "4");
  TippeUndVerlasse(Form1->EEER_Kuehllast, "0");
  EXPECT_EQ(T(Form1->EEER_Kuehllast), "4.00");
  Form1->EingabenUebernehmen();
  EXPECT_EQ(EER_Kuehllast, 4.0);

  TippeUndVerlasse(Form1->EHeizleistung_Vollast, "10");
  // While typed, a negative COP shows no extraction; left, the range refuses it.
  Tippe(Form1->ECOP_Volllast, "-2");
  EXPECT_EQ(COP_Volllast, -2.0);
  EXPECT_EQ(SpezEntzugLeistung, 0.0);
  EXPECT_EQ(T(Form1->ESpez_Entzug), "0.00");
  Verlasse(Form1->ECOP_Volllast);
  EXPECT_GT(COP_Volllast, 0.0);
  EXPECT_GT(SpezEntzugLeistung, 0.0);
}

// ---------------- the imported weather year ----------------

TEST_F(InputCounts, AnAltitudeTypedForTheExchangerKeepsTheImportedWeatherYear) {
  ScriptedInteraction ui;
  MeteonormGeladen = false;
  const std::string datei = (std::filesystem::current_path() / "wetter_hoehe.dat").string();
  {
    std::ofstream out(datei, std::ios::binary);
    for (int h = 1; h <= 8760; ++h) out << "1 1 1 1 1 1 5 5 5 5 5 5 5 5\r\n";
  }
  ui.AnswerFile(datei);
  Form1->Wetterdaten->click();
  ASSERT_TRUE(MeteonormGeladen);
  Form1->Rckkhler1->trigger();
  TippeUndVerlasse(Form1->EHoeh, "1053");
  EXPECT_EQ(Hoeh, 1053.0);
  // The run's weather hour is the imported one.
  EXPECT_EQ(Aussentemperatur[100], 5.0);
  EXPECT_EQ(Aussentemperatur[8760], 5.0);
  EXPECT_TRUE(MeteonormGeladen);
  // The reset gives the built-in year again, moved by the altitude in force.
  Form1->KlimadatenAus->trigger();
  EXPECT_FALSE(MeteonormGeladen);
  EXPECT_NE(Aussentemperatur[100], 5.0);
  MeteonormGeladen = false;
  UseBuiltInWeather();
}

// ---------------- the heat-pump choice ----------------

TEST_F(InputCounts, TheHeatPumpChoiceIsRefusedAloudUnderLoadProfileTwoAndOtherwiseSavedAsRun) {
  ScriptedInteraction ui;
  Form1->Lastprofil1Click();  // as a new project starts
  Form1->Button5->click();    // "Wärmepumpe"
  Tippe(Form8->EWPHeizleistung, "10");
  Tippe(Form8->ECOP_0, "3");
  Form8->EWP->button(1)->click();
  Form8->EWP->button(0)->click();
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_NE(ui.Texts("message")[0].find("Lastprofil 2"), std::string::npos);
  EXPECT_NE(ui.Texts("message")[0].find(Form1->Entzug1->text().remove(QLatin1Char('&')).toStdString()),
            std::string::npos);
  EXPECT_TRUE(ui.Texts("ask").empty());
  EXPECT_EQ(Form8->EWP->itemIndex(), 1);
  Form1->EingabenUebernehmen();
  EXPECT_FALSE(WP);
  Form8->Button1->click();

  // Without the second load profile the choice holds: run, save and reopen.
  ui.Clear();
  Form1->Entzug1Click();
  TippeUndVerlasse(Form1->EAuslegungsentzug, "4");
  Form1->Button5->click();
  Form8->EWP->button(1)->click();
  ui.AnswerAsk(kNein);  // run time
  ui.AnswerAsk(kJa);    // 6.7 kW
  ui.AnswerAsk(kJa);    // February's continuous operation off
  Form8->EWP->button(0)->click();
  EXPECT_TRUE(ui.AllAnswersUsed());
  EXPECT_TRUE(ui.Texts("message").empty());
  Form8->Button1->click();
  Form1->EingabenUebernehmen();
  EXPECT_TRUE(WP);
  const std::string file = (std::filesystem::current_path() / "waermepumpe.txt").string();
  ui.AnswerInput("WP");
  ui.AnswerInput("");
  ui.AnswerFile(file);
  ASSERT_TRUE(Form1->ToolButtonSpeichernClick());
  EXPECT_TRUE(WP);
  NeuesProjektInDenFenstern();
  WP = false;
  ui.AnswerFile(file);
  Form1->ToolButtonOeffnenClick();
  EXPECT_TRUE(WP);
  EXPECT_NEAR(Auslegungsentzug, 6.7, 1e-9);
}

// ---------------- menus, buttons and captions that were not bound ----------------

TEST_F(InputCounts, TheLastMenusButtonsAndCaptionsDoWhatTheySay) {
  ScriptedInteraction ui;
  // Display and platform flags; the Snipping Tool items only on Windows 11.
  Win10Modus = false;
  Form1->Win101->trigger();
  EXPECT_TRUE(Win10Modus);
  EXPECT_FALSE(Form1->Win11SnippingToolon1->isVisible());
  EXPECT_FALSE(Form1->Win11SnippingTooloff1->isVisible());
  FakeDesktop desk;
  DesktopSettings* vorher = SetDesktop(&desk);
  Form1->Win11SnippingToolon1->trigger();
  Form1->Win11SnippingTooloff1->trigger();
  SetDesktop(vorher);
  EXPECT_EQ(desk.log, (std::vector<std::string>{"write 1", "write 0"}));
  EXPECT_EQ(DruckTasteAlt, 1);
  DruckTasteAlt = -1;

  // The second "Oeffnen" opens; the probe tab's "Sondenfeld" opens the field editor.
  ui.AnswerFile("");
  Form1->Button22->click();
  EXPECT_EQ(ui.Count("open", ui.Texts("open").empty() ? "" : ui.Texts("open")[0]), 1);
  Form1->Sondenfeld2->setHidden(false);
  Form1->Sondenfeld2->click();
  EXPECT_TRUE(Feld->isVisible());
  Feld->hide();

  // The site altitude's caption comes and goes with it; the ground's warming
  // caption goes with its edit.
  Form1->Aus_Standorthoehe->trigger();
  EXPECT_FALSE(Form1->EStandorthoehe->isHidden());
  EXPECT_FALSE(Form1->Label401->isHidden());
  EXPECT_TRUE(Form1->EBodenerwaermung->isHidden());
  EXPECT_TRUE(Form1->T32->isHidden());
  Form1->Aus_Standorthoehe->trigger();
  EXPECT_TRUE(Form1->EStandorthoehe->isHidden());
  EXPECT_TRUE(Form1->Label401->isHidden());
  Form1->Uebernehm->click();
  EXPECT_TRUE(Form1->EBodenerwaermung->isHidden());
  EXPECT_TRUE(Form1->T32->isHidden());

  // "Lastprofil 2" recomputes the pressure drop.
  AuslegungsDruckabfall_Sondenkreis = -1.0;
  Form1->Lastprofil1->trigger();
  EXPECT_GT(AuslegungsDruckabfall_Sondenkreis, 0.0);

  // The groundwater inputs refresh their derived fields.
  Form1->Grundwasser1->trigger();
  TippeUndVerlasse(Form1->EDruckgradient, "0.01");
  TippeUndVerlasse(Form1->EDurchlaessigkeit1, "0.002");
  EXPECT_NEAR(Darcy[1], 0.01 * 0.002, 1e-15);
  EXPECT_EQ(Form1->EDarcy1->text(), ShortExpText(0.01 * 0.002));

  // The confirmed weather reset offers Cancel; Cancel keeps the weather.
  const double t = Aussentemperatur[100];
  ui.AnswerAsk(kAbbrechen);
  Form1->KlimadatenAus1->trigger();
  EXPECT_EQ(ui.CancelOffered(), (std::vector<std::string>{"Reset Meteo (Z\u00fcrich SMA)?"}));
  EXPECT_EQ(Aussentemperatur[100], t);
  EXPECT_TRUE(ui.AllAnswersUsed());
}

// ---------------- the field being typed, labels and copies ----------------

TEST_F(InputCounts, TheAltitudeBeingTypedStaysWhereTheKeysGo) {
  ScriptedInteraction ui;
  Form1->activateWindow();
  Form1->Rckkhler1->trigger();  // "Aussenluft-Tauscher"
  const QString offset = Form1->EOffset->text();
  auto tippeTasten = [](QLineEdit* e, const char* keys) {
    e->setFocus();
    e->selectAll();
    for (const char* k = keys; *k != 0; ++k) {
      QWidget* ziel = Form1->focusWidget();
      ASSERT_EQ(ziel, e) << "before the key " << *k;
      QTest::keyClicks(ziel, QString(QLatin1Char(*k)));
    }
  };
  tippeTasten(Form1->EHoeh, "1053");
  EXPECT_FALSE(Form1->EHoeh->isHidden());
  EXPECT_EQ(T(Form1->EHoeh), "1053");
  EXPECT_EQ(Hoeh, 1053.0);
  EXPECT_EQ(Form1->EOffset->text(), offset);
  Verlasse(Form1->EHoeh);
  // With the exchanger switched on, the reference altitude on the way.
  Form1->ERueckkuehler->button(0)->click();
  tippeTasten(Form1->EHoeh, "553.12");
  EXPECT_EQ(T(Form1->EHoeh), "553.12");
  EXPECT_EQ(Hoeh, 553.12);
  Verlasse(Form1->EHoeh);
  EXPECT_EQ(Form1->EOffset->text(), offset);
  Form1->AussenluftTauscheraus1->trigger();
  UseBuiltInWeather();
}

TEST_F(InputCounts, RunTimeUnitsZoomAndSharesFollowTheState) {
  ScriptedInteraction ui;
  auto einheit = [] { return Form1->findChild<QLabel*>(QStringLiteral("LEinheitLaufzeit1"))->text().toStdString(); };
  // Run times in kWh, saved; a new project; opened again.
  Form1->Entzug1Click();
  Form1->EDurchschnitt->button(1)->click();
  Form1->EDurchschnitt->button(0)->click();
  ASSERT_EQ(einheit(), "[kWh]");
  const std::string file = (std::filesystem::current_path() / "laufzeit_kwh.txt").string();
  ui.AnswerInput("kWh");
  ui.AnswerInput("");
  ui.AnswerFile(file);
  ASSERT_TRUE(Form1->ToolButtonSpeichernClick());
  ui.AnswerAsk(kJa);  // " Alles löschen? ..."
  Form1->Neu->trigger();
  EXPECT_EQ(einheit(), Durchschnittsentzug ? "[kWh]" : "[h/d]");
  Durchschnittsentzug = false;
  Form1->EingabenAnzeigen();
  EXPECT_EQ(einheit(), "[h/d]");
  ui.AnswerFile(file);
  Form1->ToolButtonOeffnenClick();
  ASSERT_TRUE(Durchschnittsentzug);
  EXPECT_EQ(einheit(), "[kWh]");

  // "Zoom +" gives the window 0.64 of a 1920 x 1080 screen.
  const QFont schrift = Form1->font();
  const QSize groesse = Form1->size();
  ScreenMetrics s;
  s.width = s.monitorWidth = 1920;
  s.height = s.monitorHeight = 1080;
  SetScreenOverride(&s);
  const int w0 = ScreenWidthAtStart, h0 = ScreenHeightAtStart;
  ScreenWidthAtStart = ScreenHeightAtStart = 0;
  Form1->Zoom2->trigger();
  EXPECT_EQ(Form1->width(), 1229);
  EXPECT_EQ(Form1->height(), 691);
  SetScreenOverride(nullptr);
  ScreenWidthAtStart = w0;
  ScreenHeightAtStart = h0;
  Form1->Zoom2->setVisible(true);
  WindowScaleLevel = 1;
  Form1->setFont(schrift);
  Form1->resize(groesse);

  // The monthly shares a typed month gives are the module's.
  Form1->Lastprofil1Click();
  TippeUndVerlasse(Form1->EJahresheizlast, "18000");
  TippeUndVerlasse(Form1->findChild<QLineEdit*>(QStringLiteral("EHeizlast1")), "5000");
  EXPECT_GT(Jahresheizlast, 0.0);
  EXPECT_NEAR(Heizanteil[1], (5000.0 - 31.0 * Heizbandlast / 365.0) / Jahresheizlast, 1e-12);
}

// ---------------- ground-material data of the outside tool ----------------

TEST_F(InputCounts, TheGroundLayerTableOfTheOutsideToolIsImportedOrRefusedWhole) {
  ScriptedInteraction ui;
  const int homogenVorher = Form1->Ehomogen->itemIndex();
  const bool homogenStand = homogen;
  TippeUndVerlasse(Form1->ESondenlaenge, "100");
  TippeUndVerlasse(Form1->EDimAxi, "2");
  const auto dir = std::filesystem::current_path();
  auto schreib = [](const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
  };
  const std::string kopf = "\"Nr\";\"Name\";\"Dicke\";\"T\";\"Lambda\";\"cp\";\"rho\"\r\n";
  schreib(dir / "schichten.dat", kopf + "\"1\";\"Kies\";30;10;1.0;900;2000\r\n\"2\";\"Fels\";70;12;3.0;800;2600\r\n");
  schreib(dir / "kaputt.dat", kopf + "\"1\";\"Kies\";30;10;1,0;900;2000\r\n");
  std::string lang = kopf;
  for (int i = 0; i < 150; ++i) lang += "\"1\";\"Kies\";1;10;1.0;900;2000\r\n";
  schreib(dir / "lang.dat", lang);

  // Cancelled, too long, damaged: a message each, the project as it was.
  const double lam1 = lambdaErde[1], lamErd = lambdaErd;
  const std::string datei = SwqebFile;
  ui.AnswerFile("");
  Form1->Button6->click();
  ui.AnswerFile((dir / "lang.dat").string());
  Form1->ErddatenSwQEB1->trigger();
  ui.AnswerFile((dir / "kaputt.dat").string());
  Form1->Button6->click();
  ASSERT_EQ(ui.Texts("message").size(), 3u);
  EXPECT_EQ(ui.Texts("message")[0], " Keine Daten eingelesen / No input ");
  EXPECT_EQ(ui.Texts("message")[1], " Kein SwQEB-Stoffdatenfile ");
  EXPECT_NE(ui.Texts("message")[2].find("kaputt.dat"), std::string::npos) << ui.Texts("message")[2];
  EXPECT_EQ(lambdaErde[1], lam1);
  EXPECT_EQ(lambdaErd, lamErd);
  EXPECT_EQ(SwqebFile, datei);
  EXPECT_FALSE(swqebinput);

  // Layers of 30 m at 1.0 W/mK and 70 m at 3.0 over two 50 m cells.
  ui.Clear();
  ui.AnswerFile((dir / "schichten.dat").string());
  Form1->Button6->click();
  EXPECT_TRUE(ui.Texts("message").empty()) << ui.Texts("message")[0];
  EXPECT_TRUE(swqebinput);
  EXPECT_EQ(Form1->Ehomogen->itemIndex(), 1);
  Form1->EingabenUebernehmen();
  EXPECT_NEAR(lambdaErde[1], 1.8, 1e-9);
  EXPECT_NEAR(lambdaErde[2], 3.0, 1e-9);
  EXPECT_NEAR(lambdaErd, 2.4, 1e-9);
  EXPECT_EQ(T(Form1->ELambdaErd), "2.40");
  // The gradient between the middles of the first and the last layer.
  EXPECT_NEAR(TGrad, 2.0 / (65.0 - 15.0), 0.0005);
  EXPECT_EQ(T(Form1->ETgrad), "0.040");
  EXPECT_FALSE(std::filesystem::exists("test.swqeb"));
  swqebinput = false;
  homogen = homogenStand;
  Form1->Ehomogen->setItemIndex(homogenVorher);
}

// A new project's homogeneous ground (2.4 W/mK, 2600 kg/m3, 1000 J/kgK in
// every cell) survives any table the import refuses; a layer without
// conductivity, heat capacity or density is refused with its line.
TEST_F(InputCounts, ARefusedGroundLayerTableLeavesEveryGroundValueAndChoice) {
  ScriptedInteraction ui;
  Form1->hide();
  Form3->show();
  Form3->ButtonNeuClick();
  ASSERT_EQ(Form1->Ehomogen->itemIndex(), 0);
  struct Boden {
    double lam[21], rho[21], cp[21], lambdaErd, rhoErd, cpErd, tGrad;
    int homogenWahl, erdauswahl[11];
    bool homogen, ein;
    std::string datei;
  };
  auto stand = [] {
    Boden b{};
    for (int k = 1; k <= 20; ++k) b.lam[k] = lambdaErde[k], b.rho[k] = rhoErde[k], b.cp[k] = cpErde[k];
    b.lambdaErd = lambdaErd;
    b.rhoErd = rhoErd;
    b.cpErd = cpErd;
    b.tGrad = TGrad;
    b.homogenWahl = Form1->Ehomogen->itemIndex();
    QComboBox* const wahl[] = {Form1->CErdauswahl1, Form1->CErdauswahl2, Form1->CErdauswahl3, Form1->CErdauswahl4,
                               Form1->CErdauswahl5, Form1->CErdauswahl6, Form1->CErdauswahl7, Form1->CErdauswahl8,
                               Form1->CErdauswahl9, Form1->CErdauswahl10};
    for (int k = 1; k <= 10; ++k) b.erdauswahl[k] = wahl[k - 1]->currentIndex();
    b.homogen = homogen;
    b.ein = swqebinput;
    b.datei = SwqebFile;
    return b;
  };
  const Boden vorher = stand();
  for (int k = 1; k <= 20; ++k) {
    ASSERT_EQ(vorher.lam[k], 2.4) << k;
    ASSERT_EQ(vorher.rho[k], 2600) << k;
    ASSERT_EQ(vorher.cp[k], 1000) << k;
  }

  const std::string kopf = "\"Nr\";\"Name\";\"Dicke\";\"T\";\"Lambda\";\"cp\";\"rho\"\r\n";
  const std::string gut = "\"1\";\"Kies\";30;10;1.0;900;2000\r\n";
  struct Fall {
    const char* name;
    std::string text;
    const char* meldung;  // what the message names
  };
  const Fall faelle[] = {
      {"negativ.dat", kopf + "\"1\";\"Kies\";30;10;-1.0;900;2000\r\n", "Zeile / line 2"},
      {"leer.dat", "", "leer.dat"},
      {"text.dat", kopf + gut + "\"2\";\"Fels\";70;12;abc;800;2600\r\n", "Zeile / line 3"},
      {"nan.dat", kopf + "\"1\";\"Kies\";30;10;NaN;900;2000\r\n", "Zeile / line 2"},
      {"komma.dat", kopf + "\"1\";\"Kies\";30;10;1,5;900;2000\r\n", "Zeile / line 2"},
      {"lambda0.dat", kopf + gut + "\"2\";\"Fels\";70;12;0;800;2600\r\n", "Zeile / line 3 (lambdaErde)"},
      {"cp0.dat", kopf + "\"1\";\"Kies\";30;10;1.0;0;2000\r\n", "Zeile / line 2 (cpErde)"},
      {"rho0.dat", kopf + gut + "\"2\";\"Fels\";70;12;3.0;800;0\r\n", "Zeile / line 3 (rhoErde)"},
  };
  for (const Fall& fall : faelle) {
    std::ofstream(fall.name, std::ios::binary) << fall.text;
    ui.Clear();
    ui.AnswerFile((std::filesystem::current_path() / fall.name).string());
    Form1->Button6->click();
    ASSERT_EQ(ui.Texts("message").size(), 1u) << fall.name;
    const std::string m = ui.Texts("message")[0];
    EXPECT_NE(m.find(fall.meldung), std::string::npos) << fall.name << ": " << m;
    const bool null = std::string(fall.name).find('0') != std::string::npos;
    if (null) {
      EXPECT_NE(m.find("Erdeigenschaften müssen > 0 sein"), std::string::npos) << m;
    }
    const Boden nachher = stand();
    std::printf("%s: layers 2/20 after the refusal: %.2f/%.0f/%.0f, %.2f/%.0f/%.0f\n", fall.name, lambdaErde[2],
                rhoErde[2], cpErde[2], lambdaErde[20], rhoErde[20], cpErde[20]);
    for (int k = 1; k <= 20; ++k) {
      EXPECT_EQ(nachher.lam[k], vorher.lam[k]) << fall.name << " layer " << k;
      EXPECT_EQ(nachher.rho[k], vorher.rho[k]) << fall.name << " layer " << k;
      EXPECT_EQ(nachher.cp[k], vorher.cp[k]) << fall.name << " layer " << k;
    }
    EXPECT_EQ(nachher.lambdaErd, vorher.lambdaErd) << fall.name;
    EXPECT_EQ(nachher.rhoErd, vorher.rhoErd) << fall.name;
    EXPECT_EQ(nachher.cpErd, vorher.cpErd) << fall.name;
    EXPECT_EQ(nachher.tGrad, vorher.tGrad) << fall.name;
    EXPECT_EQ(nachher.homogenWahl, vorher.homogenWahl) << fall.name;
    EXPECT_EQ(nachher.homogen, vorher.homogen) << fall.name;
    EXPECT_EQ(nachher.ein, vorher.ein) << fall.name;
    EXPECT_EQ(nachher.datei, vorher.datei) << fall.name;
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(nachher.erdauswahl[k], vorher.erdauswahl[k]) << fall.name << " " << k;
  }
}

// The engineer's own table may carry the name of the module's working copy:
// it is read and stays as it was.
TEST_F(InputCounts, TheChosenGroundLayerTableIsNeverDeleted) {
  ScriptedInteraction ui;
  Form1->hide();
  Form3->show();
  Form3->ButtonNeuClick();
  TippeUndVerlasse(Form1->ESondenlaenge, "100");
  TippeUndVerlasse(Form1->EDimAxi, "2");
  const std::string tabelle =
      "\"Nr\";\"Name\";\"Dicke\";\"T\";\"Lambda\";\"cp\";\"rho\"\r\n"
      "\"1\";\"Kies\";30;10;1.0;900;2000\r\n\"2\";\"Fels\";70;12;3.0;800;2600\r\n";
  const auto datei = std::filesystem::current_path() / "test.swqeb";
  std::ofstream(datei, std::ios::binary) << tabelle;
  ui.AnswerFile(datei.string());
  Form1->Button6->click();
  EXPECT_TRUE(ui.Texts("message").empty()) << ui.Texts("message")[0];
  // 30 m at 1.0 and 20 m at 3.0 in the upper 50 m cell, 3.0 below.
  EXPECT_NEAR(lambdaErde[1], 1.8, 1e-9);
  EXPECT_NEAR(lambdaErde[2], 3.0, 1e-9);
  ASSERT_TRUE(std::filesystem::exists(datei));
  std::ifstream in(datei, std::ios::binary);
  const std::string danach((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(danach, tabelle);
  EXPECT_EQ(SwqebFile, datei.string());
  std::filesystem::remove(datei);
  swqebinput = false;
}

}  // namespace
}  // namespace qeb
