// The thermal response test evaluated as the user evaluates it: a
// measurement file of a synthetic test (6 kW into 100 m, mean fluid
// temperature 11 + 1.90986 ln t, hence 2.50 W/mK by the line source) in
// each layout the program reads, noisy, ramped, thinned and damaged files,
// and what the evaluation leaves in the project.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest/QTest>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"
#include "shell/Exp.h"
#include "tests/support/files.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

constexpr double kK = 1.90986;  // K per ln(hour)
constexpr double kP = 6.0;      // kW
constexpr double kHeiz = 72.0;  // hours of heating

// Mean fluid temperature of the synthetic test at hour t (heating from 0 to
// kHeiz, then recovery by superposition).
double Tm(double t) {
  if (t <= 0) return 11.0;
  if (t <= kHeiz) return 11.0 + kK * std::log(t);
  return 11.0 + kK * (std::log(t) - std::log(t - kHeiz));
}

struct Record {
  double tage;  // day count of the record
  double t1, t2, p;
};

// Records every `minuten` minutes over `stunden` hours from 28.2.2011 16:28.
std::vector<Record> Synthetisch(double minuten, double stunden, std::function<double(double)> rauschen = nullptr,
                                double rampe = 0) {
  std::vector<Record> r;
  const double start = *DatumZeitLesen("28/2/2011 16:28");
  const int n = static_cast<int>(std::floor(stunden * 60 / minuten + 1e-9));
  for (int i = 0; i <= n; ++i) {
    const double t = i * minuten / 60.0;
    double tm = Tm(t) + (rauschen ? rauschen(t) : 0.0);
    double p = t <= kHeiz ? kP : 0.0;
    if (rampe > 0 && t < rampe) p = kP * (0.3 + 0.7 * t / rampe);
    const double dt = p > 0 ? -5.0 * p / kP : 0.0;
    r.push_back({start + t / 24.0, tm - dt / 2, tm + dt / 2, p});
  }
  return r;
}

std::string Zahl(double v, int d = 4) { return FormatFixed(v, 0, d); }

std::string DatumText(double tage, bool punkte) {
  std::string s = DatumZeitText(tage);
  if (punkte)
    for (char& c : s)
      if (c == '/') c = '.';
  return s;
}

// The date and time part of a day count as two fields.
std::pair<std::string, std::string> DatumUndZeit(double tage, bool punkte) {
  const std::string s = DatumText(tage, punkte);
  const size_t b = s.find(' ');
  return {s.substr(0, b), s.substr(b + 1) + ":00"};
}

std::string Schmal(const std::vector<Record>& r, const std::string& zwischen = "xx;yy") {
  std::string s = "T2;T1;P;a;b;c;Datum;Zeit\r\n";
  for (const Record& x : r) {
    auto [d, z] = DatumUndZeit(x.tage, true);
    s += Zahl(x.t2) + ";" + Zahl(x.t1) + ";" + Zahl(x.p * 1000, 1) + ";0;0;0;" + d + ";" + z + "\r\n";
    s += zwischen + "\r\n";
  }
  return s;
}

std::string Breit(const std::vector<Record>& r) {
  std::string s = "T1;T2;3;4;5;6;7;8;9;10;P;12;13;14;15;16;17;Datum;Zeit\r\n";
  for (const Record& x : r) {
    auto [d, z] = DatumUndZeit(x.tage, false);
    s += Zahl(x.t1) + ";" + Zahl(x.t2) + ";0;0;0;0;0;0;0;0;" + Zahl(x.p) + ";0;0;0;0;0;0;" + d + ";" + z + "\r\n";
    s += "-\r\n";
  }
  return s;
}

std::string Tabelle(const std::vector<Record>& r) {
  std::string s = "Messung\tTRT\r\nKopf\t2\r\n";
  auto komma = [](std::string v) {
    for (char& c : v)
      if (c == '.') c = ',';
    return v;
  };
  for (const Record& x : r) {
    s += "Nr\t1\r\n";
    s += "Zeit\t" + DatumText(x.tage, true) + "\r\n";
    s += "P\t" + komma(Zahl(x.p)) + "\r\n";
    s += "Q\t" + komma(Zahl(0.36)) + "\r\n";
    s += "T1\t" + komma(Zahl(x.t1)) + "\r\n";
    s += "T2\t" + komma(Zahl(x.t2)) + "\r\n";
    s += "-\tkaputt\r\n";
  }
  return s;
}

std::string Zeichen(const std::vector<Record>& r) {
  std::string s = "Datum;T1;T2;P\r\n";
  for (const Record& x : r)
    s += DatumText(x.tage, false) + ";" + Zahl(x.t1) + "\t" + Zahl(x.t2) + ";" + Zahl(x.p) + ";Rest\r\n";
  return s;
}


class TRTTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Projektdateiname.clear();
    TRTProjektTrt.clear();
    TRTProjektXls.clear();
    TRTAusgewertet = false;
    TRTModus = false;
    dir = FrischerOrdner("trt_");
    f.ESondenlaenge->setText("100");
    f.ETRT_Methode->setText("0");
    f.EHell->setItemIndex(1);
    f.EingabenUebernehmen();
  }
  void TearDown() override {
    TRTModus = false;
    TRTAusgewertet = false;
    Sprungantwort = false;
  }
  TForm1& f = *(CreateApplicationWindows(), Form1);
  std::string dir;
  std::string Datei(const std::string& name, const std::string& text) {
    const std::string p = dir + "/" + name;
    Schreib(p, text);
    return p;
  }
};

TEST_F(TRTTest, EveryLayoutGivesTheLineSourceConductivity) {
  const auto r = Synthetisch(10, 96);
  const std::pair<const char*, std::string> dateien[] = {
      {"schmal.csv", Schmal(r)}, {"breit.txt", Breit(r)}, {"mess.xls", Tabelle(r)}, {"zeichen.qeb", Zeichen(r)}};
  for (const auto& [name, text] : dateien) {
    for (int methode : {0, 1, 3, 5, 7}) {
      SCOPED_TRACE(std::string(name) + " method " + std::to_string(methode));
      SetUp();
      TRT_Methode = methode;
      f.ETRT_Methode->setText(QString::number(methode));
      ScriptedInteraction ui;
      ASSERT_TRUE(f.TRTDateiAuswerten(Datei(name, text)));
      EXPECT_TRUE(ui.Shown_().empty()) << (ui.Shown_().empty() ? "" : ui.Shown_()[0].text);
      EXPECT_NEAR(TRTLambda, 2.50, 0.025);
      EXPECT_NEAR(Auslegungsentzug, 6.0, 1e-3);
      EXPECT_NEAR(DeltaVerdampfer, -5.0, 1e-3);
      EXPECT_NEAR(Auslegungsmassenstrom, 6000.0 / cpSole / 5.0, 1e-3);
      EXPECT_NEAR(f.Eb->text().toDouble(), kK, 2e-3);
      // The intercept is the line through the window's mean point: 11 at t = 1 h.
      EXPECT_NEAR(f.Ea->text().toDouble(), 11.0, 0.01);
      EXPECT_EQ(f.ELambdaTRT->text(), "2.50");
      EXPECT_NEAR(lambdaErd, 2.50, 1e-9);  // as the ground tab shows it
      // Heating 72 h, from records 10 minutes apart.
      EXPECT_NEAR(TRTHeizdauer, 72 * 60, 10.1);
      EXPECT_TRUE(TRTAusgewertet);
      EXPECT_NEAR(TRTStundenTemp[1], 11.0, 1e-3);
      // Entry h + 1 holds the temperature h hours after the heating began.
      EXPECT_NEAR(TRTStundenTemp[25], Tm(24), 1e-3);
      EXPECT_GT(TRTFitEnde, TRTFitStart);
      EXPECT_NEAR(TRTFitT2 - TRTFitT1, kK * (TRTLnZeit[TRTFitEnde] - TRTLnZeit[TRTFitStart]), 0.02);
      EXPECT_EQ(numrows, TRTOption ? 96 : 120);
      EXPECT_TRUE(Sprungantwort);
    }
  }
}

TEST_F(TRTTest, MethodOneStartsAtTheLineSourceTimeAndTwoPassesKeepTheSmallest) {
  const auto r = Synthetisch(10, 96, [](double t) { return 0.02 * std::sin(t * 7.0); });
  const std::string p = Datei("m.qeb", Zeichen(r));
  TRT_Methode = 1;
  f.ETRT_Methode->setText("1");
  ASSERT_TRUE(f.TRTDateiAuswerten(p));
  const double rb = Bohrdurchmesser / 2;
  const double tmin = 10 * rb * rb / 1.0869565217391303e-06 / 3600;
  // The record nearest tmin (record 1 is at time 0).
  EXPECT_EQ(TRTFitStart, 1 + static_cast<int>(RoundHalfEven(6 * tmin)));
  EXPECT_NEAR(TRTLambda, 2.5, 0.05);
  // Method 3: two passes (ends 0.85 n and n); the smaller conductivity wins.
  TRT_Methode = 3;
  f.ETRT_Methode->setText("3");
  ASSERT_TRUE(f.TRTDateiAuswerten(p));
  EXPECT_NEAR(TRTLambda, 2.5, 0.05);
}

TEST_F(TRTTest, NoisySeriesWithinOnePercentAndAThinnedLongFile) {
  std::mt19937 g(7);
  std::normal_distribution<double> n(0.0, 0.01);
  const auto r = Synthetisch(10, 96, [&](double) { return n(g); });
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("noisy.csv", Schmal(r))));
  // Two points 0.01 K noisy over a rise of ~3 K: 1 % is the stated bound.
  EXPECT_NEAR(TRTLambda, 2.5, 0.025);
  // 10000 records a minute apart: the character layout takes every 19th
  // line, the semicolon layout every 20th.
  const auto lang = Synthetisch(1, 9999 / 60.0);
  ASSERT_EQ(lang.size(), 10000u);
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("lang.qeb", Zeichen(lang))));
  EXPECT_NEAR(TRTZeit[2], 19 / 60.0, 1e-6);
  EXPECT_NEAR(TRTLambda, 2.5, 0.025);
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("lang.csv", Schmal(lang))));
  EXPECT_NEAR(TRTZeit[2], 10 / 60.0, 1e-6);
  EXPECT_NEAR(TRTLambda, 2.5, 0.025);
}

TEST_F(TRTTest, RecordsAcrossAFullHourAndARampedStart) {
  // Records 30 minutes apart: the second and third cross a full hour, so
  // minutes alone would give a negative interval.
  const auto r = Synthetisch(30, 120);
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("halb.qeb", Zeichen(r))));
  EXPECT_NEAR(TRTHeizdauer, 72 * 60, 30.1);
  EXPECT_NEAR(TRTStundenTemp[49], Tm(48), 1e-3);
  EXPECT_NEAR(TRTLambda, 2.5, 0.025);
  // A ramped start: the heating begins at the first record above 0.8 Pmax,
  // and T0 is the first heating record's temperature (no quiet records).
  const auto ramp = Synthetisch(10, 96, nullptr, 2.0);
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("rampe.qeb", Zeichen(ramp))));
  const int s = 1 + static_cast<int>(std::ceil((0.8 - 0.3) / 0.7 * 2.0 * 6 + 1e-9));
  EXPECT_NEAR(TRTStundenTemp[1], Tm((s - 1) / 6.0), 1e-3);
  EXPECT_NEAR(TRTLambda, 2.5, 0.025);
}

TEST_F(TRTTest, BoreholeResistanceFollowsTheLineSourceSteps) {
  f.EHell->setItemIndex(0);
  f.ETgrad->setText("0");
  f.EBodenerwaermung->setText("0");
  f.ETempProfil->setItemIndex(1);
  f.EingabenUebernehmen();
  ASSERT_TRUE(Hell);
  const auto r = Synthetisch(10, 96);
  // An undisturbed ground far above the test's start temperature gives no
  // resistance: refused with a message, Ra and Rb left as they were.
  f.EJahresmitteltemp->setText("10.5");
  f.EingabenUebernehmen();
  const double ra0 = Ra, rb0 = Rb;
  {
    ScriptedInteraction ui;
    ASSERT_TRUE(f.TRTDateiAuswerten(Datei("rb0.qeb", Zeichen(r))));
    EXPECT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_EQ(Ra, ra0);
    EXPECT_EQ(Rb, rb0);
  }
  // The ground as the synthetic test implies it with Rb about 0.1 Km/W:
  // T(1 h) = T0 + q (ln(4 a t / rb²) - 0.5772) / (4 pi lambda) + q Rb.
  const double a = lambdaErd / (rhoErd * cpErd);
  const double rb2 = Bohrdurchmesser * Bohrdurchmesser / 4;
  const double t0 = 11.0 - 60.0 * 0.1 - 60.0 * (std::log(4 * a * 3600 / rb2) - 0.5772) / (4 * M_PI * 2.5);
  f.EJahresmitteltemp->setText(FixedText(t0, 2));
  f.EingabenUebernehmen();
  ScriptedInteraction ui;
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("rb.qeb", Zeichen(r))));
  EXPECT_TRUE(ui.Shown_().empty());
  // The synthetic test holds Rb* = 0.1 Km/W (the file's temperatures carry
  // four decimals and the start temperature two).
  const double rbStern = 0.1 + (FixedText(t0, 2).toDouble() - t0) * 100.0 / 6000.0;
  const double m = 6000.0 / cpSole / 5.0;
  const double ri = Sondendurchmesser / 2 - Dicke_Sondenrohr;
  const double h = RohrWaermeuebergang(KoaxialSonde, einfachU, Hellstroem, inSerie, Innenrohrdurchmesser,
                                       Dicke_Sondenrohr, Sondendurchmesser, m, lambdaSole, cpSole, rhoSole, nueSole);
  const double rp = std::log(Sondendurchmesser / 2 / ri) / lambdaRohr + 1 / (h * ri);
  const double sv = BuRelativ, sg = (lambdaFill - lambdaErd) / (lambdaFill + lambdaErd);
  const double ra = (std::log(std::sqrt(2.0) * sv * Bohrdurchmesser / 2 / ri) - 0.5 * std::log(sv * Bohrdurchmesser / ri) -
                     0.5 * sg * std::log((1 - std::pow(sv, 4)) / (1 + std::pow(sv, 4)))) /
                        M_PI / lambdaFill +
                    rp / (2 * M_PI);
  const double rb = rbStern - 1e4 / (3 * ra * cpSole * cpSole * m * m);
  ASSERT_GT(rb, 0.0);
  EXPECT_NEAR(Rb, rb, 2e-5);
  EXPECT_NEAR(Ra, 4 * rb <= ra ? 4 * rb - 0.01 : ra, 1e-9);
  EXPECT_EQ(f.ERbTRT->text(), FixedText(Rb, 3));
  EXPECT_EQ(Rc, 0.0);
  // The same file again gives the same resistance (the measured flow, not
  // the design flow the first evaluation set).
  const double rb1 = Rb;
  ASSERT_TRUE(f.TRTDateiAuswerten(TRTTitelDatei));
  EXPECT_NEAR(Rb, rb1, 1e-12);
}

TEST_F(TRTTest, BadFilesChangeNothingAndNameTheLine) {
  const auto r = Synthetisch(10, 96);
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("gut.qeb", Zeichen(r))));
  const double lambda = TRTLambda, t50 = TRTTemp[50], ra = Ra, rb = Rb;
  auto unveraendert = [&] {
    EXPECT_DOUBLE_EQ(TRTLambda, lambda);
    EXPECT_DOUBLE_EQ(TRTTemp[50], t50);
    EXPECT_DOUBLE_EQ(Ra, ra);
    EXPECT_DOUBLE_EQ(Rb, rb);
  };
  // A malformed record half way: the line and field are named.
  std::string text = Zeichen(r);
  size_t pos = 0;
  for (int i = 0; i < 200; ++i) pos = text.find("\r\n", pos) + 2;
  text.insert(pos, "1/3/2011 0:00;12.x;9;6\r\n");
  {
    ScriptedInteraction ui;
    EXPECT_FALSE(f.TRTDateiAuswerten(Datei("kaputt.qeb", text)));
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_NE(ui.Texts("message")[0].find("Falsches Dateiformat / Wrong Format"), std::string::npos);
    EXPECT_NE(ui.Texts("message")[0].find("201, Feld / field 2"), std::string::npos) << ui.Texts("message")[0];
    unveraendert();
  }
  // Empty file; a file of too few records; a file without power.
  for (const std::string& t : {std::string(), Zeichen(Synthetisch(10, 10)), Schmal([&] {
                                 auto k = r;
                                 for (auto& x : k) x.p = 0;
                                 return k;
                               }())}) {
    ScriptedInteraction ui;
    EXPECT_FALSE(f.TRTDateiAuswerten(Datei(t.empty() ? "leer.csv" : "x.csv", t)));
    EXPECT_EQ(ui.Texts("message").size(), 1u);
    unveraendert();
  }
  // Damage on lines the layout skips does not refuse the file.
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("zwischen.csv", Schmal(r, "kaputt;;;x"))));
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("kaputt.xls", Tabelle(r))));
}

TEST_F(TRTTest, FilesWithoutRisingTemperatureAreRefusedWithTheReason) {
  auto r = Synthetisch(10, 96);
  for (auto& x : r) x.t1 = x.t2 = 11.0;  // no rise at all
  ScriptedInteraction ui;
  EXPECT_FALSE(f.TRTDateiAuswerten(Datei("flach.qeb", Zeichen(r))));
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_NE(ui.Texts("message")[0].find("Falsches Dateiformat / Wrong Format"), std::string::npos);
  EXPECT_FALSE(TRTAusgewertet);
}

TEST_F(TRTTest, ImportCommandCopiesTheCompanionOnlyOnSuccessAndReEvaluatesOnAMethodChange) {
  const auto r = Synthetisch(10, 96);
  const std::string gut = Datei("gut.csv", Schmal(r));
  const std::string schlecht = Datei("schlecht.csv", "T2;T1\r\n1;2;x\r\n");
  Projektdateiname = dir + "/projekt.txt";
  TRTProjektTrt = dir + "/projekt.trt";
  TRTProjektXls = dir + "/projekt.xls";
  // Cancelled: no input, test mode off.
  {
    ScriptedInteraction ui;
    ui.AnswerFile("");
    f.TRTClick();
    EXPECT_EQ(ui.Count("message", " Keine Daten eingelesen / No input "), 1);
    EXPECT_FALSE(TRTModus);
  }
  // A bad file: no test mode, no companion.
  {
    ScriptedInteraction ui;
    ui.AnswerFile(schlecht);
    f.TRTClick();
    EXPECT_FALSE(TRTModus);
    EXPECT_FALSE(fs::exists(TRTProjektTrt));
    EXPECT_EQ(f.ETRT->itemIndex(), 1);
  }
  // A good file: evaluated, test mode on, copied beside the project.
  {
    ScriptedInteraction ui;
    ui.AnswerFile(gut);
    f.TRTClick();
    EXPECT_TRUE(ui.Shown_().size() == 1 && ui.Shown_()[0].kind == "open");
    EXPECT_TRUE(TRTModus);
    EXPECT_EQ(f.ETRT->itemIndex(), 0);
    EXPECT_EQ(Lies(TRTProjektTrt), Lies(gut));
    EXPECT_EQ(TRTKopieName, TRTProjektTrt);
    EXPECT_TRUE(TRTProjektDaten);
    EXPECT_EQ(TRTDateiName, gut);
  }
  // Changing only the method re-evaluates the same file without a dialog.
  const int fitStart = TRTFitStart;
  {
    ScriptedInteraction ui;
    f.ETRT_Methode->setText("5");
    f.ETRT_Methode->setModified(true);
    emit f.ETRT_Methode->editingFinished();
    EXPECT_EQ(TRT_Methode, 5);
    EXPECT_NE(TRTFitStart, fitStart);
    EXPECT_TRUE(ui.Shown_().empty());
  }
  // The same length again does not re-evaluate; a new one does.
  {
    TRTFitStart = -1;
    f.ELaenge->setText("100.0");
    f.ELaenge->setModified(true);
    emit f.ELaenge->editingFinished();
    EXPECT_EQ(TRTFitStart, -1);
    f.ELaenge->setText("150");
    f.ELaenge->setModified(true);
    emit f.ELaenge->editingFinished();
    EXPECT_NE(TRTFitStart, -1);
    EXPECT_NEAR(TRTLambda, 2.5 * 100 / 150, 0.02);
  }
  // Without a project nothing is copied.
  SetUp();
  Schreib(gut, Schmal(r));
  {
    ScriptedInteraction ui;
    ui.AnswerFile(gut);
    f.TRTClick();
    EXPECT_TRUE(TRTModus);
    EXPECT_FALSE(fs::exists(dir + "/projekt.trt"));
    EXPECT_FALSE(TRTProjektDaten && !TRTKopieName.empty() && fs::exists(TRTKopieName) && TRTKopieName != gut);
  }
}

TEST_F(TRTTest, ASpreadsheetGoesBesideTheProjectAsXlsAndTwentyMetresBecome250) {
  const std::string xls = Datei("mess.xls", Tabelle(Synthetisch(10, 96)));
  Projektdateiname = dir + "/p.txt";
  TRTProjektTrt = dir + "/p.trt";
  TRTProjektXls = dir + "/p.xls";
  f.ESondenlaenge->setText("20");
  f.EingabenUebernehmen();
  ScriptedInteraction ui;
  ui.AnswerFile(xls);
  f.TRTClick();
  EXPECT_EQ(Lies(dir + "/p.xls"), Lies(xls));
  EXPECT_FALSE(fs::exists(dir + "/p.trt"));
  EXPECT_EQ(TRTKopieName, dir + "/p.xls");
  EXPECT_EQ(Sondenlaenge, 250.0);
  EXPECT_EQ(f.ESondenlaenge->text(), "250.0");
  EXPECT_NEAR(TRTLambda, 2.5 * 100 / 250, 0.01);
  // The project opened again evaluates the companion it has, without a dialog.
  TRTAusgewertet = false;
  f.TRTClick();
  EXPECT_EQ(TRTDateiName, dir + "/p.xls");
  EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST_F(TRTTest, DatesAndFields) {
  EXPECT_EQ(DatumZeitText(*DatumZeitLesen("28.02.2011 16:28:00")), "28/02/2011 16:28");
  EXPECT_EQ(DatumZeitText(*DatumZeitLesen("1/3/2021 8:00")), "01/03/2021 08:00");
  EXPECT_NEAR(*DatumZeitLesen("1/1/1900 12:00"), 2.5, 1e-12);
  EXPECT_FALSE(DatumZeitLesen("31/2/2011 10:00"));
  EXPECT_FALSE(DatumZeitLesen("x"));
  EXPECT_EQ(TeileText("a;b;;c", ';'), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(TeileText("", ';'), (std::vector<std::string>{""}));
  EXPECT_DOUBLE_EQ(RohrWaermeuebergang(false, false, false, 1, 0, 0.0037, 0.04, 0.00005, 0.5, 4000, 1000, 1e-6), 0.01);
  // Laminar: Nu 4.36.
  EXPECT_NEAR(RohrWaermeuebergang(false, false, false, 1, 0, 0.0037, 0.04, 0.01, 0.5, 4000, 1000, 1e-6),
              4.36 * 0.5 / 0.0326, 1e-9);
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

// The test the program simulates, written back as a measurement file in
// the character layout: inlet and outlet at the top of the probe, hourly.
// Hour h of the simulation ends h hours after the heating began; a quiet
// record marks that start.
std::string SimulierteMessung() {
  std::string s = "Datum;T1;T2;P\r\n";
  const double start = *DatumZeitLesen("1/3/2011 8:00");
  s += DatumZeitText(start) + ";" + FormatFixed(TRTFeld5[1][1], 0, 4) + ";" + FormatFixed(TRTFeld5[1][1], 0, 4) +
       ";0\r\n";
  for (int h = 1; h <= 120; ++h)
    s += DatumZeitText(start + h / 24.0) + ";" + FormatFixed(TRTFeld2[1][h], 0, 4) + ";" +
         FormatFixed(TRTFeld1[1][h], 0, 4) + ";" + FormatFixed(-TRTQSource[h], 0, 4) + "\r\n";
  return s;
}

TEST_F(TRTTest, SimulatedTestFileAndTheRoundTrip) {
  // The synthetic test sets the project up: 2.5 W/mK, 6 kW, 72 h heating.
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("syn.qeb", Zeichen(Synthetisch(10, 96)))));
  TRTDateiName = TRTTitelDatei;
  TRTModus = true;
  f.ETRT4->setItemIndex(0);
  ASSERT_TRUE(TRTOption);
  const double lambda = lambdaErd;
  const double m = Auslegungsmassenstrom;
  fs::remove("TRT_Temp.txt");
  {
    ScriptedInteraction ui;
    for (int i = 0; i < 10; ++i) ui.AnswerAsk(7);
    f.TRTFileClick();
    for (const auto& s : ui.Shown_())
      if (s.kind != "ask") ADD_FAILURE() << s.kind << ": " << s.text;
  }
  // The option is back on, the simulation ran with it off (no heat after 72 h).
  EXPECT_TRUE(TRTOption);
  EXPECT_EQ(f.ETRT4->itemIndex(), 0);
  EXPECT_NEAR(TRTQSource[60], -6.0, 0.05);  // heat put into the ground counts negative
  EXPECT_NEAR(TRTQSource[100], 0.0, 1e-9);
  const std::string text = Lies("TRT_Temp.txt");
  ASSERT_FALSE(text.empty());
  const std::vector<std::string> z = CrlfZeilen(text);
  ASSERT_EQ(z.size(), 145u);
  EXPECT_EQ(z[0], "Berechnete Temperatur im Sondenfluid bei einem TRT");
  EXPECT_EQ(z[6], TRTTitelDatei);
  EXPECT_EQ(z[7], "Start-Zeit TRT  =  28.02.2011 16:28:00");
  EXPECT_EQ(z[8], "Sondenlaenge [m] = \t100.0");
  EXPECT_EQ(z[9], "Massenstrom [kg/s] = \t" + FormatFixed(m, 0, 3));  // the test's flow, not 0
  EXPECT_EQ(z[21], "");
  EXPECT_EQ(z[22].substr(0, 30), "mittlere Tiefe [m] = \t\t5.00\t15");
  EXPECT_EQ(z[24], "Zeit [h]\tLeistung  [kW]");
  const auto erste = SplitTabs(z[25]);
  EXPECT_EQ(erste[0], "1");
  EXPECT_EQ(erste.size(), 1u + 11 + 4 * 11 + 0u);
  EXPECT_EQ(text.substr(text.size() - 2) == "\r\n", false);
  // The up-pipe group lists layer 10 first: the outlet at the top comes last.
  const auto r60 = SplitTabs(z[84]);
  EXPECT_EQ(r60.back(), FormatFixed(TRTFeld1[1][60], 0, 3));
  EXPECT_EQ(r60[r60.size() - 10], FormatFixed(TRTFeld1[10][60], 0, 3));
  // Every heated hour from 8 h on carries the test's power, and the brine
  // at the top of the two channels differs by the same drop as at the end
  // of the heating.
  const double dt72 = TRTFeld2[1][72] - TRTFeld1[1][72];
  for (int h = 8; h <= 72; ++h) {
    EXPECT_NEAR(-TRTQSource[h], 6.0, 0.03 * 6.0) << h;
    EXPECT_NEAR(TRTFeld2[1][h] - TRTFeld1[1][h], dt72, 0.03 * dt72) << h;
  }
  // The down channel's bottom and the up channel's bottom meet at the turn.
  EXPECT_NEAR(TRTFeld2[10][60], TRTFeld1[10][60], 0.5);

  // Evaluated back: the conductivity the simulation used (method 1 within
  // 5 %, method 5 within 3 %: what remains is the fill's own capacity, which
  // the line source leaves out).
  for (int methode : {0, 1, 5}) {
    TRT_Methode = methode;
    f.ETRT_Methode->setText(QString::number(methode));
    ScriptedInteraction ui;
    ASSERT_TRUE(f.TRTDateiAuswerten(Datei("sim.qeb", SimulierteMessung())));
    std::printf("      round trip method %d: lambda %.3f of %.3f (%+.1f %%), fit records %d..%d\n", methode, TRTLambda,
                lambda, 100 * (TRTLambda / lambda - 1), TRTFitStart, TRTFitEnde);
    if (methode == 1) {
      EXPECT_NEAR(TRTLambda, lambda, 0.05 * lambda);
    } else if (methode == 5) {
      EXPECT_NEAR(TRTLambda, lambda, 0.03 * lambda);
    }
  }
}

TEST_F(TRTTest, SimulatedTestFileWithEqualRings) {
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("syn.qeb", Zeichen(Synthetisch(10, 96)))));
  TRTDateiName = TRTTitelDatei;
  TRTModus = true;
  f.EGitterfaktor->setText("1");
  f.EDimRad->setText("5");
  f.ERechenradius->setText("2.5");
  f.EBohrdurchmesser->setText("0.12");
  f.EingabenUebernehmen();
  fs::remove("TRT_Temp.txt");
  ScriptedInteraction ui;
  for (int i = 0; i < 10; ++i) ui.AnswerAsk(7);
  f.TRTFileClick();
  const std::string text = Lies("TRT_Temp.txt");
  // Rings of (2.5 - 0.06) / 4 m: the fifth cell between 1.89 and 2.5 m.
  const double rz5 = std::sqrt((2.5 * 2.5 + 1.89 * 1.89) / 2);
  EXPECT_NE(text.find("Radius Rz5 [m] = \t" + FormatFixed(rz5, 0, 3) + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("Gitterfaktor = \t1.00000\r\n"), std::string::npos);
}

TEST_F(TRTTest, AFailedSimulationLeavesNoFileAndTheOptionAsItWas) {
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("syn.qeb", Zeichen(Synthetisch(10, 96)))));
  TRTDateiName = TRTTitelDatei;
  TRTModus = true;
  f.ETRT4->setItemIndex(0);
  f.EingabenUebernehmen();
  Schreib("TRT_Temp.txt", "alt");
  ScriptedInteraction ui;
  for (int i = 0; i < 10; ++i) ui.AnswerAsk(7);
  Sondenlaenge = -5;  // the run refuses a negative probe
  f.ESondenlaenge->setText("-5");
  f.TRTFileClick();
  EXPECT_GE(ui.Texts("message").size() + ui.Texts("warning").size(), 1u);
  EXPECT_EQ(Lies("TRT_Temp.txt"), "alt");
  EXPECT_TRUE(TRTOption);
  EXPECT_EQ(f.ETRT4->itemIndex(), 0);
}

TEST_F(TRTTest, SimulatedTestFileRefusesATooSmallGrid) {
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("syn.qeb", Zeichen(Synthetisch(10, 96)))));
  f.EDimRad->setText("4");
  f.EingabenUebernehmen();
  fs::remove("TRT_Temp.txt");
  ScriptedInteraction ui;
  f.TRTFileClick();
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_FALSE(fs::exists("TRT_Temp.txt"));
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {
// Six hours of quiet records before the heating: they give the undisturbed
// temperature, and the line source counts its time from the heating's start.
TEST_F(TRTTest, QuietRecordsBeforeTheHeating) {
  auto r = Synthetisch(10, 96);
  std::vector<Record> q;
  // The last quiet record is the moment the heating begins.
  for (int i = 35; i >= 0; --i) q.push_back({r[0].tage - i / 144.0, 10.9, 10.9, 0.0});
  q.insert(q.end(), r.begin() + 1, r.end());
  for (int m : {0, 1, 5}) {
    SCOPED_TRACE(m);
    f.ETRT_Methode->setText(QString::number(m));
    ScriptedInteraction ui;
    ASSERT_TRUE(f.TRTDateiAuswerten(Datei("q.qeb", Zeichen(q))));
    EXPECT_NEAR(TRTLambda, 2.5, 0.005);  // the time counts from the last quiet record
    EXPECT_NEAR(TRTStundenTemp[1], 10.9, 1e-9);  // the mean of the 30 quiet records before
    EXPECT_NEAR(TRTHeizdauer, 72 * 60, 10.1);
    EXPECT_NEAR(TRTZeit[37], 6.0, 1e-6);  // the times stay those since the first record
  }
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

// Each sensor with its own Gaussian noise of sigma K.
std::vector<Record> Verrauscht(std::vector<Record> r, double sigma, unsigned seed) {
  std::mt19937 g(seed);
  std::normal_distribution<double> n(0.0, sigma);
  for (auto& x : r) {
    x.t1 += n(g);
    x.t2 += n(g);
  }
  return r;
}

TEST_F(TRTTest, NoiseDoesNotBendTheConductivityOfAnyMethod) {
  const auto r = Synthetisch(10, 96);
  std::printf("      sigma K  method  mean lambda error %%  min .. max\n");
  for (double sigma : {0.1}) {
    for (int methode = 0; methode <= 9; ++methode) {
      f.ETRT_Methode->setText(QString::number(methode));
      double summe = 0, lo = 1e9, hi = -1e9;
      for (unsigned seed = 1; seed <= 40; ++seed) {
        ScriptedInteraction ui;
        ASSERT_TRUE(f.TRTDateiAuswerten(Datei("n.qeb", Zeichen(Verrauscht(r, sigma, seed)))));
        const double fehler = 100.0 * (TRTLambda / 2.5 - 1.0);
        summe += fehler;
        lo = std::min(lo, fehler);
        hi = std::max(hi, fehler);
      }
      std::printf("      %.2f     %d       %+6.2f              %+6.1f .. %+6.1f\n", sigma, methode, summe / 40, lo, hi);
      EXPECT_LT(std::fabs(summe / 40), 2.0) << "method " << methode;
    }
  }
}

// Known conductivity and resistance in every layout: the line source with
// Rb* = 0.1 Km/W below the fluid's mean temperature.
TEST_F(TRTTest, KnownConductivityAndResistanceInEveryLayout) {
  f.EHell->setItemIndex(0);
  f.ETgrad->setText("0");
  f.EBodenerwaermung->setText("0");
  f.ETempProfil->setItemIndex(1);
  f.EingabenUebernehmen();
  const double a = lambdaErd / (rhoErd * cpErd);
  const double rb2 = Bohrdurchmesser * Bohrdurchmesser / 4;
  const double t0 = 11.0 - 60.0 * 0.1 - 60.0 * (std::log(4 * a * 3600 / rb2) - 0.5772) / (4 * M_PI * 2.5);
  const auto r = Verrauscht(Synthetisch(10, 96), 0.1, 3);
  const std::pair<const char*, std::string> dateien[] = {
      {"schmal.csv", Schmal(r)}, {"breit.txt", Breit(r)}, {"mess.xls", Tabelle(r)}, {"zeichen.qeb", Zeichen(r)}};
  for (const auto& [name, text] : dateien) {
    SCOPED_TRACE(name);
    f.EJahresmitteltemp->setText(FixedText(t0, 3));
    f.ESondenlaenge->setText("100");
    f.EingabenUebernehmen();
    ScriptedInteraction ui;
    ASSERT_TRUE(f.TRTDateiAuswerten(Datei(name, text)));
    EXPECT_NEAR(TRTLambda, 2.5, 0.05);
    // Rb = Rb* less the fluid's own share, L² / (3 Ra cp² m²).
    const double m = 6000.0 / cpSole / 5.0;
    EXPECT_NEAR(Rb + 1e4 / (3 * Ra * cpSole * cpSole * m * m), 0.1, 0.01);
  }
}

TEST_F(TRTTest, AbsurdDataAreRefusedAndASensorErrorIsLeftOut) {
  const auto r = Synthetisch(10, 96);
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("gut.qeb", Zeichen(r))));
  const double lambda = TRTLambda, boden = lambdaErd, m = Auslegungsmassenstrom, l = Sondenlaenge;
  auto unveraendert = [&] {
    EXPECT_DOUBLE_EQ(TRTLambda, lambda);
    EXPECT_DOUBLE_EQ(lambdaErd, boden);
    EXPECT_DOUBLE_EQ(Auslegungsmassenstrom, m);
    EXPECT_DOUBLE_EQ(Sondenlaenge, l);
  };
  // A fluid temperature no probe has (a sensor's overflow, a power column):
  // refused, naming the line and field.
  for (double falsch : {150.0, -1e308}) {
    auto k = r;
    k[300].t2 = falsch;
    ScriptedInteraction ui;
    EXPECT_FALSE(f.TRTDateiAuswerten(Datei("heiss.qeb", Zeichen(k))));
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_NE(ui.Texts("message")[0].find("302, Feld / field 3"), std::string::npos) << ui.Texts("message")[0];
    unveraendert();
  }
  // The power in kW where the layout expects W, and in W where it expects kW.
  for (const auto& [name, text] : {std::pair<std::string, std::string>{"kw.csv", Schmal([&] {
                                     auto k = r;
                                     for (auto& x : k) x.p /= 1000;
                                     return k;
                                   }())},
                                   {"w.qeb", Zeichen([&] {
                                      auto k = r;
                                      for (auto& x : k) x.p *= 1000;
                                      return k;
                                    }())}}) {
    SCOPED_TRACE(name);
    ScriptedInteraction ui;
    EXPECT_FALSE(f.TRTDateiAuswerten(Datei(name, text)));
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_NE(ui.Texts("message")[0].find("W/mK: Einheiten / Messfehler?"), std::string::npos) << ui.Texts("message")[0];
    unveraendert();
  }
  // One record at 85 °C in one sensor: left out and named; the conductivity stands.
  for (int methode : {1, 5}) {
    f.ETRT_Methode->setText(QString::number(methode));
    auto k = Verrauscht(r, 0.1, 11);
    k[400].t1 = 85.0;
    ScriptedInteraction ui;
    ASSERT_TRUE(f.TRTDateiAuswerten(Datei("glitch.qeb", Zeichen(k))));
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_NE(ui.Texts("message")[0].find("402"), std::string::npos) << ui.Texts("message")[0];
    EXPECT_NEAR(TRTLambda, 2.5, 0.05);
  }
  // Inlet and outlet in the other order: the same test, a positive flow.
  auto k = r;
  for (auto& x : k) std::swap(x.t1, x.t2);
  ScriptedInteraction ui;
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("getauscht.csv", Schmal(k))));
  EXPECT_NEAR(TRTLambda, 2.5, 0.025);
  EXPECT_NEAR(Auslegungsmassenstrom, 6000.0 / cpSole / 5.0, 1e-3);
  EXPECT_NEAR(DeltaVerdampfer, -5.0, 1e-3);
}

TEST_F(TRTTest, ALengthNoProbeHasStaysOutOfTheProject) {
  const auto r = Synthetisch(10, 96);
  Projektdateiname.clear();
  {
    ScriptedInteraction ui;
    ui.AnswerFile(Datei("gut.csv", Schmal(r)));
    f.TRT->trigger();
    ASSERT_TRUE(TRTAusgewertet);
  }
  const double lambda = TRTLambda;
  for (const char* text : {"abc", "0", "-5", "1e9"}) {
    SCOPED_TRACE(text);
    ScriptedInteraction ui;
    TippeUndVerlasse(f.ELaenge, text);
    EXPECT_EQ(ui.Texts("message").size(), 1u);
    EXPECT_EQ(Sondenlaenge, 100.0);
    EXPECT_EQ(f.ESondenlaenge->text(), "100.0");
    EXPECT_EQ(f.ELaenge->text(), "100.0");
    EXPECT_DOUBLE_EQ(TRTLambda, lambda);
  }
  // A length the range allows but whose conductivity no ground has: the
  // evaluation fails and the length in force stays.
  ScriptedInteraction ui;
  TippeUndVerlasse(f.ELaenge, "9000");
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(Sondenlaenge, 100.0);
  EXPECT_EQ(f.ESondenlaenge->text(), "100.0");
  EXPECT_DOUBLE_EQ(TRTLambda, lambda);
}

TEST_F(TRTTest, TheMenuItemTakesASecondTestFile) {
  Projektdateiname.clear();
  const std::string a = Datei("a.csv", Schmal(Synthetisch(10, 96)));
  auto b1 = Synthetisch(10, 96);
  for (auto& x : b1) x.p *= 1.2;  // 7.2 kW: the conductivity of the second test is 3.0 W/mK
  const std::string b = Datei("b.qeb", Zeichen(b1));
  ScriptedInteraction ui;
  ui.AnswerFile(a);
  ASSERT_TRUE(f.TRT->isVisible() || f.TRT->isEnabled());
  f.TRT->trigger();
  EXPECT_NEAR(TRTLambda, 2.5, 0.025);
  EXPECT_TRUE(f.TRT->isVisible());
  ui.AnswerFile(b);
  f.TRT->trigger();
  EXPECT_TRUE(ui.AllAnswersUsed());
  EXPECT_EQ(TRTDateiName, b);
  EXPECT_NEAR(TRTLambda, 3.0, 0.03);
  // Cancelled: the second test stays evaluated.
  ui.AnswerFile("");
  f.TRT->trigger();
  EXPECT_TRUE(TRTAusgewertet);
  EXPECT_NEAR(lambdaErd, 3.0, 0.03);
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

TEST_F(TRTTest, TimesAsTheRecordsGiveThem) {
  // One doubled power record does not refuse a good file in any layout.
  auto r = Synthetisch(10, 96);
  r[200].p = 12.0;
  for (const auto& [name, text] : {std::pair<std::string, std::string>{"d.csv", Schmal(r)}, {"d.qeb", Zeichen(r)}}) {
    ScriptedInteraction ui;
    ASSERT_TRUE(f.TRTDateiAuswerten(Datei(name, text))) << name;
    EXPECT_NEAR(TRTLambda, 2.5, 0.025);
  }
  // Hourly and 19-minute records: entry k + 1 of the hourly series is the
  // temperature k hours after the heating began.
  for (double minuten : {60.0, 19.0}) {
    SCOPED_TRACE(minuten);
    ScriptedInteraction ui;
    ASSERT_TRUE(f.TRTDateiAuswerten(Datei("h.qeb", Zeichen(Synthetisch(minuten, 120)))));
    for (int k : {24, 40}) EXPECT_NEAR(TRTStundenTemp[k + 1], Tm(k), 0.01) << k;
  }
  // The start as dd/mm/yyyy, and the open dialog's title.
  {
    ScriptedInteraction ui;
    ui.AnswerFile(Datei("s.qeb", Zeichen(Synthetisch(10, 96))));
    f.TRT->trigger();
    ASSERT_EQ(ui.Texts("open").size(), 1u);
    EXPECT_EQ(ui.Texts("open")[0].rfind("Eingabe Messwerte TRT / Input TRT-Measurement\n", 0), 0u);
    EXPECT_EQ(f.ETRTStart->text(), "28/02/2011 16:28");
  }
  // A start at 40 seconds past the minute is written as it was logged.
  std::string text = Zeichen(Synthetisch(10, 96));
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) {
    const size_t sem = text.find(';', p);
    if (sem != std::string::npos) text.insert(sem, ":40");
  }
  ASSERT_TRUE(f.TRTDateiAuswerten(Datei("sek.qeb", text)));
  TRTDateiName = TRTTitelDatei;
  TRTModus = true;
  fs::remove("TRT_Temp.txt");
  ScriptedInteraction ui;
  for (int i = 0; i < 10; ++i) ui.AnswerAsk(7);
  f.TRTFileClick();
  EXPECT_NE(Lies("TRT_Temp.txt").find("\r\nStart-Zeit TRT  =  28.02.2011 16:28:40\r\n"), std::string::npos);
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

// A sensor's error value (85 °C) held for one, two or three records, early,
// in the middle and at the end of the fit window, in every layout, chosen
// through the menu: the records are left out and named, and the
// conductivity stays within 1 % of the clean file's.
TEST_F(TRTTest, AnErrorValueHeldForUpToThreeRecordsIsLeftOut) {
  Projektdateiname.clear();
  const auto r = Verrauscht(Synthetisch(10, 96), 0.05, 5);
  struct Layout {
    const char* name;
    std::function<std::string(const std::vector<Record>&)> text;
    std::function<int(int)> zeile;  // the file's line of record i (from 0)
  };
  const Layout layouts[] = {
      {"schmal.csv", [](const auto& k) { return Schmal(k); }, [](int i) { return 2 + 2 * i; }},
      {"breit.txt", Breit, [](int i) { return 2 + 2 * i; }},
      {"mess.xls", Tabelle, [](int i) { return 4 + 7 * i; }},
      {"zeichen.qeb", Zeichen, [](int i) { return 2 + i; }}};
  // Method 0 fits records 51 .. 410 of this file (indices 50 .. 409): runs
  // at its start, inside it and at its end.
  f.ETRT_Methode->setText("0");
  f.EingabenUebernehmen();
  int n = 0;
  for (const Layout& l : layouts) {
    double sauber = 0;
    {
      ScriptedInteraction ui;
      ui.AnswerFile(Datei(std::string("sauber_") + l.name, l.text(r)));
      f.TRT->trigger();
      ASSERT_TRUE(ui.AllAnswersUsed());
      EXPECT_TRUE(ui.Texts("message").empty()) << l.name;
      sauber = TRTLambda;
      EXPECT_NEAR(sauber, 2.5, 0.025) << l.name;
    }
    for (int lang = 1; lang <= 3; ++lang) {
      for (int ort : {50, 200, 330, 410 - lang}) {
        SCOPED_TRACE(std::string(l.name) + ": " + std::to_string(lang) + " records from index " + std::to_string(ort));
        auto k = r;
        for (int i = ort; i < ort + lang; ++i) (ort % 2 == 0 ? k[i].t1 : k[i].t2) = 85.0;
        ScriptedInteraction ui;
        ui.AnswerFile(Datei("glitch" + std::to_string(++n) + "_" + l.name, l.text(k)));
        f.TRT->trigger();
        ASSERT_TRUE(ui.AllAnswersUsed());
        const auto texte = ui.Texts("message");
        EXPECT_EQ(texte.size(), 1u);
        std::string zeilen;
        for (int i = ort; i < ort + lang; ++i) zeilen += (i > ort ? ", " : "") + std::to_string(l.zeile(i));
        if (!texte.empty()) {
          EXPECT_NE(texte[0].find("records left out (sensor error), Zeile / line " + zeilen), std::string::npos)
              << texte[0];
        }
        std::printf("      %-11s %d record(s) from %3d: lambda %.4f of %.4f (%+.2f %%)\n", l.name, lang, ort, TRTLambda,
                    sauber, 100 * (TRTLambda / sauber - 1));
        EXPECT_NEAR(TRTLambda, sauber, 0.01 * sauber);
        // Neither end of the window is a record left out.
        for (int i = ort; i < ort + lang; ++i) {
          EXPECT_NE(TRTFitStart, i + 1);
          EXPECT_NE(TRTFitEnde, i + 1);
        }
      }
    }
  }
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

// A project without a response test shows none of a test evaluated before
// it, on the tab "Simulation": neither an example loaded from the menu nor a
// project opened. What a program just started shows there stays: the
// captions of slope and intercept over empty fields.
TEST_F(TRTTest, AProjectWithoutATestShowsNoFiguresOfAnEarlierTest) {
  Projektdateiname.clear();
  auto* gruppe = f.findChild<QGroupBox*>(QStringLiteral("grp_g_Sim_TRT"));
  ASSERT_NE(gruppe, nullptr);
  auto auswerten = [&] {
    // The synthetic test's probe, evaluated by method 0.
    f.ESondenlaenge->setText("100");
    f.ETRT_Methode->setText("0");
    f.EingabenUebernehmen();
    ScriptedInteraction ui;
    ui.AnswerFile(Datei("test.csv", Schmal(Synthetisch(10, 96))));
    f.TRT->trigger();
    ASSERT_TRUE(TRTAusgewertet);
    EXPECT_EQ(f.Eb->text(), "1.910");
    EXPECT_TRUE(f.LTRT4->isVisibleTo(gruppe));
    EXPECT_TRUE(f.LHell->isVisibleTo(gruppe));
  };
  auto ohneTest = [&](const char* wo) {
    SCOPED_TRACE(wo);
    int gezeigt = 0;
    for (QWidget* w : gruppe->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w == f.LTRTb || w == f.Eb || w == f.LTRTa || w == f.Ea) continue;
      if (w->isVisibleTo(gruppe)) {
        ++gezeigt;
        ADD_FAILURE() << w->objectName().toStdString() << " shown";
      }
    }
    EXPECT_EQ(gezeigt, 0);
    EXPECT_EQ(f.Eb->text(), "");
    EXPECT_EQ(f.Ea->text(), "");
    EXPECT_EQ(f.ETRT->itemIndex(), 1);
  };
  // A project saved before any test.
  const std::string projekt = dir + "/ohne_test.txt";
  {
    ScriptedInteraction ui;
    ui.AnswerInput("Haus");
    ui.AnswerInput("Variante");
    ui.AnswerFile(projekt);
    f.ToolButtonSpeichern->click();
    ASSERT_TRUE(fs::exists(projekt));
  }
  auswerten();
  // Example 9 from the menu; the evaluated project is not saved.
  {
    ScriptedInteraction ui;
    for (int i = 0; i < 10; ++i) ui.AnswerAsk(7);
    f.Beispiele1->trigger();
    f.Beispiel91->trigger();
    BeispielFenster(9)->Button1->click();
    ohneTest("example 9");
  }
  // The project saved before opened after another test (whose measurement
  // went beside it, and is taken away again).
  auswerten();
  fs::remove(dir + "/ohne_test.trt");
  {
    ScriptedInteraction ui;
    for (int i = 0; i < 10; ++i) ui.AnswerAsk(7);
    ui.AnswerFile(projekt);
    f.ToolButtonOeffnen->click();
    ASSERT_EQ(Projektdateiname, projekt);
    ohneTest("project opened");
  }
}

// The simulated test's file: each up-pipe heading names the layer whose
// temperatures stand below it (the group runs from the bottom to the outlet).
TEST_F(TRTTest, EachUpPipeHeadingNamesTheLayerItsColumnHolds) {
  Projektdateiname.clear();
  {
    ScriptedInteraction ui;
    ui.AnswerFile(Datei("test.csv", Schmal(Synthetisch(10, 96))));
    f.TRT->trigger();
    ASSERT_TRUE(TRTAusgewertet);
  }
  fs::remove("TRT_Temp.txt");
  {
    ScriptedInteraction ui;
    for (int i = 0; i < 10; ++i) ui.AnswerAsk(7);
    ASSERT_TRUE(f.Button12->isVisibleTo(&f) || f.Button12->isEnabled());
    f.Button12->click();
  }
  const std::string text = Lies("TRT_Temp.txt");
  const std::vector<std::string> z = CrlfZeilen(text);
  ASSERT_EQ(z.size(), 145u);
  const auto kopf = SplitTabs(z[23]);
  const auto zeile = SplitTabs(z[25 + 59]);  // hour 60
  ASSERT_EQ(zeile[0], "60");
  const std::string grad = Utf8ToWin1252(" [°C]");
  for (int schicht = 1; schicht <= 10; ++schicht) {
    const std::string titel = "TUp Schicht" + std::to_string(schicht) + grad;
    size_t spalte = 0;
    while (spalte < kopf.size() && kopf[spalte] != titel) ++spalte;
    ASSERT_LT(spalte, kopf.size()) << titel;
    ASSERT_LT(spalte, zeile.size()) << titel;
    EXPECT_EQ(zeile[spalte], FormatFixed(TRTFeld1[schicht][60], 0, 3)) << titel;
  }
  // The other groups keep their order, from the top layer down.
  EXPECT_EQ(kopf[2], "TDown Schicht1" + grad);
  EXPECT_EQ(kopf[11], "TDown Schicht10" + grad);
}

}  // namespace
}  // namespace qeb
