// The results summary: the SIA 384/6 class and verdict, the summary after a
// 50-year calculation through the windows, its guarded divisions, its rows
// by the project's options, its automatic calculation and its size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cmath>
#include <cstdlib>
#include <string>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "results/Sia.h"
#include "shell/QEB.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

// ---- SIA 384/6 ----

// A load profile whose yearly ground extraction E is 10000 kWh (COP 2 halves
// 20000 kWh), rated at T = TSinkMin (no evaporator spread).
void SiaProjekt(double tSinkMin, double qHeiz, double qKuehl) {
  Lastprofil2 = true;
  Lasteinlesen = false;
  Aufteilung = false;
  TageVollast = 5;
  LastYear = 50;
  COP_Heizlast = 2.0;
  COP_Volllast = 3.0;
  COP_WW = 3.0;
  Jahresheizlast = 20000.0;
  Heizbandlast = 0.0;
  Heizleistung_Vollast = 0.0;
  HeizlastWW = 0.0;
  DeltaVerdampfer = 0.0;
  TSinkMin = tSinkMin;
  QHeizSumme = qHeiz;
  QKuehlSumme = qKuehl;
}
std::string Klasse(double* f = nullptr) {
  std::string k;
  const double v = SiaAnforderungsklasse(k);
  if (f != nullptr) *f = v;
  return k;
}
int Erfuellt(int klasse, int jahre = 50) {
  return SiaAnforderungErfuellt(klasse, jahre, 0, true, TSinkMin, 0, 0, 0, DeltaVerdampfer);
}

TEST(Sia, ClassAndComplianceByBalanceRatioAndRatedTemperature) {
  double f = -1;
  // f_BHE = 0: nothing put back (-0.05 kWh is no injection).
  SiaProjekt(-1.0, 9000.0, -0.05);
  EXPECT_EQ(Klasse(&f), "R1");
  EXPECT_EQ(f, 0.0);
  SiaProjekt(0.0, 9000.0, -0.05);
  EXPECT_EQ(Klasse(), "R2");
  SiaProjekt(2.0, 9000.0, -0.05);
  EXPECT_EQ(Klasse(), "R3");
  SiaProjekt(1.43, 9000.0, -0.05);
  EXPECT_EQ(Erfuellt(3), 0);
  SiaProjekt(1.44, 9000.0, -0.05);
  EXPECT_EQ(Erfuellt(3), 1);
  // Half the evaporator spread counts: -2 + 4/2 = 0.
  SiaProjekt(-2.0, 9000.0, -0.05);
  DeltaVerdampfer = 4.0;
  EXPECT_EQ(Klasse(), "R2");

  // f_BHE = (10000 - 6000 + 1000) / 10000 = 0.5 at T = 0.
  SiaProjekt(0.0, 6000.0, -1000.0);
  EXPECT_EQ(Klasse(&f), "R3");
  EXPECT_DOUBLE_EQ(f, 0.5);
  EXPECT_EQ(Erfuellt(3), 1);
  EXPECT_EQ(Erfuellt(4), 0);
  // f_BHE = 0.7 at T = -1.2: R2, yet class 2 asks -1.06.
  SiaProjekt(-1.2, 4000.0, -1000.0);
  EXPECT_EQ(Klasse(&f), "R2");
  EXPECT_DOUBLE_EQ(f, 0.7);
  EXPECT_EQ(Erfuellt(2), 0);
  EXPECT_EQ(Erfuellt(1), 1);
  EXPECT_EQ(Erfuellt(7), 1);  // any other number is class 1
  // f_BHE above 0.799 reaches R4 from -1.56.
  SiaProjekt(-1.5, 0.0, -1000.0);
  EXPECT_EQ(Klasse(), "R4");

  // 49 years: no class, never met.
  SiaProjekt(10.0, 6000.0, -1000.0);
  LastYear = 49;
  EXPECT_EQ(Klasse(), "");
  EXPECT_EQ(Erfuellt(1, 49), 0);
  // No full-load days: no class; without a load profile the peak days count.
  SiaProjekt(10.0, 6000.0, -1000.0);
  TageVollast = 0;
  EXPECT_EQ(Klasse(), "");
  EXPECT_EQ(SiaAnforderungErfuellt(1, 50, 0, false, 10.0, 0, 0, 0, 0), 0);
  EXPECT_EQ(SiaAnforderungErfuellt(1, 50, 3, false, 10.0, 0, 0, 0, 0), 1);
  // Read-in loads have no ratio; a COP of 0 becomes 1 in the shared state.
  SiaProjekt(0.0, 6000.0, -1000.0);
  Lasteinlesen = true;
  Klasse(&f);
  EXPECT_EQ(f, 0.0);
  SiaProjekt(0.0, 6000.0, -1000.0);
  COP_WW = 0.0;
  Klasse();
  EXPECT_EQ(COP_WW, 1.0);
}

// ---- the window ----

int g_laeufe = 0;
bool KeinErgebnis() {  // a calculation that fails: nothing computed
  ++g_laeufe;
  return false;
}
bool Fuenfzig() {  // the calculation through the graph window's run driver
  ++g_laeufe;
  return Form4->Start();
}

class ResultWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Hauptlauf = true;
    Outputfile = "Ausgabe_result.qeb";
    g_laeufe = 0;
    QHeizSumme = 0.0;
    QKuehlSumme = 0.0;
  }
  void TearDown() override {
    SetBerechnung(nullptr);
    Resultat->hide();
    Form4->hide();
  }
  static QString T(QLineEdit* e) { return e->text(); }
  static bool Shown(QWidget* w) { return !w->isHidden(); }
};

TEST_F(ResultWindow, ShowingWithoutResultsCalculatesOnceEvenWhenTheCalculationFails) {
  ScriptedInteraction ui;
  SetBerechnung(&KeinErgebnis);
  Resultat->show();
  EXPECT_EQ(g_laeufe, 1);
  EXPECT_TRUE(Resultat->isVisible());
  EXPECT_FALSE(Form4->isVisible());  // closed after the automatic calculation
  Resultat->aktuell();                // a refill while shown starts nothing
  EXPECT_EQ(g_laeufe, 1);
  // Shown again: one more.
  Resultat->hide();
  Resultat->show();
  EXPECT_EQ(g_laeufe, 2);
  // With results there is nothing to calculate.
  Resultat->hide();
  QHeizSumme = 1.0;
  Resultat->show();
  EXPECT_EQ(g_laeufe, 2);
  EXPECT_TRUE(ui.Shown_().empty());
}

TEST_F(ResultWindow, GuardedDivisionsAndRowsByTheProjectsOptions) {
  ScriptedInteraction ui;
  SetBerechnung(&KeinErgebnis);
  QHeizSumme = 5000.0;
  QKuehlSumme = -100.0;
  AnzahlSonden = 0;
  Sondenlaenge = 0.0;
  WP = false;
  Lastprofil2 = false;
  Systemsimulation = true;
  MaxQ = true;
  Freecooling = false;
  solar = true;
  Kollektor = 0.0;
  Neigung = 44.9;
  mitRueckkuehler = false;
  Anforderung = 5;
  LastYear = 49;
  for (double& q : QStunde) q = 0.0;  // no heat-pump hours: no electricity
  SummeVerdichterarbeit = 0.0;
  KuehlbedarfSumme = 0.0;
  Resultat->aktuell();
  EXPECT_EQ(g_laeufe, 0);
  EXPECT_EQ(T(Resultat->EBelastung), "0.0");
  EXPECT_EQ(T(Resultat->ECOPmittel), "0.00");
  EXPECT_EQ(T(Resultat->EJAZ), "0.00");
  EXPECT_EQ(T(Resultat->EDeckungsbeitrag), "0.0");
  EXPECT_EQ(T(Resultat->EQKollspez), "0");
  EXPECT_EQ(COPmittel, 0.0);
  EXPECT_EQ(JAZ, 0.0);
  EXPECT_EQ(T(Resultat->ESondenabstand), "");  // no field: no spacing
  // WP off: the heat-pump edits are empty, the electricity is shown.
  EXPECT_EQ(T(Resultat->ECOP_5), "");
  EXPECT_EQ(T(Resultat->ESondenpumpe), "");
  EXPECT_EQ(T(Resultat->EQStrom), "0");
  // Tilt 44.9: orientation rows hidden, the other solar rows stay.
  EXPECT_FALSE(Shown(Resultat->EAzimut));
  EXPECT_FALSE(Shown(Resultat->L_ENeigung));
  EXPECT_TRUE(Shown(Resultat->EQKoll));
  EXPECT_FALSE(Shown(Resultat->EQWT));
  // 49 years: no SIA row at all.
  for (QWidget* w : {static_cast<QWidget*>(Resultat->LSIA384_6), static_cast<QWidget*>(Resultat->EAnforderung),
                     static_cast<QWidget*>(Resultat->ER1_4), static_cast<QWidget*>(Resultat->ESIA384_6_ja),
                     static_cast<QWidget*>(Resultat->ESIA384_6_nein), static_cast<QWidget*>(Resultat->EReg)})
    EXPECT_FALSE(Shown(w)) << w->objectName().toStdString();
  // 50 years: the question and the required class; 5 is class 1.
  LastYear = 50;
  Resultat->aktuell();
  EXPECT_TRUE(Shown(Resultat->LSIA384_6));
  EXPECT_EQ(Resultat->EAnforderung->text(), "(R1)");
  EXPECT_NE(Shown(Resultat->ESIA384_6_ja), Shown(Resultat->ESIA384_6_nein));

  // A heat pump at a fixed COP of 4: electricity a third of the extraction.
  Systemsimulation = false;
  WP = true;
  COP_5 = COP_0 = COP5 = COP10 = COP15 = 4.0;
  Sondenpumpe = 500.0;
  SchritteProJahr = 8760;
  Zeitschritt = 60;
  for (int h = 1; h <= 8760; ++h) QStunde[h] = h <= 3000 ? 3.0 : 0.0;
  QHeizSumme = 9000.0;
  AnzahlSonden = 2;
  Sondenlaenge = 100.0;
  Sondenabstand = 7.5;
  Sondengrafik = false;
  Resultat->aktuell();
  EXPECT_EQ(T(Resultat->EQStrom), "3000");           // 9000 kWh / (4 - 1)
  EXPECT_EQ(T(Resultat->EStromSondenpumpe), "1500");  // 0.5 kW x 3000 h
  EXPECT_EQ(T(Resultat->ECOPmittel), "4.00");
  EXPECT_EQ(T(Resultat->EJAZ), "3.00");  // 9000 / 4500 + 1
  EXPECT_EQ(T(Resultat->ECOP10), "4.00");
  EXPECT_EQ(T(Resultat->ESondenabstand), "7.5");
  Sondengrafik = true;  // a field from the field editor has no single spacing
  Resultat->aktuell();
  EXPECT_EQ(T(Resultat->ESondenabstand), "");
  EXPECT_TRUE(ui.Shown_().empty());
}

TEST_F(ResultWindow, FiftyYearLoadProfileThroughTheWindowsMatchesTheSharedState) {
  ScriptedInteraction ui;
  auto type = [](QLineEdit* e, const char* t) { e->setText(QString::fromUtf8(t)); };
  Form1->Lastprofil2erzeugen->setItemIndex(0);
  type(Form1->ELastyear, "50");
  type(Form1->EJahresheizlast, "40000");
  type(Form1->EHeizlastWW, "5000");
  type(Form1->EJahresKuehllast, "8000");
  type(Form1->EHeizleistung_Vollast, "20");
  type(Form1->EHeizleistung_Teillast, "15");
  type(Form1->EHeizleistung_WW, "10");
  type(Form1->ECOP_Volllast, "3.5");
  type(Form1->ECOP_Heizlast, "4");
  type(Form1->ETageVollast, "3");
  type(Form1->EKuehlleistung, "10");
  type(Form1->EEER_Kuehllast, "4");
  type(Form1->ESondenlaenge, "150");
  type(Form1->EAnzahlSonden, "2");
  Form1->EingabenUebernehmen();
  ASSERT_TRUE(Lastprofil2);
  ASSERT_EQ(LastYear, 50);
  Anforderung = 2;

  SetBerechnung(&Fuenfzig);
  Resultat->show();  // no results yet: it calculates
  ASSERT_EQ(g_laeufe, 1);
  ASSERT_EQ(LetztesLaufergebnis, Laufergebnis::Fertig);
  ASSERT_GT(QHeizSumme, 0.0);
  ASSERT_LT(QKuehlSumme, 0.0);

  auto num = [](QLineEdit* e) { return e->text().toDouble(); };
  // Energies and temperatures of the last year, as the module left them.
  EXPECT_NEAR(num(Resultat->ESummeQHeiz), QHeizSumme, 0.5);
  // Heat put into the probes, shown as the amount its caption names.
  EXPECT_NEAR(num(Resultat->ESummeQKuehl), -QKuehlSumme, 0.5);
  EXPECT_NEAR(num(Resultat->ETSinkMin), TSinkMin, 0.05);
  EXPECT_NEAR(num(Resultat->ETSinkMax), TSinkMax, 0.05);
  EXPECT_EQ(T(Resultat->EQWaerme), "45000");  // 40000 + 0 + 5000
  EXPECT_EQ(T(Resultat->EKuehlbedarf), "8000");
  // The heat pump's electricity of the profile: 40000/4 + 20*24*3/3.5 + 5000/3 (COP_WW default).
  const double strom = 40000.0 / COP_Heizlast + 20.0 * 24.0 * 3.0 / 3.5 + 5000.0 / COP_WW;
  double heizstunden = 0;
  for (int h = 1; h <= 8760; ++h) heizstunden += QStunde[h] > 0.0 ? 1.0 : 0.0;
  const double pumpe = Sondenpumpe / 1000.0 * heizstunden;
  EXPECT_NEAR(num(Resultat->EQStrom), strom, 0.5);
  EXPECT_NEAR(COPmittel, QHeizSumme / strom + 1.0, 1e-9);
  EXPECT_NEAR(JAZ, QHeizSumme / (strom + pumpe) + 1.0, 1e-9);
  EXPECT_NEAR(num(Resultat->ECOPmittel), COPmittel, 0.005);
  EXPECT_NEAR(num(Resultat->EJAZ), JAZ, 0.005);
  // Specific extraction of the design over 300 m: full load 20 kW at COP 3.5;
  // the year's heating and hot water less the cooling put back at EER 4.
  EXPECT_EQ(T(Resultat->ESpez_Entzug), "47.62");  // 20000 * 2.5 / 3.5 / 300
  const double spez = (40000.0 * 3.0 / 4.0 + 5000.0 * (COP_WW - 1.0) / COP_WW - 8000.0 / 4.0 * 5.0) / 300.0;
  EXPECT_NEAR(num(Resultat->ESpez_Entzug_kWh), spez, 0.05 + 1e-9);
  // July and August through 300 m of probe, a load whichever way the heat went.
  const double juliAugust = QHeizMonat[7] + QKuehlMonat[7] + QHeizMonat[8] + QKuehlMonat[8];
  EXPECT_NEAR(num(Resultat->EBelastung), std::fabs(juliAugust) / 62.0 / 24.0 * 1000.0 / 300.0, 0.05 + 1e-9);
  // The SIA row: E = 40000*3/4 + 20*24*3*2.5/3.5 + 5000*(COP_WW-1)/COP_WW.
  const double e = 30000.0 + 20.0 * 24.0 * 3.0 * 2.5 / 3.5 + 5000.0 * (COP_WW - 1.0) / COP_WW;
  const double f = QKuehlSumme < -0.1 ? (e - QHeizSumme - QKuehlSumme) / e : 0.0;
  EXPECT_NEAR(num(Resultat->EReg), 100.0 * f, 0.05 + 1e-9);
  EXPECT_TRUE(Shown(Resultat->LSIA384_6));
  EXPECT_EQ(Resultat->EAnforderung->text(), "(R2)");
  const double t = TSinkMin + DeltaVerdampfer / 2.0;
  const double grenze2 = f <= 0.199 ? -0.06 : f <= 0.399 ? -0.56 : f <= 0.799 ? -1.06 : -1.56;
  EXPECT_EQ(Shown(Resultat->ESIA384_6_ja), t >= grenze2);
  EXPECT_EQ(Shown(Resultat->ESIA384_6_nein), t < grenze2);
  if (t >= -1.56) {
    EXPECT_FALSE(SiaKlasse.empty());
  }
  // The annual energies typed drove the run: the monthly table holds them.
  double heiz = 0.0;
  for (int m = 1; m <= 12; ++m) heiz += Heizlast[m];
  EXPECT_NEAR(heiz, 40000.0 + Heizbandlast, 1e-6);
  // The heat-pump rows belong to a heat pump, not to a load profile.
  EXPECT_FALSE(Shown(Resultat->ECOPmittel));
  EXPECT_FALSE(Shown(Resultat->L_EVollaststunden));
  // No field shows inf or nan.
  for (QLineEdit* ed : Resultat->findChildren<QLineEdit*>()) {
    EXPECT_FALSE(ed->text().contains(QLatin1String("inf")) || ed->text().contains(QLatin1String("nan")))
        << ed->objectName().toStdString();
  }

  // A picture of the window to look at.
  if (const char* dir = std::getenv("QEB_SHOT_DIR"))
    Resultat->grab().save(QString::fromUtf8(dir) + QStringLiteral("/resultat.png"));
  EXPECT_TRUE(ui.Shown_().empty()) << ui.Shown_()[0].text;
}

TEST_F(ResultWindow, FitsAScreenOf1280By800AndScalesOnceAtZoomLevel3) {
  const QSize need = Resultat->minimumSizeHint();
  EXPECT_LE(need.width(), 1280);
  EXPECT_LE(need.height(), 800 - 40);  // room for the title bar
  // Zoom level 3 scales the window once, from 0.64 of the screen at start.
  const ScreenMetrics m{1000, 700, 1000, 700, 96.0};
  SetScreenOverride(&m);
  const int sw = ScreenWidthAtStart, sh = ScreenHeightAtStart, level = WindowScaleLevel;
  ScreenWidthAtStart = 1000;
  ScreenHeightAtStart = 700;
  WindowScaleLevel = 3;
  const int w0 = Resultat->width(), h0 = Resultat->height();
  ResultatScalePending = true;
  QHeizSumme = 1.0;
  Resultat->aktuell();
  EXPECT_FALSE(ResultatScalePending);
  EXPECT_EQ(Resultat->width(), w0 * 1000 / 640);
  EXPECT_EQ(Resultat->height(), h0 * 700 / 448);
  Resultat->aktuell();  // once only
  EXPECT_EQ(Resultat->width(), w0 * 1000 / 640);
  Resultat->setFont(QApplication::font());
  SetScreenOverride(nullptr);
  ScreenWidthAtStart = sw;
  ScreenHeightAtStart = sh;
  WindowScaleLevel = level;
}

}  // namespace
}  // namespace qeb
