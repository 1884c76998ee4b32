// A calculation run from the windows: the run driver, the run loop and the
// graph window, driven through their own handlers with scripted answers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <fstream>
#include <string>
#include <vector>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "results/verlauf.h"
#include "shell/start.h"
#include "shell/QEB.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"

namespace qeb {
namespace {

// Hour bounds of the months as the calendar gives them.
constexpr int kB[13] = {0, 744, 1416, 2160, 2880, 3624, 4344, 5088, 5832, 6552, 7296, 8016, 8760};

struct Step {
  int s, jahr;
  double tSink, tSource, m, q;
};
struct Drawn {
  int monat, ersteStunde, schritt, jahr;
};

class RunWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Hauptlauf = true;
    SparsamZeichnen = true;
    Outputfile = "Ausgabe_run.qeb";
    Type(Form1->ELastyear, "1");
    Form4->show();
    conn_ = QObject::connect(Form4, &TForm4::Zeichenpunkt, [this](int m, int h) {
      drawn.push_back({m, h, Schrittzaehler, Jahr});
    });
    // Every step's results as the module left them, seen from the poll
    // before the next step.
    SetEscapeProbe([this] {
      if (Schrittzaehler > 0) steps.push_back({Schrittzaehler, Jahr, TSink, TSource, Massenstrom, QSource});
      return escapeAt.count(Schrittzaehler) > 0 && Jahr == escapeYear;
    });
  }
  void TearDown() override {
    SetEscapeProbe(nullptr);
    QObject::disconnect(conn_);
    Form4->hide();
  }
  static void Type(QLineEdit* e, const char* t) { e->setText(QString::fromUtf8(t)); }

  std::vector<Drawn> drawn;
  std::vector<Step> steps;
  std::set<int> escapeAt;
  int escapeYear = 1;
  QMetaObject::Connection conn_;
};

TEST_F(RunWindow, OneYearDrawsEachMonthAtItsStepAndKeepsTheStatisticsOfTheRunningHours) {
  ScriptedInteraction ui;
  ASSERT_TRUE(Form4->Start());
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
  EXPECT_FALSE(Abbruch);
  // January at step 744 from hour 1 ... December at 8759 from hour 8016.
  ASSERT_EQ(drawn.size(), 12u);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(drawn[m - 1].monat, m);
    EXPECT_EQ(drawn[m - 1].schritt, m == 12 ? 8759 : kB[m]) << m;
    EXPECT_EQ(drawn[m - 1].ersteStunde, m == 12 ? 8016 : kB[m - 1] + 1) << m;
  }
  EXPECT_TRUE(DezemberGezeichnet);
  EXPECT_TRUE(ui.Shown_().empty());

  // Statistics from the recorded steps: hour s of month m when B(m-1) < s <= B(m).
  ASSERT_GE(steps.size(), 8759u);
  double lauf[13] = {}, sum[13] = {}, lo[13], hi[13], bsum[13] = {};
  std::fill(lo, lo + 13, 9999.0);
  std::fill(hi, hi + 13, -9999.0);
  double yMin = 1000, yMax = -1000;
  int running = 0;
  for (const Step& st : steps) {
    if (!(st.m > 0.0001 && std::fabs(st.q) > 0.0001)) continue;
    ++running;
    int m = 1;
    while (st.s > kB[m]) ++m;
    lauf[m] += 1;
    sum[m] += st.tSink;
    bsum[m] += (st.tSink + st.tSource) / 2;
    lo[m] = std::min(lo[m], st.tSink);
    hi[m] = std::max(hi[m], st.tSink);
    yMin = std::min(yMin, st.tSink);
    yMax = std::max(yMax, st.tSink);
  }
  EXPECT_GT(running, 1000);
  for (int m = 1; m <= 12; ++m) {
    const int k = MonatsIndex(1, m);
    EXPECT_EQ(LaufstundenMonat[k], lauf[m]) << m;
    EXPECT_NEAR(TSinkSummeMonat[k], sum[m], 1e-6) << m;
    EXPECT_NEAR(TBrineSummeMonat[k], bsum[m], 1e-6) << m;
    EXPECT_EQ(TSinkMinMonat[k], lo[m]) << m;
    EXPECT_EQ(TSinkMaxMonat[k], hi[m]) << m;
  }
  EXPECT_EQ(TSinkMinJahr[1], yMin);
  EXPECT_EQ(TSinkMaxJahr[1], yMax);
  // No second year was counted.
  EXPECT_EQ(LaufstundenMonat[MonatsIndex(2, 1)], 0.0);

  // The pre-run of the calculation command draws nothing.
  drawn.clear();
  Hauptlauf = false;
  ASSERT_TRUE(Form4->Start());
  EXPECT_TRUE(drawn.empty());
  Hauptlauf = true;
}

TEST_F(RunWindow, SeveralYearsDrawOnlyFebruaryAndJulyInTheMiddleYears) {
  ScriptedInteraction ui;
  Type(Form1->ELastyear, "3");
  // The pictures actually drawn, with the time each was finished.
  std::vector<std::pair<int, qint64>> bilder;
  QElapsedTimer uhr;
  uhr.start();
  auto conn = QObject::connect(Form4, &TForm4::Gezeichnet,
                               [&](int m, int) { bilder.push_back({m, uhr.elapsed()}); });
  ASSERT_TRUE(Form4->Start());
  QObject::disconnect(conn);
  // A picture is drawn at its drawing point only when the last one has
  // stood long enough (the run starts on the empty axes); the run's last is
  // always drawn.
  ASSERT_GE(bilder.size(), 1u);
  ASSERT_LE(bilder.size(), drawn.size());
  EXPECT_EQ(bilder.back().first, 12);
  for (size_t i = 1; i + 1 < bilder.size(); ++i)
    EXPECT_GE(bilder[i].second - bilder[i - 1].second, kBildAbstand) << i;
  std::vector<int> perYear(5, 0);
  for (const Drawn& d : drawn) {
    ASSERT_GE(d.jahr, 1);
    // December is drawn at step 8759, while its year is still open.
    ++perYear[d.jahr];
    if (d.jahr == 2) {
      EXPECT_TRUE(d.monat == 2 || d.monat == 7) << d.monat;
    }
  }
  EXPECT_EQ(perYear[1], 12);
  EXPECT_EQ(perYear[2], 2);
  EXPECT_EQ(perYear[3], 12);
  for (int j = 1; j <= 3; ++j) {
    EXPECT_LT(TSinkMinJahr[j], TSinkMaxJahr[j]) << j;
    EXPECT_GT(LaufstundenMonat[MonatsIndex(j, 1)], 0) << j;
  }
  EXPECT_EQ(Jahr, 3);
}

TEST_F(RunWindow, EscapeAnsweredNoGoesOnAndYesStopsWithoutSizing) {
  ScriptedInteraction ui;
  Form1->ELaenge_berechnen->setItemIndex(0);
  Type(Form1->EMinSondentemp, "-20");
  const QString laenge = Form1->ESondenlaenge->text();
  escapeAt = {500, 1000};
  ui.AnswerAsk(kNein);
  ui.AnswerAsk(kJa);
  EXPECT_FALSE(Form4->Start());
  EXPECT_TRUE(Abbruch);
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Abgebrochen);
  EXPECT_EQ(ui.Count("ask", " Berechnung abbrechen? / stop calculation? "), 2);
  EXPECT_EQ(Schrittzaehler, 1000);
  // No sizing step from the partial run: the length stays as typed.
  EXPECT_EQ(Form1->ESondenlaenge->text(), laenge);
  EXPECT_TRUE(ui.AllAnswersUsed());
  Form1->ELaenge_berechnen->setItemIndex(1);
}

TEST_F(RunWindow, AnEscapeKeySentToTheWindowIsSeenByTheRun) {
  ScriptedInteraction ui;
  SetEscapeProbe(nullptr);
  QCoreApplication::postEvent(Form4, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  ui.AnswerAsk(kJa);
  EXPECT_FALSE(Form4->Start());
  EXPECT_TRUE(Abbruch);
  EXPECT_LT(Schrittzaehler, 8760);
  EXPECT_EQ(ui.Count("ask", " Berechnung abbrechen? / stop calculation? "), 1);
}

TEST_F(RunWindow, ConvergenceQuestionAnsweredYesStopsTheWholeCalculation) {
  ScriptedInteraction ui;
  // The module reports no convergence in step 301.
  SetEscapeProbe([] {
    if (Schrittzaehler == 300 && Jahr == 1) Rechenstatus = 2;
    return false;
  });
  ui.AnswerAsk(kJa);
  EXPECT_FALSE(Form4->Start());
  EXPECT_TRUE(Abbruch);
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Abgebrochen);
  EXPECT_EQ(ui.Count("ask", " Keine Konvergenz. Auslegungsmassenstrom, Sondenlaenge und Entzugsleistung "
                            "ueberpruefen. Berechnung abbrechen? "),
            1);
  // The status of step 301 is asked before step 302: the run ended there.
  EXPECT_EQ(Schrittzaehler, 301);
  EXPECT_FALSE(DezemberGezeichnet);

  // Answered No: the status goes back to 1 and the run goes to its end.
  ui.Clear();
  SetEscapeProbe([] {
    if (Schrittzaehler == 300 && Jahr == 1) Rechenstatus = 3;
    return false;
  });
  ui.AnswerAsk(kNein);
  EXPECT_TRUE(Form4->Start());
  EXPECT_EQ(ui.Count("ask", " Zu hohe/tiefe Ruecklauftemperatur. Auslegungsmassenstrom, Sondenlaenge und "
                            "Entzugsleistung ueberpruefen. Berechnung abbrechen? "),
            1);
  EXPECT_TRUE(DezemberGezeichnet);
}

// A load the probe cannot carry: every pass reports no convergence early.
TEST_F(RunWindow, YesToTheConvergenceQuestionEndsTheSizingOnceAndPutsTheLengthBack) {
  ScriptedInteraction ui;
  SetEscapeProbe([] {
    if (Schrittzaehler == 40) Rechenstatus = 3;
    return false;
  });
  Form1->ELaenge_berechnen->setItemIndex(0);
  Laenge_berechnen = true;
  Type(Form1->EMinSondentemp, "5");
  Type(Form1->ESondenlaenge, "150.0");
  Form1->EingabenUebernehmen();
  ui.AnswerAsk(kJa);
  EXPECT_FALSE(Form4->Start());
  EXPECT_EQ(ui.Texts("ask").size(), 1u) << "asked once, not once per sizing pass";
  EXPECT_EQ(Form1->ESondenlaenge->text(), QStringLiteral("150.0"));
  EXPECT_EQ(Sondenlaenge, 150.0);
  // The 40 hours that ran, not the start values of an empty run.
  EXPECT_GT(TSinkMin, -50.0);
  EXPECT_LT(TSinkMax, 50.0);
  EXPECT_LE(TSinkMin, TSinkMax);
  Form1->ELaenge_berechnen->setItemIndex(1);
}

TEST_F(RunWindow, ARunStoppedBeforeItsFirstHourKeepsTheExtremesOfTheLastRun) {
  ScriptedInteraction ui;
  SetEscapeProbe(nullptr);
  ASSERT_TRUE(Form4->Start());
  const double tMin = TSinkMin, tMax = TSinkMax;
  ASSERT_LT(tMin, 100.0);
  SetEscapeProbe([] { return Schrittzaehler == 0; });
  ui.AnswerAsk(kJa);
  EXPECT_FALSE(Form4->Start());
  EXPECT_EQ(Schrittzaehler, 0);
  EXPECT_EQ(TSinkMin, tMin);
  EXPECT_EQ(TSinkMax, tMax);
}

TEST_F(RunWindow, YesInThePreRunEndsTheCalculationCommand) {
  ScriptedInteraction ui;
  SetEscapeProbe([] {
    if (Schrittzaehler == 40) Rechenstatus = 2;
    return false;
  });
  Form1->ELaenge_berechnen->setItemIndex(0);
  Type(Form1->EMinSondentemp, "5");
  Type(Form1->ESondenlaenge, "120.0");
  ui.AnswerAsk(kJa);
  EXPECT_FALSE(Form1->Button14Click());
  EXPECT_EQ(ui.Texts("ask").size(), 1u);
  EXPECT_EQ(Form1->ESondenlaenge->text(), QStringLiteral("120.0"));
  EXPECT_EQ(LastYear, Form1->ELastyear->text().toInt());
  Form1->ELaenge_berechnen->setItemIndex(1);
}

TEST_F(RunWindow, SizingMeetsTheTargetFluidTemperatureWithinTwentyPasses) {
  ScriptedInteraction ui;
  SetEscapeProbe(nullptr);
  // The unsized result first.
  ASSERT_TRUE(Form4->Start());
  const double unsized = TSinkMin;
  const double h0 = Sondenlaenge;
  // A target 1.2 K below it: the probe gets shorter.
  Form1->ELaenge_berechnen->setItemIndex(0);
  Laenge_berechnen = true;  // as the calculation command sets it before the driver
  Type(Form1->EMinSondentemp, FormatFixed(unsized - 1.2, 0, 2).c_str());
  int durchgaenge = 0;
  auto c = QObject::connect(Form1->ESondenlaenge, &QLineEdit::textChanged, [&] { ++durchgaenge; });
  ASSERT_TRUE(Form4->Start());
  QObject::disconnect(c);
  EXPECT_LE(durchgaenge, 20);
  EXPECT_GE(durchgaenge, 2);
  if (!SizingNichtKonvergiert) {
    EXPECT_LT(std::fabs(TSinkMin - MinSondentemp), 0.05);
  }
  EXPECT_LT(Sondenlaenge, h0);
  EXPECT_TRUE(Laenge_berechnen);  // restored to its value at entry
  EXPECT_EQ(Form1->ESondenlaenge->text().toStdString(), FormatFixed(Sondenlaenge, 0, 1));
  Form1->ELaenge_berechnen->setItemIndex(1);
}

TEST(RunSizing, FactorBandsAtTheirEdges) {
  EXPECT_EQ(Laengenfaktor(4.0001), 0.7);
  EXPECT_EQ(Laengenfaktor(4.0), 0.85);
  EXPECT_EQ(Laengenfaktor(2.0), 0.95);
  EXPECT_EQ(Laengenfaktor(1.5), 0.98);
  EXPECT_EQ(Laengenfaktor(0.5), 0.992);
  EXPECT_EQ(Laengenfaktor(0.1), 0.997);
  EXPECT_EQ(Laengenfaktor(0.07), 0.997);
  EXPECT_EQ(Laengenfaktor(0.01), 1.0);
  EXPECT_EQ(Laengenfaktor(0.0), 1.0);
  EXPECT_EQ(Laengenfaktor(-0.01), 1.0);
  EXPECT_EQ(Laengenfaktor(-0.07), 1.003);
  EXPECT_EQ(Laengenfaktor(-0.1), 1.003);
  EXPECT_EQ(Laengenfaktor(-0.1001), 1.01);
  EXPECT_EQ(Laengenfaktor(-0.5), 1.01);
  EXPECT_EQ(Laengenfaktor(-0.5001), 1.02);
  EXPECT_EQ(Laengenfaktor(-1.5), 1.02);
  EXPECT_EQ(Laengenfaktor(-1.5001), 1.05);
  EXPECT_EQ(Laengenfaktor(-2.0), 1.05);
  EXPECT_EQ(Laengenfaktor(-2.0001), 1.15);
  EXPECT_EQ(Laengenfaktor(-4.0), 1.15);
  EXPECT_EQ(Laengenfaktor(-4.0001), 1.3);
  // The temperature scale of the graphs.
  EXPECT_EQ(Temperaturskala(12, -12), 15);
  EXPECT_EQ(Temperaturskala(12.1, 0), 20);
  EXPECT_EQ(Temperaturskala(0, -66), 80);
  EXPECT_EQ(Temperaturskala(81, 0), 100);
  EXPECT_EQ(Temperaturskala(21, -26), 30);
}

TEST_F(RunWindow, FailuresStopTheWholeCalculationAndKeepTheLength) {
  ScriptedInteraction ui;
  Form1->ELaenge_berechnen->setItemIndex(0);
  Type(Form1->EMinSondentemp, "-20");
  const double h0 = Sondenlaenge;
  // An earlier output stays as it was.
  { std::ofstream("Ausgabe_run.qeb") << "earlier\n"; }

  // No weather with the plant simulated.
  Form6->ESystem->setItemIndex(0);
  const double feuchte = Luftfeuchte[1];
  Luftfeuchte[1] = 0.0;
  EXPECT_FALSE(Form4->Start());
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Fehler);
  EXPECT_EQ(ui.Count("warning", " Wetterfile noch nicht eingelesen! "), 1);
  EXPECT_EQ(Sondenlaenge, h0);
  Luftfeuchte[1] = feuchte;
  Form6->ESystem->setItemIndex(1);
  Form4->show();

  // The module refuses the project: its text is shown, nothing is sized.
  ui.Clear();
  Type(Form1->ESondenlaenge, "-5");
  EXPECT_FALSE(Form4->Start());
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Fehler);
  ASSERT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(Sondenlaenge, -5.0);
  std::ifstream in("Ausgabe_run.qeb");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "earlier");
  Form1->ELaenge_berechnen->setItemIndex(1);
}

TEST_F(RunWindow, PicturesOfTheGraphWindowAfterARun) {
  ScriptedInteraction ui;
  SetEscapeProbe(nullptr);
  ASSERT_TRUE(Form4->Start());
  std::filesystem::create_directories("pictures");
  auto save = [](const char* name) {
    ASSERT_TRUE(Form4->Bild.save(QString::fromLatin1("pictures/") + name + ".png"));
  };
  const QImage& b = Form4->Bild;
  ASSERT_EQ(b.width(), 1011);
  ASSERT_EQ(b.height(), 704);
  // The axes: 2 pixels wide along x 0.3 from y 0.1 to 0.9 and along y 0.1.
  auto black = [&](int x, int y) { return qGray(b.pixel(x, y)) < 60; };
  Form4->JanuarClick();
  save("januar_temperatur");
  EXPECT_TRUE(black(Form4->X(0.3), Form4->Y(0.5)));
  EXPECT_TRUE(black(Form4->X(0.6), Form4->Y(0.1)));
  EXPECT_FALSE(black(Form4->X(0.6), Form4->Y(0.1) + 6));
  // The source curve starts at x 0.3 with January's first hour, in red.
  int redRows = 0;
  for (int y = Form4->Y(0.9); y <= Form4->Y(0.1); ++y) {
    const QRgb p = b.pixel(Form4->X(0.3) + 3, y);
    if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) ++redRows;
  }
  EXPECT_GT(redRows, 0);
  Form4->JuliClick();
  save("juli_temperatur");
  Form4->Button1Click();
  EXPECT_TRUE(Form4->Button6->isVisibleTo(Form4));
  save("januar_leistung");
  Form4->Button6Click();
  save("januar_24h");
  Form4->Button2Click();
  EXPECT_FALSE(Form4->Button6->isVisibleTo(Form4));
  Form4->DezemberClick();
  save("dezember_sondenruecklauf");
  Form4->Button4Click();
}


// Pixels of the run's curves (the red source and blue return temperatures)
// in a picture.
int KurvenPixel(const QImage& b) {
  int n = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) {
      const QRgb p = b.pixel(x, y);
      const bool rot = qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
      const bool blau = qBlue(p) > 200 && qRed(p) < 80 && qGreen(p) < 80;
      n += rot || blau;
    }
  return n;
}

// Dark pixels where the graph writes TMin and TMax, left of the axis labels.
int ExtremPixel() {
  const QImage& b = Form4->Bild;
  int n = 0;
  for (int y = Form4->Y(0.64); y <= Form4->Y(0.52); ++y)
    for (int x = Form4->X(0.02); x <= Form4->X(0.2); ++x) n += qGray(b.pixel(x, y)) < 100;
  return n;
}

// A stopped calculation leaves nothing of itself or of an earlier one on
// screen: (a) the convergence question of the pre-run answered Yes after a
// calculation that drew its December; (b) a sizing stopped with the Escape
// key, then "Grafik Simulation" and a month asked for.
TEST(StoppedCalculation, NoWindowShowsCurvesOrExtremesOfTheStoppedRunOrAnEarlierOne) {
  NeuesProjektInDenFenstern();
  ScriptedInteraction ui;
  SetEscapeProbe(nullptr);
  Form3->show();
  Form3->ButtonNeuClick();
  TForm1& f = *Form1;
  TippeUndVerlasse(f.ELastyear, "2");
  TippeUndVerlasse(f.ESondenlaenge, "150");
  if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
  f.Button14->click();
  ASSERT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
  ASSERT_GT(KurvenPixel(Form4->Bild), 100);
  ASSERT_GT(ExtremPixel(), 0);

  // (a) A heat pump of 100,000 kW, sized: the pre-run cannot converge.
  f.ELaenge_berechnen->button(0)->click();
  TippeUndVerlasse(f.EMinSondentemp, "-1.5");
  TippeUndVerlasse(f.EHeizleistung_Vollast, "100000");
  ui.Clear();
  if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
  ui.AnswerAsk(kJa);  // "Keine Konvergenz ... Berechnung abbrechen?"
  f.Button14->click();
  ASSERT_EQ(ui.Texts("ask").back().rfind(" Keine Konvergenz.", 0), 0u) << ui.Texts("ask").back();
  EXPECT_EQ(f.ESondenlaenge->text(), QStringLiteral("150.0"));
  EXPECT_EQ(KurvenPixel(Form4->Bild), 0);
  EXPECT_EQ(ExtremPixel(), 0);
  Form4->Dezember->click();
  EXPECT_EQ(KurvenPixel(Form4->Bild), 0);
  EXPECT_EQ(ExtremPixel(), 0);
  ui.AnswerAsk(kNein);  // "New calculation?"
  f.Result->click();
  EXPECT_EQ(Resultat->ETSinkMin->text(), QString());
  EXPECT_EQ(Resultat->ETSinkMax->text(), QString());
  Resultat->hide();

  // (b) A sizing from 150 m stopped with Escape in its second pass.
  TippeUndVerlasse(f.EHeizleistung_Vollast, "10");
  TippeUndVerlasse(f.EMinSondentemp, "5");
  ui.Clear();
  if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
  ui.AnswerAsk(kJa);  // " Berechnung abbrechen? / stop calculation? "
  bool gedrueckt = false;
  auto c = QObject::connect(f.ESondenlaenge, &QLineEdit::textChanged, [&] {
    if (Hauptlauf && Laenge_berechnen && !gedrueckt) {
      gedrueckt = true;
      QCoreApplication::postEvent(Form4, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }
  });
  f.Button14->click();
  QObject::disconnect(c);
  ASSERT_TRUE(gedrueckt);
  EXPECT_EQ(ui.Count("ask", " Berechnung abbrechen? / stop calculation? "), 1);
  EXPECT_EQ(LetztesLaufergebnis, Laufergebnis::Abgebrochen);
  EXPECT_EQ(f.ESondenlaenge->text(), QStringLiteral("150.0"));
  EXPECT_EQ(KurvenPixel(Form4->Bild), 0);
  f.GrafikSimulationsdauer1->trigger();
  EXPECT_EQ(KurvenPixel(VerlaufBitmap), 0);
  Form9->Form9SchliessenClick();
  EXPECT_EQ(KurvenPixel(Form4->Bild), 0);
  EXPECT_EQ(ExtremPixel(), 0);
  // Nor does the graph's report print the stopped run: no file is asked for.
  Form4->Drucken->click();
  EXPECT_EQ(ui.Count("message", " Die Berechnung ist nicht abgeschlossen: es wird nichts gedruckt.  /  The calculation "
                                "did not finish: nothing is printed. "),
            1);
  EXPECT_TRUE(ui.AllAnswersUsed());
  Form9->hide();
  Form4->hide();
  f.ELaenge_berechnen->setItemIndex(1);
}

}  // namespace
}  // namespace qeb
