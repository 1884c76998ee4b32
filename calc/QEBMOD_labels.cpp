// Label table of the project file and the built-in rock and soil table.
//
// Every parameter line of a project file carries the label with its own line
// number, so these texts are part of the file format. They are written here as
// the Windows-1252 bytes of the files, like every text of the module.
#include <string>
#include <string_view>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

namespace qeb {

namespace {

struct FixedLabel {
  int entry;
  const char* text;  // Windows-1252; unit TAB description, or only a description
};

// The labels that are not built by a counting rule, by entry number.
// Entries 957-962 and 964-966 are exactly 100 bytes long and end mid-word.
constexpr FixedLabel kFixedLabels[] = {
    {6, "\tAnzahl Sonden"},
    {7, "m\tSondenlaenge"},
    {8, "m\tBohrdurchmesser"},
    {9, "m\tSondeninnendurchmesser"},
    {10, "m\tDicke Sondenrohr"},
    {11, "K/W\tR1"},
    {12, "Km/W\tRa"},
    {13, "Km/W\tRb"},
    {14, "\tKoaxialsonde"},
    {15, "m\tInnenrohrdurchmesser (Koaxialsonde)"},
    {16, "\tWaermepumpenkennwerte verwenden"},
    {17, "\tbivalente Anlage"},
    {18, "kW\tLeistung Spitzenkessels"},
    {19, "W/mK\tLambda Fluid"},
    {20, "kg/m3\tDichte Fluid"},
    {21, "J/kgK\tcp Fluid"},
    {22, "m2/s\tViskositaet Fluid"},
    {23, "kg/s\tAuslegungsmassenstrom"},
    {24, "\tDruckabfall berechnet"},
    {25, "kg/s\tMassenstrom"},
    {26, "Pa\tDruckabfall Sonden bei Doppel-U-Sonden"},
    {27, "-\tCOP bei -5\xB0" "C"},
    {28, "-\tCOP bei 0\xB0" "C"},
    {29, "\tSWQEB-Inputdaten einlesen"},
    {31, "W/mK\tLambda Erde"},
    {32, "kg/m3\tDichte Erde"},
    {33, "J/kgK\tcp Erde"},
    {64, "-\tCOP bei 5\xB0" "C"},
    {65, "W/mK\tLambda Hinterfuellung"},
    {66, "kg/m3\tDichte Hinterfuellung"},
    {67, "J/kgK\tcp Hinterfuellung"},
    {68, "-\tCOP bei 10\xB0" "C"},
    {69, "\xB0" "C\tJahresmitteltemperatur Luft"},
    {70, "\xB0" "C/m\tTemperaturgradient Boden"},
    {71, "\xB0" "C\tBoden waermer als Luft"},
    {72, "\tRechnen mit Entzugsleistung"},
    {73, "\tLeistungsinput"},
    {74, "y\tBeginn Simulation"},
    {75, "\tnumrows"},
    {76, "y\tSimulationsdauer in Jahren"},
    {77, "h\tSimulationszeit"},
    {78, "\xB0" "C\tDeltaT"},
    {79, "\tstationaere Berechnung Sole"},
    {80, "-\tCOP bei 15\xB0" "C"},
    {81, "\tMonitorAxi"},
    {82, "\tMonitorRad"},
    {83, "\tSicherheit1"},
    {84, "\tSicherheit2"},
    {85, "Min\tZeitschritt"},
    {86, "w\tRepRandbed"},
    {87, "\tRadiale Unterteilung"},
    {88, "\tAxiale Unterteilung"},
    {89, "\tGitterfaktor"},
    {90, "\tRechenradius"},
    {91, "\xB0" "C\tGenauigkeit Iteration"},
    {92, "\tStepwrite"},
    {93, "\treadfile"},
    {94, "\twritefile"},
    {95, "\tEinschwingen aufschreiben"},
    {96, "\tStarttemperatur abschaetzen"},
    {97, "\xB0" "C\tSenkentemperatur (falls nicht von File)"},
    {98, "kW\tEntzugsleistung (falls nicht von File)"},
    {99, "kW\tHeizleistung der Waermepumpe bei 0\xB0" "C"},
    {100, "\tg-function bei ln(t/ts) = -4"},
    {101, "\tg-function bei ln(t/ts) = -2"},
    {102, "\tg-function bei ln(t/ts) = 0"},
    {103, "\tg-function bei ln(t/ts) = +2"},
    {104, "\tg-function bei ln(t/ts) = +3"},
    {105, "m\teff. Abstand der Sonden"},
    {106, "m\tSondenabstand der g-function"},
    {107, "\tRandbedingung mit g-functions"},
    {108, "\tErdreichtemperatur abschaetzen"},
    {109, "\tInputfile mit Entzugsenergie statt Laufzeit"},
    {122, "kW\tSpitzenentzug Februar"},
    {123, "d\tDauer des Spitzenentzugs"},
    {124, "\tSonde wird auch zum Kuehlen verwendet"},
    {125, "kW\tEinspeisleistung(falls nicht von File)"},
    {126, "\tLastprofil wird aus dem Eingabefile uebernommen"},
    {127, "\xB0" "C\tWaermepumpen-Frostgrenze (Sonden-Rueklauf)"},
    {128, "\tGanzes System simulieren?"},
    {129, "\xB0" "C\tK\xFChlgrenze f\xFCr Zulufterwaermung"},
    {130, "\xB0" "C\tHeizgrenze f\xFCr Zulufterwaermung"},
    {131, "\xB0" "C\tMinimale Zulufttemperatur im Sommer (Kondenswasserschutz!)"},
    {132, "-\tEtaWRG, Wirkungsgrad WRG Zuluft, 0..1"},
    {133, "W/K\tA * k des 1. Waermetauschers"},
    {134, "-\tGegenstromanteil des 1. Waermetauschers"},
    {135, "W/K\tA * k des 2. Waermetauschers"},
    {136, "-\tGegenstromanteil des 2. Waermetauschers"},
    {137, "W/K\tA * k des 3. Waermetauschers"},
    {138, "-\tGegenstromanteil des 3. Waermetauschers"},
    {139, "kg/s\tMassenstrom durch 1. Systempumpe"},
    {140, "kg/s\tMassenstrom durch 2. Systempumpe"},
    {141, "kg/s\tMassenstrom durch 3. Systempumpe"},
    {142, "kg/s\tMassenstrom durch 4. Systempumpe"},
    {143, "\xB0" "C\tSollwert-Temperatur der Zuluft"},
    {144, "m3/h\tZuluftmenge"},
    {145, "m3/h\tZuluftmenge im Kuehlfall"},
    {146, "\xB0" "C\tRueklauftemperatur des Kaeltenetzes bei Ta=20\xB0" "C"},
    {147, "\xB0" "C\tRueklauftemperatur des Kaeltenetzes bei Ta=30\xB0" "C"},
    {148, "\xB0" "C\tTemperaturerhoehung Zuluft in Venti"},
    {149, "\tBerechnung Lastprofil aus Jahreslaufzeit"},
    {150, "\tLastprofil mit 30% Warmwasseranteil"},
    {151, "h/a\tJahreslaufzeit"},
    {152, "h/a\tJahre Einschwingen mit Lastprofil"},
    {153, "\tBeruecksichtigung von Verlusten in Solaranlage?"},
    {154, "\tFrostschutzregelung f\xFCr Luftkuehler?"},
    {155, "\tLueftungsfahrplan verwenden"},
    {156, "\tMaximale Last verwenden"},
    {157, "\tNur Maximale Kuehllast einlesen"},
    {187, "kg/s\tMassenstrom durch 5. Systempumpe"},
    {195, "\tGeocoax-Sonde berechnen ?"},
    {196, "-\tsubdt: Unterteilungen f\xFCr Zeitschritt Erde"},
    {197, "-\tsubstep_run: Unterteilungen f\xFCr Zeitschritt Sole bei Betrieb"},
    {198, "-\tsubstep_stop: Unterteilungen f\xFCr Zeitschritt Sole bei Stillstand"},
    {199, "W\tel. Aufnahmeleistung der Sondenpumpe"},
    {200, "kW\tKuehlleistung Kaeltemaschine zur Spitzendeckung"},
    {201, "\xB0" "C\tMinimale Sondenruecklauftemperatur bei Freecooling Feldaufteilung"},
    {202, "Km/W\tRc"},
    {203, "m\tDicke_Innenrohr"},
    {204, "W/mK\tlambda Innnenrohr"},
    {205, "-\tNr des Fluid-Typs"},
    {206, "-\tNr des Sondentyps"},
    {207, "-\tNr der g-function"},
    {208, "\tName des Anfahr - Files"},
    {209, "\tSchreiben des Anfahr - Files"},
    {210, "J/kgK\tcp-Wert des Wasser-Glykol-Gemisches"},
    {211, "\xB0" "C\tTRaum: Raumtemperatur f\xFCr WRG"},
    {212, "\tSprungantwort"},
    {213, "\tBerechnung Ra / Rb nach Hellstroem"},
    {214, "m\tSondenrohrabstand (Shank spacing)"},
    {215, "\t1. Stunde der Sprungantwort anzeigen"},
    {216, "\tErdreich homogen?"},
    {217, "\tVariable Hinterfuellungswerte?"},
    {248, "\tsolare Wasservorwaermung"},
    {289, "\tCOP bei Volllast"},
    {290, "W/mK\tlambda Rohr (lambda_w)"},
    {291, "kWh/a\tsolar zu deckende Warmwassermenge"},
    {292, "kg/s\tSoledurchsatz im Kuehlfall"},
    {293, "\tRa bei einfach-U-Sonden korrigieren"},
    {294, "\tKorrekturfaktor Asymetrie f\xFCr Ra bei einfach-U-Sonde"},
    {295, "Pa\tDruckabfall bei Auslegeungsmassenstrom"},
    {296, "\teinfach-U-Sonde"},
    {298, "\tReserven"},
    {299, "\xB0" "C\tDeltaVerdampfer: Delta T ueber Verdampfer"},
    {300, "\tFreecooling"},
    {301, "\tAuswahl Erdeigenschaften mit Pulldwons"},
    {322, "\tdirekte Eingabe g-function"},
    {323, "ausgew\xE4hlte Sondenanordnung / Kollektorwahl"},
    {324, "\tR\xFC" "cklauftemperatur f\xFCr Sondenfreecooling"},
    {325, "\tErdtemperaturen auf File TEarth.qeb schreiben"},
    {326, "\tjeden n. Zeitschritt auf File TEarth schreiben"},
    {327, "m2/Liter, Gr\xF6sse Solarregister und Solarspeicher"},
    {328, "\tR\xFC" "ckk\xFChlung von K\xE4ltemaschine, wenn Freecooling nicht reicht"},
    {329, "\tHeiz-COP der K\xE4ltemaschine, wenn Freecooling nicht reicht"},
    {330, "\tMinimaler Deckungsgrad Freecooling, bevor K\xE4ltemaschine kommt, 0..1"},
    {331, "\tKonst. Durchsatz Heizung und Kuehlen"},
    {332, "\terweiterte Druckberechnung"},
    {333, "\tLastprofil 2 erzeugen"},
    {334, "\tg-functions aus grafischer Eingabe"},
    {335, "\tAlpha in jedem Rechenschritt neu berechnen"},
    {336, "\tEingabe ungleichmaessiger Schichtaufbau"},
    {337, "\tSystem mit Direktk\xFChlung + WP"},
    {338, "\tMit Frostgrenze im Sondenfluid rechnen"},
    {339, "\tSondenlaenge berechnen"},
    {340, "\tSondenlaenge im Feld berechnen"},
    {341, "\tAnzahl Erdsonden auf grafischer Eingabe"},
    {342, "\tMultiplikator grafischer Eingabe Erdsonden"},
    {343, "\tSonde Nr. aus Feld \xFC" "bernehmen (0=alle)"},
    {344, "\tMinimale R\xFC" "cklauftemperatur/Frostgrenze"},
    {345, "\tCOP bei Frostgrenze(f\xFCr Berechnung Spitzenlast)"},
    {346, "\tMinimale R\xFC" "cklauftemperatur"},
    {347, "kW\tHeizleistung im Teillastfall ohne WW"},
    {348, "kW\tHeizleistung Warmwasser"},
    {349, "kW\tinstallierte K\xFChlleistung"},
    {350, "kW\tHeizleistung im Vollastfall ohne WW"},
    {351, "W/m2K2\tKollektorkonstante a2"},
    {352, "Pa\tNenndruck Verdampfer"},
    {353, "kg/s\tNenndurchsatz Verdampfer"},
    {354, "Pa\tNenndruck Verteiler"},
    {355, "kg/s\tNenndurchsatz Verteiler"},
    {356, "Pa\tNenndruck Messungeinrichtung"},
    {357, "kg/s\tNenndurchsatz Messungeinrichtung"},
    {358, "m\tDurchmesser Anschluss"},
    {359, "m\tLaenge Anschluss"},
    {360, "Pa\tNenndruck Ventil"},
    {361, "kg/s\tNenndurchsatz Ventil"},
    {362, "-\tAnzahl Bogen 90\xB0"},
    {363, "m\tSondenverlaengerung"},
    {364, "Pa\tDruckabfall Sondenkreis (Auslegung)"},
    {365, "-\tAnzahl paralleler Sondenzuleitungen (nur Vorlauf)"},
    {390, "-\tmittlerer COP im Heizfall"},
    {391, "-\tmittlerer COP f\xFCr Warmwasserproduktion"},
    {392, "-\tmittlerer EER im K\xFChlfall"},
    {393, "kWh\tJahresheizenergie ohne WW /ohne Bandlast"},
    {394, "kWh\tJahresk\xFChlenergie ohne Bandlast"},
    {395, "kWh\tJahresenergie f\xFCr Warmwasser"},
    {396, "kWh\tJahresenergie Bandlast Heizung"},
    {397, "kWh\tJahresenergie Bandlast K\xFChlung"},
    {398, "d\tTage Vollastfall im Heizfall"},
    {399, "-\tPulldown Leitfaehigkeit Schicht2"},
    {400, "-\tPulldown Leitfaehigkeit Schicht3"},
    {741, "W/K\tA * k des Kollektor-W\xE4rmetauschers"},
    {742, "\tTemperaturprofil als Startbedingung?"},
    {743, "\tGrundwasserfluss beruecksichtigen?"},
    {744, "\tDirekte Eingabe hydr. Druckgradient?"},
    {745, "\tGegenstromprinzip in Koaxialsonden"},
    {746, "\tJahreszeitenschwankung der Temperatur"},
    {747, "\tFormat Klimadaten: Meteonorm Standard"},
    {748, "\tGrundwasser auf Plan Sondenfeld zeigen"},
    {749, "m/m\tDruckgradient Grundwasser"},
    {750, "\tResponsetest TRT aus Messwerten"},
    {751, "\tRb aus Messwerten des TRT bestimmen"},
    {752, "\tSondenfeld im Kuehlfall aufteilen?"},
    {753, "\tbei Sondenaufteilung mit Feld1 beginnen"},
    {754, "\tsolare Regeneration der Sonden "},
    {755, "\tunverglaste Kollektoren"},
    {756, "\tKollektorertrag mit Wind berechnen"},
    {757, "\tKarte Sondenstandorte vorhanden?"},
    {758, "W/m2\tgeothermischer Waermefluss"},
    {759, "K\tEinfluss Klimaerwaermung bis 80m Tiefe"},
    {760, "Pt\tx-Position Karte (Nullpunkt)"},
    {761, "Pt\ty-Position Karte (Nullpunkt)"},
    {762, "-\tPulldown Leitfaehigkeit Schicht1"},
    {763, "m\tMittlerer_Abstand"},
    {764, "m.\xFC.M\tHoehe Sondenkopf"},
    {765, "Pt\tx-Position Pt1 Isohypse1"},
    {766, "Pt\ty-Position Pt1 Isohypse1"},
    {767, "Pt\tx-Position Pt2 Isohypse1"},
    {768, "Pt\ty-Position Pt2 Isohypse1"},
    {769, "Pt\tx-Position Pt1 Isohypse2"},
    {770, "Pt\ty-Position Pt1 Isohypse2"},
    {771, "Pt\tx-Position Pt2 Isohypse2"},
    {772, "Pt\ty-Position Pt2 Isohypse2"},
    {773, "m.\xFC.M\tHoehe Isohypse1 Grundwasser"},
    {774, "m.\xFC.M\tHoehe Isohypse2 Grundwasser"},
    {775, "-\tPorositaet Schicht1"},
    {776, "-\tPorositaet Schicht2"},
    {777, "-\tPorositaet Schicht3"},
    {778, "m/s\thydr Durchlaessigkeit k Schicht1"},
    {779, "m/s\thydr Durchlaessigkeit k Schicht2"},
    {780, "m/s\thydr Durchlaessigkeit k Schicht3"},
    {781, "m\tBeginn Schicht1"},
    {782, "m\tBeginn Schicht2"},
    {783, "m\tBeginn Schicht3"},
    {784, "m\tEnde Schicht3"},
    {785, "\xB0" "C\tTemperatur Keller \xFC" "ber Sondenfeld im Sommer"},
    {786, "W/m2K\tU-Wert Bodenplatte \xFC" "ber Sondenfeld"},
    {787, "\tGegenstromanteil Waermetauscher Kollektorkreislauf"},
    {788, "J/kgK\tspez. W\xE4rmekapazit\xE4t Kollektorfluid"},
    {789, "m2, Absorberfl\xE4" "che total / Absorberfl\xE4" "che pro Kollektor"},
    {790, "- / m/s, Kollektorkonstante bu / Windgeschwindigkeit u"},
    {791, "W/m2K, Kollektorkonstante b1 / a1"},
    {792, "W/m2K2 / -, Kollektorkonstante b2 / VarA"},
    {793, "- / -, Kollektorkonstante Eta0 / VarB"},
    {794, "- / -, Anzahl parallele Kollektoren / VarC"},
    {795, "\xB0 / W/Km2, Azimut des Kollektors / Umrechnungsfaktor f\xFCr A*k pro m2 Solarregister"},
    {796, "\xB0 / -, Neigung des Kollektors / Speicherverluste pro Stunde"},
    {797, "\xB0" "C\tMaximale Sondeneintrittstemperatur nach Kollektor"},
    {798, "kg/s\tKollektor-Durchsatz"},
    {949, "K\tAmplitude der Jahreszeitenschwankung"},
    {950, "d\tTag mit minimaler Temperatur"},
    {951, "-\tinSerie"},
    {952, "m2\tKellerflaeche"},
    {953, "\xB0" "C\tKellertemperatur im Winter"},
    {954, "kW\tK\xFChlleistung Freecooling bei Feldaufteilung"},
    {955, "-\tAnzahl Sonden fuer Variante 2 bei Druckberechnung"},
    {956, "kg/s\tDurchsatz fuer Variante 3 bei Druckberechnung"},
    {957, "kWh, Freecooling Jan - Dez bei Feldaufteilung / Temperaturgrad mit Waermefluss / Waermeentzug aus So"},
    {958, "kWh, Freecooling Jan - Dez bei Feldaufteilung / mit Stundenwerten starten / Waermeeintrag in Sonde /"},
    {959, "kWh, Freecooling Jan - Dez bei Feldaufteilung / Anzahl Nachbarsonden / H\xF6he m.\xFC.M / y-Koord Referenz"},
    {960, "kWh, Freecooling Jan - Dez bei Feldaufteilung / Kontaktwiderstand Rd / TageVollast22 / Messwerte Ein"},
    {961, "kWh, Freecooling Jan - Dez bei Feldaufteilung / Offset / EER Vollast / x-Koordinate Standort Tempera"},
    {962, "kWh, Freecooling Jan - Dez bei Feldaufteilung / Wellrohr1 / K\xFChlleistung Vollast / y-Koordinate Stan"},
    {963, "kWh, Freecooling Jan - Dez bei Feldaufteilung / Tageslastprofil / WWPrio / Import_Stao_qeb"},
    {964, "kWh, Freecooling Jan - Dez bei Feldaufteilung / Rueckkuehler1 / Max. Tsink von File / Standorthoehe "},
    {965, "kWh, Freecooling Jan - Dez bei Feldaufteilung / RueckkuehlLeistung / CH-Koordinaten / Temperatur aus"},
    {966, "kWh, Freecooling Jan - Dez bei Feldaufteilung / Ein_Rueckkuehler/ x-Koord Referenzpunkt in CH-Koordi"},
    {967, "kWh\tFreecooling Jan - Dez bei Feldaufteilung"},
    {968, "kWh\tFreecooling Jan - Dez bei Feldaufteilung"},
    {999, "\xB0" "C\tWarmwasser - Temperatur"},
    {1000, "W/mK\tscheinbares Lambda Erde der Schicht 10"},
};

// Stores a label, cut to the 100 bytes an entry holds.
void SetLabel(int entry, std::string_view text) {
  std::string s(text);
  if (s.size() > static_cast<size_t>(kLabelBytes)) s.resize(kLabelBytes);
  Labeltabelle[entry] = std::move(s);
}

std::string Num(int i) { return std::to_string(i); }

// Label of the load share and neighbour flag of boreholes i, i+150, i+300, i+450.
std::string BoreholeLoadLabel(int i) {
  return "[W/m], Sondenbelastung der " + Num(i) + ". / " + Num(i + 150) + ". / " + Num(i + 300) + ". / " +
         Num(i + 450) + ". Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?";
}

// Coordinates of boreholes i, i+150, i+300, i+450 (prefix "x-" or "y-").
std::string BoreholeCoordinateLabel(const char* prefix, int i, const char* tail) {
  return std::string(prefix) + "Koordinate der " + Num(i) + ". Sonde / der " + Num(i + 150) + ". Sonde / der " +
         Num(i + 300) + ". Sonde / der " + Num(i + 450) + tail;
}

struct RockRow {
  int row;
  const char* name;  // Windows-1252
  double lambda;     // W/mK
  double cp;         // J/kgK
  double rho;        // kg/m3
};

constexpr RockRow kRockRows[] = {
    {1, "Schotter trocken", 0.8, 800, 2000},
    {2, "Schotter feucht", 1.4, 900, 2200},
    {3, "Mor\xE4ne", 1.6, 900, 2200},
    {4, "Ton feucht", 1.5, 800, 2200},
    {5, "Siltstein OSM", 2.4, 900, 2530},
    {6, "Siltstein OMM", 2.5, 900, 2500},
    {7, "Siltstein USM", 2.7, 900, 2450},
    {8, "Feinsandstein OSM", 2.5, 1250, 2500},
    {9, "Feinsandstein OMM", 2.9, 1150, 2550},
    {10, "Feinsandstein USM", 2.5, 1300, 2450},
    {11, "Mittelsandstein OSM", 2.6, 1300, 2400},
    {12, "Mittelsandstein OMM", 3.1, 1300, 2550},
    {13, "Mittelsandstein USM", 2.7, 1400, 2400},
    {14, "Grobsandstein OSM", 2.6, 1300, 2550},
    {15, "Grobsandstein OMM", 2.9, 1300, 2450},
    {16, "Grobsandstein USM", 2.75, 1350, 2400},
    {17, "Kalkstein", 2.4, 1200, 2500},
    {18, "Dolomit", 3.4, 1200, 2500},
    {19, "Granit", 3.2, 1400, 2600},
    {20, "Gneis", 2.8, 900, 2400},
};

}  // namespace

void FillLabelTable() {
  for (int n = 1; n <= 5; ++n) Labeltabelle[n].clear();  // version and title lines
  // Entries without a text of their own (30, 297, 312-321, 799-898, ...) are
  // empty; the writer composes 799-898 itself.
  for (int n = 6; n <= 1000; ++n) Labeltabelle[n].clear();
  for (const FixedLabel& f : kFixedLabels) SetLabel(f.entry, f.text);

  for (int i = 1; i <= 10; ++i) {
    SetLabel(31 + 3 * i, "W/mK\tLambda Erde" + Num(i));
    SetLabel(32 + 3 * i, "kg/m3\tDichte Erde" + Num(i));
    SetLabel(33 + 3 * i, "J/kgK\tcp Erde" + Num(i));
  }
  static const char* const kMonthNames[13] = {"",     "Januar", "Februar",   "Maerz",   "April",
                                              "Mai",  "Juni",   "Juli",      "August",  "September",
                                              "Oktober", "November", "Dezember"};
  for (int m = 1; m <= 12; ++m)
    SetLabel(109 + m, std::string("h/d oder kWh\tLaufzeit oder Entzugsenergie ") + kMonthNames[m]);
  for (int n = 158; n <= 177; ++n) SetLabel(n, "\tLueftungsfahrplan");
  // Layer 10 of the apparent conductivity was added later and sits on line 1000.
  for (int i = 1; i <= 9; ++i) SetLabel(177 + i, "W/mK\tscheinbares Lambda Erde der Schicht " + Num(i));
  for (int n = 188; n <= 194; ++n) SetLabel(n, "\tFahrplan-Nr pro Wochentag");
  for (int i = 1; i <= 10; ++i) {
    SetLabel(215 + 3 * i, "W/mK\tLambda Hinterfuellung" + Num(i));
    SetLabel(216 + 3 * i, "kg/m3\tDichte Hinterfuellung" + Num(i));
    SetLabel(217 + 3 * i, "J/kgK\tcp Hinterfuellung" + Num(i));
  }
  for (int i = 1; i <= 10; ++i) {
    SetLabel(245 + 4 * i, "K/W\tR1 Schicht " + Num(i));
    SetLabel(246 + 4 * i, "Km/W\tRa Schicht " + Num(i));
    SetLabel(247 + 4 * i, "Km/W\tRb Schicht " + Num(i));
    SetLabel(248 + 4 * i, "Km/W\tRc Schicht " + Num(i));
  }
  for (int n = 302; n <= 311; ++n) SetLabel(n, "\tErdeigenschafts-Nr der Schicht 1-10");
  for (int n = 366; n <= 377; ++n) SetLabel(n, "kWh\tHeizlast der Monate Jan - Dez");
  for (int n = 378; n <= 389; ++n) SetLabel(n, "kWh\tK\xFChllast der Monate Jan - Dez");
  // Lines carrying four boreholes each; no unit, so no TAB.
  for (int i = 1; i <= 100; ++i) {
    SetLabel(399 + 2 * i, BoreholeCoordinateLabel("x-", i, ". Sonde "));
    SetLabel(400 + 2 * i, BoreholeCoordinateLabel("y-", i, ". Sonde  "));
  }
  for (int i = 1; i <= 10; ++i) {
    SetLabel(600 + i, "m\tTiefe " + Num(i) + ". Schicht");
    SetLabel(610 + i, "J/kgK\tcp Erde " + Num(i) + ". Schicht");
    SetLabel(620 + i, "kg/m3\trho Erde " + Num(i) + ". Schicht");
    SetLabel(630 + i, "W/mK\tlambda Erde " + Num(i) + ". Schicht");
  }
  // The 100-byte cut takes the "?" from the labels with three-digit numbers.
  for (int i = 1; i <= 100; ++i) SetLabel(640 + i, BoreholeLoadLabel(i));
  for (int i = 101; i <= 150; ++i) SetLabel(798 + i, BoreholeLoadLabel(i));
  for (int i = 1; i <= 10; ++i) {
    SetLabel(967 + 2 * i, "\xB0" "C\tStarttemperatur Nr. " + Num(i));
    SetLabel(968 + 2 * i, "m\tTiefe der Starttemperatur Nr. " + Num(i));
  }
  for (int i = 1; i <= 10; ++i) SetLabel(988 + i, "\xB0" "C\tStarttemperatur der " + Num(i) + ". Schicht");

  // Lines after the header are never labelled; entry 2000 is left as it is.
  for (int n = 1001; n <= 1999; ++n) Labeltabelle[n].clear();
}

void FillRockTable() {
  for (int r = 31; r <= 40; ++r) {
    Erdname[r].clear();
    Erdlambda[r] = 2.4;
    Erdcp[r] = 1000;
    Erdrho[r] = 2600;
  }
  for (int r = 1; r <= 30; ++r) {
    Erdname[r].clear();
    Erdlambda[r] = 0.8;
    Erdcp[r] = 800;
    Erdrho[r] = 2200;
  }
  for (const RockRow& row : kRockRows) {
    Erdname[row.row] = row.name;
    Erdlambda[row.row] = row.lambda;
    Erdcp[row.row] = row.cp;
    Erdrho[row.row] = row.rho;
  }
}

}  // namespace qeb
