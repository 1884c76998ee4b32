// The run driver and the multi-year run loop: passes with their set-up, the
// probe-length sizing, the per-borehole loop of a field, and every step of
// every year with its questions, statistics and month drawings.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "calc/TextIO.h"
#include "calc/WT.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Grafik_labels.h"
#include "widgets/ErrorText.h"

namespace qeb {

bool SparsamZeichnen = true;
bool Hauptlauf = true;
bool Abbruch = false;
bool Kuehlbetrieb = false;

double TSinkMinJahr[kMaxJahre + 1];
double TSinkMaxJahr[kMaxJahre + 1];
double TSinkJahrMin = 1000.0;
double TSinkJahrMax = -1000.0;
double LaufstundenMonat[kMaxMonate + 1];
double TSinkSummeMonat[kMaxMonate + 1];
double TSinkMinMonat[kMaxMonate + 1];
double TSinkMaxMonat[kMaxMonate + 1];
double TBrineSummeMonat[kMaxMonate + 1];
double TBrineMinMonat[kMaxMonate + 1];
double TBrineMaxMonat[kMaxMonate + 1];
double SondenlaengeJeSonde[601];
Laufergebnis LetztesLaufergebnis = Laufergebnis::Fertig;
bool SizingNichtKonvergiert = false;

const int kMonatsgrenze[13] = {0, 744, 1416, 2160, 2880, 3624, 4344, 5088, 5832, 6552, 7296, 8016, 8760};
const int kMonatsersteStunde[13] = {0, 1, 745, 1417, 2161, 2881, 3625, 4345, 5089, 5833, 6553, 7297, 8016};
const int kMonatstage[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

void MonatsstatistikZuruecksetzen() {
  std::fill(std::begin(LaufstundenMonat), std::end(LaufstundenMonat), 0.0);
  std::fill(std::begin(TSinkSummeMonat), std::end(TSinkSummeMonat), 0.0);
  std::fill(std::begin(TBrineSummeMonat), std::end(TBrineSummeMonat), 0.0);
  std::fill(std::begin(TSinkMinMonat), std::end(TSinkMinMonat), 9999.0);
  std::fill(std::begin(TBrineMinMonat), std::end(TBrineMinMonat), 9999.0);
  std::fill(std::begin(TSinkMaxMonat), std::end(TSinkMaxMonat), -9999.0);
  std::fill(std::begin(TBrineMaxMonat), std::end(TBrineMaxMonat), -9999.0);
}

double Laengenfaktor(double d) {
  if (d > 4) return 0.7;
  if (d > 2) return 0.85;
  if (d > 1.5) return 0.95;
  if (d > 0.5) return 0.98;
  if (d > 0.1) return 0.992;
  if (d > 0.01) return 0.997;
  if (d < -4) return 1.3;
  if (d < -2) return 1.15;
  if (d < -1.5) return 1.05;
  if (d < -0.5) return 1.02;
  if (d < -0.1) return 1.01;
  if (d < -0.01) return 1.003;
  return 1.0;
}

bool Laengenschritt(double d) {
  const double f = Laengenfaktor(d);
  const ValueRange* r = RangeOf("Sondenlaenge");
  const double laengste = r != nullptr ? r->hi : 10000.0;
  double neu = Sondenlaenge * f;
  if (f < 1.0 && !(neu >= kKuerzesteSonde)) {
    if (!(Sondenlaenge > kKuerzesteSonde)) return false;
    neu = kKuerzesteSonde;
  }
  if (f > 1.0 && !(neu <= laengste)) {
    if (!(Sondenlaenge < laengste)) return false;
    neu = laengste;
  }
  Sondenlaenge = neu;
  return true;
}

void SizingOhneZielMerken(SizingOhneZiel& s, double laenge, double tMin, int laeufe, bool amRand) {
  // The first borehole that missed its limit is the one the message names.
  if (s.ja) return;
  s.ja = true;
  s.laenge = laenge;
  s.tMin = tMin;
  s.laeufe = laeufe;
  s.amRand = amRand;
}

std::string SizingOhneZielText(const SizingOhneZiel& s, const QString& eingabe) {
  const std::string grenze = FormatFixed(MinSondentemp, 0, 2);
  const std::string laenge = FormatFixed(s.laenge, 0, 1);
  const std::string tMin = FormatFixed(s.tMin, 0, 2);
  const std::string laeufe = std::to_string(s.laeufe);
  const std::string h = eingabe.trimmed().toStdString();
  const std::string randDe = s.amRand ? " (Grenze der Sondenlänge)" : "";
  const std::string randEn = s.amRand ? " (limit of the borehole length)" : "";
  return " Sondenlänge nicht gefunden: die Grenztemperatur " + grenze + " °C wird nach " + laeufe +
         " Rechnungen nicht erreicht, zuletzt " + laenge + " m" + randDe + " mit TMin = " + tMin +
         " °C. Die eingegebene Sondenlänge " + h + " m bleibt. / Borehole length not found: the limit of " + grenze +
         " °C is not reached after " + laeufe + " runs, last length tried " + laenge + " m" + randEn +
         " with TMin = " + tMin + " °C. The length entered, " + h + " m, is kept. ";
}

// ---- Escape ----
namespace {

// Latches Escape sent to any window while a run is active and swallows the
// other input, so that nothing re-enters the run while it lets the windows paint.
class RunInputFilter : public QObject {
 public:
  bool escape = false;
  bool eventFilter(QObject* o, QEvent* e) override {
    // Whatever is shown modally during the run (a question, a message, a
    // file dialog) is the user's to answer: Qt keeps the other windows from
    // input while it is open, and its own keys, clicks and close must reach it.
    if (QApplication::activeModalWidget() != nullptr) return QObject::eventFilter(o, e);
    switch (e->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) escape = true;
        return true;
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::Close:
        return true;
      default:
        return QObject::eventFilter(o, e);
    }
  }
};

RunInputFilter* g_filter = nullptr;
QElapsedTimer g_lastEvents;
int g_pollsSinceClock = 0;
// When the run's last picture was drawn.
QElapsedTimer g_letztesBild;
std::function<bool()> g_probe;

// A question during the run: the filter steps aside while it is open.
int Frage(const std::string& text) {
  if (g_filter != nullptr) QCoreApplication::instance()->removeEventFilter(g_filter);
  const int answer = Ask(text);
  if (g_filter != nullptr) {
    g_filter->escape = false;
    QCoreApplication::instance()->installEventFilter(g_filter);
  }
  return answer;
}

}  // namespace

// Installed for the time of one run; the questions of the run are asked
// with it removed, so that the user can answer them.
LaufWache::LaufWache() {
  if (g_filter == nullptr && QCoreApplication::instance() != nullptr) {
    g_filter = new RunInputFilter();
    QCoreApplication::instance()->installEventFilter(g_filter);
    installed_ = true;
  }
  // The first poll lets the windows deliver what is already waiting, so a
  // key pressed as the run starts is seen even by a run shorter than the
  // poll interval.
  g_lastEvents.invalidate();
  // The run starts on the empty axes its driver has just drawn.
  g_letztesBild.start();
}

LaufWache::~LaufWache() {
  if (!installed_) return;
  QCoreApplication::instance()->removeEventFilter(g_filter);
  delete g_filter;
  g_filter = nullptr;
}

bool AbbruchGewuenscht() {
  return EscapeGedrueckt() && Frage(" Berechnung abbrechen? / stop calculation? ") == kJa;
}

void SetEscapeProbe(std::function<bool()> probe) { g_probe = std::move(probe); }

bool EscapeGedrueckt() {
  if (g_probe) return g_probe();
  if (g_filter == nullptr) return false;
  // The clock is read every 16th poll: a step takes microseconds, and the
  // reading costs a good part of one.
  if (!g_lastEvents.isValid() || (++g_pollsSinceClock >= 16 && g_lastEvents.elapsed() >= 50)) {
    QCoreApplication::processEvents();
    g_lastEvents.restart();
  }
  if (g_pollsSinceClock >= 16) g_pollsSinceClock = 0;
  const bool down = g_filter->escape;
  g_filter->escape = false;
  return down;
}

// ---- the run loop ----
namespace {

// Month of a step counted against the hour bounds, 0 outside the year.
int MonatDesSchritts(int s) {
  if (s <= 0 || s > kStunden) return 0;
  for (int m = 1; m <= 12; ++m)
    if (s <= kMonatsgrenze[m]) return m;
  return 0;
}

}  // namespace

void RunSimulationLoop(int& stunde, int schritteProStunde, const LaufArt& art) {
  const int sph = std::max(1, schritteProStunde);
  int monat = 1;
  // The steps at which the months are drawn (December one hour early), rising.
  int punkte[13] = {};
  for (int mon = 1; mon <= 12; ++mon) punkte[mon] = mon == 12 ? sph * kStunden - 1 : sph * kMonatsgrenze[mon];
  while (Jahr <= LastYear) {
    // 1. The module's questions; Yes ends the run with the results so far.
    if (art.still && Rechenstatus >= 2 && Rechenstatus <= 4) Rechenstatus = 1;
    if (Rechenstatus >= 2 && Rechenstatus <= 4) {
      static const char* const kFrage[] = {
          " Keine Konvergenz. Auslegungsmassenstrom, Sondenlaenge und Entzugsleistung ueberpruefen. Berechnung "
          "abbrechen? ",
          " Zu hohe/tiefe Ruecklauftemperatur. Auslegungsmassenstrom, Sondenlaenge und Entzugsleistung ueberpruefen. "
          "Berechnung abbrechen? ",
          " Keine Konvergenz. Kollektordurchsatz zu klein. Berechnung abbrechen?      Collector flowrate too low. Stop "
          "calculation?"};
      // Yes stops the whole calculation, as Escape does: a sizing would
      // otherwise size on the hours before the question, pass after pass.
      if (Frage(kFrage[Rechenstatus - 2]) == kJa) {
        Abbruch = true;
        return;
      }
      Rechenstatus = 1;
    }
    Vorlauf = Jahr < LastYear;
    // 3. Escape.
    if (AbbruchGewuenscht()) {
      Abbruch = true;
      return;
    }
    ++Schrittzaehler;
    // The year and step whose hour this step simulates: the module closes the
    // year in the step of its last hour, and the counters then already name
    // the next year.
    const int jahrDesSchritts = Jahr;
    const int schritt = Schrittzaehler;
    // 5. The step; every new step starts with its own code 0.
    if (Systemsimulation) {
      Leistung = false;
      Leistungsinput = false;
      CoupleAirHeatExchanger();
      if (AbbruchGewuenscht()) {
        Abbruch = true;
        return;
      }
      Vorlauf = Jahr < LastYear;
      QSource = (TSource - TSink) * Massenstrom * cpSole / 1000.0;
    } else {
      int code = 0;
      AktuellerSchritt = 0;
      Simulate(code);
    }
    // 6. Hour of the step (the module has closed the year when it reads 0).
    stunde = Schrittzaehler == 0 ? kStunden : (sph == 1 ? Schrittzaehler : Schrittzaehler / sph);
    if (Systemsimulation && stunde >= 0 && stunde <= kStunden) {
      MassenstromStunde[stunde] = Massenstrom;
      TSourceStunde[stunde] = TSource;
      TSinkStunde[stunde] = TSink;
      QStunde[stunde] = QSource;
    }
    if (QSource < -0.001) Kuehlbetrieb = true;
    // 8./9. Statistics over running hours: every period's extremes are those
    // of the hours inside it, its first and its last hour included.
    const int s = Schrittzaehler;
    const bool laeuft = Massenstrom > 0.0001 && std::fabs(QSource) > 0.0001;
    if (schritt == 1) {
      TSinkJahrMin = 1000.0;
      TSinkJahrMax = -1000.0;
    }
    if (laeuft) {
      TSinkJahrMin = std::min(TSinkJahrMin, TSink);
      TSinkJahrMax = std::max(TSinkJahrMax, TSink);
    }
    if (s == 0 && jahrDesSchritts >= 0 && jahrDesSchritts <= kMaxJahre) {
      TSinkMinJahr[jahrDesSchritts] = TSinkJahrMin;
      TSinkMaxJahr[jahrDesSchritts] = TSinkJahrMax;
    }
    if (laeuft && jahrDesSchritts >= 1 && jahrDesSchritts <= kMaxJahre && schritt > 0 && schritt <= kStunden) {
      // The month of the step: the last one found, or a later one.
      if (schritt <= kMonatsgrenze[monat - 1] || schritt > kMonatsgrenze[monat]) monat = MonatDesSchritts(schritt);
      const int m = monat;
      const int k = MonatsIndex(jahrDesSchritts, m);
      const double tBrine = (TSink + TSource) / 2.0;
      LaufstundenMonat[k] += 1.0;
      TSinkSummeMonat[k] += TSink;
      TBrineSummeMonat[k] += tBrine;
      TSinkMinMonat[k] = std::min(TSinkMinMonat[k], TSink);
      TSinkMaxMonat[k] = std::max(TSinkMaxMonat[k], TSink);
      TBrineMinMonat[k] = std::min(TBrineMinMonat[k], tBrine);
      TBrineMaxMonat[k] = std::max(TBrineMaxMonat[k], tBrine);
    }
    if (art.fortschritt) art.fortschritt(s);
    // 10. Month drawings.
    const int* punkt = std::lower_bound(punkte + 1, punkte + 13, s);
    if (!art.still && !Laenge_berechnen && Form4 != nullptr && punkt != punkte + 13 && *punkt == s) {
      const bool sparsam = SparsamZeichnen && Jahr != 1 && Jahr != LastYear;
      const int mon = static_cast<int>(punkt - punkte);
      if (Hauptlauf && (!sparsam || mon == 2 || mon == 7)) {
        emit Form4->Zeichenpunkt(mon, kMonatsersteStunde[mon]);
        // While the run is fast the pictures follow each other faster than
        // an eye can take them in, and each costs the run more time than
        // the steps in between: a picture is drawn when the last one has
        // stood for kBildAbstand ms. The run's last picture is always drawn.
        const bool letztes = mon == 12 && Jahr >= LastYear;
        if (letztes || !g_letztesBild.isValid() || g_letztesBild.elapsed() >= kBildAbstand) {
          Form4->ZeichneMonat(mon, GrafikText::Monat(mon), kMonatstage[mon], kMonatsersteStunde[mon]);
          g_letztesBild.restart();
        }
      }
      if (mon == 12) DezemberGezeichnet = true;
    }
  }
}

// ---- the extremes of a stopped run ----

void ExtremeDerLetztenRechnung::Merken() {
  if (TSinkMin < kOhneStunden && TSinkMax > -kOhneStunden) {
    min_ = TSinkMin;
    max_ = TSinkMax;
    gemerkt_ = true;
  }
}

void ExtremeDerLetztenRechnung::OhneStundenZurueck() const {
  // A run stopped before its first hour leaves the module's start values;
  // the results then show the last run that had hours.
  if (TSinkMin >= kOhneStunden || TSinkMax <= -kOhneStunden) {
    // Without any run before it, the fluid stands at the temperature the
    // module started it at.
    TSinkMin = gemerkt_ ? min_ : TSink;
    TSinkMax = gemerkt_ ? max_ : TSink;
  }
}

// ---- the inputs a calculation changes for itself ----

LaufEingaben::LaufEingaben()
    : lastYear_(LastYear),
      zeitschritt_(Zeitschritt),
      system_(Systemsimulation),
      leistung_(Leistung),
      leistungsinput_(Leistungsinput),
      lasteinlesen_(Lasteinlesen),
      inputfile_(Inputfile) {}

void LaufEingaben::Zurueck() const {
  LastYear = lastYear_;
  Zeitschritt = zeitschritt_;
  Systemsimulation = system_;
  Leistung = leistung_;
  Leistungsinput = leistungsinput_;
  Lasteinlesen = lasteinlesen_;
  Inputfile = inputfile_;
}

// ---- re-reading the project before a pass ----

bool EingabedateiFehlt() { return Systemsimulation && !Lasteinlesen && !FileCanBeOpened(Inputfile); }

void EingabeNeuLesen(int lastYear, bool eigeneRechnung) {
  // What re-reading the input file must not change.
  const double dtVenti = DTVenti;
  const bool frostschutz = Frostschutz;
  const bool lFahrplan = LFahrplan;
  // The ventilation schedule as the schedule dialog left it, with its year.
  double lf[40];
  int lfNr[8];
  std::copy(std::begin(LF), std::end(LF), std::begin(lf));
  std::copy(std::begin(LFNr), std::end(LFNr), std::begin(lfNr));
  static double lueftungsprofil[kStundenArray];
  std::copy(std::begin(Lueftungsprofil), std::end(Lueftungsprofil), std::begin(lueftungsprofil));
  const bool direkt = DirektkuehlungWP;
  const bool lastprofil2 = Lastprofil2;
  const double massenstrom = Massenstrom;
  const int zaehler = Zaehler;
  const bool sondengrafik = Sondengrafik;
  // The field as the field editor left it: positions and neighbour flags.
  static double sondeX[601], sondeY[601];
  static bool nachbar[601];
  std::copy(std::begin(SondeX), std::end(SondeX), std::begin(sondeX));
  std::copy(std::begin(SondeY), std::end(SondeY), std::begin(sondeY));
  std::copy(std::begin(Nachbarsonde), std::end(Nachbarsonde), std::begin(nachbar));
  const int gfunTyp = gfuntyp;
  const int sondenauswahl = Sondenauswahl;
  double erdLambda[41], erdRho[41], erdCp[41];
  std::copy(std::begin(Erdlambda), std::end(Erdlambda), std::begin(erdLambda));
  std::copy(std::begin(Erdrho), std::end(Erdrho), std::begin(erdRho));
  std::copy(std::begin(Erdcp), std::end(Erdcp), std::begin(erdCp));
  double rho[21], cp[21], lambda[21], schicht[21], tProfil[31], zProfil[31];
  std::copy(std::begin(rhoErde), std::end(rhoErde), std::begin(rho));
  std::copy(std::begin(cpErde), std::end(cpErde), std::begin(cp));
  std::copy(std::begin(lambdaErde), std::end(lambdaErde), std::begin(lambda));
  std::copy(std::begin(Schicht), std::end(Schicht), std::begin(schicht));
  std::copy(std::begin(TProfil), std::end(TProfil), std::begin(tProfil));
  std::copy(std::begin(zTProfil), std::end(zTProfil), std::begin(zProfil));
  const double laenge = Sondenlaenge;
  const double multiplikator = Multiplikator;
  // The input window's own calculation also keeps the user's own ground
  // materials (entries 31 on), probe type, fluid and language.
  std::string erdname[10];
  for (int k = 0; k < 10; ++k) erdname[k] = Erdname[31 + k];
  const int sondentyp = Sondentyp;
  const int fluidtyp = Fluidtyp;
  const std::string sprache = Sprache;

  if (!(ProjektGeoeffnet && FileVersion >= 16)) {
    Simulate(-2);
  } else if (readfile) {
    // The project was read when it was opened; but the load rows of this
    // run are those of the input file as it stands now (the generated
    // loads), not the rows the open left the project file at.
    ReopenInputFile();
  }

  Massenstrom = massenstrom;
  Multiplikator = multiplikator;
  std::copy(std::begin(rho), std::end(rho), std::begin(rhoErde));
  std::copy(std::begin(cp), std::end(cp), std::begin(cpErde));
  std::copy(std::begin(lambda), std::end(lambda), std::begin(lambdaErde));
  std::copy(std::begin(schicht), std::end(schicht), std::begin(Schicht));
  std::copy(std::begin(tProfil), std::end(tProfil), std::begin(TProfil));
  std::copy(std::begin(zProfil), std::end(zProfil), std::begin(zTProfil));
  double profil[kSchichtErgebnis + 1] = {};
  if (TempProfil && !eigeneRechnung) {
    if (!DirektkuehlungWP) Form1->EingabenUebernehmen();
    SortGroundLayers(TProfil, zTProfil, profil, Sondenlaenge);
    std::copy(profil, profil + 21, std::begin(Starttemperatur));
  }
  Sondenlaenge = laenge;
  if (TempProfil) {
    SortGroundLayers(TProfil, zTProfil, profil, Sondenlaenge);
    std::copy(profil, profil + 21, std::begin(Starttemperatur));
  }
  std::copy(std::begin(erdLambda), std::end(erdLambda), std::begin(Erdlambda));
  std::copy(std::begin(erdRho), std::end(erdRho), std::begin(Erdrho));
  std::copy(std::begin(erdCp), std::end(erdCp), std::begin(Erdcp));
  gfuntyp = gfunTyp;
  Sondenauswahl = sondenauswahl;
  std::copy(std::begin(sondeX), std::end(sondeX), std::begin(SondeX));
  std::copy(std::begin(sondeY), std::end(sondeY), std::begin(SondeY));
  std::copy(std::begin(nachbar), std::end(nachbar), std::begin(Nachbarsonde));
  Sondengrafik = sondengrafik;
  Zaehler = zaehler;
  LastYear = lastYear;
  Lastprofil2 = lastprofil2;
  DirektkuehlungWP = direkt;
  DTVenti = dtVenti;
  LFahrplan = lFahrplan;
  std::copy(std::begin(lf), std::end(lf), std::begin(LF));
  std::copy(std::begin(lfNr), std::end(lfNr), std::begin(LFNr));
  std::copy(std::begin(lueftungsprofil), std::end(lueftungsprofil), std::begin(Lueftungsprofil));
  Frostschutz = frostschutz;
  if (eigeneRechnung) {
    for (int k = 0; k < 10; ++k) Erdname[31 + k] = erdname[k];
    Sondentyp = sondentyp;
    Fluidtyp = fluidtyp;
    Sprache = sprache;
  }
  // The re-read copied the layer conductivities one to one onto the
  // segments; the window spreads layered ground over them again.
  if (!DirektkuehlungWP)
    Form1->EingabenUebernehmen();
  else
    Form1->SchichtenUebernehmen();
}

// ---- the run driver ----

int LaufBeginnen(int lastYear) {
  // The module refuses a step length out of range before the steps per hour
  // are derived from it.
  Simulate(-1);
  // The module leaves the statistics of the windows alone.
  Abbruch = false;
  Kuehlbetrieb = false;
  MonatsstatistikZuruecksetzen();
  Schrittzaehler = 0;
  Jahr = 1;
  LastYear = lastYear;
  return Zeitschritt >= 59 ? 1 : 60 / std::max(1, Zeitschritt);
}

bool TForm4::EinLauf(int& durchgang) {
  Button6->hide();
  if (!DirektkuehlungWP) Form1->EingabenUebernehmen();
  for (int h = 1; h <= kStunden; ++h) QStunde[h] = 0.0;
  KurveSystem1 = KurveVerteilnetz = KurveSystem2 = Kurve24h = KurveLuft = false;

  // Without weather the plant cannot run: the whole calculation stops here.
  if (Systemsimulation && Luftfeuchte[1] == 0.0) {
    Warning(" Wetterfile noch nicht eingelesen! ");
    if (Form6 != nullptr) Form6->show();
    close();
    return false;
  }
  if (Systemsimulation) {
    KurveSystem1 = KurveVerteilnetz = KurveSystem2 = true;
    Leistung = false;
    Leistungsinput = false;
  }

  // 5.1 Empty axes while the set-up runs.
  GrafikZoom = 0.8;
  // A picture of the right size is kept: every pass would clear a new one.
  const QSize groesse(RoundToInt(1264 * GrafikZoom), RoundToInt(880 * GrafikZoom));
  if (Bild.size() != groesse || Bild.format() != QImage::Format_RGB32) Bild = QImage(groesse, QImage::Format_RGB32);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct CursorBack {
    ~CursorBack() { QApplication::restoreOverrideCursor(); }
  } cursorBack;
  DezemberGezeichnet = false;
  KurveLeistung = false;
  KurvePlus = true;
  KurveSondenRL = true;
  for (int h = 0; h <= kStunden; ++h) {
    TSourceStunde[h] = 0.0;
    TSinkStunde[h] = 0.0;
    QStunde[h] = 0.0;
  }
  if (Hauptlauf) {
    ansicht_ = -3;
    Achsen(GrafikText::Tabellentext(848, "Berechnung gestartet"), GrafikText::QuellenRuecklauf(), 0, 31, -20, 20,
           GrafikText::Tabellentext(847, "Tag"), GrafikText::TemperaturAchse());
    BildZeigen();
  }

  // 5.2 Generated loads.
  const bool systemAlt = Systemsimulation;
  const bool leistungAlt = Leistung;
  const int lastYearAlt = LastYear;
  if ((Form1->InputFileErzeugen->itemIndex() == 0 && !Systemsimulation) || EingabedateiFehlt()) {
    if (!Sprungantwort) {
      Zeitschritt = 60;
      Form1->EZeitschritt->setText(QStringLiteral("60"));
    }
    Form1->EwriteFile->setItemIndex(0);
    if (!DirektkuehlungWP) Form1->EingabenUebernehmen();
    Inputfile = Inputfile2;
    LastYear = 1;
    // Written as a run of the loads writes it: its rows are the loads', not
    // the plant's; the plant is switched on again after the re-read.
    Systemsimulation = false;
    Simulate(-6);
  }
  // 5.3
  if (Sprungantwort) {
    Leistung = leistungAlt;
    Form1->ELeistung->setItemIndex(Leistung ? 0 : 1);
  }
  // 5.4 to 5.6
  EingabeNeuLesen(lastYearAlt, false);
  Systemsimulation = systemAlt;

  // 5.8
  const int schritteProStunde = LaufBeginnen(lastYearAlt);

  // 5.9
  int stunde = 0;
  LaufWache wache;
  RunSimulationLoop(stunde, schritteProStunde);

  // 5.10
  if (Abbruch)
    durchgang = 21;
  else
    Jahr = LastYear;
  readfile = true;
  Simulate(-4);

  // 5.11 (a stopped run has no period to show)
  if (!DezemberGezeichnet && Hauptlauf && !Abbruch)
    ZeichneZeitraum(Sprungantwort ? GrafikText::Sprungantwort() : GrafikText::Tabellentext(990, "Simulationsperiode"));
  // 5.12
  double groesste = 0.0;
  for (int h = 2; h <= 8758; ++h) {
    groesste = std::max(groesste, std::fabs(QStunde[h]));
    if (MaxQ) groesste = std::max(groesste, std::fabs(QMaxStunde[h]));
  }
  Achsenmaximum = 5 * RoundToInt(groesste / 5.0 + 1.0);
  return true;
}

bool TForm4::Start() {
  if (TempProfil && Form1 != nullptr) {
    // The ground temperature profile window, once the main window offers it.
    if (Form1->metaObject()->indexOfMethod("TemProfilClick()") >= 0)
      QMetaObject::invokeMethod(Form1, "TemProfilClick", Qt::DirectConnection);
  }
  std::fill(std::begin(TSinkMinJahr), std::end(TSinkMinJahr), 0.0);
  std::fill(std::begin(TSinkMaxJahr), std::end(TSinkMaxJahr), 0.0);
  const bool laengeAlt = Laenge_berechnen;
  int i = 0;
  if (Laenge_im_Feld) SondeNr = 0;
  for (int k = 0; k <= 450; ++k) Sondenbelastung[k] = 0.0;
  LetztesLaufergebnis = Laufergebnis::Fertig;
  SizingNichtKonvergiert = false;
  Abbruch = false;

  // What the engineer entered, put back when the calculation is stopped
  // before a sizing has come to its end.
  const double laengeEingabe = Sondenlaenge;
  const QString laengeText = Form1->ESondenlaenge->text();
  ExtremeDerLetztenRechnung extreme;
  const LaufEingaben eingaben;

  SizingOhneZiel ohneZiel;
  bool fehler = false;
  int durchgang = 1;
  // One pass; false when it was refused.
  auto lauf = [&]() {
    bool ok = false;
    extreme.Merken();
    try {
      ok = EinLauf(durchgang);
    } catch (const CalcError& e) {
      // The run's files are dropped; an earlier output stays as it was.
      AbandonRun();
      Message(CalcErrorText(e).toStdString());
    }
    if (ok) extreme.OhneStundenZurueck();
    return ok;
  };
  do {
    durchgang = 1;
    ++i;
    // Every borehole is sized from the length the user asked for.
    Laenge_berechnen = laengeAlt;
    if (Laenge_im_Feld) SondeNr = (Sondengrafik && i <= Zaehler && i <= 600) ? SondeNr + 1 : 0;
    Form1->ESondeNr->setText(IntText(SondeNr));
    double gerechnet = Sondenlaenge, tGerechnet = TSinkMin;
    bool amRand = false;
    do {
      gerechnet = Sondenlaenge;
      if (!lauf()) {
        fehler = true;
        break;
      }
      if (Abbruch) break;
      tGerechnet = TSinkMin;
      if (Laenge_berechnen) {
        const double d = TSinkMin - MinSondentemp;
        if (std::fabs(d) < 0.05) {
          Laenge_berechnen = false;
        } else if (!Laengenschritt(d)) {
          // The next length would leave the lengths a probe can have.
          amRand = true;
          ++durchgang;
          break;
        }
      }
      ++durchgang;
      Form1->ESondenlaenge->setText(QString::fromStdString(FormatFixed(Sondenlaenge, 0, 1)));
    } while (Laenge_berechnen && durchgang <= 20);
    if (fehler || Abbruch) break;
    if (Laenge_berechnen) {
      // The limit was not met: the project keeps the length entered, and
      // what the windows show is a run of that length, not of the last one
      // the sizing tried.
      SizingNichtKonvergiert = true;
      SizingOhneZielMerken(ohneZiel, gerechnet, tGerechnet, durchgang - 1, amRand);
      Laenge_berechnen = false;
      Sondenlaenge = laengeEingabe;
      Form1->ESondenlaenge->setText(laengeText);
      if (!lauf()) {
        fehler = true;
        break;
      }
      if (Abbruch) break;
    }
    if (Laenge_im_Feld) {
      const int idx = SondeNr == 0 ? 0 : i;
      SondenlaengeJeSonde[idx] = Sondenlaenge;
      if (Zaehler > 0 && Sondenlaenge > 0.0) Sondenbelastung[idx] = Auslegungsentzug * 1000.0 / Sondenlaenge / Zaehler;
    }
  } while (Laenge_im_Feld && Sondengrafik && i <= Zaehler && i <= 600);

  if ((Abbruch || fehler) && laengeAlt) {
    Sondenlaenge = laengeEingabe;
    Form1->ESondenlaenge->setText(laengeText);
  }
  // A refused or stopped calculation leaves the project as it was.
  if (Abbruch || fehler) eingaben.Zurueck();
  Laenge_berechnen = laengeAlt;
  ProjektGeoeffnet = false;
  if (fehler) {
    LetztesLaufergebnis = Laufergebnis::Fehler;
  } else if (Abbruch) {
    LetztesLaufergebnis = Laufergebnis::Abgebrochen;
  } else if (ohneZiel.ja) {
    Message(SizingOhneZielText(ohneZiel, laengeText));
  }
  // A stopped or refused calculation has no result: the curves and extremes
  // of the pass it stopped in, or of an earlier calculation, would read as
  // the project's.
  if (fehler || Abbruch) LeereAchsen();
  return LetztesLaufergebnis == Laufergebnis::Fertig;
}

}  // namespace qeb
