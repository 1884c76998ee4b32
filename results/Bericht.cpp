#include "results/Bericht.h"

#include <QDateTime>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "platform/Print.h"
#include "results/Bildflaeche.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "results/Sia.h"
#include "results/verlauf.h"
#include "shell/Sprachen.h"

namespace qeb {

QString BerichtText(int n) {
  // Only the five capital letters choose a table; anything else prints German.
  std::string letter = "D";
  for (const char* l : {"E", "F", "I", "S"})
    if (Sprache == l) letter = l;
  return FromBytes(LanguageText(n, letter));
}

QString Kennzeile() { return QStringLiteral("Programm QEB  -  Version 5.6, Apr 2025"); }

void TitelAusEingaben() {
  if (Form1 == nullptr) return;
  Projekttitel1 = ToBytes(Form1->EBeschreibung->text());
  Projekttitel2 = ToBytes(Form1->EProjektname->text());
  Projekttitel3 = ToBytes(Form1->EErsteller->text());
  Projekttitel4 = ToBytes(Form1->EAnmerkungen->text());
}

namespace {

QString Feld(QLineEdit* e) { return e != nullptr ? e->text() : QString(); }
QString Zahl(double v, int dezimalen) {
  return QString::fromStdString(FormatFixed(std::isfinite(v) ? v : 0.0, 0, dezimalen));
}
#define FELD(name) [] { return Feld(Form1 != nullptr ? Form1->name : nullptr); }

bool SiaZeile() { return !Systemsimulation && LastYear >= 50; }
bool SiaErfuellt() {
  return SiaAnforderungErfuellt(Anforderung, LastYear, DauerLastSpitze, Lastprofil2, TSinkMin, Auslegungsentzug,
                                COP_Volllast, Heizleistung_Vollast, DeltaVerdampfer) == 1;
}
QString SiaKlassentext() {
  switch (Anforderung) {
    case 2: return QStringLiteral("(R2)");
    case 3: return QStringLiteral("(R3)");
    case 4: return QStringLiteral("(R4)");
    default: return QStringLiteral("(R1)");
  }
}
QString SiaLang() {
  if (!SiaErfuellt()) return SiaKlassentext() + QStringLiteral("    ") + BerichtText(7);
  return SiaKlassentext() + QStringLiteral("    ") + BerichtText(6) + QStringLiteral("   ( f_BHE = ") +
         Zahl(SiaAnforderungsklasse(SiaKlasse) * 100.0, 1) + QStringLiteral(" % )");
}
QString SiaKurz() { return SiaKlassentext() + QStringLiteral("    ") + BerichtText(SiaErfuellt() ? 6 : 7); }

bool Simulation() { return Systemsimulation; }
bool KeineSimulation() { return !Systemsimulation; }
bool KeinProfil() { return !Systemsimulation && !Lastprofil2; }
// The load profile's figures belong to a run of that profile, as in the
// results window: a run of the whole plant has its own.
bool Profil() { return Lastprofil2 && !Systemsimulation; }
bool Kuehlspitzen() { return Profil() && TageVollastKuehlung > 0; }
bool Aufgeteilt() { return Profil() && Aufteilung; }
bool NichtAufgeteilt() { return Profil() && !Aufteilung && TageVollastKuehlung > 0; }
// Heat put into the probes is printed as an amount, as the results window
// shows it: the module counts it negative, as it counts cooling energy.
double Eintrag() { return 0.0 - QKuehlSumme; }
bool Rueckkuehler() { return mitRueckkuehler; }
bool Solar() { return solar; }
// Measured weather carries a tilt of 44.9: its orientation is the site's own.
// The tolerance keeps 44.95 (a floating-point hair above 0.05 away) out too.
bool SolarAusrichtung() { return solar && std::fabs(Neigung - 44.9) > 0.05 + 1e-9; }

double Kollektorertrag() {
  double s = 0.0;
  for (int h = 1; h <= kStunden; ++h) s += QKollektorStunde[h];
  return s;
}

const std::vector<Berichtszeile> kZeilen = {
    // Requirement line: long form in the main report, short in the window reports.
    {0.08, 0.13, kHauptbericht, SiaZeile, 719, "", " ", SiaLang, ""},
    {0.08, 0.15, kFensterberichte, SiaZeile, 719, "", "  ", [] { return BerichtText(SiaErfuellt() ? 6 : 7); }, ""},
    // Result block, left column.
    // The power of the continuous extraction whose days the next line counts,
    // as the results window names it: February's peak of the design loads; a
    // load profile's design extraction is its full-load one.
    {0.08, 0.875, kAlle, KeineSimulation, 320, "", " ",
     [] { return Lastprofil2 ? FELD(EAuslegungsentzug)() : FELD(EQSpitzeFeb)(); }, " kW"},
    {0.08, 0.89, kHauptbericht, KeinProfil, 319, "", " ", [] { return Zahl(DauerLastSpitze, 0); }, " d"},
    // With a load profile the right column's "Dauerbetrieb Ende Februar" says the same: printed once.
    {0.08, 0.89, kFensterberichte, KeinProfil, 319, "", " ", [] { return Zahl(DauerLastSpitze, 0); }, " d"},
    {0.08, 0.93, kAlle, [] { return KeinProfil() && Eintrag() > 1.0; }, 264, "", " = ", FELD(EEinspeisung), " kW"},
    {0.08, 0.65, kAlle, nullptr, 314, "", " ", FELD(ESondenlaenge), " m"},
    {0.08, 0.665, kAlle, nullptr, 313, "", " ", FELD(EAnzahlSonden), ""},
    {0.08, 0.68, kAlle, [] { return AnzahlSonden > 1 && !Sondengrafik; }, 315, "", " ", FELD(ESondenabstand), " m"},
    {0.08, 0.68, kAlle, [] { return !(AnzahlSonden > 1 && !Sondengrafik); }, 149, "", " = ", FELD(EErdmitteltemp),
     " °C"},
    {0.08, 0.695, kAlle, nullptr, 316, "", " ", FELD(ESondendurchmesser), " m"},
    {0.08, 0.71, kAlle, nullptr, 25, "", " = ", FELD(EBohrdurchmesser), " m"},
    {0.08, 0.725, kAlle, nullptr, 312, "", " ", FELD(ELambdaErd), " W/mK"},
    {0.08, 0.74, kAlle, nullptr, 165, "", " Ra = ", FELD(ERa), " Km/W"},
    {0.08, 0.755, kAlle, nullptr, 165, "", " Rb = ", FELD(ERb), " Km/W"},
    {0.08, 0.77, kAlle, nullptr, 147, "", " = ", [] { return Zahl(Auslegungsmassenstrom, 2); }, " kg/s"},
    {0.08, 0.785, kAlle, nullptr, 354, "", " ",
     [] { return Zahl(Auslegungsdruck, 0) + QStringLiteral(" Pa  (") + BerichtText(laminar ? 976 : 977) + QStringLiteral(")"); },
     ""},
    {0.08, 0.8, kAlle, nullptr, 339, "", " ", [] { return Zahl(TSinkMin, 1); }, " °C"},
    {0.08, 0.815, kAlle, nullptr, 340, "", " ", [] { return Zahl(TSinkMax, 1); }, " °C"},
    {0.08, 0.83, kAlle, nullptr, 222, "", " = ", FELD(ELastyear), ""},
    {0.08, 0.845, kAlle, nullptr, 334, "", " ", [] { return Zahl(Eintrag(), 1); }, " kWh"},
    {0.08, 0.86, kAlle, nullptr, 335, "", " ", [] { return Zahl(QHeizSumme, 1); }, " kWh"},
    {0.08, 0.905, kAlle, [] { return Freecooling; }, 340, "", " ", [] { return Zahl(TSink, 1); }, " °C"},
    {0.08, 0.875, kAlle, Simulation, 705, "", "",
     [] { return Zahl(0.0 - QTABS, 1); }, " kWh"},
    {0.08, 0.89, kAlle, [] { return Systemsimulation && MaxQ; }, 992, "", " = ",
     [] { return Zahl(Kuehlbedarf, 1); }, " kWh"},
    // Right column: the load profile's figures.
    {0.6, 0.65, kAlle, Profil, 528, "", " = ", FELD(EHeizleistung_Vollast), " kW"},
    {0.6, 0.665, kAlle, Profil, 524, "", " = ", FELD(ECOP_Volllast), ""},
    {0.6, 0.68, kAlle, Profil, 530, "", " = ", FELD(EHeizleistung_Teillast), " kW"},
    {0.6, 0.695, kAlle, Profil, 525, "", " = ", FELD(ECOP_Heizlast), ""},
    {0.6, 0.71, kAlle, Profil, 529, "", " = ", FELD(EHeizleistung_WW), " kW"},
    {0.6, 0.725, kAlle, Profil, 526, "", " = ", FELD(ECOP_WW), ""},
    {0.6, 0.74, kAlle, Profil, 531, "", " = ", FELD(EKuehlleistung), " kW"},
    {0.6, 0.755, kAlle, Profil, 527, "", " = ", FELD(EEER_Kuehllast), ""},
    {0.6, 0.77, kAlle, Profil, 532, "", " = ", FELD(EJahresheizlast), " kWh"},
    {0.6, 0.785, kAlle, Profil, 533, "", " = ", FELD(EHeizlastWW), " kWh"},
    {0.6, 0.8, kAlle, Profil, 534, "", " = ", FELD(EHeizbandlast), " kWh"},
    {0.6, 0.815, kAlle, Profil, 535, "", " = ", FELD(EJahresKuehllast), " kWh"},
    {0.6, 0.83, kAlle, Profil, 536, "", " = ", FELD(EKuehlbandlast), " kWh"},
    {0.6, 0.845, kAlle, Profil, 714, "", " = ", FELD(ESpez_Entzug), " W/m"},
    {0.6, 0.86, kAlle, Profil, 714, "", " = ", FELD(ESpez_Entzug_kWh), " kWh/m"},
    {0.6, 0.875, kAlle, Profil, 537, "", " = ", FELD(ETageVollast), " d"},
    {0.6, 0.89, kAlle, Profil, 148, "", " = ", FELD(EDeltaVerdampfer), " K"},
    {0.6, 0.905, kAlle, Kuehlspitzen, 48, "", " = ", FELD(ETageVollast2), " d"},
    {0.6, 0.92, kAlle, Kuehlspitzen, 49, "", " = ", FELD(EEER_Vollast), ""},
    {0.6, 0.935, kAlle, Aufgeteilt, 0, "Freecooling = ", "", FELD(EFreecoollast), " kWh"},
    {0.6, 0.95, kAlle, Aufgeteilt, 0, "Freecooling = ", "", FELD(EFreecoolleistung), " kW"},
    {0.6, 0.935, kAlle, NichtAufgeteilt, 50, "", " = ", FELD(EKuehlleistung_Vollast), " kW"},
    // The plant's lines, main report only.
    {0.08, 0.89, kHauptbericht, Rueckkuehler, 41, "", " = ", FELD(ESummeQWT), " kWh"},
    {0.08, 0.905, kHauptbericht, Rueckkuehler, 43, "", " = ", [] { return Zahl(RueckkuehlLeistung, 1); },
     " kW              "},
    {0.08, 0.875, kHauptbericht, Solar, 606, "", " = ", [] { return Zahl(Kollektor, 1); }, " m2"},
    {0.08, 0.92, kHauptbericht, Solar, 646, "", " ", [] { return Zahl(Kollektorertrag(), 0); }, " kWh"},
    {0.08, 0.89, kHauptbericht, SolarAusrichtung, 615, "", " = ",
     [] {
       return FELD(EAzimut)() + QStringLiteral("°  /  ") + BerichtText(616) + QStringLiteral(" = ") + FELD(ENeigung)() +
              QStringLiteral("°");
     },
     ""},
};

int Px(double f, double groesse) { return static_cast<int>(std::lround(f * groesse)); }

// Writes `text` at the top left of `feld` so that it stays inside: in the
// painter's font when it fits on one line, else in a smaller font, first on
// one line, then (for a long title) broken at blanks into the lines the
// field's height holds. The text is never cut.
void TextImFeld(QPainter& p, const QRectF& feld, const QString& text) {
  const QFont alt = p.font();
  if (p.fontMetrics().horizontalAdvance(text) <= feld.width()) {
    TextAus(p, feld.left(), feld.top(), text);
    return;
  }
  QFont f = alt;
  const bool punkte = alt.pointSizeF() > 0;
  const double groesse = punkte ? alt.pointSizeF() : alt.pixelSize();
  for (double s = 0.95;; s *= 0.95) {
    if (punkte) f.setPointSizeF(groesse * s);
    else f.setPixelSize(std::max(1, static_cast<int>(groesse * s)));
    p.setFont(f);
    const QFontMetricsF fm(f);
    if (fm.horizontalAdvance(text) <= feld.width()) {
      TextAus(p, feld.left(), feld.top(), text);
      break;
    }
    // Below three quarters of the size a long text rather breaks into lines.
    const QRectF noetig = fm.boundingRect(QRectF(0, 0, feld.width(), 1e9), Qt::TextWordWrap, text);
    if ((s < 0.75 && noetig.height() <= feld.height() && noetig.width() <= feld.width()) || s < 0.05) {
      p.drawText(QRectF(feld.left(), feld.top(), feld.width(), noetig.height()), Qt::TextWordWrap, text);
      break;
    }
  }
  p.setFont(alt);
}

// A header line at (x, y) that ends before the next line at `bis` (fractions
// of H) and before `rechts` (fraction of W).
void FeldZeile(QPainter& p, double W, double H, double x, double y, double bis, double rechts, const QString& text) {
  TextImFeld(p, QRectF(Px(x, W), Px(y, H), Px(rechts, W) - Px(x, W), Px(bis, H) - Px(y, H)), text);
}

QString Datum() { return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")); }
QString DatumZeit() {
  const QDateTime jetzt = QDateTime::currentDateTime();
  return jetzt.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') + jetzt.toString(QStringLiteral("HH:mm:ss"));
}

// q = height / width of a picture; 1 for a picture 1 pixel wide or less.
double Verhaeltnis(QSize s) { return s.width() <= 1 ? 1.0 : static_cast<double>(s.height()) / s.width(); }

bool MitLogo() { return Form1 != nullptr && LogoGeladen && !Form1->Logobild.isNull(); }
// The right end of the header lines: left of the logo when one is printed.
double KopfRechts() { return MitLogo() ? 0.83 : 1.0; }

void Logo(QPainter& p, double W, double H) {
  if (!MitLogo()) return;
  // The proportions from the logo itself (also on a page that drew no picture).
  const double q = Verhaeltnis(Form1->Logobild.size());
  const double lx = q > 1 ? 1 / q : 1, ly = q > 1 ? 1 : q;
  p.drawPixmap(QRect(Px(0.84, W), Px(0.04, H), Px(0.12 * lx, W), Px(0.12 * ly * 21 / 29.6, H)), Form1->Logobild);
}

QString Adresszeile() {
  return FromBytes(Projektstrasse) + QStringLiteral(", ") + FromBytes(Projektort) + QStringLiteral(",  ") +
         FELD(Ex_koord)() + QStringLiteral(" / ") + FELD(Ey_koord)() + QStringLiteral(" / ") + FELD(EHoehe1)() +
         QStringLiteral(" m.ü.M.");
}

// The red title of the main report, down to `bis` (fraction of H).
void Titel(QPainter& p, double W, double H, double y, double bis, int pixel) {
  const QFont alt = p.font();
  const QPen altPen = p.pen();
  if (pixel > 0) {
    QFont f = alt;
    f.setPixelSize(pixel);
    p.setFont(f);
  }
  p.setPen(Qt::red);
  FeldZeile(p, W, H, 0.08, y, bis, KopfRechts(), FromBytes(Projekttitel2));
  p.setFont(alt);
  p.setPen(altPen);
}

void Seite1(QPainter& p, QPrinter& pr, bool bitmapErlaubt) {
  const double W = pr.width(), H = pr.height();
  if (BildGeladen && (bitmapErlaubt || !BildIstBitmap) && !Projektbild.isNull()) {
    const double q = Verhaeltnis(Projektbild.size());
    const double sx = q <= 0.83 ? 1 : 0.83 / q, sy = q <= 0.83 ? q : 0.83;
    p.drawImage(QRect(Px(0.05, W), Px(0.15, H), Px(0.85 * sx + 0.05, W), Px(0.410295358649789 * sy + 0.15, H)),
                Projektbild);
  }
  Logo(p, W, H);
  // 128 device pixels of the printers the layout was made for (600 dpi),
  // at this printer's resolution.
  const int titelPixel = std::max(1, static_cast<int>(std::lround(128.0 * pr.resolution() / 600.0)));
  const bool adresse = !Projektstrasse.empty();
  // Each header line keeps to the room down to the next one.
  const double r = KopfRechts();
  Titel(p, W, H, adresse ? 0.028 : 0.035, adresse ? 0.056 : 0.074, titelPixel);
  if (adresse) FeldZeile(p, W, H, 0.08, 0.056, 0.074, r, Adresszeile());
  FeldZeile(p, W, H, 0.08, 0.074, 0.092, r, FromBytes(Projekttitel1));
  FeldZeile(p, W, H, 0.08, 0.092, 0.11, r, FromBytes(Projekttitel4));
  FeldZeile(p, W, H, 0.08, 0.11, 0.13, r, FromBytes(Projekttitel3));
  ErgebnisblockDrucken(p, W, H, kHauptbericht);
  TextAus(p, Px(0.08, W), Px(0.96, H), Kennzeile());
  FeldZeile(p, W, H, 0.55, 0.96, 1.0, 1.0, FromBytes(Projekttitel3) + QStringLiteral(" / ") + Datum());
}

void Seite2(QPainter& p, QPrinter& pr) {
  const double W = pr.width(), H = pr.height();
  const double x = Px(0.08, W);
  const double r = KopfRechts();
  if (!Projektstrasse.empty()) {
    Titel(p, W, H, 0.028, 0.048, 0);
    FeldZeile(p, W, H, 0.08, 0.048, 0.066, r, Adresszeile());
    FeldZeile(p, W, H, 0.08, 0.066, 0.084, r, FromBytes(Projekttitel1));
    FeldZeile(p, W, H, 0.08, 0.084, 0.102, r, FromBytes(Projekttitel4));
    FeldZeile(p, W, H, 0.08, 0.102, 0.12, r, FromBytes(Projekttitel3));
  } else {
    Titel(p, W, H, 0.04, 0.06, 0);
    FeldZeile(p, W, H, 0.08, 0.06, 0.08, r, FromBytes(Projekttitel1));
    FeldZeile(p, W, H, 0.08, 0.08, 0.1, r, FromBytes(Projekttitel4));
    FeldZeile(p, W, H, 0.08, 0.1, 0.12, r, FromBytes(Projekttitel3));
  }
  if (SiaZeile()) TextAus(p, x, Px(0.12, H), BerichtText(719) + QStringLiteral(" ") + SiaKurz());
  // Both course graphs, also for a project without a picture of its own.
  if (Form1 != nullptr) Form1->GrafikSimulationsdauer1Click();
  if (Form9 != nullptr) {
    Form9->Button3Click();
    Form9->CopyClick();
    p.drawImage(QRect(Px(0.08, W), Px(0.14, H), Px(0.85, W), Px(0.4, H)), VerlaufBitmap);
    Form9->Button9Click();
    Form9->CopyClick();
    p.drawImage(QRect(Px(0.08, W), Px(0.54, H), Px(0.85, W), Px(0.4, H)), VerlaufBitmap);
  }
  Logo(p, W, H);
  if (Form9 != nullptr) Form9->close();
  TextAus(p, x, Px(0.96, H), Kennzeile());
  TextAus(p, Px(0.5, W), Px(0.96, H), QStringLiteral("2"));
  FeldZeile(p, W, H, 0.55, 0.96, 1.0, 1.0, FromBytes(Projekttitel3) + QStringLiteral(" / ") + Datum());
}

// The window reports' title lines.
void Fenstertitel(QPainter& p, double W, double H) {
  FeldZeile(p, W, H, 0.08, 0.05, 0.075, 1.0, FromBytes(Projekttitel2));
  FeldZeile(p, W, H, 0.08, 0.075, 0.1, 1.0, FromBytes(Projekttitel1));
  FeldZeile(p, W, H, 0.08, 0.1, 0.125, 1.0, FromBytes(Projekttitel4));
  FeldZeile(p, W, H, 0.08, 0.125, 0.15, 1.0, FromBytes(Projekttitel3));
}

}  // namespace

const std::vector<Berichtszeile>& Berichtszeilen() { return kZeilen; }

QString Zeilentext(const Berichtszeile& z) {
  const QString text = z.text > 0 ? BerichtText(z.text) : QString::fromUtf8(z.festtext);
  return text + QString::fromUtf8(z.trenner) + z.wert() + QString::fromUtf8(z.einheit);
}

constexpr const char* kNichtAbgeschlossen =
    " Die Berechnung ist nicht abgeschlossen: es wird nichts gedruckt.  /  The calculation did not finish: "
    "nothing is printed. ";

void ErgebnisblockDrucken(QPainter& p, double W, double H, int art) {
  // The lines the report prints, each in its column; a line whose place a
  // line before it already holds (plant options that share a place) takes
  // the next free place of its column, so no two lines print over one another.
  constexpr double kAbstand = 0.015;
  struct Platz {
    double x, y;
    QString text;
  };
  std::vector<Platz> plaetze;
  auto belegt = [&](double x, double y) {
    for (const Platz& q : plaetze)
      if ((q.x < 0.5) == (x < 0.5) && std::fabs(q.y - y) < kAbstand * 0.9) return true;
    return false;
  };
  for (const Berichtszeile& z : kZeilen) {
    if ((z.berichte & art) == 0) continue;
    if (z.bedingung != nullptr && !z.bedingung()) continue;
    double y = z.y;
    if (belegt(z.x, y)) {
      double frei = y;
      while (frei <= 0.95 && belegt(z.x, frei)) frei += kAbstand;
      if (frei > 0.95)
        for (frei = y; belegt(z.x, frei);) frei -= kAbstand;
      y = frei;
    }
    plaetze.push_back({z.x, y, Zeilentext(z)});
  }
  for (const Platz& q : plaetze) {
    // A left line ends before the right column where that holds a line beside it.
    double rechts = 1.0;
    if (q.x < 0.5)
      for (const Platz& r : plaetze)
        if (r.x >= 0.5 && std::fabs(r.y - q.y) < kAbstand * 0.9) rechts = r.x - 0.01;
    FeldZeile(p, W, H, q.x, q.y, q.y + kAbstand, rechts, q.text);
  }
}

// The graph and the course print what the last run left; after a stopped or
// refused run that is not the project's result, so nothing is printed.
bool LaufFertigFuerBericht() {
  if (LetztesLaufergebnis == Laufergebnis::Fertig) return true;
  Message(kNichtAbgeschlossen);
  return false;
}

bool BerichtDrucken() {
  if (Form1 == nullptr) return false;
  const OsVersion v = Desktop().Version();
  bool bitmapErlaubt = v.major > 5 || v.major < 1 || Win10Modus;
  if (v.major == 5 && v.minor == 1 && !Win10Modus)
    bitmapErlaubt = Ask("Benutzen Sie Windows 8, 8.1 oder 10 / Is your OS Windows 8, 8.1 or 10 ?") == kJa;

  // A report of a calculation that did not finish would print stale results.
  if (!Form1->Button14Click()) {
    Message(kNichtAbgeschlossen);
    return false;
  }
  LaufergebnisseUebernehmen();
  const bool gedruckt = PrintDocument("QEB-Parameter", [&](QPainter& p, QPrinter& pr) {
    Seite1(p, pr, bitmapErlaubt);
    if (bitmapErlaubt && pr.newPage()) Seite2(p, pr);
  });
  if (gedruckt && Form4 != nullptr) Form4->close();
  return gedruckt;
}

bool VerlaufBerichtDrucken() {
  if (!LaufFertigFuerBericht()) return false;
  if (Form9 != nullptr) Form9->CopyClick();
  TitelAusEingaben();
  LaufergebnisseUebernehmen();
  const QImage bild = VerlaufBitmap;
  return PrintDocument(
      "QEB",
      [&bild](QPainter& p, QPrinter& pr) {
        Sanduhr sanduhr;
        const double W = pr.width(), H = pr.height();
        p.drawImage(QRect(Px(0.08, W), Px(0.175, H), Px(0.85, W), Px(0.4, H)), bild);
        Fenstertitel(p, W, H);
        ErgebnisblockDrucken(p, W, H, kVerlaufbericht);
        TextAus(p, Px(0.08, W), Px(0.96, H), Kennzeile());
        FeldZeile(p, W, H, 0.6, 0.96, 1.0, 1.0, FromBytes(Projekttitel3) + QStringLiteral(" / ") + DatumZeit());
      },
      PrintDialogKind::Setup);
}

bool GrafikBerichtDrucken() {
  if (Form4 == nullptr || Form1 == nullptr) return false;
  if (!LaufFertigFuerBericht()) return false;
  {
    Sanduhr sanduhr;
    Form4->CopyClick();
    Form4->BildZeigen();
    int code = 0;
    AnzahlSonden = ValInt(Form1->EAnzahlSonden->text(), code);
    Sondenlaenge = ValReal(Form1->ESondenlaenge->text(), code);
    Sondendurchmesser = ValReal(Form1->ESondendurchmesser->text(), code);
    Bohrdurchmesser = ValReal(Form1->EBohrdurchmesser->text(), code);
    if (AnzahlSonden > 1 && !Sondengrafik) Sondenabstand = ValReal(Form1->ESondenabstand->text(), code);
    lambdaErd = ValReal(Form1->ELambdaErd->text(), code);
    Ra = ValReal(Form1->ERa->text(), code);
    Rb = ValReal(Form1->ERb->text(), code);
    Auslegungsmassenstrom = ValReal(Form1->EAuslegungsmassenstrom->text(), code);
    Form1->ELastyear->setText(IntText(LastYear));
    TitelAusEingaben();
    LaufergebnisseUebernehmen();
  }
  const QImage bild = Form4->Bild;
  return PrintDocument(
      "QEB",
      [&bild](QPainter& p, QPrinter& pr) {
        Sanduhr sanduhr;
        Form4->BildZeigen();
        const double W = pr.width(), H = pr.height();
        p.drawImage(QRect(Px(0.08, W), Px(0.175, H), Px(0.75, W), Px(0.375, H)), bild);
        ErgebnisblockDrucken(p, W, H, kGrafikbericht);
        Fenstertitel(p, W, H);
        TextAus(p, Px(0.08, W), Px(0.97, H), Kennzeile());
        FeldZeile(p, W, H, 0.6, 0.97, 1.0, 1.0, FromBytes(Projekttitel3) + QStringLiteral(" / ") + DatumZeit());
      },
      PrintDialogKind::Setup);
}

}  // namespace qeb
