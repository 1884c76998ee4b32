// The calculation command, saving and opening, driven through the input
// window's own handlers with scripted answers: a project saved and opened
// again shows what was saved; saving never destroys the opened file or an
// earlier project; the quiet calculation sizes to its own tolerance.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/QEB.h"
#include "shell/start.h"
#include "tests/support/files.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

class Calculation : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Hauptlauf = true;
    Projektdateiname.clear();
    GespeichertUnter.clear();
    GeoeffneteDatei.clear();
    dir = FrischerOrdner("calc_");
    Type(f.ELastyear, "1");
    Type(f.EProjektname, "Wohnhaus Rain");
    Type(f.EBeschreibung, "Variante A");
  }
  void TearDown() override { SetEscapeProbe(nullptr); }
  static void Type(QLineEdit* e, const char* t) { e->setText(QString::fromUtf8(t)); }
  // Writes the shared state as a project file.
  static void ProjektSchreiben(const std::string& file) {
    int zs = Zeitschritt, spj = SchritteProJahr;
    WriteOutputHeader(file, zs, spj);
    AusgabeText.Close();
  }
  // Every input the user can type or choose, by control name.
  // The run's own figures (the last hour's power) and the step-table switches,
  // which the saved file carries as the save set them, are no inputs.
  std::map<std::string, std::string> Eingaben() const {
    std::map<std::string, std::string> m;
    for (QLineEdit* e : f.findChildren<QLineEdit*>())
      if (!e->isReadOnly() && !e->objectName().isEmpty()) m[e->objectName().toStdString()] = e->text().toStdString();
    m.erase("EQSource");
    m.erase("EStepwrite");
    for (RadioGroup* r : f.findChildren<RadioGroup*>())
      m[r->objectName().toStdString()] = std::to_string(r->itemIndex());
    m.erase("EwriteFile");
    return m;
  }
  TForm1& f = (CreateApplicationWindows(), *Form1);
  std::string dir;
};

// A project changed in many controls is saved, everything is reset, and the
// opened project shows every input as saved, the design power too; the
// module's reader (what the command-line driver runs) gets the same values.
TEST_F(Calculation, SavedProjectOpensWithEveryInputAsSaved) {
  ScriptedInteraction ui;
  Type(f.ESondenlaenge, "143.5");
  Type(f.EAnzahlSonden, "3");
  Type(f.EBohrdurchmesser, "0.140");
  Type(f.EAuslegungsentzug, "7.25");
  Type(f.ELambdaErd, "2.85");
  Type(f.EJahresmitteltemp, "10.4");
  Type(f.EKuehllast7, "1800");
  Type(f.EHeizlast1, "5400");
  Type(f.EMinSondentemp, "-2.5");
  f.EGrundwasser->setItemIndex(0);
  const std::string datei = dir + "/projekt.txt";
  ui.AnswerFile(datei);
  ASSERT_TRUE(f.ToolButtonSpeichernClick());
  EXPECT_EQ(ui.Count("message", " Berechnung unter dem Namen \"" + datei + "\" gespeichert! "), 1);
  EXPECT_EQ(Outputfile, dir + "/Ausgabe.qeb");
  ASSERT_TRUE(fs::exists(datei));
  // Only the saved project is left in the directory: the run wrote beside it.
  int dateien = 0;
  for (const auto& e : fs::directory_iterator(dir)) dateien += e.path().filename().string()[0] == '.' ? 100 : 1;
  EXPECT_EQ(dateien, 1);
  const auto gespeichert = Eingaben();
  EXPECT_EQ(gespeichert.at("EAuslegungsentzug"), "7.25");

  // The program state from scratch, then the project opened through the dialog.
  ResetToDefaults();
  ProjektStandVergessen();
  f.EingabenAnzeigen();
  ASSERT_EQ(f.EAuslegungsentzug->text().toStdString(), "1.00");
  ui.AnswerFile(datei);
  f.ToolButtonOeffnenClick();
  EXPECT_TRUE(ui.AllAnswersUsed());
  const auto geoeffnet = Eingaben();
  for (const auto& [name, text] : gespeichert) EXPECT_EQ(geoeffnet.at(name), text) << name;
  EXPECT_EQ(Auslegungsentzug, 7.25);
  EXPECT_EQ(Projektdateiname, datei);

  // The module alone reads the same project.
  ResetToDefaults();
  Inputfile = datei;
  readfile = true;
  Simulate(-2);
  EXPECT_EQ(Auslegungsentzug, 7.25);
  EXPECT_EQ(Sondenlaenge, 143.5);
  EXPECT_EQ(AnzahlSonden, 3);
  EXPECT_EQ(Kuehllast[7], 1800.0);
}

// Saving onto the opened file is refused under any of its names; a save
// elsewhere copies the companion files; a file saved to may be saved again.
TEST_F(Calculation, SavingRefusesTheOpenedFileAndCopiesTheCompanionFiles) {
  ScriptedInteraction ui;
  const std::string a = dir + "/alt.txt";
  f.EingabenUebernehmen();
  ProjektSchreiben(a);
  Schreib(dir + "/alt_1.pdf", "%PDF dokument eins");
  Schreib(dir + "/alt_Temp2.txt", "1\t2.5\r\n");
  Schreib(dir + "/alt.xls", "messung");
  const std::string vorher = Lies(a);
  ui.AnswerFile(a);
  f.ToolButtonOeffnenClick();
  ASSERT_EQ(GeoeffneteDatei, a);
  EXPECT_TRUE(PdfVorhanden[1]);
  EXPECT_FALSE(PdfVorhanden[2]);
  EXPECT_TRUE(TempDateiVorhanden2);
  EXPECT_TRUE(TRTProjektDaten);

  fs::create_symlink(a, dir + "/verweis.txt");
  const fs::path alt = fs::current_path();
  fs::current_path(dir);
  const std::string refusal = " Eingabe- und Ausgabefile duerfen nicht gleich heissen! / Change File name! ";
  ui.AnswerFile(a);
  ui.AnswerFile(dir + "/verweis.txt");
  ui.AnswerFile("./alt.txt");
  ui.AnswerFile("");
  bool gespeichert = true;
  try {
    gespeichert = f.ToolButtonSpeichernClick();
  } catch (...) {
  }
  fs::current_path(alt);
  EXPECT_FALSE(gespeichert);
  EXPECT_EQ(ui.Count("message", refusal), 3);
  for (const std::string& t : ui.Texts("message")) EXPECT_EQ(t.find("gespeichert"), std::string::npos) << t;
  EXPECT_EQ(Lies(a), vorher);

  const std::string b = dir + "/neu.txt";
  ui.Clear();
  ui.AnswerFile(b);
  ASSERT_TRUE(f.ToolButtonSpeichernClick());
  EXPECT_EQ(Lies(dir + "/neu_1.pdf"), "%PDF dokument eins");
  EXPECT_EQ(Lies(dir + "/neu_Temp2.txt"), "1\t2.5\r\n");
  EXPECT_EQ(Lies(dir + "/neu.xls"), "messung");
  EXPECT_FALSE(fs::exists(dir + "/neu_2.pdf"));
  EXPECT_EQ(Lies(a), vorher);
  // The file this project was saved to is no input of it.
  ui.Clear();
  ui.AnswerFile(b);
  EXPECT_TRUE(f.ToolButtonSpeichernClick());
  EXPECT_EQ(ui.Count("message", refusal), 0);

  // A companion copied onto itself, directly or through a link, stays whole.
  fs::create_symlink(dir + "/neu_1.pdf", dir + "/link_1.pdf");
  EXPECT_TRUE(BegleitdateiKopieren(dir + "/neu_1.pdf", dir + "/neu_1.pdf"));
  EXPECT_TRUE(BegleitdateiKopieren(dir + "/link_1.pdf", dir + "/neu_1.pdf"));
  EXPECT_EQ(Lies(dir + "/neu_1.pdf"), "%PDF dokument eins");
  std::string grund;
  EXPECT_FALSE(BegleitdateiKopieren(dir + "/fehlt.pdf", dir + "/x.pdf", &grund));
  EXPECT_FALSE(grund.empty());
}

// A calculation that fails or is stopped while saving reports nothing as
// saved, copies nothing, and leaves the earlier project under that name.
TEST_F(Calculation, FailedOrStoppedSaveLeavesTheEarlierProject) {
  const std::string ziel = dir + "/projekt.txt";
  Schreib(ziel, "frueheres Projekt\r\n");
  Schreib(dir + "/beilage.pdf", "beilage");
  PdfDatei[1] = dir + "/beilage.pdf";
  PdfVorhanden[1] = true;
  auto nichtsGespeichert = [&](const ScriptedInteraction& ui) {
    EXPECT_EQ(Lies(ziel), "frueheres Projekt\r\n");
    EXPECT_FALSE(fs::exists(dir + "/projekt_1.pdf"));
    for (const std::string& t : ui.Texts("message")) EXPECT_EQ(t.find("gespeichert"), std::string::npos) << t;
    int dateien = 0;
    for (const auto& e : fs::directory_iterator(dir)) dateien += e.path().filename().string()[0] == '.' ? 100 : 1;
    EXPECT_EQ(dateien, 2);
  };
  {
    // Stopped with Escape in the middle of the year, and confirmed.
    ScriptedInteraction ui;
    SetEscapeProbe([] { return Schrittzaehler == 4000; });
    ui.AnswerFile(ziel);
    ui.AnswerAsk(kJa);
    EXPECT_FALSE(f.ToolButtonSpeichernClick());
    SetEscapeProbe(nullptr);
    EXPECT_EQ(ui.Count("ask", " Berechnung abbrechen? / stop calculation? "), 1);
    nichtsGespeichert(ui);
  }
  {
    // The module refuses the input: its reason is shown.
    ScriptedInteraction ui;
    Type(f.EDimRad, "0");
    ui.AnswerFile(ziel);
    EXPECT_FALSE(f.ToolButtonSpeichernClick());
    EXPECT_GE(ui.Texts("message").size(), 1u);
    nichtsGespeichert(ui);
    Type(f.EDimRad, "10");
  }
  {
    // A plant simulation without weather.
    ScriptedInteraction ui;
    Form6->ESystem->setItemIndex(0);
    Luftfeuchte[1] = 0.0;
    ui.AnswerFile(ziel);
    EXPECT_FALSE(f.ToolButtonSpeichernClick());
    EXPECT_EQ(ui.Count("warning", " Wetterfile noch nicht eingelesen! "), 1);
    nichtsGespeichert(ui);
  }
}

// "Berechnung" on the default project: a one-year pre-run that draws
// nothing, then the main run that draws its twelve months. An imported
// weather year survives later calculations.
TEST_F(Calculation, BerechnungMakesAQuietPreRunThenTheMainRun) {
  ScriptedInteraction ui;
  if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
  int laeufe = 0, vorlaeufe = 0;
  SetEscapeProbe([&] {
    if (Schrittzaehler == 1) (Hauptlauf ? laeufe : vorlaeufe) += 1;
    return false;
  });
  std::vector<bool> gezeichnet;
  auto conn = QObject::connect(Form4, &TForm4::Zeichenpunkt, [&](int, int) { gezeichnet.push_back(Hauptlauf); });
  // Weather rows of the project: radiation summed, temperature not.
  SummeGlobalstrahlung = 0.0;
  SummeAussentemperatur = 0.0;
  ASSERT_TRUE(f.Button14Click());
  EXPECT_EQ(vorlaeufe, 1);
  EXPECT_EQ(laeufe, 1);
  EXPECT_EQ(gezeichnet.size(), 12u);
  for (bool h : gezeichnet) EXPECT_TRUE(h);
  EXPECT_EQ(LastYear, 1);
  EXPECT_TRUE(Hauptlauf);
  EXPECT_EQ(SummeGlobalstrahlung, 1.0);
  EXPECT_EQ(SummeAussentemperatur, 1.0);
  // A weather year imported afterwards is not replaced by the next calculation.
  Aussentemperatur[100] = 33.3;
  if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
  ASSERT_TRUE(f.Button14Click());
  EXPECT_EQ(Aussentemperatur[100], 33.3);
  QObject::disconnect(conn);
}

// A run whose return temperature the load file fixes (20 °C: the plant's
// loads left without a power input, "Leistungseingabe wählen?" answered
// No) cannot be sized: no length changes its fluid temperature. The sizing
// says so and keeps the length typed, through "Berechnung" and through
// saving alike; it never writes a length below the shortest probe.
TEST_F(Calculation, ASizingThatCannotReachItsLimitSaysSoAndKeepsTheTypedLength) {
  ScriptedInteraction ui;
  Form3->show();
  Form3->ButtonNeuClick();
  ASSERT_TRUE(f.isVisible());
  TippeUndVerlasse(f.EProjektname, "Wohnhaus Rain");
  TippeUndVerlasse(f.EBeschreibung, "Variante A");
  TippeUndVerlasse(f.ESondenlaenge, "200.9");
  TippeUndVerlasse(f.ELastyear, "1");
  f.ELaenge_berechnen->button(0)->click();
  TippeUndVerlasse(f.EMinSondentemp, "-1.5");
  // "Anlage -> System": the whole system, calculated from the dialog, the
  // power input declined; then the whole system off again.
  if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
  f.Systemeinbindung->trigger();
  ASSERT_TRUE(Form6->isVisible());
  Form6->ESystem->button(0)->click();
  ui.AnswerAsk(kNein);
  Form6->Berechnen->click();
  Form6->ESystem->button(1)->click();
  Form6->Schliessen->click();
  ui.Clear();
  TippeUndVerlasse(f.ESondenlaenge, "200.9");

  // "Berechnung", power input declined again.
  ui.AnswerAsk(kNein);
  ASSERT_FALSE(Leistung);
  double kuerzeste = 1e9;
  auto c = QObject::connect(f.ESondenlaenge, &QLineEdit::textChanged,
                            [&](const QString& t) { kuerzeste = std::min(kuerzeste, t.toDouble()); });
  f.Button14->click();
  QObject::disconnect(c);
  EXPECT_GE(kuerzeste, 3.0);
  const std::vector<std::string> meldungen = ui.Texts("message");
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_NE(meldungen[0].find("-1.50"), std::string::npos);
  EXPECT_NE(meldungen[0].find("200.9"), std::string::npos);
  // 200.9 m x 0.7^12 is below the shortest probe: the last length tried is 3 m.
  EXPECT_NE(meldungen[0].find(" 3.0 m"), std::string::npos);
  EXPECT_EQ(f.ESondenlaenge->text(), QStringLiteral("200.9"));
  EXPECT_EQ(Sondenlaenge, 200.9);
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);

  // Saving calculates with the same sizing: the saved project keeps 200.9 m.
  ui.Clear();
  const std::string datei = dir + "/fest.txt";
  ui.AnswerFile(datei);
  f.ToolButtonSpeichern->click();
  const std::vector<std::string> gespeichert = ui.Texts("message");
  ASSERT_GE(gespeichert.size(), 1u);
  EXPECT_NE(gespeichert[0].find("-1.50"), std::string::npos);
  EXPECT_EQ(f.ESondenlaenge->text(), QStringLiteral("200.9"));
  EXPECT_EQ(Sondenlaenge, 200.9);
  ASSERT_TRUE(fs::exists(datei));
  ResetToDefaults();
  f.EingabenAnzeigen();
  ui.AnswerAsk(kNein);  // the changes since the save are not to be saved
  ui.AnswerFile(datei);
  f.ToolButtonOeffnen->click();
  EXPECT_EQ(f.ESondenlaenge->text(), QStringLiteral("200.9"));
  EXPECT_TRUE(ui.AllAnswersUsed());
}

// A field of two boreholes with sizing in the field: the command calculates
// it through saving, borehole by borehole, each sized to within 0.03 K.
TEST_F(Calculation, TwoBoreholeFieldIsSizedThroughSaving) {
  ScriptedInteraction ui;
  f.EingabenUebernehmen();
  Zaehler = 2;
  Sondengrafik = true;
  SondeX[1] = 0.0;
  SondeY[1] = 0.0;
  SondeX[2] = 8.0;
  SondeY[2] = 0.0;
  f.EingabenAnzeigen();
  // The target: a little above what the typed length reaches.
  Form4->show();
  ASSERT_TRUE(Form4->Start());
  const double ziel = TSinkMin + 0.4;
  Type(f.EMinSondentemp, QString::number(ziel, 'f', 3).toUtf8().constData());
  f.ESondengrafik->setItemIndex(0);
  f.ELaenge_berechnen->setItemIndex(0);
  f.ELaenge_im_Feld->setItemIndex(0);
  if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
  const std::string datei = dir + "/feld.txt";
  ui.AnswerFile(datei);
  std::vector<double> tSinkMin;
  const double laenge0 = Sondenlaenge;
  ASSERT_TRUE(f.Button14Click());
  EXPECT_TRUE(fs::exists(datei));
  EXPECT_EQ(ui.Count("message", " Berechnung unter dem Namen \"" + datei + "\" gespeichert! "), 1);
  // Boreholes 1 and 2, then the whole project, each with its sized length.
  for (int k : {1, 2, 0}) EXPECT_GT(SondenlaengeJeSonde[k], laenge0) << k;
  EXPECT_LT(std::fabs(TSinkMin - ziel), 0.03);
  EXPECT_NEAR(Sondenbelastung[0], Auslegungsentzug * 1000.0 / SondenlaengeJeSonde[0] / 2.0, 1e-9);
  EXPECT_EQ(f.ELaenge_berechnen->itemIndex(), 0);
  EXPECT_TRUE(f.findChild<QProgressBar*>(QStringLiteral("ProgressBar2"))->isHidden());
}

// Neighbour boreholes only influence the ground: they are not run, their
// load entry is 0 and the design power is shared by the plant's boreholes.
TEST_F(Calculation, QuietCalculationSkipsNeighbourBoreholes) {
  ScriptedInteraction ui;
  f.EingabenUebernehmen();
  Zaehler = 3;
  Sondengrafik = true;
  for (int k = 1; k <= 3; ++k) {
    SondeX[k] = 6.0 * k;
    SondeY[k] = 0.0;
  }
  Nachbarsonde[2] = true;
  f.ESondengrafik->setItemIndex(0);
  f.ELaenge_im_Feld->setItemIndex(0);
  f.ELaenge_berechnen->setItemIndex(1);
  f.EingabenUebernehmen();
  ASSERT_TRUE(Laenge_im_Feld && Sondengrafik);
  int laeufe = 0;
  SetEscapeProbe([&] {
    laeufe += Schrittzaehler == 1;
    return false;
  });
  f.Schreiben(dir + "/nachbar.txt");
  ASSERT_TRUE(f.Rechnen());
  EXPECT_EQ(laeufe, 3);  // boreholes 1 and 3, then the whole project
  EXPECT_TRUE(Nachbarsonde[2]);
  const double je = Auslegungsentzug * 1000.0 / Sondenlaenge / 2.0;
  EXPECT_NEAR(Sondenbelastung[1], je, 1e-9);
  EXPECT_EQ(Sondenbelastung[2], 0.0);
  EXPECT_NEAR(Sondenbelastung[3], je, 1e-9);
  EXPECT_TRUE(fs::exists(dir + "/nachbar.txt"));

  // All of them neighbours: nothing to share the power, and no division by 0.
  for (int k = 1; k <= 3; ++k) Nachbarsonde[k] = true;
  ASSERT_TRUE(f.Rechnen());
  for (int k = 0; k <= 3; ++k) EXPECT_EQ(Sondenbelastung[k], 0.0) << k;
}

// The re-read before a pass keeps what the user set since: field positions,
// neighbour flags, own ground materials, language.
TEST_F(Calculation, ReReadBeforeAPassKeepsTheUsersFieldAndNames) {
  f.EingabenUebernehmen();
  const std::string datei = dir + "/basis.txt";
  ProjektSchreiben(datei);
  Inputfile = datei;
  readfile = true;
  ProjektGeoeffnet = false;
  Zaehler = 2;
  SondeX[2] = 12.5;
  Nachbarsonde[2] = true;
  Erdname[31] = "Eigener Fels";
  Sprache = "F";
  EingabeNeuLesen(LastYear, true);
  EXPECT_EQ(Zaehler, 2);
  EXPECT_EQ(SondeX[2], 12.5);
  EXPECT_TRUE(Nachbarsonde[2]);
  EXPECT_EQ(Erdname[31], "Eigener Fels");
  EXPECT_EQ(Sprache, "F");
}

// The pressure drop of each circuit is that of its flow per probe.
TEST_F(Calculation, PressureDropPerCircuit) {
  Type(f.EAnzahlSonden, "4");
  Type(f.EAuslegungsmassenstrom, "2.000");
  Type(f.EAnzahlSonden2, "0");
  f.EingabenUebernehmen();
  DruckSondeKreis[2] = -1.0;
  f.Button9Click();
  bool lam = false;
  double ext = 0, tot = 0, pip = 0, re = 0, rei = 0;
  const double p = ComputeCircuitPressureDrop(
      lam, Sondendurchmesser, Dicke_Sondenrohr, Dicke_Innenrohr, 0.5, 0.5, rhoSole, nueSole, Sondenverlaengerung,
      DurchmesserAnschluss, LaengeAnschluss, AnzahlParallel, AnzahlBogen90, 4, NenndruckVerdampfer,
      NenndurchsatzVerdampfer, NenndruckVerteiler, NenndurchsatzVerteiler, NenndruckMessung, NenndurchsatzMessung,
      NenndruckVentil, NenndurchsatzVentil, ext, tot, pip, re, rei, Sondenlaenge);
  EXPECT_GT(p, 0.0);
  EXPECT_DOUBLE_EQ(DruckSondeKreis[1], p);
  EXPECT_DOUBLE_EQ(AuslegungsDruckabfall_Sondenkreis, tot);
  EXPECT_DOUBLE_EQ(ReynoldsKreis[1], re);
  // Half the probes carrying the same flow: four times the velocity head in
  // the probe's own term, so more than twice the drop.
  Type(f.EAnzahlSonden, "2");
  f.Button9Click();
  EXPECT_GT(DruckSondeKreis[1], 2.0 * p);
  // No second circuit: its previous result stays.
  EXPECT_EQ(DruckSondeKreis[2], -1.0);
  // No probes at all: nothing divides by zero.
  Type(f.EAnzahlSonden, "0");
  f.Button9Click();
  EXPECT_TRUE(std::isfinite(DruckSondeKreis[1]));
}

// "QEB project.txt": the program starts with that project open.
TEST(CalculationStart, CommandLineProjectIsOpenAtStart) {
  ScriptedInteraction ui;
  CreateApplicationWindows();
  ResetToDefaults();
  Sondenlaenge = 177.5;
  Auslegungsentzug = 4.5;
  Laenge_berechnen = false;
  const std::string datei = (fs::current_path() / "kommandozeile.txt").string();
  int zs = Zeitschritt, spj = SchritteProJahr;
  WriteOutputHeader(datei, zs, spj);
  AusgabeText.Close();
  ResetToDefaults();
  Form1->EingabenAnzeigen();
  const std::vector<std::string> args{"QEB", datei};
  SetKommandozeile(&args);
  // What the start-up does when it finds the project on its command line.
  Form1->hide();
  Form3->show();
  Form3->Button6Click();
  SetKommandozeile(nullptr);
  EXPECT_TRUE(Form1->isVisible());
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_EQ(Form1->ESondenlaenge->text().toStdString(), "177.5");
  EXPECT_EQ(Form1->EAuslegungsentzug->text().toStdString(), "4.50");
  EXPECT_TRUE(ui.Texts("open").empty());
  // Not a readable file: no project from the command line.
  const std::vector<std::string> keine{"QEB", "--gtest_filter=x"};
  SetKommandozeile(&keine);
  EXPECT_EQ(KommandozeilenProjekt(), "");
  SetKommandozeile(nullptr);
}

}  // namespace
}  // namespace qeb
