// The field editor driven with the mouse: placing, dragging, deleting,
// renumbering and marking boreholes, measuring the scale, the quick start,
// the evaluation view, the grid buttons, "Löschen" and "Ende", which hands
// the field to the project.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <cmath>
#include <utility>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/gfunc_fit.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

void Maus(QEvent::Type t, int x, int y, Qt::MouseButton b, Qt::MouseButtons gehalten) {
  QWidget* w = Feld->Zeichenflaeche;
  QMouseEvent e(t, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), b, gehalten, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
void Klick(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
  Maus(QEvent::MouseButtonPress, x, y, b, b);
  Maus(QEvent::MouseButtonRelease, x, y, b, Qt::NoButton);
}
void Doppelklick(int x, int y) {
  Klick(x, y);
  Maus(QEvent::MouseButtonDblClick, x, y, Qt::LeftButton, Qt::LeftButton);
  Maus(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
}
void Ziehen(int x0, int y0, int x1, int y1, Qt::MouseButton b = Qt::LeftButton) {
  Maus(QEvent::MouseButtonPress, x0, y0, b, b);
  Maus(QEvent::MouseMove, (x0 + x1) / 2, (y0 + y1) / 2, Qt::NoButton, b);
  Maus(QEvent::MouseMove, x1, y1, Qt::NoButton, b);
  Maus(QEvent::MouseButtonRelease, x1, y1, b, Qt::NoButton);
}
QColor Pixel(int x, int y) { return QColor(Feld->Zeichenflaeche->Bild.pixel(x, y)); }

// One support value of the field the way the module's description gives it:
// every borehole starts from the single value and gains B - ln(r / 0.05)
// (at least 0.0023) for every other borehole within 60 m, r = d / H x 100.
double Feldwert(const std::vector<std::pair<double, double>>& p, double gS, double gF, double H) {
  const int N = static_cast<int>(p.size());
  double B = gS + (gF - gS) / 50 * N;
  if (gS > 5.5) B += 0.17;
  double summe = 0;
  for (int i = 0; i < N; ++i) {
    double v = gS;
    for (int j = 0; j < N; ++j) {
      if (j == i) continue;
      const double d = std::hypot(p[i].first - p[j].first, p[i].second - p[j].second);
      if (d > 60) continue;
      const double t = B - std::log(d / H * 100 / 0.05);
      v += t > 0.0023 ? t : 0.0023;
    }
    summe += v;
  }
  return summe / N;
}

class Feldeditor : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form1->ESondenlaenge->setText(QStringLiteral("100.0"));
    Form1->EingabenUebernehmen();
    FeldeditorInitialisieren();
    ProjektfeldGeladen = false;
    Zaehler = 0;
    for (int i = 1; i <= kMaxSonden; ++i) {
      SondeX[i] = SondeY[i] = Sondenbelastung[i] = 0;
      Nachbarsonde[i] = false;
    }
    Sondengrafik = false;
    ASSERT_DOUBLE_EQ(Multiplikator, 0.05);
    Form1->Sondenfeld1Click();
    ASSERT_TRUE(Feld->isVisible());
  }
  void TearDown() override { Feld->hide(); }
  ScriptedInteraction ui;
};

TEST_F(Feldeditor, ClicksPlaceBoreholesAtTheirMetricPositionsWithLabelsBelow) {
  EXPECT_TRUE(Feld->isMaximized());
  EXPECT_EQ(Feld->Zeichenflaeche->parentWidget(), Feld);
  EXPECT_EQ(Feld->Zeichenflaeche->mapTo(Feld, QPoint(0, 0)), QPoint(0, 0));
  Klick(200, 100);
  Klick(400, 100, Qt::RightButton);  // any button places on empty ground
  ASSERT_EQ(Zaehler, 2);
  EXPECT_DOUBLE_EQ(SondeX[1], 10.0);
  EXPECT_DOUBLE_EQ(SondeY[1], 5.0);
  EXPECT_DOUBLE_EQ(SondeX[2], 20.0);
  EXPECT_TRUE(Sondengrafik);
  // A click near a borehole selects it instead of placing one.
  Klick(203, 102);
  EXPECT_EQ(Zaehler, 2);
  EXPECT_EQ(AktiveSonde, 1);
  EXPECT_FALSE(NeueSonde);
  // Within 0.4 m (8 px) of a borehole outside its 7 px circle still hits.
  EXPECT_EQ(Feld->Treffer(207, 107), 1);
  EXPECT_EQ(Feld->Treffer(209, 100), 0);
  // The marker is red, its label hangs below it on white.
  EXPECT_EQ(Pixel(200, 100), QColor(255, 0, 0));
  EXPECT_EQ(Pixel(198, 98), QColor(255, 0, 0));
  EXPECT_EQ(Pixel(200, 105), QColor(255, 0, 0));  // the label does not cover the marker's lower edge
  EXPECT_EQ(Pixel(181, 105), QColor(Qt::white));
  EXPECT_NE(Pixel(181, 103), QColor(Qt::white));
}

TEST_F(Feldeditor, DragMovesDeleteRemovesAndHitRegionsFollow) {
  for (int k = 1; k <= 5; ++k) Klick(100 * k, 100);
  for (int k = 1; k <= 5; ++k) Sondenbelastung[k] = k * 10.0;
  Nachbarsonde[4] = true;
  // Drag borehole 1 to (15 m, 10 m).
  Ziehen(100, 100, 300, 200);
  EXPECT_DOUBLE_EQ(SondeX[1], 15.0);
  EXPECT_DOUBLE_EQ(SondeY[1], 10.0);
  EXPECT_EQ(Feld->Treffer(100, 100), 0);  // nothing left where it was
  EXPECT_EQ(Feld->Treffer(300, 200), 1);
  // Right press and move on borehole 3 deletes it, and only it.
  Ziehen(300, 100, 320, 140, Qt::RightButton);
  ASSERT_EQ(Zaehler, 4);
  EXPECT_DOUBLE_EQ(SondeX[3], 20.0);
  EXPECT_DOUBLE_EQ(Sondenbelastung[3], 40.0);
  EXPECT_TRUE(Nachbarsonde[3]);
  EXPECT_DOUBLE_EQ(SondeX[4], 25.0);
  EXPECT_DOUBLE_EQ(Sondenbelastung[4], 50.0);
  EXPECT_FALSE(Nachbarsonde[4]);
  EXPECT_EQ(SondeX[5], 0.0);
  EXPECT_FALSE(Nachbarsonde[5]);
  // After the zoom the hit test follows the boreholes' new pixels.
  Feld->Button2Click();
  EXPECT_DOUBLE_EQ(Multiplikator, 0.075);
  EXPECT_EQ(Feld->Treffer(400, 100), 0);
  EXPECT_EQ(Feld->Treffer(RoundToInt(20.0 / 0.075), RoundToInt(5.0 / 0.075)), 3);
  Feld->Button3Click();
  EXPECT_NEAR(Multiplikator, 0.05, 1e-15);
}

TEST_F(Feldeditor, DoubleClickMakesNeighboursAndActsOnlyOnWhatItHits) {
  Klick(200, 200);
  Klick(400, 200);
  Feld->NachbarClick();
  EXPECT_TRUE(Nachbarmodus);
  EXPECT_TRUE(Feld->Nachbar->isHidden());
  EXPECT_FALSE(Feld->Nachbar1->isHidden());
  Doppelklick(200, 200);
  EXPECT_TRUE(Nachbarsonde[1]);
  EXPECT_EQ(Zaehler, 2);
  Klick(600, 200);  // placed in neighbour mode
  EXPECT_TRUE(Nachbarsonde[3]);
  Feld->Nachbar1Click();
  EXPECT_FALSE(Nachbarmodus);
  Doppelklick(200, 200);
  EXPECT_FALSE(Nachbarsonde[1]);
  // A double-click on empty ground leaves the borehole hit before alone.
  Klick(600, 200);
  ASSERT_EQ(AktiveSonde, 3);
  Feld->FormMouseDown(Qt::LeftButton, Qt::LeftButton, 50, 500, true);
  EXPECT_TRUE(Nachbarsonde[3]);
}

TEST_F(Feldeditor, RenumberingSwapsWithThePreviousAndBlocksTheDrag) {
  for (int k = 1; k <= 3; ++k) Klick(100 * k, 100);
  Sondenbelastung[3] = 7.0;
  ProjektfeldGeladen = true;
  Feld->Button31Click();
  ASSERT_TRUE(Nummernmodus);
  EXPECT_FALSE(Feld->Button5->isHidden());
  // Double-click on borehole 3: it becomes 2.
  Maus(QEvent::MouseButtonDblClick, 300, 100, Qt::LeftButton, Qt::LeftButton);
  EXPECT_TRUE(NrGetauscht);
  EXPECT_DOUBLE_EQ(SondeX[2], 15.0);
  EXPECT_DOUBLE_EQ(Sondenbelastung[2], 7.0);
  EXPECT_DOUBLE_EQ(SondeX[3], 10.0);
  Maus(QEvent::MouseMove, 500, 300, Qt::NoButton, Qt::LeftButton);  // the drag does nothing
  EXPECT_DOUBLE_EQ(SondeX[2], 15.0);
  Maus(QEvent::MouseButtonRelease, 500, 300, Qt::LeftButton, Qt::NoButton);
  // Borehole 1 stays 1; a double-click that hits nothing swaps nothing.
  Maus(QEvent::MouseButtonDblClick, 100, 100, Qt::LeftButton, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(SondeX[1], 5.0);
  AktiveSonde = 3;
  Feld->FormMouseDown(Qt::LeftButton, Qt::LeftButton, 700, 400, true);
  EXPECT_DOUBLE_EQ(SondeX[3], 10.0);
  EXPECT_EQ(SondeX[4], 700 * 0.05);  // the click then placed one as usual
}

TEST_F(Feldeditor, MeasuringSetsTheScaleOnlyFromTwoDistinctPoints) {
  Feld->MessenClick();
  EXPECT_EQ(Feld->EDistanz->text(), QStringLiteral("10.000"));
  Feld->EDistanz->setText(QStringLiteral("25"));
  Klick(100, 100);
  Klick(500, 100);  // 20 m at 0.05 m per pixel
  EXPECT_DOUBLE_EQ(Messdistanz, 20.0);
  EXPECT_DOUBLE_EQ(Multiplikator, 0.0625);
  Klick(10, 10);
  EXPECT_FALSE(Messmodus);
  EXPECT_TRUE(Feld->EDistanz->isHidden());
  EXPECT_EQ(Zaehler, 0);
  // The same point twice: no scale of infinity, the scale stays.
  Feld->MessenClick();
  Klick(100, 100);
  Klick(100, 100);
  EXPECT_DOUBLE_EQ(Multiplikator, 0.0625);
  EXPECT_TRUE(std::isfinite(Multiplikator));
  Klick(10, 10);
  // A typed text that is no number leaves it too.
  Feld->MessenClick();
  Feld->EDistanz->setText(QStringLiteral("abc"));
  Klick(100, 100);
  Klick(300, 100);
  EXPECT_DOUBLE_EQ(Multiplikator, 0.0625);
  Klick(10, 10);
}

TEST_F(Feldeditor, ScaleThatIsNoPositiveNumberFallsBackToTheDefault) {
  for (double m : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
    Multiplikator = m;
    Klick(200, 100);
    EXPECT_DOUBLE_EQ(Multiplikator, kStandardMassstab) << m;
    EXPECT_DOUBLE_EQ(SondeX[Zaehler], 10.0) << m;
  }
  // Zooming far in or out stays drawable and finite.
  for (int k = 0; k < 40; ++k) Feld->Button3Click();
  EXPECT_TRUE(Multiplikator > 0 && std::isfinite(Multiplikator));
  for (int k = 0; k < 45; ++k) Feld->Button2Click();
  EXPECT_TRUE(Multiplikator > 0 && std::isfinite(Multiplikator));
  // A count beyond the tables is cut back before the editor touches them.
  Zaehler = 700;
  Feld->Button2Click();
  EXPECT_EQ(Zaehler, kMaxSonden);
}

TEST_F(Feldeditor, QuickStartMeasuresWithTheNextThreeClicksThenPlaces) {
  Klick(300, 300, Qt::MiddleButton);
  EXPECT_EQ(Zaehler, 0);
  EXPECT_TRUE(Messmodus);
  EXPECT_TRUE(mitPlan);
  EXPECT_FALSE(Feld->EDistanz->isHidden());
  Feld->EDistanz->setText(QStringLiteral("5"));
  Klick(100, 100);
  Klick(300, 100);  // 10 m measured, 5 m typed
  EXPECT_DOUBLE_EQ(Multiplikator, 0.025);
  Klick(10, 10);
  EXPECT_FALSE(Messmodus);
  EXPECT_EQ(Zaehler, 0);
  EXPECT_FALSE(Feld->Plankl->isHidden());
  Klick(400, 200);
  ASSERT_EQ(Zaehler, 1);
  EXPECT_DOUBLE_EQ(SondeX[1], 10.0);
  mitPlan = false;
}

TEST_F(Feldeditor, TheSixHundredthBoreholeIsTheLast) {
  Zaehler = 599;
  for (int i = 1; i <= 599; ++i) {
    SondeX[i] = 1000.0 + i;
    SondeY[i] = 1000.0;
  }
  Klick(100, 100);
  EXPECT_EQ(Zaehler, 600);
  Klick(300, 100);
  EXPECT_EQ(Zaehler, 600);
  EXPECT_TRUE(ui.Texts("message").empty());
}

TEST_F(Feldeditor, DeleteAllAsksAndClearsTheWholeField) {
  for (int k = 1; k <= 3; ++k) Klick(100 * k, 100);
  Nachbarsonde[2] = true;
  Sondenbelastung[3] = 5.0;
  Zaehler = 150;  // slots beyond 100 too
  SondeX[150] = 3.0;
  Nachbarsonde[150] = true;
  ui.AnswerAsk(kNein);
  Feld->NeuClick();
  EXPECT_EQ(Zaehler, 150);
  ui.AnswerAsk(kJa);
  Feld->NeuClick();
  EXPECT_EQ(ui.Count("ask", " Delete all? "), 2);
  EXPECT_EQ(Zaehler, 0);
  EXPECT_FALSE(Sondengrafik);
  EXPECT_EQ(SondeX[150], 0.0);
  EXPECT_FALSE(Nachbarsonde[150]);
  EXPECT_FALSE(Nachbarsonde[2]);
  EXPECT_EQ(Sondenbelastung[3], 0.0);
}

TEST_F(Feldeditor, ContourLineReferenceAndSitePoint) {
  Feld->Wasser1Click();
  Feld->EHoehe1->setText(QStringLiteral("412.5"));
  Klick(100, 100);
  Klick(500, 300);
  Klick(10, 10);
  EXPECT_DOUBLE_EQ(x1Isohypse1, 5.0);
  EXPECT_DOUBLE_EQ(y2Isohypse1, 15.0);
  EXPECT_DOUBLE_EQ(Isohypse1, 412.5);
  EXPECT_FALSE(Isohypse1Eingabe);
  EXPECT_EQ(Zaehler, 0);
  // Reference point (10 m, 10 m) at national (2600000, 1200000).
  Feld->KoordinatenClick();
  Feld->Ex_CH_Koord->setText(QStringLiteral("2600000"));
  Feld->Ey_CH_Koord->setText(QStringLiteral("1200000"));
  Klick(200, 200);
  EXPECT_DOUBLE_EQ(x_Ref, 10.0);
  EXPECT_DOUBLE_EQ(x_CH_Koord, 2600000.0);
  // The site 30 m east and 20 m south (plan y down) of it: national y falls.
  Feld->StaoClick();
  Klick(800, 600);
  EXPECT_DOUBLE_EQ(x_Stao_CH, 2600030.0);
  EXPECT_DOUBLE_EQ(y_Stao_CH, 1199980.0);
  EXPECT_TRUE(StaoGesetzt);
  EXPECT_EQ(Zaehler, 0);
  x_Ref = y_Ref = x_Stao = y_Stao = 0;
}

TEST_F(Feldeditor, GridButtonsSetMarkersAndHitTest) {
  Klick(200, 200);
  Feld->Button13Click();
  EXPECT_EQ(Gitterweite, 20);
  EXPECT_TRUE(KompaktModus);
  EXPECT_EQ(Markergroesse, 3);
  EXPECT_FALSE(Feld->Button25->isHidden());
  EXPECT_TRUE(Feld->Button24->isHidden());
  // The hit test reaches 4 m now.
  EXPECT_EQ(Feld->Treffer(200 + 70, 200), 1);
  EXPECT_EQ(Feld->Treffer(200 + 81, 200), 0);
  Feld->Button16Click();
  EXPECT_FALSE(KompaktModus);
  EXPECT_EQ(Markergroesse, 6);
  EXPECT_TRUE(Feld->Button25->isHidden());
  const bool s = Schrittgitter;
  Feld->Button16Click();
  EXPECT_NE(Schrittgitter, s);
}

TEST_F(Feldeditor, OneBoreholeIsNotColouredAndTheYearEditTakesEnter) {
  Klick(200, 200);
  Feld->Button4Click();
  EXPECT_EQ(Pixel(200, 200), QColor(255, 0, 0));
  EXPECT_EQ(Pixel(200 + 14, 200 + 14), Pixel(200 + 30, 200 + 14));  // no coloured ring
  Feld->Year_of_graphClick();
  EXPECT_FALSE(Feld->EYear_Grafik->isHidden());
  EXPECT_EQ(Feld->EYear_Grafik->text(), QStringLiteral("50"));
  Feld->EYear_Grafik->setText(QStringLiteral("25"));
  Feld->EYear_GrafikKeyPress(13);
  EXPECT_EQ(JahrGrafik, 25);
  EXPECT_TRUE(Feld->EYear_Grafik->isHidden());
  Feld->Year_of_graphClick();
  Feld->EYear_Grafik->setText(QStringLiteral("0"));
  Feld->EYear_GrafikKeyPress(13);
  EXPECT_EQ(JahrGrafik, 50);
}

TEST_F(Feldeditor, EvaluationCountsLikeTheHandOverAndColoursOwnBoreholes) {
  // An empty field leaves the project's borehole count alone.
  AnzahlSonden = 3;
  Feld->Button4Click();
  EXPECT_EQ(AnzahlSonden, 3);
  // A row of four at 6 m and a neighbour.
  for (int k = 0; k < 4; ++k) Klick(200 + 120 * k, 200);
  Feld->NachbarClick();
  Klick(200, 440);
  Feld->Nachbar1Click();
  Feld->Button4Click();
  EXPECT_EQ(AnzahlSonden, 4);
  EXPECT_EQ(Anz_Nachbarsonden, 1);
  EXPECT_EQ(gfuntyp, 43);
  EXPECT_LT(FeldGMin, FeldGMax);
  EXPECT_TRUE(std::isfinite(FeldGMin));
  // Inner boreholes see more of the field: redder than the ends.
  const QColor ende = Pixel(200 + 14, 200), mitte = Pixel(320 + 14, 200);
  EXPECT_EQ(ende.green(), 0);
  EXPECT_EQ(ende.red() + ende.blue(), 255);
  EXPECT_GT(mitte.red(), ende.red());
  // The neighbour is drawn yellow, uncoloured.
  EXPECT_EQ(Pixel(200, 440), QColor(255, 255, 0));
}

TEST_F(Feldeditor, ColourIndexIsClampedAndANonFiniteValueLeftUncoloured) {
  for (int k = 0; k < 3; ++k) Klick(200 + 120 * k, 200);
  // After one year every value lies below the 50-year range: index 0, blue.
  Auswertejahre = 1;
  Feld->Button4Click();
  const int T = Trefferradius;
  for (int k = 0; k < 3; ++k) {
    EXPECT_LT(gFeld5[k + 1], FeldGMin);
    EXPECT_EQ(Pixel(200 + 120 * k + T + 2, 200), QColor(0, 0, 255)) << k;
    EXPECT_EQ(Pixel(200 + 120 * k + 2 * T + 2, 200), QColor(0, 0, 255)) << k;
  }
  // No years at all: no finite value, no colour; the marker stays red.
  Auswertejahre = 0;
  Feld->Button4Click();
  for (int k = 0; k < 3; ++k) {
    EXPECT_FALSE(std::isfinite(gFeld5[k + 1]));
    EXPECT_EQ(Pixel(200 + 120 * k, 200), QColor(255, 0, 0));
    EXPECT_NE(Pixel(200 + 120 * k + T + 2, 200 + 3).blue(), 255 - Pixel(200 + 120 * k + T + 2, 200 + 3).red());
  }
  Auswertejahre = 50;
}

TEST_F(Feldeditor, EndHandsTwoAndThreeBoreholesToTheProject) {
  for (int n : {2, 3}) {
    Zaehler = 0;
    std::vector<std::pair<double, double>> p;
    for (int k = 0; k < n; ++k) {
      Klick(200 + 200 * k, 200);  // 10 m apart
      p.push_back({10.0 + 10.0 * k, 10.0});
    }
    Feld->Button1Click();
    EXPECT_FALSE(Feld->isVisible());
    EXPECT_EQ(AnzahlSonden, n);
    EXPECT_EQ(Anz_Nachbarsonden, 0);
    EXPECT_EQ(gfuntyp, 43);
    EXPECT_EQ(Sondenauswahl, 43);
    EXPECT_EQ(Form1->CWahlgfunction->currentIndex(), 43);
    const double gs[5] = {4.82, 5.69, 6.29, 6.57, 6.6}, gf[5] = {4.95, 5.94, 6.53, 6.77, 6.79};
    const double g[5] = {g1, g2, g3, g4, g5};
    QLineEdit* e[5] = {Form1->Eg1, Form1->Eg2, Form1->Eg3, Form1->Eg4, Form1->Eg5};
    for (int k = 0; k < 5; ++k) {
      EXPECT_NEAR(g[k], Feldwert(p, gs[k], gf[k], 100.0), 1e-12) << n << " " << k;
      EXPECT_EQ(e[k]->text(), FixedText(g[k], 3));
    }
    EXPECT_DOUBLE_EQ(g_Sondenabstand, Sondenabstand);
    EXPECT_TRUE(Form1->ESondenabstand->isHidden());
    EXPECT_FALSE(Form1->ESondengrafik->isHidden());
    EXPECT_TRUE(Form1->ZoomSondenfeld1->isVisible());
    Form1->Sondenfeld1Click();
  }
  // And the project calculates that field.
  Feld->Button1Click();
  Form1->ELastyear->setText(QStringLiteral("1"));
  Form1->ELaenge_berechnen->setItemIndex(1);
  Form1->ELaenge_im_Feld->setItemIndex(1);
  if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
  int schritte = 0;
  SetEscapeProbe([&] {
    ++schritte;
    return false;
  });
  EXPECT_TRUE(Form1->Button14Click());
  SetEscapeProbe(nullptr);
  EXPECT_GE(schritte, 8760);
  EXPECT_TRUE(ui.Texts("message").empty()) << ui.Texts("message").front();
  EXPECT_EQ(AnzahlSonden, 3);
  EXPECT_EQ(gfuntyp, 43);
}

TEST_F(Feldeditor, EndWithNeighboursOnlyOrNoBoreholeKeepsTheGValues) {
  g1 = 4.5, g2 = 5.5, g3 = 6.5, g4 = 7.5, g5 = 8.5;
  Sondenabstand = 7.0;
  g_Sondenabstand = 3.0;
  Form1->EingabenAnzeigen();
  Feld->NachbarClick();
  Klick(200, 200);
  Klick(400, 200);
  Feld->Nachbar1Click();
  // "zeigen" before "Ende" does not overwrite them either.
  Feld->Button4Click();
  EXPECT_EQ(g1, 4.5);
  Feld->Button1Click();
  EXPECT_EQ(AnzahlSonden, 1);
  EXPECT_EQ(Anz_Nachbarsonden, 1);
  EXPECT_EQ(gfuntyp, 43);
  EXPECT_EQ(g1, 4.5);
  EXPECT_EQ(g5, 8.5);
  EXPECT_EQ(g_Sondenabstand, 3.0);
  // Boreholes of a field that is switched off keep them too.
  Nachbarsonde[1] = Nachbarsonde[2] = false;
  Sondengrafik = false;
  Feld->Button1Click();
  EXPECT_EQ(gfuntyp, 43);
  EXPECT_EQ(AnzahlSonden, 2);
  EXPECT_EQ(g1, 4.5);
  EXPECT_EQ(g_Sondenabstand, 3.0);
  // An empty field makes the project a single borehole.
  Zaehler = 0;
  Feld->Button1Click();
  EXPECT_EQ(gfuntyp, 1);
  EXPECT_EQ(AnzahlSonden, 1);
  EXPECT_FALSE(Sondengrafik);
  EXPECT_EQ(Form1->ESondengrafik->itemIndex(), 1);
  EXPECT_EQ(Form1->CWahlgfunction->currentIndex(), 1);
  EXPECT_EQ(g1, 4.5);
}

TEST_F(Feldeditor, AModuleRefusalIsShownOnceAndLeavesThePicture) {
  Klick(200, 200);
  Klick(400, 200);
  const QImage vorher = Feld->Zeichenflaeche->Bild.copy();
  Form1->ESondenlaenge->setText(QStringLiteral("0"));
  Form1->EingabenUebernehmen();
  Feld->Button4Click();
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_EQ(Feld->Zeichenflaeche->Bild, vorher);
  Form1->ESondenlaenge->setText(QStringLiteral("100.0"));
  Form1->EingabenUebernehmen();
}

}  // namespace
}  // namespace qeb
