// The project file written right after the defaults, compared line by line
// with the file layout and its labels.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <sstream>

#include "calc/QEBMOD.h"

namespace qeb {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// Lines of a CR LF file; index = line number (entry 0 empty). A bare LF or a
// missing final line end fails the test.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> out{""};
  size_t p = 0;
  while (p < bytes.size()) {
    size_t e = bytes.find("\r\n", p);
    if (e == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      out.push_back(bytes.substr(p));
      break;
    }
    std::string l = bytes.substr(p, e - p);
    EXPECT_EQ(l.find('\n'), std::string::npos) << "bare LF in line " << out.size();
    EXPECT_EQ(l.find('\r'), std::string::npos) << "bare CR in line " << out.size();
    out.push_back(l);
    p = e + 2;
  }
  return out;
}

// Label text given in UTF-8, as the file holds it in its code page.
std::string W(const char* utf8) { return Utf8ToWin1252(utf8); }

// The line table of the file format, one row per line or per family of
// array lines: first and last line, the value forms in order, the key (or the
// names of a family, which repeat in this order with the index running from
// the last column). Probe lines, text lines and line 298 are checked apart.
struct FormatRow {
  int from, to;
  const char* forms;
  const char* keys;
  int firstIndex;
};
const FormatRow kFormatTable[] = {
      {6, 6, "I", "AnzahlSonden", 0},
      {7, 7, "E", "Sondenlaenge", 0},
      {8, 8, "E", "Bohrdurchmesser", 0},
      {9, 9, "E", "Sondendurchmesser", 0},
      {10, 10, "E", "Dicke_Sondenrohr", 0},
      {11, 11, "E", "R1", 0},
      {12, 12, "E", "Ra", 0},
      {13, 13, "E", "Rb", 0},
      {14, 14, "B", "KoaxialSonde", 0},
      {15, 15, "E", "Innenrohrdurchmesser", 0},
      {16, 16, "B", "WP", 0},
      {17, 17, "B", "bivalent", 0},
      {18, 18, "E", "Kesselleistung", 0},
      {19, 19, "E", "lambdaSole", 0},
      {20, 20, "E", "rhoSole", 0},
      {21, 21, "E", "cpSole", 0},
      {22, 22, "E", "nueSole", 0},
      {23, 23, "E", "Auslegungsmassenstrom", 0},
      {24, 24, "B", "Druck", 0},
      {25, 25, "E", "Massenstrom", 0},
      {26, 26, "E", "Auslegungsdruck", 0},
      {27, 27, "E", "COP_5", 0},
      {28, 28, "E", "COP_0", 0},
      {29, 29, "B", "swqebinput", 0},
      {31, 31, "E", "lambdaErd", 0},
      {32, 32, "E", "rhoErd", 0},
      {33, 33, "E", "cpErd", 0},
      {34, 63, "E", "lambdaErde rhoErde cpErde", 1},
      {64, 64, "E", "COP5", 0},
      {65, 65, "E", "lambdaFill", 0},
      {66, 66, "E", "rhoFill", 0},
      {67, 67, "E", "cpFill", 0},
      {68, 68, "E", "COP10", 0},
      {69, 69, "E", "Jahresmitteltemp", 0},
      {70, 70, "E", "TGrad", 0},
      {71, 71, "E", "Bodenerwaermung", 0},
      {72, 72, "B", "Leistung", 0},
      {73, 73, "B", "Leistungsinput", 0},
      {74, 74, "I", "Beginn", 0},
      {75, 75, "I", "numrows", 0},
      {76, 76, "I", "LastYear", 0},
      {77, 77, "I", "Simulationsdauer", 0},
      {78, 78, "E", "DeltaT", 0},
      {79, 79, "B", "stationaer", 0},
      {80, 80, "E", "COP15", 0},
      {81, 81, "I", "MonitorAxi", 0},
      {82, 82, "I", "MonitorRad", 0},
      {83, 83, "E", "Sicherheit1", 0},
      {84, 84, "E", "Sicherheit2", 0},
      {85, 85, "I", "Zeitschritt", 0},
      {86, 86, "I", "RepRandbed", 0},
      {87, 87, "I", "DimRad", 0},
      {88, 88, "I", "DimAxi", 0},
      {89, 89, "E", "Gitterfaktor", 0},
      {90, 90, "E", "Rechenradius", 0},
      {91, 91, "E", "Genauigkeit", 0},
      {92, 92, "I", "StepWrite", 0},
      {93, 93, "B", "readfile", 0},
      {94, 94, "B", "writefile", 0},
      {95, 95, "B", "Allsteps", 0},
      {96, 96, "B", "Starttemp", 0},
      {97, 97, "E", "TSink", 0},
      {98, 98, "E", "QSource", 0},
      {99, 99, "E", "WPHeizleistung", 0},
      {100, 100, "E", "g1", 0},
      {101, 101, "E", "g2", 0},
      {102, 102, "E", "g3", 0},
      {103, 103, "E", "g4", 0},
      {104, 104, "E", "g5", 0},
      {105, 105, "E", "Sondenabstand", 0},
      {106, 106, "E", "g_Sondenabstand", 0},
      {107, 107, "B", "gfunction", 0},
      {108, 108, "B", "Starttemp", 0},
      {109, 109, "B", "Durchschnittsentzug", 0},
      {110, 121, "I", "Laufzeit", 1},
      {122, 122, "E", "QSpitzeFeb", 0},
      {123, 123, "I", "DauerLastSpitze", 0},
      {124, 124, "B", "Kuehlsonde", 0},
      {125, 125, "E", "Einspeisung", 0},
      {126, 126, "B", "Lasteinlesen", 0},
      {127, 127, "E", "WPFrostgrenze", 0},
      {128, 128, "B", "Systemsimulation", 0},
      {129, 129, "E", "TaMin", 0},
      {130, 130, "E", "TaMax", 0},
      {131, 131, "E", "TKondens", 0},
      {132, 132, "E", "EtaWRG", 0},
      {133, 133, "E", "Ak1", 0},
      {134, 134, "E", "zz1", 0},
      {135, 135, "E", "Ak2", 0},
      {136, 136, "E", "zz2", 0},
      {137, 137, "E", "Ak3", 0},
      {138, 138, "E", "zz3", 0},
      {139, 139, "E", "m1", 0},
      {140, 140, "E", "m2", 0},
      {141, 141, "E", "m3", 0},
      {142, 142, "E", "m4", 0},
      {143, 143, "E", "TZulSoll", 0},
      {144, 144, "E", "mZul", 0},
      {145, 145, "E", "mZul2", 0},
      {146, 146, "E", "TRL20", 0},
      {147, 147, "E", "TRL30", 0},
      {148, 148, "E", "DTVenti", 0},
      {149, 149, "B", "Lastprofil", 0},
      {150, 150, "B", "Warmwasser", 0},
      {151, 151, "I", "Jahreslaufzeit", 0},
      {152, 152, "I", "JahreEinschwingen", 0},
      {153, 153, "B", "Koll_Verlustfakt", 0},
      {154, 154, "B", "Frostschutz", 0},
      {155, 155, "B", "LFahrplan", 0},
      {156, 156, "B", "MaxQ", 0},
      {157, 157, "B", "MaxQKuehl", 0},
      {158, 177, "E", "LF", 10},
      {178, 186, "E", "lambdaErde_eff", 1},
      {187, 187, "E", "m5", 0},
      {188, 194, "I", "LFNr", 1},
      {195, 195, "B", "Geocoax", 0},
      {196, 196, "I", "subdt", 0},
      {197, 197, "I", "substep_run", 0},
      {198, 198, "I", "substep_stop", 0},
      {199, 199, "E", "Sondenpumpe", 0},
      {200, 200, "E", "Kaeltemaschine", 0},
      {201, 201, "E", "TSink3", 0},
      {202, 202, "E", "Rc", 0},
      {203, 203, "E", "Dicke_Innenrohr", 0},
      {204, 204, "E", "lambdaInnenrohr", 0},
      {205, 205, "I", "Fluidtyp", 0},
      {206, 206, "I", "Sondentyp", 0},
      {207, 207, "I", "gfuntyp", 0},
      {209, 209, "B", "AnfahrfileSchreiben", 0},
      {210, 210, "E", "cpGlykol", 0},
      {211, 211, "E", "TRaum", 0},
      {212, 212, "B", "Sprungantwort", 0},
      {213, 213, "B", "Hellstroem", 0},
      {214, 214, "E", "Bu", 0},
      {215, 215, "B", "Stundensprung", 0},
      {216, 216, "B", "homogen", 0},
      {217, 217, "B", "FillVariabel", 0},
      {218, 247, "E", "lambdaFillV rhoFillV cpFillV", 1},
      {248, 248, "B", "WWsolar", 0},
      {249, 288, "E", "R1V RaV RbV RcV", 1},
      {289, 289, "E", "COP_Volllast", 0},
      {290, 290, "E", "lambdaRohr", 0},
      {291, 291, "E", "WW_Bedarf", 0},
      {292, 292, "E", "mKuehl", 0},
      {293, 293, "B", "RaKorr", 0},
      {294, 294, "E", "RaKorr_einfachU", 0},
      {295, 295, "E", "DruckabfallSonde", 0},
      {296, 296, "B", "einfachU", 0},
      {299, 299, "E", "DeltaVerdampfer", 0},
      {300, 300, "B", "Freecooling", 0},
      {301, 301, "B", "Erdauswahl", 0},
      {302, 311, "I", "Erdauswahli", 1},
      {322, 322, "B", "gEingabe", 0},
      {323, 323, "I I", "Sondenauswahl / Kollektorwahl", 0},
      {324, 324, "E", "TTSink", 0},
      {325, 325, "B", "TEarth", 0},
      {326, 326, "I", "stepWrite_TEarth", 0},
      {327, 327, "E E", "WWTauscher/Solarspeicher", 0},
      {328, 328, "B", "Rueckkuehlung", 0},
      {329, 329, "E", "COPRueckkuehlung", 0},
      {330, 330, "E", "MinDeckungFreecooling", 0},
      {331, 331, "B", "Durchsatz_const", 0},
      {332, 332, "B", "Druckberechnung", 0},
      {333, 333, "B", "Lastprofil2", 0},
      {334, 334, "B", "Sondengrafik", 0},
      {335, 335, "B", "alpha_pro_Schritt", 0},
      {336, 336, "B", "ungleichmaessig", 0},
      {337, 337, "B", "DirektkuehlungWP", 0},
      {338, 338, "B", "Frostbegrenzung", 0},
      {339, 339, "B", "Laenge_berechnen", 0},
      {340, 340, "B", "Laenge_im_Feld", 0},
      {341, 341, "I", "Zaehler", 0},
      {342, 342, "E", "Multiplikator", 0},
      {343, 343, "I", "SondeNr", 0},
      {344, 344, "E", "Frostgrenze", 0},
      {345, 345, "E", "COP_Frostgrenze", 0},
      {346, 346, "E", "MinSondentemp", 0},
      {347, 347, "E", "Heizleistung_Teillast", 0},
      {348, 348, "E", "Heizleistung_WW", 0},
      {349, 349, "E", "Kuehlleistung", 0},
      {350, 350, "E", "Heizleistung_Vollast", 0},
      {351, 351, "E", "a2", 0},
      {352, 352, "E", "NenndruckVerdampfer", 0},
      {353, 353, "E", "NenndurchsatzVerdampfer", 0},
      {354, 354, "E", "NenndruckVerteiler", 0},
      {355, 355, "E", "NenndurchsatzVerteiler", 0},
      {356, 356, "E", "NenndruckMessung", 0},
      {357, 357, "E", "NenndurchsatzMessung", 0},
      {358, 358, "E", "DurchmesserAnschluss", 0},
      {359, 359, "E", "LaengeAnschluss", 0},
      {360, 360, "E", "NenndruckVentil", 0},
      {361, 361, "E", "NenndurchsatzVentil", 0},
      {362, 362, "I", "AnzahlBogen90", 0},
      {363, 363, "R", "Sondenverlaengerung", 0},
      {364, 364, "E", "AuslegungsDruckabfall_Sondenkreis", 0},
      {365, 365, "I", "AnzahlParallel", 0},
      {366, 377, "E", "Heizlast", 1},
      {378, 389, "E", "Kuehllast", 1},
      {390, 390, "E", "COP_Heizlast", 0},
      {391, 391, "E", "COP_WW", 0},
      {392, 392, "E", "EER_Kuehllast", 0},
      {393, 393, "E", "Jahresheizlast", 0},
      {394, 394, "E", "Jahreskuehllast", 0},
      {395, 395, "E", "HeizlastWW", 0},
      {396, 396, "E", "Heizbandlast", 0},
      {397, 397, "E", "Kuehlbandlast", 0},
      {398, 398, "I", "TageVollast", 0},
      {399, 399, "I", "Leitfaehigkeit2", 0},
      {400, 400, "I", "Leitfaehigkeit3", 0},
      {601, 610, "E", "Schicht", 1},
      {611, 620, "E", "cpErdeSchicht", 1},
      {621, 630, "E", "rhoErdeSchicht", 1},
      {631, 640, "E", "lambdaErdeSchicht", 1},
      {741, 741, "E", "Ak_Kollektor", 0},
      {742, 742, "B", "TempProfil", 0},
      {743, 743, "B", "Grundwasser", 0},
      {744, 744, "B", "hydrDruckgradient", 0},
      {745, 745, "B", "Gegenstrom", 0},
      {746, 746, "B", "Jahreszeiten", 0},
      {747, 747, "B", "MeteoStandard", 0},
      {748, 748, "B", "GW_zeigen", 0},
      {749, 749, "E", "Druckgradient", 0},
      {750, 750, "B", "TRT", 0},
      {751, 751, "B", "Hell", 0},
      {752, 752, "B", "Aufteilung", 0},
      {753, 753, "B", "Feld1", 0},
      {754, 754, "B", "solar", 0},
      {755, 755, "B", "unverglast", 0},
      {756, 756, "B", "Res1", 0},
      {757, 757, "B", "mitPlan", 0},
      {758, 758, "E", "Waermefluss", 0},
      {759, 759, "E", "Klimaerwaermung", 0},
      {760, 760, "I", "Posx", 0},
      {761, 761, "I", "Posy", 0},
      {762, 762, "I", "Leitfaehigkeit1", 0},
      {763, 763, "E", "Mittlerer_Abstand", 0},
      {764, 764, "E", "Niveau", 0},
      {765, 765, "E", "x1Isohypse1", 0},
      {766, 766, "E", "y1Isohypse1", 0},
      {767, 767, "E", "x2Isohypse1", 0},
      {768, 768, "E", "y2Isohypse1", 0},
      {769, 769, "E", "x1Isohypse2", 0},
      {770, 770, "E", "y1Isohypse2", 0},
      {771, 771, "E", "x2Isohypse2", 0},
      {772, 772, "E", "y2Isohypse2", 0},
      {773, 773, "E", "Isohypse1", 0},
      {774, 774, "E", "Isohypse2", 0},
      {775, 775, "E", "Porositaet1", 0},
      {776, 776, "E", "Porositaet2", 0},
      {777, 777, "E", "Porositaet3", 0},
      {778, 778, "E", "Durchlaessigkeit1", 0},
      {779, 779, "E", "Durchlaessigkeit2", 0},
      {780, 780, "E", "Durchlaessigkeit3", 0},
      {781, 781, "E", "zSchicht1", 0},
      {782, 782, "E", "zSchicht2", 0},
      {783, 783, "E", "zSchicht3", 0},
      {784, 784, "E", "zSchicht4", 0},
      {785, 785, "E", "TempKellerSommer", 0},
      {786, 786, "E", "UWertKeller", 0},
      {787, 787, "E", "zzKollektor", 0},
      {788, 788, "E", "cp_Kollektor", 0},
      {789, 789, "E E", "Kollektor / Absorber", 0},
      {790, 790, "E E", "b_u / u", 0},
      {791, 791, "E E", "b_1 / a1", 0},
      {792, 792, "E E", "b_2 / VarA", 0},
      {793, 793, "E E", "Eta0 / VarB", 0},
      {794, 794, "E E", "parallel / VarC", 0},
      {795, 795, "E E", "Azimut / Ak_Fak_WWTauscher", 0},
      {796, 796, "E E", "Neigung / Speicherverluste", 0},
      {797, 797, "E", "MaxSondenruecklauf", 0},
      {798, 798, "E", "mKollektor", 0},
      {949, 949, "E", "Amplitude", 0},
      {950, 950, "E", "Phasenverschiebung", 0},
      {951, 951, "E", "inSerie", 0},
      {952, 952, "E", "Kellerflaeche", 0},
      {953, 953, "E", "TempKellerWinter", 0},
      {954, 954, "E", "Freecoolleistung", 0},
      {955, 955, "I", "AnzahlSonden2", 0},
      {956, 956, "E", "Auslegungsmassenstrom3", 0},
      {957, 957, "E E E E", "Freecool[1] / mit_Waermefluss / SummeQHeiz / y_CH_Koord", 0},
      {958, 958, "E E E E", "Freecool[2] / start_Messung / SummeQKuehl / x_Ref", 0},
      {959, 959, "E I E E", "Freecool[3] / Anz_Nachbarsonden / Hoeh / y_Ref", 0},
      {960, 960, "E E I E", "Freecool[4] / Rd / Tage Vollast Kuehlung / Messung", 0},
      {961, 961, "E I E E", "Freecool[5] / Offset / EER bei Vollast / x_Stao", 0},
      {962, 962, "E E E E", "Freecool[6] / Wellrohr1 / Kuehlleistung bei Vollast / x_Stao", 0},
      {963, 963, "E E E E", "Freecool[7] / Reserve7 / WWPrio / Reserve27", 0},
      {964, 964, "E E E E", "Freecool[8] / Rueckkuehler1 / Reserve18 / Standorthoehe", 0},
      {965, 965, "E E E E E E E", "Freecool[9]/RueckkuehlLeistung/Reserve19/mit_Standorthoehe/Ta_nurLuftbetrieb/Ta_nurQEBbetrieb/ReserveA", 0},
      {966, 966, "E E E E I E E", "Freecool[10]/Ein_Rueckkuehler/x_CH_Koord/TRT_Methode/Anforderung/ReserveC/ReserveD", 0},
      {967, 968, "E", "Freecool", 11},
      {969, 988, "F3", "TProfil zTProfil", 1},
      {989, 998, "F3", "Starttemperatur", 1},
      {999, 999, "E", "WWTemperatur", 0},
      {1000, 1000, "E", "lambdaErde_eff[10]", 0},
};

std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

bool AllDigits(const std::string& s, size_t from, size_t to) {
  if (from >= to || to > s.size()) return false;
  for (size_t i = from; i < to; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// Does `v` have the written form `form` (E, F1, F3, I, R, B)?
bool HasForm(const std::string& form, const std::string& v) {
  if (form == "E")
    return v.size() == 23 && (v[0] == ' ' || v[0] == '-') && AllDigits(v, 1, 2) && v[2] == '.' && AllDigits(v, 3, 17) &&
           v[17] == 'E' && (v[18] == '+' || v[18] == '-') && AllDigits(v, 19, 23);
  if (form == "B") return v == "TRUE" || v == "FALSE";
  size_t a = !v.empty() && v[0] == '-' ? 1 : 0;
  if (form == "I" || form == "R") return AllDigits(v, a, v.size());
  size_t dot = v.find('.');
  if (dot == std::string::npos || !AllDigits(v, a, dot)) return false;
  size_t decimals = form == "F1" ? 1 : form == "F3" ? 3 : 99;
  return v.size() == dot + 1 + decimals && AllDigits(v, dot + 1, v.size());
}

struct ExpectedLine {
  std::vector<std::string> forms;
  std::string sep;  // between label and key
  std::string keys;
};

std::string Indexed(const std::string& name, int i) { return name + "[" + std::to_string(i) + "]"; }

// Expected form of every keyed line, built from the table above and the
// rules of the probe lines.
std::map<int, ExpectedLine> ExpectedLayout() {
  std::map<int, ExpectedLine> m;
  for (const FormatRow& r : kFormatTable) {
    auto names = Words(r.keys);
    for (int l = r.from; l <= r.to; ++l) {
      ExpectedLine e;
      e.sep = "\t\t";
      if (r.firstIndex > 0) {
        int k = l - r.from;
        e.keys = Indexed(names[k % names.size()], r.firstIndex + k / static_cast<int>(names.size()));
        e.forms = {r.forms};
      } else {
        e.keys = r.keys;
        e.forms = Words(r.forms);
      }
      EXPECT_TRUE(m.emplace(l, e).second) << "line " << l << " twice in the table";
    }
  }
  auto four = [](const char* name, int i) {
    std::string s;
    for (int q = 0; q < 4; ++q) s += (q ? " / " : "") + Indexed(name, i + 150 * q);
    return s;
  };
  for (int first : {1, 101}) {
    int coords = first == 1 ? 401 : 799, shares = first == 1 ? 641 : 899, n = first == 1 ? 100 : 50;
    for (int k = 0; k < n; ++k) {
      int i = first + k;
      m[coords + 2 * k] = {{"E", "E", "E", "E"}, "\t", four("SondeX", i)};
      m[coords + 2 * k + 1] = {{"E", "E", "E", "E"}, "\t", four("SondeY", i)};
      m[shares + k] = {{"F1", "F1", "F1", "F1", "I", "I", "I", "I"}, "\t",
                       four("Sondenbelastung", i) + " / " + four("Nachbarsonde", i)};
    }
  }
  return m;
}

const std::string kZero = " 0.00000000000000E+0000";
const std::string kOne = " 1.00000000000000E+0000";

class ProjectWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaults();
    ResetFileState();
    // Values command -3 leaves alone: give them known contents.
    x_koord = 0;
    y_koord = 0;
    StaoWert8 = 0.0;
    SummeQHeiz = 0.0;
    SummeQKuehl = 0.0;
    Messung = 0.0;
    Reserve18Schalter = 0;
    Reserve19Schalter = 0;
    ReserveA = ReserveC = ReserveD = 0.0;
    Beginn = 1;
    subdt = 1;
    substep_run = 1;
    substep_stop = 1;
    Auslegungsdruck = DruckabfallSonde = AuslegungsDruckabfall_Sondenkreis = 0.0;
    Druckgradient = 0.0;
    SondeNr = 0;
    for (int i = 1; i <= 600; ++i) Sondenbelastung[i] = 0.0;
    for (int i = 1; i <= 10; ++i) Starttemperatur[i] = 10.0;
  }

  std::vector<std::string> Write(const std::string& name = "pw.qeb") {
    int zs = Zeitschritt, spj = SchritteProJahr;
    WriteOutputHeader(name, zs, spj);
    AusgabeText.Close();
    return CrLfLines(Slurp(name));
  }
};

TEST_F(ProjectWrite, DefaultsGiveTheLayoutLineByLine) {
  auto L = Write();
  ASSERT_EQ(L.size(), 1002u) << "exactly 1001 lines";
  EXPECT_EQ(L[1], "28.0 Version des Ausgabefiles, Programm QEB");
  EXPECT_EQ(L[2], "Programm QEB, Ver 5.6 mit Default-Werten");
  EXPECT_EQ(L[3], "Projekt Erdwaermesonden");
  EXPECT_EQ(L[4], "");
  EXPECT_EQ(L[5], "");
  EXPECT_EQ(L[6], "1\t\tAnzahl Sonden\t\tAnzahlSonden");
  EXPECT_EQ(L[7], " 2.00000000000000E+0001\tm\tSondenlaenge\t\tSondenlaenge");
  EXPECT_EQ(L[8], " 1.20000000000000E-0001\tm\tBohrdurchmesser\t\tBohrdurchmesser");
  EXPECT_EQ(L[9], " 3.20000000000000E-0002\tm\tSondeninnendurchmesser\t\tSondendurchmesser");
  EXPECT_EQ(L[11], kZero + "\tK/W\tR1\t\tR1");
  EXPECT_EQ(L[14], "FALSE\t\tKoaxialsonde\t\tKoaxialSonde");
  EXPECT_EQ(L[21], " 3.90460000000000E+0003\tJ/kgK\tcp Fluid\t\tcpSole");
  EXPECT_EQ(L[22], " 3.49000000000000E-0006\tm2/s\tViskositaet Fluid\t\tnueSole");
  EXPECT_EQ(L[24], "TRUE\t\tDruckabfall berechnet\t\tDruck");
  EXPECT_EQ(L[27], " 2.50000000000000E+0000\t-\t" + W("COP bei -5°C") + "\t\tCOP_5");
  EXPECT_EQ(L[30], "swqeb.dat");
  EXPECT_EQ(L[34], " 2.40000000000000E+0000\tW/mK\tLambda Erde1\t\tlambdaErde[1]");
  EXPECT_EQ(L[35], " 2.60000000000000E+0003\tkg/m3\tDichte Erde1\t\trhoErde[1]");
  EXPECT_EQ(L[63], " 1.00000000000000E+0003\tJ/kgK\tcp Erde10\t\tcpErde[10]");
  EXPECT_EQ(L[69], " 9.00000000000000E+0000\t" + W("°C") + "\tJahresmitteltemperatur Luft\t\tJahresmitteltemp");
  EXPECT_EQ(L[75], "8760\t\tnumrows\t\tnumrows");
  EXPECT_EQ(L[76], "3\ty\tSimulationsdauer in Jahren\t\tLastYear");
  EXPECT_EQ(L[85], "60\tMin\tZeitschritt\t\tZeitschritt");
  EXPECT_EQ(L[96], "FALSE\t\tStarttemperatur abschaetzen\t\tStarttemp");
  EXPECT_EQ(L[108], "FALSE\t\tErdreichtemperatur abschaetzen\t\tStarttemp");
  EXPECT_EQ(L[98], kOne + "\tkW\tEntzugsleistung (falls nicht von File)\t\tQSource");
  EXPECT_EQ(L[110], "12\th/d oder kWh\tLaufzeit oder Entzugsenergie Januar\t\tLaufzeit[1]");
  EXPECT_EQ(L[121], "11\th/d oder kWh\tLaufzeit oder Entzugsenergie Dezember\t\tLaufzeit[12]");
  EXPECT_EQ(L[158], kOne + "\t\tLueftungsfahrplan\t\tLF[10]");
  EXPECT_EQ(L[177], kOne + "\t\tLueftungsfahrplan\t\tLF[29]");
  EXPECT_EQ(L[186], " 2.40000000000000E+0000\tW/mK\tscheinbares Lambda Erde der Schicht 9\t\tlambdaErde_eff[9]");
  EXPECT_EQ(L[208], "anfahr.qeb");
  EXPECT_EQ(L[249], kZero + "\tK/W\tR1 Schicht 1\t\tR1V[1]");
  EXPECT_EQ(L[288], kZero + "\tKm/W\tRc Schicht 10\t\tRcV[10]");
  EXPECT_EQ(L[297], "S");
  // Ten values, each followed by a TAB, then the rebuilt address label.
  EXPECT_EQ(L[298], kOne + "\t" + kZero + "\t" + kOne + "\t" + kZero + "\t50\t0\t0\t" + kZero + "\t" + kOne + "\t" + kOne +
                        "\t\t|stao.qeb");
  for (int l = 312; l <= 321; ++l) EXPECT_EQ(L[l], "") << l;
  EXPECT_EQ(L[323], "0\t0\t" + W("ausgewählte Sondenanordnung / Kollektorwahl") + "\t\tSondenauswahl / Kollektorwahl");
  EXPECT_EQ(L[326], "730\t\tjeden n. Zeitschritt auf File TEarth schreiben\t\tstepWrite_TEarth");
  EXPECT_EQ(L[327], " 9.00000000000000E+0000\t 1.00000000000000E+0003\t" +
                        W("m2/Liter, Grösse Solarregister und Solarspeicher") + "\t\tWWTauscher/Solarspeicher");
  EXPECT_EQ(L[363].substr(0, 3), "10\t");
  EXPECT_EQ(L[366].substr(0, 24), " 3.33000000000000E+0002\t");
  EXPECT_EQ(L[401], kZero + "\t" + kZero + "\t" + kZero + "\t" + kZero +
                        "\tx-Koordinate der 1. Sonde / der 151. Sonde / der 301. Sonde / der 451. Sonde \t"
                        "SondeX[1] / SondeX[151] / SondeX[301] / SondeX[451]");
  EXPECT_EQ(L[600], kZero + "\t" + kZero + "\t" + kZero + "\t" + kZero +
                        "\ty-Koordinate der 100. Sonde / der 250. Sonde / der 400. Sonde / der 550. Sonde  \t"
                        "SondeY[100] / SondeY[250] / SondeY[400] / SondeY[550]");
  EXPECT_EQ(L[601], " 3.00000000000000E+0001\tm\tTiefe 1. Schicht\t\tSchicht[1]");
  EXPECT_EQ(L[641],
            "0.0\t0.0\t0.0\t0.0\t0\t0\t0\t0\t[W/m], Sondenbelastung der 1. / 151. / 301. / 451. Sonde /Ist Sonde eine "
            "Nachbarsonde(Ja=1 Nein=0)?\tSondenbelastung[1] / Sondenbelastung[151] / Sondenbelastung[301] / "
            "Sondenbelastung[451] / Nachbarsonde[1] / Nachbarsonde[151] / Nachbarsonde[301] / Nachbarsonde[451]");
  EXPECT_EQ(L[799], kZero + "\t" + kZero + "\t" + kZero + "\t" + kZero +
                        "\tx-Koordinate der 101. Sonde / der 251. Sonde / der 401. Sonde / der 551. Sonde \t"
                        "SondeX[101] / SondeX[251] / SondeX[401] / SondeX[551]");
  EXPECT_TRUE(L[898].ends_with("Sonde  \tSondeY[150] / SondeY[300] / SondeY[450] / SondeY[600]"));
  EXPECT_EQ(L[957], kZero + "\t" + kZero + "\t" + kZero + "\t 2.00000000000000E+0005\t" +
                        W("kWh, Freecooling Jan - Dez bei Feldaufteilung / Temperaturgrad mit Waermefluss / "
                          "Waermeentzug aus So") +
                        "\t\tFreecool[1] / mit_Waermefluss / SummeQHeiz / y_CH_Koord");
  EXPECT_TRUE(L[959].starts_with(kZero + "\t0\t 5.53000000000000E+0002\t"));
  // Freecool[7] = 420 and three switches written as zeros.
  EXPECT_EQ(L[963].substr(0, 96), " 4.20000000000000E+0002\t" + kZero + "\t" + kZero + "\t" + kZero + "\t");
  EXPECT_NE(L[963].find("\t\tFreecool[7] / Reserve7 / WWPrio / Reserve27"), std::string::npos);
  EXPECT_NE(L[965].find("\t\tFreecool[9]/RueckkuehlLeistung/Reserve19/mit_Standorthoehe/Ta_nurLuftbetrieb/"
                        "Ta_nurQEBbetrieb/ReserveA"),
            std::string::npos);
  EXPECT_NE(L[966].find("\t1\t"), std::string::npos) << "Anforderung as an integer";
  EXPECT_NE(L[966].find("\t\tFreecool[10]/Ein_Rueckkuehler/x_CH_Koord/TRT_Methode/Anforderung/ReserveC/ReserveD"),
            std::string::npos);
  EXPECT_EQ(L[969].substr(0, 7), "12.800\t");
  EXPECT_EQ(L[970].substr(0, 8), "100.000\t");
  EXPECT_EQ(L[971].substr(0, 7), "18.800\t");
  EXPECT_EQ(L[972].substr(0, 8), "300.000\t");
  EXPECT_EQ(L[973].substr(0, 6), "0.000\t");
  EXPECT_TRUE(L[970].ends_with("\t\tzTProfil[1]"));
  EXPECT_EQ(L[999], " 6.00000000000000E+0001\t" + W("°C") + "\tWarmwasser - Temperatur\t\tWWTemperatur");
  EXPECT_EQ(L[1000], " 2.40000000000000E+0000\tW/mK\tscheinbares Lambda Erde der Schicht 10\t\tlambdaErde_eff[10]");
  EXPECT_EQ(L[1001], "Step\tM [kg/s]\tTSink\tQ [kW]\tTSource\tTMonitor\tp [Pa]\tlaminar?");
}

// Every keyed line against the line table of the file format: the value
// forms, the label of its line number, the separator and the key text.
TEST_F(ProjectWrite, KeyedLinesFollowTheFormatTable) {
  SondeX[2] = -4.5;  // a negative coordinate keeps the width
  Sondenbelastung[3] = -12.25;
  auto L = Write();
  ASSERT_EQ(L.size(), 1002u);
  auto expected = ExpectedLayout();
  // Lines without key: the version, titles, texts, line 298 and the column header.
  std::set<int> unkeyed = {1, 2, 3, 4, 5, 30, 208, 297, 298, 1001};
  for (int l = 312; l <= 321; ++l) unkeyed.insert(l);
  for (int l = 1; l <= 1001; ++l) EXPECT_NE(expected.count(l) == 1, unkeyed.count(l) == 1) << "line " << l;
  for (const auto& [l, e] : expected) {
    std::string rest = L[l];
    for (const std::string& form : e.forms) {
      size_t tab = rest.find('\t');
      ASSERT_NE(tab, std::string::npos) << "line " << l << ": " << L[l];
      std::string v = rest.substr(0, tab);
      EXPECT_TRUE(HasForm(form, v)) << "line " << l << ": \"" << v << "\" is not " << form;
      rest.erase(0, tab + 1);
    }
    // Lines 799..898 have no table entry; the writer composes their label.
    std::string label = l >= 799 && l <= 898 ? LayoutLabel(l) : Labeltabelle[l];
    EXPECT_EQ(rest, label + e.sep + e.keys) << "line " << l;
  }
  EXPECT_EQ(SplitTabs(L[403])[0], "-4.50000000000000E+0000");
  EXPECT_EQ(SplitTabs(L[643])[0], "-12.2");
}

TEST_F(ProjectWrite, EveryKeyedLineEndsWithItsKeyAndLabel) {
  auto L = Write();
  ASSERT_EQ(L.size(), 1002u);
  const auto& layout = ProjectLayout();
  for (int l = 6; l <= 1000; ++l) {
    const LineSpec& s = layout[l];
    if (s.kind == LineKind::Param || s.kind == LineKind::Multi) {
      EXPECT_TRUE(L[l].ends_with("\t" + LayoutLabel(l) + "\t\t" + s.keyText)) << "line " << l << ": " << L[l];
      EXPECT_EQ(SplitTabs(L[l]).front().empty(), false) << l;
    } else if (s.kind == LineKind::Probe) {
      EXPECT_TRUE(L[l].ends_with("\t" + LayoutLabel(l) + "\t" + s.keyText)) << "line " << l;
    }
  }
  // Labels of the table are used by line number.
  EXPECT_EQ(LayoutLabel(88), Labeltabelle[88]);
  EXPECT_EQ(layout[88].keyText, "DimAxi");
  EXPECT_EQ(layout[34].keyText, "lambdaErde[1]");
  EXPECT_EQ(layout[36].keyText, "cpErde[1]");
  EXPECT_EQ(layout[37].keyText, "lambdaErde[2]");
  EXPECT_EQ(layout[252].keyText, "RcV[1]");
  EXPECT_EQ(layout[962].keyText, "Freecool[6] / Wellrohr1 / Kuehlleistung bei Vollast / x_Stao");
  EXPECT_EQ(layout[960].keyText, "Freecool[4] / Rd / Tage Vollast Kuehlung / Messung");
}

TEST_F(ProjectWrite, WriterSetsSwitchRealsAndLabel298) {
  Auslegungsentzug = 7.5;
  QSource = 1.0;
  Projektstrasse = "Bahnhofstrasse 1";
  Projektort = "Zuerich";
  StaoFile = "meinort.stao";
  mitRueckkuehler = true;
  RueckkuehlerHeizen = false;
  Reserve18Schalter = 1;
  Reserve19Schalter = 0;
  MessungJahre = 3;
  Messung = 1.0;
  Wellrohr1 = true;
  start_Messung = true;
  WWPrio = true;
  auto L = Write();
  EXPECT_EQ(QSource, 7.5);
  EXPECT_EQ(L[98].substr(0, 23), " 7.50000000000000E+0000");
  EXPECT_EQ(Labeltabelle[298], "Bahnhofstrasse 1\tZuerich|meinort.stao");
  EXPECT_TRUE(L[298].ends_with("\tBahnhofstrasse 1\tZuerich|meinort.stao"));
  auto v = [&](int line, int k) { return SplitTabs(L[line])[k]; };
  EXPECT_EQ(v(958, 1), kOne);
  EXPECT_EQ(v(960, 3), " 3.00000000000000E+0000");
  EXPECT_EQ(Messung, 3.0);
  EXPECT_EQ(v(962, 1), kOne);
  EXPECT_EQ(v(963, 2), kOne);
  EXPECT_EQ(v(964, 1), " 2.00000000000000E+0000");
  EXPECT_EQ(v(964, 2), kOne);
  EXPECT_EQ(v(965, 2), kZero);
  EXPECT_EQ(L[1001], KopfzeileSolar) << "recooler selects the solar header";

  RueckkuehlerHeizen = true;
  MessungJahre = 1;
  L = Write();
  EXPECT_EQ(v(964, 1), kOne);
  EXPECT_EQ(v(960, 3), kOne);
  mitRueckkuehler = false;
  Messung = 0.0;
  L = Write();
  EXPECT_EQ(v(964, 1), kZero);
  EXPECT_EQ(v(960, 3), kZero);
}

TEST_F(ProjectWrite, ColumnHeaderFollowsThePlantOptions) {
  Systemsimulation = true;
  DirektkuehlungWP = true;
  EXPECT_EQ(Write()[1001], KopfzeileAnlageWP);
  DirektkuehlungWP = false;
  EXPECT_EQ(Write()[1001], KopfzeileAnlage);
  Systemsimulation = false;
  solar = true;
  EXPECT_EQ(Write()[1001], KopfzeileSolar);
  solar = false;
  EXPECT_EQ(Write()[1001], Kopfzeile);
}

TEST_F(ProjectWrite, NumbersKeepTheirForm) {
  Sondenlaenge = -185.0;
  Sondenverlaengerung = 2.5;
  Sondenbelastung[1] = 12.3;
  Sondenbelastung[451] = -3.0;
  Nachbarsonde[151] = true;
  TProfil[1] = 10.5;
  auto L = Write();
  EXPECT_EQ(L[7].substr(0, 24), "-1.85000000000000E+0002\t");
  EXPECT_EQ(L[363].substr(0, 2), "2\t");
  Sondenverlaengerung = 3.5;
  L = Write();
  EXPECT_EQ(L[363].substr(0, 2), "4\t");
  EXPECT_TRUE(L[641].starts_with("12.3\t0.0\t0.0\t-3.0\t0\t1\t0\t0\t[W/m]"));
  EXPECT_EQ(L[969].substr(0, 7), "10.500\t");
}

TEST_F(ProjectWrite, LongAddressIsCutAt100Characters) {
  Projektstrasse = std::string(60, 'a');
  Projektort = std::string(30, 'b');
  StaoFile = std::string(30, 'c');
  auto L = Write();
  ASSERT_EQ(Labeltabelle[298].size(), 100u);
  EXPECT_EQ(Labeltabelle[298], std::string(60, 'a') + "\t" + std::string(30, 'b') + "|" + std::string(8, 'c'));
  EXPECT_TRUE(L[298].ends_with(Labeltabelle[298]));
}

TEST_F(ProjectWrite, SeparatorsInsideTextsBecomeBlanks) {
  Projektstrasse = "Weg\t3";
  Projektort = "Bern|Ost";
  StaoFile = "a\r\nb";
  Projekttitel1 = "Zeile1\r\nZeile2";
  auto L = Write();
  ASSERT_EQ(L.size(), 1002u);
  EXPECT_EQ(L[2], "Zeile1  Zeile2");
  EXPECT_TRUE(L[298].ends_with("\tWeg 3\tBern Ost|a  b"));
}

TEST_F(ProjectWrite, ValueThatIsNotFiniteIsRefusedWithItsKey) {
  Bohrdurchmesser = std::numeric_limits<double>::quiet_NaN();
  int zs = 60, spj = 8760;
  try {
    WriteOutputHeader("pw_nan.qeb", zs, spj);
    FAIL() << "no error";
  } catch (const CalcError& e) {
    std::string m = e.what();
    EXPECT_NE(m.find("Bohrdurchmesser"), std::string::npos) << m;
    EXPECT_NE(m.find("8"), std::string::npos) << m;
  }
  AusgabeText.Close();
  SetDefaults();
  TProfil[2] = std::numeric_limits<double>::infinity();
  EXPECT_THROW(WriteOutputHeader("pw_nan.qeb", zs, spj), CalcError);
  AusgabeText.Close();
}

TEST_F(ProjectWrite, CountsComeFromTheCaller) {
  int zs = 30, spj = 17520;
  WriteOutputHeader("pw_counts.qeb", zs, spj);
  AusgabeText.Close();
  auto L = CrLfLines(Slurp("pw_counts.qeb"));
  EXPECT_EQ(L[75].substr(0, 6), "17520\t");
  EXPECT_EQ(L[85].substr(0, 3), "30\t");
}

TEST_F(ProjectWrite, ByteIdenticalUnderAGermanLocale) {
  Sondenlaenge = 123.456;
  Sondenbelastung[2] = 4.5;
  Write("pw_c.qeb");
  std::string c = Slurp("pw_c.qeb");
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8") &&
      !std::setlocale(LC_ALL, "de_CH.UTF-8"))
    GTEST_SKIP() << "no German locale installed";
  Write("pw_de.qeb");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(Slurp("pw_de.qeb"), c);
}

}  // namespace
}  // namespace qeb
