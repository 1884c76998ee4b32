// The calculation run on screen: the run driver with the probe-length sizing,
// the multi-year run loop and the graph window "Programm QEB - Berechnung"
// that draws the course month by month while the module computes.
#pragma once

#include <cmath>
#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

namespace qeb {

// ---- run state of the windows ----

// In the middle years of a run only February and July are drawn.
extern bool SparsamZeichnen;
// False only during the one-year pre-run of the calculation command; nothing is drawn then.
extern bool Hauptlauf;
// The user stopped the run with Escape; stops the sizing and field loops.
extern bool Abbruch;
// Some step of the run took heat out of the building (QSource below -0.001 kW).
extern bool Kuehlbetrieb;

// Years the module can simulate (LastYear up to 600); the statistics hold each of them.
inline constexpr int kMaxJahre = 600;
inline constexpr int kMaxMonate = kMaxJahre * 12;

// Lowest and highest fluid temperature of each simulated year, 1..kMaxJahre.
extern double TSinkMinJahr[kMaxJahre + 1];
extern double TSinkMaxJahr[kMaxJahre + 1];
// Running extremes of the current year.
extern double TSinkJahrMin;
extern double TSinkJahrMax;
// Monthly statistics over the running hours of the whole run; month k of
// year j is index (j - 1) * 12 + k.
extern double LaufstundenMonat[kMaxMonate + 1];
extern double TSinkSummeMonat[kMaxMonate + 1];
extern double TSinkMinMonat[kMaxMonate + 1];
extern double TSinkMaxMonat[kMaxMonate + 1];
extern double TBrineSummeMonat[kMaxMonate + 1];
extern double TBrineMinMonat[kMaxMonate + 1];
extern double TBrineMaxMonat[kMaxMonate + 1];
inline int MonatsIndex(int jahr, int monat) { return (jahr - 1) * 12 + monat; }
// Sets the monthly statistics to their empty values (sums 0, minima 9999, maxima -9999).
void MonatsstatistikZuruecksetzen();
// Starts a pass after its set-up: command -1, the window-side run state and
// statistics reset, the step counter at the start of year 1 of `lastYear`.
// Returns the steps per hour.
int LaufBeginnen(int lastYear);

// Sized probe length per borehole (0 = the whole project).
extern double SondenlaengeJeSonde[601];

// Unit state of the graph window.
extern double GrafikZoom;
extern int Achsenmaximum;          // y limit of the power graphs, a multiple of 5
// Least time in ms a month picture stands before the run draws the next.
inline constexpr int kBildAbstand = 100;
extern bool DezemberGezeichnet;    // the run loop drew December
extern bool KurvePlus, KurveSondenRL, KurveLeistung;
extern bool KurveSystem1, KurveVerteilnetz, KurveSystem2;
extern bool Kurve24h, KurveLuft;

// Month bounds in hours: B(0) = 0, B(12) = 8760.
extern const int kMonatsgrenze[13];
// First hour a month is drawn from (December one hour early, as the run draws it).
extern const int kMonatsersteStunde[13];
extern const int kMonatstage[13];

// Factor the sizing multiplies the probe length by, for d = TSinkMin - MinSondentemp (K).
double Laengenfaktor(double d);
// Temperature scale of the graphs for the run's extremes.
int Temperaturskala(double tSinkMax, double tSinkMin);

// How the last calculation of the run driver ended; Keine once a project
// replaced the one on screen and has not been calculated yet.
enum class Laufergebnis { Fertig, Abgebrochen, Fehler, Keine };
extern Laufergebnis LetztesLaufergebnis;
// The sizing ran all its passes without meeting the target (last calculation).
extern bool SizingNichtKonvergiert;

// The shortest probe the input window takes, in m.
inline constexpr double kKuerzesteSonde = 3.0;
// A sizing that did not meet its limit: the length and lowest fluid
// temperature of its last pass, and how many passes it made.
struct SizingOhneZiel {
  bool ja = false;
  double laenge = 0.0;
  double tMin = 0.0;
  int laeufe = 0;
  bool amRand = false;  // the next length would have left the probe's range
};
// One sizing step after a pass: the probe length times the band table's
// factor for d = TSinkMin - MinSondentemp. False, the length unchanged, when
// the length already stands at the shortest or longest probe and the table
// asks to go beyond it (a length past it stops at the limit first).
bool Laengenschritt(double d);
// Keeps a pass that ends a sizing without meeting its limit.
void SizingOhneZielMerken(SizingOhneZiel& s, double laenge, double tMin, int laeufe, bool amRand);
// The message for a sizing that did not meet its limit; `eingabe` is the
// length the engineer entered, which the project keeps.
std::string SizingOhneZielText(const SizingOhneZiel& s, const QString& eingabe);

// ---- the Escape poll ----
// True when the Escape key was pressed since the last poll. By default it
// reads the latch of the run's event filter (and lets the window repaint at
// most every 50 ms); tests may install their own probe.
bool EscapeGedrueckt();
void SetEscapeProbe(std::function<bool()> probe);

// One initialised calculation through all its steps and years. `stunde`
// receives the hour index of the last step. Returns when the last year is
// done, when the user stops with Escape (Abbruch set) or answers Yes to a
// convergence question. A CalcError of the module passes through.
//
// A quiet run (the input window's own calculation) asks no convergence
// question (the run goes on as after "No") and draws nothing; `fortschritt`,
// when given, is called after every step with the step counter.
struct LaufArt {
  bool still = false;
  std::function<void(int schritt)> fortschritt;
};
void RunSimulationLoop(int& stunde, int schritteProStunde, const LaufArt& art = {});

// The Escape poll of a run together with its question: true when the user
// pressed Escape and confirmed " Berechnung abbrechen? / stop calculation? ".
bool AbbruchGewuenscht();

// Keeps the Escape latch of a run for as long as it lives (the run driver
// and the input window's own calculation hold one around their steps).
// The lowest and highest fluid temperatures of the last run that had hours:
// a run stopped before its first hour leaves the module's start values
// (1000 / -1000 °C), which no window may show as a result.
class ExtremeDerLetztenRechnung {
 public:
  static constexpr double kOhneStunden = 999.0;
  ExtremeDerLetztenRechnung() { Merken(); }
  // Keeps the extremes as they are now, when they come from hours that ran.
  void Merken();
  // Puts the kept extremes back when the run just made had no hours.
  void OhneStundenZurueck() const;

 private:
  double min_ = 0.0;
  double max_ = 0.0;
  bool gemerkt_ = false;
};

// The inputs a calculation changes for itself while it sets up its passes
// (the year count and input file of the generated load file, the step
// length, the load flags of a plant pass), kept when it starts: a
// calculation that is refused or stopped puts them back, so the project is
// as it was before it (the sized length the calculation puts back itself).
class LaufEingaben {
 public:
  LaufEingaben();
  void Zurueck() const;

 private:
  int lastYear_, zeitschritt_;
  bool system_, leistung_, leistungsinput_, lasteinlesen_;
  std::string inputfile_;
};

class LaufWache {
 public:
  LaufWache();
  ~LaufWache();
  LaufWache(const LaufWache&) = delete;
  LaufWache& operator=(const LaufWache&) = delete;

 private:
  bool installed_ = false;
};

// Re-reads the project file before a pass (unless a project was just opened
// from a file of version 16 or later) and puts back what the user set since:
// mass flow, field, ground layers and materials, plan values and the plant
// schedule; then the controls are taken into the shared state again.
// `lastYear` is the year count the pass runs (kept before the load file was
// generated). The input window's own calculation (`eigeneRechnung`) also
// keeps the names of the user's ground materials, probe type, fluid and
// language.
void EingabeNeuLesen(int lastYear, bool eigeneRechnung);
// A plant run re-reads the project from the input file that a run of the
// loads writes; a project never calculated has none yet.
bool EingabedateiFehlt();

// ---- the graph window ----
class TForm4 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm4(QWidget* parent = nullptr);

  QPushButton* Januar = nullptr;
  QPushButton* Februar = nullptr;
  QPushButton* Maerz = nullptr;
  QPushButton* April = nullptr;
  QPushButton* Mai = nullptr;
  QPushButton* Juni = nullptr;
  QPushButton* Juli = nullptr;
  QPushButton* August = nullptr;
  QPushButton* September = nullptr;
  QPushButton* Oktober = nullptr;
  QPushButton* November = nullptr;
  QPushButton* Dezember = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* Button4 = nullptr;
  QPushButton* Button5 = nullptr;
  QPushButton* Button6 = nullptr;
  QPushButton* Lufttemperatur = nullptr;
  QPushButton* Copy = nullptr;
  QPushButton* Drucken = nullptr;
  QPushButton* Schliessen = nullptr;

  // The off-screen picture of the graph (logical 1264 x 880 scaled by GrafikZoom).
  QImage Bild;
  int LogischeBreite = 1264;
  int LogischeHoehe = 880;
  int Bildschirmbreite = 0;
  int Bildschirmhoehe = 0;
  // Copies of the picture scaled to a window smaller than it, so far.
  int BildSkalierungen = 0;

  // Coordinates of fractions of the graph, y upwards.
  // Pixel of a fraction of the logical width or height (inline: a curve
  // places thousands of points).
  int X(double f) const { return static_cast<int>(std::trunc(f * GrafikZoom * LogischeBreite + 0.5)); }
  int Y(double f) const { return static_cast<int>(std::trunc((1.0 - f) * GrafikZoom * LogischeHoehe + 0.5)); }

 public slots:
  // The run driver: one calculation with its sizing passes and field loop.
  // True when it ran to its end; false when stopped with Escape or failed.
  bool Start();
  void ZeichneMonat(int monat, const std::string& titel, int tage, int ersteStunde);
  void Achsen(const std::string& titel, const std::string& legende, double xmin, double xmax, double ymin,
              double ymax, const std::string& xText, const std::string& yText);
  void ZeichneGrafik(int tage, int ersteStunde, double ymin, double ymax);
  // The whole period (when the run did not draw December itself).
  void ZeichneZeitraum(const std::string& titel);
  void MonatClick(int monat);
  void JanuarClick() { MonatClick(1); }
  void FebruarClick() { MonatClick(2); }
  void MaerzClick() { MonatClick(3); }
  void AprilClick() { MonatClick(4); }
  void MaiClick() { MonatClick(5); }
  void JuniClick() { MonatClick(6); }
  void JuliClick() { MonatClick(7); }
  void AugustClick() { MonatClick(8); }
  void SeptemberClick() { MonatClick(9); }
  void OktoberClick() { MonatClick(10); }
  void NovemberClick() { MonatClick(11); }
  void DezemberClick() { MonatClick(12); }
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void LufttemperaturClick();
  void CopyClick();
  void DruckenClick();
  void SchliessenClick();
  void Button10Click();
  void Button6Zeigen();
  void Button6Verbergen();
  void FormShow();
  void FormCreate();
  // Shrinks the window to the screen when it would stand beyond it.
  void FensterEinpassen();
  // Copies the picture onto the window now.
  void BildZeigen();
  // Empty axes in place of the picture: a refused run shows no curves.
  void LeereAchsen();
  // Draws what the picture shows again, in the language now in force (its
  // axis texts and title were drawn in the language of their time).
  void BildInSprache();

 signals:
  // A month (0 for the whole period) has just been drawn.
  void Gezeichnet(int monat, int ersteStunde);
  // The run reached the drawing point of a month: drawn then, or left out
  // because a later picture replaces it before the screen could show it.
  void Zeichenpunkt(int monat, int ersteStunde);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  bool EinLauf(int& durchgang);  // one pass; false on failure
  // What the picture shows: a month (1..12), the whole period (0), empty
  // axes (-1), the run's start (-3), nothing drawn yet (-2).
  int ansicht_ = -2;
  bool ansichtSprung_ = false;   // the period's title is the step response's
  bool ansichtPeriode_ = false;  // the period's title is the simulation period's
  std::string ansichtTitel_;
  int ansichtTage_ = 0;
  int ansichtStunde_ = 1;
  bool groesseGewaehlt_ = false;
  void KurvenLoeschen();
  void Polylinie(const double* werte, int n, double ymin, double ymax, const QColor& farbe, int breite);
};

extern TForm4* Form4;

}  // namespace qeb
