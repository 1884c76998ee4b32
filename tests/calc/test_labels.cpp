// The label table is part of the project file format: these tests pin the
// bytes of the labels (Windows-1252, at most 100 bytes) and the counting rules
// of the label families.
#include <gtest/gtest.h>

#include <string>

#include "calc/QEBMOD.h"

using namespace qeb;

namespace {

std::string S(int i) { return std::to_string(i); }

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

int CountTabs(const std::string& s) {
  int n = 0;
  for (char c : s) n += (c == '\t');
  return n;
}

class LabelsTable : public ::testing::Test {
 protected:
  void SetUp() override {
    // Junk everywhere, so that every entry the fill must set or clear is seen.
    for (int n = 1; n <= kLabelCount; ++n) Labeltabelle[n] = "junk";
    Labeltabelle[2000] = "entry 2000 belongs to nobody";
    FillLabelTable();
  }
  static const std::string& L(int n) { return Labeltabelle[n]; }
};

TEST_F(LabelsTable, EveryEntryFitsAndEmptyEntriesAreEmpty) {
  for (int n = 1; n <= kLabelCount; ++n) EXPECT_LE(L(n).size(), 100u) << "entry " << n;
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(L(n), "") << n;
  EXPECT_EQ(L(30), "");
  EXPECT_EQ(L(297), "");
  for (int n = 312; n <= 321; ++n) EXPECT_EQ(L(n), "") << n;
  for (int n = 799; n <= 898; ++n) EXPECT_EQ(L(n), "") << n;
  for (int n = 1001; n <= 1999; ++n) EXPECT_EQ(L(n), "") << n;
  EXPECT_EQ(L(2000), "entry 2000 belongs to nobody");
  // Lines 6..1000 less the 113 empty ones above carry a label.
  int nonEmpty = 0;
  for (int n = 6; n <= 1000; ++n) nonEmpty += !L(n).empty();
  EXPECT_EQ(nonEmpty, 995 - 2 - 10 - 100);
}

TEST_F(LabelsTable, FixedEntriesByteExact) {
  EXPECT_EQ(L(6), "\tAnzahl Sonden");
  EXPECT_EQ(L(7), "m\tSondenlaenge");
  EXPECT_EQ(L(27), "-\tCOP bei -5\xB0"
                   "C");
  EXPECT_EQ(L(29), "\tSWQEB-Inputdaten einlesen");
  EXPECT_EQ(L(100), "\tg-function bei ln(t/ts) = -4");
  EXPECT_EQ(L(103), "\tg-function bei ln(t/ts) = +2");
  EXPECT_EQ(L(129), "\xB0"
                    "C\tK\xFChlgrenze f\xFCr Zulufterwaermung");
  EXPECT_EQ(L(187), "kg/s\tMassenstrom durch 5. Systempumpe");
  EXPECT_EQ(L(298), "\tReserven");
  EXPECT_EQ(L(323), "ausgew\xE4hlte Sondenanordnung / Kollektorwahl");  // several values: no TAB
  EXPECT_EQ(L(754), "\tsolare Regeneration der Sonden ");                 // trailing blank kept
  EXPECT_EQ(L(764), "m.\xFC.M\tHoehe Sondenkopf");
  EXPECT_EQ(L(795), "\xB0 / W/Km2, Azimut des Kollektors / Umrechnungsfaktor f\xFCr A*k pro m2 Solarregister");
  EXPECT_EQ(L(798), "kg/s\tKollektor-Durchsatz");
  EXPECT_EQ(L(949), "K\tAmplitude der Jahreszeitenschwankung");
  EXPECT_EQ(L(963), "kWh, Freecooling Jan - Dez bei Feldaufteilung / Tageslastprofil / WWPrio / Import_Stao_qeb");
  EXPECT_EQ(L(999), "\xB0"
                    "C\tWarmwasser - Temperatur");
  EXPECT_EQ(L(1000), "W/mK\tscheinbares Lambda Erde der Schicht 10");
}

TEST_F(LabelsTable, HundredBytesCountedInWindows1252) {
  for (int n : {957, 958, 959, 960, 961, 962, 964, 965, 966}) EXPECT_EQ(L(n).size(), 100u) << n;
  // 959 holds two umlauts: counted in UTF-8 it would lose its last two letters.
  EXPECT_EQ(L(959),
            "kWh, Freecooling Jan - Dez bei Feldaufteilung / Anzahl Nachbarsonden / H\xF6he m.\xFC.M / y-Koord Referenz");
  EXPECT_TRUE(EndsWith(L(962), "y-Koordinate Stan"));
  // No label carries UTF-8 lead bytes of the German letters.
  for (int n = 1; n <= kLabelCount; ++n)
    for (char c : L(n)) EXPECT_TRUE(c != '\xC3' && c != '\xC2') << "entry " << n;
}

TEST_F(LabelsTable, TabsSeparateUnitFromDescription) {
  for (int n = 6; n <= 1000; ++n) {
    if (L(n).empty()) continue;
    bool severalValues = (n >= 401 && n <= 740 && !(n >= 601 && n <= 640)) || (n >= 899 && n <= 948) ||
                         n == 323 || n == 327 || (n >= 789 && n <= 796) || (n >= 957 && n <= 966);
    EXPECT_EQ(CountTabs(L(n)), severalValues ? 0 : 1) << "entry " << n;
  }
}

TEST_F(LabelsTable, LayerFamilies) {
  EXPECT_EQ(L(34), "W/mK\tLambda Erde1");
  EXPECT_EQ(L(35), "kg/m3\tDichte Erde1");
  EXPECT_EQ(L(36), "J/kgK\tcp Erde1");
  EXPECT_EQ(L(61), "W/mK\tLambda Erde10");
  EXPECT_EQ(L(63), "J/kgK\tcp Erde10");
  EXPECT_EQ(L(218), "W/mK\tLambda Hinterfuellung1");
  EXPECT_EQ(L(247), "J/kgK\tcp Hinterfuellung10");
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(L(245 + 4 * i), "K/W\tR1 Schicht " + S(i));
    EXPECT_EQ(L(246 + 4 * i), "Km/W\tRa Schicht " + S(i));
    EXPECT_EQ(L(247 + 4 * i), "Km/W\tRb Schicht " + S(i));
    EXPECT_EQ(L(248 + 4 * i), "Km/W\tRc Schicht " + S(i));
    EXPECT_EQ(L(600 + i), "m\tTiefe " + S(i) + ". Schicht");
    EXPECT_EQ(L(610 + i), "J/kgK\tcp Erde " + S(i) + ". Schicht");
    EXPECT_EQ(L(620 + i), "kg/m3\trho Erde " + S(i) + ". Schicht");
    EXPECT_EQ(L(630 + i), "W/mK\tlambda Erde " + S(i) + ". Schicht");
    EXPECT_EQ(L(967 + 2 * i), "\xB0"
                              "C\tStarttemperatur Nr. " + S(i));
    EXPECT_EQ(L(968 + 2 * i), "m\tTiefe der Starttemperatur Nr. " + S(i));
    EXPECT_EQ(L(988 + i), "\xB0"
                          "C\tStarttemperatur der " + S(i) + ". Schicht");
  }
  EXPECT_EQ(L(178), "W/mK\tscheinbares Lambda Erde der Schicht 1");
  EXPECT_EQ(L(186), "W/mK\tscheinbares Lambda Erde der Schicht 9");
  EXPECT_EQ(L(288), "Km/W\tRc Schicht 10");
}

TEST_F(LabelsTable, RepeatedAndMonthFamilies) {
  EXPECT_EQ(L(110), "h/d oder kWh\tLaufzeit oder Entzugsenergie Januar");
  EXPECT_EQ(L(112), "h/d oder kWh\tLaufzeit oder Entzugsenergie Maerz");
  EXPECT_EQ(L(121), "h/d oder kWh\tLaufzeit oder Entzugsenergie Dezember");
  for (int n = 158; n <= 177; ++n) EXPECT_EQ(L(n), "\tLueftungsfahrplan") << n;
  for (int n = 188; n <= 194; ++n) EXPECT_EQ(L(n), "\tFahrplan-Nr pro Wochentag") << n;
  for (int n = 302; n <= 311; ++n) EXPECT_EQ(L(n), "\tErdeigenschafts-Nr der Schicht 1-10") << n;
  for (int n = 366; n <= 377; ++n) EXPECT_EQ(L(n), "kWh\tHeizlast der Monate Jan - Dez") << n;
  for (int n = 378; n <= 389; ++n) EXPECT_EQ(L(n), "kWh\tK\xFChllast der Monate Jan - Dez") << n;
  EXPECT_EQ(L(157), "\tNur Maximale Kuehllast einlesen");
  EXPECT_EQ(L(390), "-\tmittlerer COP im Heizfall");
}

TEST_F(LabelsTable, BoreholeCoordinateFamily) {
  EXPECT_EQ(L(401), "x-Koordinate der 1. Sonde / der 151. Sonde / der 301. Sonde / der 451. Sonde ");
  EXPECT_EQ(L(402), "y-Koordinate der 1. Sonde / der 151. Sonde / der 301. Sonde / der 451. Sonde  ");
  EXPECT_EQ(L(599), "x-Koordinate der 100. Sonde / der 250. Sonde / der 400. Sonde / der 550. Sonde ");
  EXPECT_EQ(L(600), "y-Koordinate der 100. Sonde / der 250. Sonde / der 400. Sonde / der 550. Sonde  ");
  for (int i = 1; i <= 100; ++i) {
    std::string mid = "Koordinate der " + S(i) + ". Sonde / der " + S(i + 150) + ". Sonde / der " + S(i + 300) +
                      ". Sonde / der " + S(i + 450) + ". Sonde ";
    EXPECT_EQ(L(399 + 2 * i), "x-" + mid);
    EXPECT_EQ(L(400 + 2 * i), "y-" + mid + " ");
  }
}

TEST_F(LabelsTable, BoreholeLoadFamilyIsCutAtHundredBytes) {
  EXPECT_EQ(L(641), "[W/m], Sondenbelastung der 1. / 151. / 301. / 451. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?");
  EXPECT_EQ(L(739), "[W/m], Sondenbelastung der 99. / 249. / 399. / 549. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?");
  EXPECT_EQ(L(740), "[W/m], Sondenbelastung der 100. / 250. / 400. / 550. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)");
  EXPECT_EQ(L(740).size(), 100u);
  for (int n = 641; n <= 739; ++n) EXPECT_TRUE(EndsWith(L(n), "Nein=0)?")) << n;
  for (int i = 101; i <= 150; ++i) {
    const std::string& l = L(798 + i);
    EXPECT_EQ(l.size(), 100u) << i;
    EXPECT_TRUE(EndsWith(l, "(Ja=1 Nein=0)")) << i;
    EXPECT_EQ(l.rfind("[W/m], Sondenbelastung der " + S(i) + ". / " + S(i + 150) + ". / " + S(i + 300) + ". / " +
                          S(i + 450) + ". Sonde /",
                      0),
              0u)
        << i;
  }
  EXPECT_EQ(L(948), "[W/m], Sondenbelastung der 150. / 300. / 450. / 600. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)");
}

TEST_F(LabelsTable, SecondFillGivesTheSameTable) {
  std::string first[kLabelCount + 1];
  for (int n = 1; n <= kLabelCount; ++n) first[n] = L(n);
  FillLabelTable();
  for (int n = 1; n <= kLabelCount; ++n) EXPECT_EQ(L(n), first[n]) << n;
}

// ---- built-in rock and soil table ----

class LabelsRockTable : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int r = 0; r <= 40; ++r) {
      Erdname[r] = "junk";
      Erdlambda[r] = Erdcp[r] = Erdrho[r] = -1;
    }
    FillRockTable();
  }
  static void ExpectRow(int r, const std::string& name, double lambda, double cp, double rho) {
    EXPECT_EQ(Erdname[r], name) << "row " << r;
    EXPECT_DOUBLE_EQ(Erdlambda[r], lambda) << "row " << r;
    EXPECT_DOUBLE_EQ(Erdcp[r], cp) << "row " << r;
    EXPECT_DOUBLE_EQ(Erdrho[r], rho) << "row " << r;
  }
};

TEST_F(LabelsRockTable, BuiltInRows) {
  ExpectRow(1, "Schotter trocken", 0.8, 800, 2000);
  ExpectRow(2, "Schotter feucht", 1.4, 900, 2200);
  ExpectRow(3, "Mor\xE4ne", 1.6, 900, 2200);  // Windows-1252
  ExpectRow(5, "Siltstein OSM", 2.4, 900, 2530);
  ExpectRow(9, "Feinsandstein OMM", 2.9, 1150, 2550);
  ExpectRow(12, "Mittelsandstein OMM", 3.1, 1300, 2550);
  ExpectRow(16, "Grobsandstein USM", 2.75, 1350, 2400);
  ExpectRow(18, "Dolomit", 3.4, 1200, 2500);
  ExpectRow(19, "Granit", 3.2, 1400, 2600);
  ExpectRow(20, "Gneis", 2.8, 900, 2400);
  for (int r = 1; r <= 20; ++r) EXPECT_FALSE(Erdname[r].empty()) << r;
}

TEST_F(LabelsRockTable, EmptyRowsAndTheirProperties) {
  for (int r = 21; r <= 30; ++r) ExpectRow(r, "", 0.8, 800, 2200);
  for (int r = 31; r <= 40; ++r) ExpectRow(r, "", 2.4, 1000, 2600);
  // Rows 1 and 21 agree except in density.
  EXPECT_DOUBLE_EQ(Erdlambda[1], Erdlambda[21]);
  EXPECT_DOUBLE_EQ(Erdcp[1], Erdcp[21]);
  EXPECT_NE(Erdrho[1], Erdrho[21]);
  EXPECT_EQ(Erdname[0], "junk");  // index 0 is not part of the table
}

// ---- the whole table, entry by entry ----

// Every label of lines 1..1000 as the project file carries it, in Windows-1252
// bytes; built-in numbers are written without blanks, the families by their
// counting rules, the load labels cut at 100 bytes.
const char* const kAllLabels[1001] = {
    "",  // 0 (unused)
    "",  // 1
    "",  // 2
    "",  // 3
    "",  // 4
    "",  // 5
    "\tAnzahl Sonden",  // 6
    "m\tSondenlaenge",  // 7
    "m\tBohrdurchmesser",  // 8
    "m\tSondeninnendurchmesser",  // 9
    "m\tDicke Sondenrohr",  // 10
    "K/W\tR1",  // 11
    "Km/W\tRa",  // 12
    "Km/W\tRb",  // 13
    "\tKoaxialsonde",  // 14
    "m\tInnenrohrdurchmesser (Koaxialsonde)",  // 15
    "\tWaermepumpenkennwerte verwenden",  // 16
    "\tbivalente Anlage",  // 17
    "kW\tLeistung Spitzenkessels",  // 18
    "W/mK\tLambda Fluid",  // 19
    "kg/m3\tDichte Fluid",  // 20
    "J/kgK\tcp Fluid",  // 21
    "m2/s\tViskositaet Fluid",  // 22
    "kg/s\tAuslegungsmassenstrom",  // 23
    "\tDruckabfall berechnet",  // 24
    "kg/s\tMassenstrom",  // 25
    "Pa\tDruckabfall Sonden bei Doppel-U-Sonden",  // 26
    "-\tCOP bei -5\xB0" "C",  // 27
    "-\tCOP bei 0\xB0" "C",  // 28
    "\tSWQEB-Inputdaten einlesen",  // 29
    "",  // 30
    "W/mK\tLambda Erde",  // 31
    "kg/m3\tDichte Erde",  // 32
    "J/kgK\tcp Erde",  // 33
    "W/mK\tLambda Erde1",  // 34
    "kg/m3\tDichte Erde1",  // 35
    "J/kgK\tcp Erde1",  // 36
    "W/mK\tLambda Erde2",  // 37
    "kg/m3\tDichte Erde2",  // 38
    "J/kgK\tcp Erde2",  // 39
    "W/mK\tLambda Erde3",  // 40
    "kg/m3\tDichte Erde3",  // 41
    "J/kgK\tcp Erde3",  // 42
    "W/mK\tLambda Erde4",  // 43
    "kg/m3\tDichte Erde4",  // 44
    "J/kgK\tcp Erde4",  // 45
    "W/mK\tLambda Erde5",  // 46
    "kg/m3\tDichte Erde5",  // 47
    "J/kgK\tcp Erde5",  // 48
    "W/mK\tLambda Erde6",  // 49
    "kg/m3\tDichte Erde6",  // 50
    "J/kgK\tcp Erde6",  // 51
    "W/mK\tLambda Erde7",  // 52
    "kg/m3\tDichte Erde7",  // 53
    "J/kgK\tcp Erde7",  // 54
    "W/mK\tLambda Erde8",  // 55
    "kg/m3\tDichte Erde8",  // 56
    "J/kgK\tcp Erde8",  // 57
    "W/mK\tLambda Erde9",  // 58
    "kg/m3\tDichte Erde9",  // 59
    "J/kgK\tcp Erde9",  // 60
    "W/mK\tLambda Erde10",  // 61
    "kg/m3\tDichte Erde10",  // 62
    "J/kgK\tcp Erde10",  // 63
    "-\tCOP bei 5\xB0" "C",  // 64
    "W/mK\tLambda Hinterfuellung",  // 65
    "kg/m3\tDichte Hinterfuellung",  // 66
    "J/kgK\tcp Hinterfuellung",  // 67
    "-\tCOP bei 10\xB0" "C",  // 68
    "\xB0" "C\tJahresmitteltemperatur Luft",  // 69
    "\xB0" "C/m\tTemperaturgradient Boden",  // 70
    "\xB0" "C\tBoden waermer als Luft",  // 71
    "\tRechnen mit Entzugsleistung",  // 72
    "\tLeistungsinput",  // 73
    "y\tBeginn Simulation",  // 74
    "\tnumrows",  // 75
    "y\tSimulationsdauer in Jahren",  // 76
    "h\tSimulationszeit",  // 77
    "\xB0" "C\tDeltaT",  // 78
    "\tstationaere Berechnung Sole",  // 79
    "-\tCOP bei 15\xB0" "C",  // 80
    "\tMonitorAxi",  // 81
    "\tMonitorRad",  // 82
    "\tSicherheit1",  // 83
    "\tSicherheit2",  // 84
    "Min\tZeitschritt",  // 85
    "w\tRepRandbed",  // 86
    "\tRadiale Unterteilung",  // 87
    "\tAxiale Unterteilung",  // 88
    "\tGitterfaktor",  // 89
    "\tRechenradius",  // 90
    "\xB0" "C\tGenauigkeit Iteration",  // 91
    "\tStepwrite",  // 92
    "\treadfile",  // 93
    "\twritefile",  // 94
    "\tEinschwingen aufschreiben",  // 95
    "\tStarttemperatur abschaetzen",  // 96
    "\xB0" "C\tSenkentemperatur (falls nicht von File)",  // 97
    "kW\tEntzugsleistung (falls nicht von File)",  // 98
    "kW\tHeizleistung der Waermepumpe bei 0\xB0" "C",  // 99
    "\tg-function bei ln(t/ts) = -4",  // 100
    "\tg-function bei ln(t/ts) = -2",  // 101
    "\tg-function bei ln(t/ts) = 0",  // 102
    "\tg-function bei ln(t/ts) = +2",  // 103
    "\tg-function bei ln(t/ts) = +3",  // 104
    "m\teff. Abstand der Sonden",  // 105
    "m\tSondenabstand der g-function",  // 106
    "\tRandbedingung mit g-functions",  // 107
    "\tErdreichtemperatur abschaetzen",  // 108
    "\tInputfile mit Entzugsenergie statt Laufzeit",  // 109
    "h/d oder kWh\tLaufzeit oder Entzugsenergie Januar",  // 110
    "h/d oder kWh\tLaufzeit oder Entzugsenergie Februar",  // 111
    "h/d oder kWh\tLaufzeit oder Entzugsenergie Maerz",  // 112
    "h/d oder kWh\tLaufzeit oder Entzugsenergie April",  // 113
    "h/d oder kWh\tLaufzeit oder Entzugsenergie Mai",  // 114
    "h/d oder kWh\tLaufzeit oder Entzugsenergie Juni",  // 115
    "h/d oder kWh\tLaufzeit oder Entzugsenergie Juli",  // 116
    "h/d oder kWh\tLaufzeit oder Entzugsenergie August",  // 117
    "h/d oder kWh\tLaufzeit oder Entzugsenergie September",  // 118
    "h/d oder kWh\tLaufzeit oder Entzugsenergie Oktober",  // 119
    "h/d oder kWh\tLaufzeit oder Entzugsenergie November",  // 120
    "h/d oder kWh\tLaufzeit oder Entzugsenergie Dezember",  // 121
    "kW\tSpitzenentzug Februar",  // 122
    "d\tDauer des Spitzenentzugs",  // 123
    "\tSonde wird auch zum Kuehlen verwendet",  // 124
    "kW\tEinspeisleistung(falls nicht von File)",  // 125
    "\tLastprofil wird aus dem Eingabefile uebernommen",  // 126
    "\xB0" "C\tWaermepumpen-Frostgrenze (Sonden-Rueklauf)",  // 127
    "\tGanzes System simulieren?",  // 128
    "\xB0" "C\tK\xFChlgrenze f\xFCr Zulufterwaermung",  // 129
    "\xB0" "C\tHeizgrenze f\xFCr Zulufterwaermung",  // 130
    "\xB0" "C\tMinimale Zulufttemperatur im Sommer (Kondenswasserschutz!)",  // 131
    "-\tEtaWRG, Wirkungsgrad WRG Zuluft, 0..1",  // 132
    "W/K\tA * k des 1. Waermetauschers",  // 133
    "-\tGegenstromanteil des 1. Waermetauschers",  // 134
    "W/K\tA * k des 2. Waermetauschers",  // 135
    "-\tGegenstromanteil des 2. Waermetauschers",  // 136
    "W/K\tA * k des 3. Waermetauschers",  // 137
    "-\tGegenstromanteil des 3. Waermetauschers",  // 138
    "kg/s\tMassenstrom durch 1. Systempumpe",  // 139
    "kg/s\tMassenstrom durch 2. Systempumpe",  // 140
    "kg/s\tMassenstrom durch 3. Systempumpe",  // 141
    "kg/s\tMassenstrom durch 4. Systempumpe",  // 142
    "\xB0" "C\tSollwert-Temperatur der Zuluft",  // 143
    "m3/h\tZuluftmenge",  // 144
    "m3/h\tZuluftmenge im Kuehlfall",  // 145
    "\xB0" "C\tRueklauftemperatur des Kaeltenetzes bei Ta=20\xB0" "C",  // 146
    "\xB0" "C\tRueklauftemperatur des Kaeltenetzes bei Ta=30\xB0" "C",  // 147
    "\xB0" "C\tTemperaturerhoehung Zuluft in Venti",  // 148
    "\tBerechnung Lastprofil aus Jahreslaufzeit",  // 149
    "\tLastprofil mit 30% Warmwasseranteil",  // 150
    "h/a\tJahreslaufzeit",  // 151
    "h/a\tJahre Einschwingen mit Lastprofil",  // 152
    "\tBeruecksichtigung von Verlusten in Solaranlage?",  // 153
    "\tFrostschutzregelung f\xFCr Luftkuehler?",  // 154
    "\tLueftungsfahrplan verwenden",  // 155
    "\tMaximale Last verwenden",  // 156
    "\tNur Maximale Kuehllast einlesen",  // 157
    "\tLueftungsfahrplan",  // 158
    "\tLueftungsfahrplan",  // 159
    "\tLueftungsfahrplan",  // 160
    "\tLueftungsfahrplan",  // 161
    "\tLueftungsfahrplan",  // 162
    "\tLueftungsfahrplan",  // 163
    "\tLueftungsfahrplan",  // 164
    "\tLueftungsfahrplan",  // 165
    "\tLueftungsfahrplan",  // 166
    "\tLueftungsfahrplan",  // 167
    "\tLueftungsfahrplan",  // 168
    "\tLueftungsfahrplan",  // 169
    "\tLueftungsfahrplan",  // 170
    "\tLueftungsfahrplan",  // 171
    "\tLueftungsfahrplan",  // 172
    "\tLueftungsfahrplan",  // 173
    "\tLueftungsfahrplan",  // 174
    "\tLueftungsfahrplan",  // 175
    "\tLueftungsfahrplan",  // 176
    "\tLueftungsfahrplan",  // 177
    "W/mK\tscheinbares Lambda Erde der Schicht 1",  // 178
    "W/mK\tscheinbares Lambda Erde der Schicht 2",  // 179
    "W/mK\tscheinbares Lambda Erde der Schicht 3",  // 180
    "W/mK\tscheinbares Lambda Erde der Schicht 4",  // 181
    "W/mK\tscheinbares Lambda Erde der Schicht 5",  // 182
    "W/mK\tscheinbares Lambda Erde der Schicht 6",  // 183
    "W/mK\tscheinbares Lambda Erde der Schicht 7",  // 184
    "W/mK\tscheinbares Lambda Erde der Schicht 8",  // 185
    "W/mK\tscheinbares Lambda Erde der Schicht 9",  // 186
    "kg/s\tMassenstrom durch 5. Systempumpe",  // 187
    "\tFahrplan-Nr pro Wochentag",  // 188
    "\tFahrplan-Nr pro Wochentag",  // 189
    "\tFahrplan-Nr pro Wochentag",  // 190
    "\tFahrplan-Nr pro Wochentag",  // 191
    "\tFahrplan-Nr pro Wochentag",  // 192
    "\tFahrplan-Nr pro Wochentag",  // 193
    "\tFahrplan-Nr pro Wochentag",  // 194
    "\tGeocoax-Sonde berechnen ?",  // 195
    "-\tsubdt: Unterteilungen f\xFCr Zeitschritt Erde",  // 196
    "-\tsubstep_run: Unterteilungen f\xFCr Zeitschritt Sole bei Betrieb",  // 197
    "-\tsubstep_stop: Unterteilungen f\xFCr Zeitschritt Sole bei Stillstand",  // 198
    "W\tel. Aufnahmeleistung der Sondenpumpe",  // 199
    "kW\tKuehlleistung Kaeltemaschine zur Spitzendeckung",  // 200
    "\xB0" "C\tMinimale Sondenruecklauftemperatur bei Freecooling Feldaufteilung",  // 201
    "Km/W\tRc",  // 202
    "m\tDicke_Innenrohr",  // 203
    "W/mK\tlambda Innnenrohr",  // 204
    "-\tNr des Fluid-Typs",  // 205
    "-\tNr des Sondentyps",  // 206
    "-\tNr der g-function",  // 207
    "\tName des Anfahr - Files",  // 208
    "\tSchreiben des Anfahr - Files",  // 209
    "J/kgK\tcp-Wert des Wasser-Glykol-Gemisches",  // 210
    "\xB0" "C\tTRaum: Raumtemperatur f\xFCr WRG",  // 211
    "\tSprungantwort",  // 212
    "\tBerechnung Ra / Rb nach Hellstroem",  // 213
    "m\tSondenrohrabstand (Shank spacing)",  // 214
    "\t1. Stunde der Sprungantwort anzeigen",  // 215
    "\tErdreich homogen?",  // 216
    "\tVariable Hinterfuellungswerte?",  // 217
    "W/mK\tLambda Hinterfuellung1",  // 218
    "kg/m3\tDichte Hinterfuellung1",  // 219
    "J/kgK\tcp Hinterfuellung1",  // 220
    "W/mK\tLambda Hinterfuellung2",  // 221
    "kg/m3\tDichte Hinterfuellung2",  // 222
    "J/kgK\tcp Hinterfuellung2",  // 223
    "W/mK\tLambda Hinterfuellung3",  // 224
    "kg/m3\tDichte Hinterfuellung3",  // 225
    "J/kgK\tcp Hinterfuellung3",  // 226
    "W/mK\tLambda Hinterfuellung4",  // 227
    "kg/m3\tDichte Hinterfuellung4",  // 228
    "J/kgK\tcp Hinterfuellung4",  // 229
    "W/mK\tLambda Hinterfuellung5",  // 230
    "kg/m3\tDichte Hinterfuellung5",  // 231
    "J/kgK\tcp Hinterfuellung5",  // 232
    "W/mK\tLambda Hinterfuellung6",  // 233
    "kg/m3\tDichte Hinterfuellung6",  // 234
    "J/kgK\tcp Hinterfuellung6",  // 235
    "W/mK\tLambda Hinterfuellung7",  // 236
    "kg/m3\tDichte Hinterfuellung7",  // 237
    "J/kgK\tcp Hinterfuellung7",  // 238
    "W/mK\tLambda Hinterfuellung8",  // 239
    "kg/m3\tDichte Hinterfuellung8",  // 240
    "J/kgK\tcp Hinterfuellung8",  // 241
    "W/mK\tLambda Hinterfuellung9",  // 242
    "kg/m3\tDichte Hinterfuellung9",  // 243
    "J/kgK\tcp Hinterfuellung9",  // 244
    "W/mK\tLambda Hinterfuellung10",  // 245
    "kg/m3\tDichte Hinterfuellung10",  // 246
    "J/kgK\tcp Hinterfuellung10",  // 247
    "\tsolare Wasservorwaermung",  // 248
    "K/W\tR1 Schicht 1",  // 249
    "Km/W\tRa Schicht 1",  // 250
    "Km/W\tRb Schicht 1",  // 251
    "Km/W\tRc Schicht 1",  // 252
    "K/W\tR1 Schicht 2",  // 253
    "Km/W\tRa Schicht 2",  // 254
    "Km/W\tRb Schicht 2",  // 255
    "Km/W\tRc Schicht 2",  // 256
    "K/W\tR1 Schicht 3",  // 257
    "Km/W\tRa Schicht 3",  // 258
    "Km/W\tRb Schicht 3",  // 259
    "Km/W\tRc Schicht 3",  // 260
    "K/W\tR1 Schicht 4",  // 261
    "Km/W\tRa Schicht 4",  // 262
    "Km/W\tRb Schicht 4",  // 263
    "Km/W\tRc Schicht 4",  // 264
    "K/W\tR1 Schicht 5",  // 265
    "Km/W\tRa Schicht 5",  // 266
    "Km/W\tRb Schicht 5",  // 267
    "Km/W\tRc Schicht 5",  // 268
    "K/W\tR1 Schicht 6",  // 269
    "Km/W\tRa Schicht 6",  // 270
    "Km/W\tRb Schicht 6",  // 271
    "Km/W\tRc Schicht 6",  // 272
    "K/W\tR1 Schicht 7",  // 273
    "Km/W\tRa Schicht 7",  // 274
    "Km/W\tRb Schicht 7",  // 275
    "Km/W\tRc Schicht 7",  // 276
    "K/W\tR1 Schicht 8",  // 277
    "Km/W\tRa Schicht 8",  // 278
    "Km/W\tRb Schicht 8",  // 279
    "Km/W\tRc Schicht 8",  // 280
    "K/W\tR1 Schicht 9",  // 281
    "Km/W\tRa Schicht 9",  // 282
    "Km/W\tRb Schicht 9",  // 283
    "Km/W\tRc Schicht 9",  // 284
    "K/W\tR1 Schicht 10",  // 285
    "Km/W\tRa Schicht 10",  // 286
    "Km/W\tRb Schicht 10",  // 287
    "Km/W\tRc Schicht 10",  // 288
    "\tCOP bei Volllast",  // 289
    "W/mK\tlambda Rohr (lambda_w)",  // 290
    "kWh/a\tsolar zu deckende Warmwassermenge",  // 291
    "kg/s\tSoledurchsatz im Kuehlfall",  // 292
    "\tRa bei einfach-U-Sonden korrigieren",  // 293
    "\tKorrekturfaktor Asymetrie f\xFCr Ra bei einfach-U-Sonde",  // 294
    "Pa\tDruckabfall bei Auslegeungsmassenstrom",  // 295
    "\teinfach-U-Sonde",  // 296
    "",  // 297
    "\tReserven",  // 298
    "\xB0" "C\tDeltaVerdampfer: Delta T ueber Verdampfer",  // 299
    "\tFreecooling",  // 300
    "\tAuswahl Erdeigenschaften mit Pulldwons",  // 301
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 302
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 303
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 304
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 305
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 306
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 307
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 308
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 309
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 310
    "\tErdeigenschafts-Nr der Schicht 1-10",  // 311
    "",  // 312
    "",  // 313
    "",  // 314
    "",  // 315
    "",  // 316
    "",  // 317
    "",  // 318
    "",  // 319
    "",  // 320
    "",  // 321
    "\tdirekte Eingabe g-function",  // 322
    "ausgew\xE4hlte Sondenanordnung / Kollektorwahl",  // 323
    "\tR\xFC" "cklauftemperatur f\xFCr Sondenfreecooling",  // 324
    "\tErdtemperaturen auf File TEarth.qeb schreiben",  // 325
    "\tjeden n. Zeitschritt auf File TEarth schreiben",  // 326
    "m2/Liter, Gr\xF6sse Solarregister und Solarspeicher",  // 327
    "\tR\xFC" "ckk\xFChlung von K\xE4ltemaschine, wenn Freecooling nicht reicht",  // 328
    "\tHeiz-COP der K\xE4ltemaschine, wenn Freecooling nicht reicht",  // 329
    "\tMinimaler Deckungsgrad Freecooling, bevor K\xE4ltemaschine kommt, 0..1",  // 330
    "\tKonst. Durchsatz Heizung und Kuehlen",  // 331
    "\terweiterte Druckberechnung",  // 332
    "\tLastprofil 2 erzeugen",  // 333
    "\tg-functions aus grafischer Eingabe",  // 334
    "\tAlpha in jedem Rechenschritt neu berechnen",  // 335
    "\tEingabe ungleichmaessiger Schichtaufbau",  // 336
    "\tSystem mit Direktk\xFChlung + WP",  // 337
    "\tMit Frostgrenze im Sondenfluid rechnen",  // 338
    "\tSondenlaenge berechnen",  // 339
    "\tSondenlaenge im Feld berechnen",  // 340
    "\tAnzahl Erdsonden auf grafischer Eingabe",  // 341
    "\tMultiplikator grafischer Eingabe Erdsonden",  // 342
    "\tSonde Nr. aus Feld \xFC" "bernehmen (0=alle)",  // 343
    "\tMinimale R\xFC" "cklauftemperatur/Frostgrenze",  // 344
    "\tCOP bei Frostgrenze(f\xFCr Berechnung Spitzenlast)",  // 345
    "\tMinimale R\xFC" "cklauftemperatur",  // 346
    "kW\tHeizleistung im Teillastfall ohne WW",  // 347
    "kW\tHeizleistung Warmwasser",  // 348
    "kW\tinstallierte K\xFChlleistung",  // 349
    "kW\tHeizleistung im Vollastfall ohne WW",  // 350
    "W/m2K2\tKollektorkonstante a2",  // 351
    "Pa\tNenndruck Verdampfer",  // 352
    "kg/s\tNenndurchsatz Verdampfer",  // 353
    "Pa\tNenndruck Verteiler",  // 354
    "kg/s\tNenndurchsatz Verteiler",  // 355
    "Pa\tNenndruck Messungeinrichtung",  // 356
    "kg/s\tNenndurchsatz Messungeinrichtung",  // 357
    "m\tDurchmesser Anschluss",  // 358
    "m\tLaenge Anschluss",  // 359
    "Pa\tNenndruck Ventil",  // 360
    "kg/s\tNenndurchsatz Ventil",  // 361
    "-\tAnzahl Bogen 90\xB0",  // 362
    "m\tSondenverlaengerung",  // 363
    "Pa\tDruckabfall Sondenkreis (Auslegung)",  // 364
    "-\tAnzahl paralleler Sondenzuleitungen (nur Vorlauf)",  // 365
    "kWh\tHeizlast der Monate Jan - Dez",  // 366
    "kWh\tHeizlast der Monate Jan - Dez",  // 367
    "kWh\tHeizlast der Monate Jan - Dez",  // 368
    "kWh\tHeizlast der Monate Jan - Dez",  // 369
    "kWh\tHeizlast der Monate Jan - Dez",  // 370
    "kWh\tHeizlast der Monate Jan - Dez",  // 371
    "kWh\tHeizlast der Monate Jan - Dez",  // 372
    "kWh\tHeizlast der Monate Jan - Dez",  // 373
    "kWh\tHeizlast der Monate Jan - Dez",  // 374
    "kWh\tHeizlast der Monate Jan - Dez",  // 375
    "kWh\tHeizlast der Monate Jan - Dez",  // 376
    "kWh\tHeizlast der Monate Jan - Dez",  // 377
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 378
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 379
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 380
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 381
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 382
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 383
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 384
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 385
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 386
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 387
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 388
    "kWh\tK\xFChllast der Monate Jan - Dez",  // 389
    "-\tmittlerer COP im Heizfall",  // 390
    "-\tmittlerer COP f\xFCr Warmwasserproduktion",  // 391
    "-\tmittlerer EER im K\xFChlfall",  // 392
    "kWh\tJahresheizenergie ohne WW /ohne Bandlast",  // 393
    "kWh\tJahresk\xFChlenergie ohne Bandlast",  // 394
    "kWh\tJahresenergie f\xFCr Warmwasser",  // 395
    "kWh\tJahresenergie Bandlast Heizung",  // 396
    "kWh\tJahresenergie Bandlast K\xFChlung",  // 397
    "d\tTage Vollastfall im Heizfall",  // 398
    "-\tPulldown Leitfaehigkeit Schicht2",  // 399
    "-\tPulldown Leitfaehigkeit Schicht3",  // 400
    "x-Koordinate der 1. Sonde / der 151. Sonde / der 301. Sonde / der 451. Sonde ",  // 401
    "y-Koordinate der 1. Sonde / der 151. Sonde / der 301. Sonde / der 451. Sonde  ",  // 402
    "x-Koordinate der 2. Sonde / der 152. Sonde / der 302. Sonde / der 452. Sonde ",  // 403
    "y-Koordinate der 2. Sonde / der 152. Sonde / der 302. Sonde / der 452. Sonde  ",  // 404
    "x-Koordinate der 3. Sonde / der 153. Sonde / der 303. Sonde / der 453. Sonde ",  // 405
    "y-Koordinate der 3. Sonde / der 153. Sonde / der 303. Sonde / der 453. Sonde  ",  // 406
    "x-Koordinate der 4. Sonde / der 154. Sonde / der 304. Sonde / der 454. Sonde ",  // 407
    "y-Koordinate der 4. Sonde / der 154. Sonde / der 304. Sonde / der 454. Sonde  ",  // 408
    "x-Koordinate der 5. Sonde / der 155. Sonde / der 305. Sonde / der 455. Sonde ",  // 409
    "y-Koordinate der 5. Sonde / der 155. Sonde / der 305. Sonde / der 455. Sonde  ",  // 410
    "x-Koordinate der 6. Sonde / der 156. Sonde / der 306. Sonde / der 456. Sonde ",  // 411
    "y-Koordinate der 6. Sonde / der 156. Sonde / der 306. Sonde / der 456. Sonde  ",  // 412
    "x-Koordinate der 7. Sonde / der 157. Sonde / der 307. Sonde / der 457. Sonde ",  // 413
    "y-Koordinate der 7. Sonde / der 157. Sonde / der 307. Sonde / der 457. Sonde  ",  // 414
    "x-Koordinate der 8. Sonde / der 158. Sonde / der 308. Sonde / der 458. Sonde ",  // 415
    "y-Koordinate der 8. Sonde / der 158. Sonde / der 308. Sonde / der 458. Sonde  ",  // 416
    "x-Koordinate der 9. Sonde / der 159. Sonde / der 309. Sonde / der 459. Sonde ",  // 417
    "y-Koordinate der 9. Sonde / der 159. Sonde / der 309. Sonde / der 459. Sonde  ",  // 418
    "x-Koordinate der 10. Sonde / der 160. Sonde / der 310. Sonde / der 460. Sonde ",  // 419
    "y-Koordinate der 10. Sonde / der 160. Sonde / der 310. Sonde / der 460. Sonde  ",  // 420
    "x-Koordinate der 11. Sonde / der 161. Sonde / der 311. Sonde / der 461. Sonde ",  // 421
    "y-Koordinate der 11. Sonde / der 161. Sonde / der 311. Sonde / der 461. Sonde  ",  // 422
    "x-Koordinate der 12. Sonde / der 162. Sonde / der 312. Sonde / der 462. Sonde ",  // 423
    "y-Koordinate der 12. Sonde / der 162. Sonde / der 312. Sonde / der 462. Sonde  ",  // 424
    "x-Koordinate der 13. Sonde / der 163. Sonde / der 313. Sonde / der 463. Sonde ",  // 425
    "y-Koordinate der 13. Sonde / der 163. Sonde / der 313. Sonde / der 463. Sonde  ",  // 426
    "x-Koordinate der 14. Sonde / der 164. Sonde / der 314. Sonde / der 464. Sonde ",  // 427
    "y-Koordinate der 14. Sonde / der 164. Sonde / der 314. Sonde / der 464. Sonde  ",  // 428
    "x-Koordinate der 15. Sonde / der 165. Sonde / der 315. Sonde / der 465. Sonde ",  // 429
    "y-Koordinate der 15. Sonde / der 165. Sonde / der 315. Sonde / der 465. Sonde  ",  // 430
    "x-Koordinate der 16. Sonde / der 166. Sonde / der 316. Sonde / der 466. Sonde ",  // 431
    "y-Koordinate der 16. Sonde / der 166. Sonde / der 316. Sonde / der 466. Sonde  ",  // 432
    "x-Koordinate der 17. Sonde / der 167. Sonde / der 317. Sonde / der 467. Sonde ",  // 433
    "y-Koordinate der 17. Sonde / der 167. Sonde / der 317. Sonde / der 467. Sonde  ",  // 434
    "x-Koordinate der 18. Sonde / der 168. Sonde / der 318. Sonde / der 468. Sonde ",  // 435
    "y-Koordinate der 18. Sonde / der 168. Sonde / der 318. Sonde / der 468. Sonde  ",  // 436
    "x-Koordinate der 19. Sonde / der 169. Sonde / der 319. Sonde / der 469. Sonde ",  // 437
    "y-Koordinate der 19. Sonde / der 169. Sonde / der 319. Sonde / der 469. Sonde  ",  // 438
    "x-Koordinate der 20. Sonde / der 170. Sonde / der 320. Sonde / der 470. Sonde ",  // 439
    "y-Koordinate der 20. Sonde / der 170. Sonde / der 320. Sonde / der 470. Sonde  ",  // 440
    "x-Koordinate der 21. Sonde / der 171. Sonde / der 321. Sonde / der 471. Sonde ",  // 441
    "y-Koordinate der 21. Sonde / der 171. Sonde / der 321. Sonde / der 471. Sonde  ",  // 442
    "x-Koordinate der 22. Sonde / der 172. Sonde / der 322. Sonde / der 472. Sonde ",  // 443
    "y-Koordinate der 22. Sonde / der 172. Sonde / der 322. Sonde / der 472. Sonde  ",  // 444
    "x-Koordinate der 23. Sonde / der 173. Sonde / der 323. Sonde / der 473. Sonde ",  // 445
    "y-Koordinate der 23. Sonde / der 173. Sonde / der 323. Sonde / der 473. Sonde  ",  // 446
    "x-Koordinate der 24. Sonde / der 174. Sonde / der 324. Sonde / der 474. Sonde ",  // 447
    "y-Koordinate der 24. Sonde / der 174. Sonde / der 324. Sonde / der 474. Sonde  ",  // 448
    "x-Koordinate der 25. Sonde / der 175. Sonde / der 325. Sonde / der 475. Sonde ",  // 449
    "y-Koordinate der 25. Sonde / der 175. Sonde / der 325. Sonde / der 475. Sonde  ",  // 450
    "x-Koordinate der 26. Sonde / der 176. Sonde / der 326. Sonde / der 476. Sonde ",  // 451
    "y-Koordinate der 26. Sonde / der 176. Sonde / der 326. Sonde / der 476. Sonde  ",  // 452
    "x-Koordinate der 27. Sonde / der 177. Sonde / der 327. Sonde / der 477. Sonde ",  // 453
    "y-Koordinate der 27. Sonde / der 177. Sonde / der 327. Sonde / der 477. Sonde  ",  // 454
    "x-Koordinate der 28. Sonde / der 178. Sonde / der 328. Sonde / der 478. Sonde ",  // 455
    "y-Koordinate der 28. Sonde / der 178. Sonde / der 328. Sonde / der 478. Sonde  ",  // 456
    "x-Koordinate der 29. Sonde / der 179. Sonde / der 329. Sonde / der 479. Sonde ",  // 457
    "y-Koordinate der 29. Sonde / der 179. Sonde / der 329. Sonde / der 479. Sonde  ",  // 458
    "x-Koordinate der 30. Sonde / der 180. Sonde / der 330. Sonde / der 480. Sonde ",  // 459
    "y-Koordinate der 30. Sonde / der 180. Sonde / der 330. Sonde / der 480. Sonde  ",  // 460
    "x-Koordinate der 31. Sonde / der 181. Sonde / der 331. Sonde / der 481. Sonde ",  // 461
    "y-Koordinate der 31. Sonde / der 181. Sonde / der 331. Sonde / der 481. Sonde  ",  // 462
    "x-Koordinate der 32. Sonde / der 182. Sonde / der 332. Sonde / der 482. Sonde ",  // 463
    "y-Koordinate der 32. Sonde / der 182. Sonde / der 332. Sonde / der 482. Sonde  ",  // 464
    "x-Koordinate der 33. Sonde / der 183. Sonde / der 333. Sonde / der 483. Sonde ",  // 465
    "y-Koordinate der 33. Sonde / der 183. Sonde / der 333. Sonde / der 483. Sonde  ",  // 466
    "x-Koordinate der 34. Sonde / der 184. Sonde / der 334. Sonde / der 484. Sonde ",  // 467
    "y-Koordinate der 34. Sonde / der 184. Sonde / der 334. Sonde / der 484. Sonde  ",  // 468
    "x-Koordinate der 35. Sonde / der 185. Sonde / der 335. Sonde / der 485. Sonde ",  // 469
    "y-Koordinate der 35. Sonde / der 185. Sonde / der 335. Sonde / der 485. Sonde  ",  // 470
    "x-Koordinate der 36. Sonde / der 186. Sonde / der 336. Sonde / der 486. Sonde ",  // 471
    "y-Koordinate der 36. Sonde / der 186. Sonde / der 336. Sonde / der 486. Sonde  ",  // 472
    "x-Koordinate der 37. Sonde / der 187. Sonde / der 337. Sonde / der 487. Sonde ",  // 473
    "y-Koordinate der 37. Sonde / der 187. Sonde / der 337. Sonde / der 487. Sonde  ",  // 474
    "x-Koordinate der 38. Sonde / der 188. Sonde / der 338. Sonde / der 488. Sonde ",  // 475
    "y-Koordinate der 38. Sonde / der 188. Sonde / der 338. Sonde / der 488. Sonde  ",  // 476
    "x-Koordinate der 39. Sonde / der 189. Sonde / der 339. Sonde / der 489. Sonde ",  // 477
    "y-Koordinate der 39. Sonde / der 189. Sonde / der 339. Sonde / der 489. Sonde  ",  // 478
    "x-Koordinate der 40. Sonde / der 190. Sonde / der 340. Sonde / der 490. Sonde ",  // 479
    "y-Koordinate der 40. Sonde / der 190. Sonde / der 340. Sonde / der 490. Sonde  ",  // 480
    "x-Koordinate der 41. Sonde / der 191. Sonde / der 341. Sonde / der 491. Sonde ",  // 481
    "y-Koordinate der 41. Sonde / der 191. Sonde / der 341. Sonde / der 491. Sonde  ",  // 482
    "x-Koordinate der 42. Sonde / der 192. Sonde / der 342. Sonde / der 492. Sonde ",  // 483
    "y-Koordinate der 42. Sonde / der 192. Sonde / der 342. Sonde / der 492. Sonde  ",  // 484
    "x-Koordinate der 43. Sonde / der 193. Sonde / der 343. Sonde / der 493. Sonde ",  // 485
    "y-Koordinate der 43. Sonde / der 193. Sonde / der 343. Sonde / der 493. Sonde  ",  // 486
    "x-Koordinate der 44. Sonde / der 194. Sonde / der 344. Sonde / der 494. Sonde ",  // 487
    "y-Koordinate der 44. Sonde / der 194. Sonde / der 344. Sonde / der 494. Sonde  ",  // 488
    "x-Koordinate der 45. Sonde / der 195. Sonde / der 345. Sonde / der 495. Sonde ",  // 489
    "y-Koordinate der 45. Sonde / der 195. Sonde / der 345. Sonde / der 495. Sonde  ",  // 490
    "x-Koordinate der 46. Sonde / der 196. Sonde / der 346. Sonde / der 496. Sonde ",  // 491
    "y-Koordinate der 46. Sonde / der 196. Sonde / der 346. Sonde / der 496. Sonde  ",  // 492
    "x-Koordinate der 47. Sonde / der 197. Sonde / der 347. Sonde / der 497. Sonde ",  // 493
    "y-Koordinate der 47. Sonde / der 197. Sonde / der 347. Sonde / der 497. Sonde  ",  // 494
    "x-Koordinate der 48. Sonde / der 198. Sonde / der 348. Sonde / der 498. Sonde ",  // 495
    "y-Koordinate der 48. Sonde / der 198. Sonde / der 348. Sonde / der 498. Sonde  ",  // 496
    "x-Koordinate der 49. Sonde / der 199. Sonde / der 349. Sonde / der 499. Sonde ",  // 497
    "y-Koordinate der 49. Sonde / der 199. Sonde / der 349. Sonde / der 499. Sonde  ",  // 498
    "x-Koordinate der 50. Sonde / der 200. Sonde / der 350. Sonde / der 500. Sonde ",  // 499
    "y-Koordinate der 50. Sonde / der 200. Sonde / der 350. Sonde / der 500. Sonde  ",  // 500
    "x-Koordinate der 51. Sonde / der 201. Sonde / der 351. Sonde / der 501. Sonde ",  // 501
    "y-Koordinate der 51. Sonde / der 201. Sonde / der 351. Sonde / der 501. Sonde  ",  // 502
    "x-Koordinate der 52. Sonde / der 202. Sonde / der 352. Sonde / der 502. Sonde ",  // 503
    "y-Koordinate der 52. Sonde / der 202. Sonde / der 352. Sonde / der 502. Sonde  ",  // 504
    "x-Koordinate der 53. Sonde / der 203. Sonde / der 353. Sonde / der 503. Sonde ",  // 505
    "y-Koordinate der 53. Sonde / der 203. Sonde / der 353. Sonde / der 503. Sonde  ",  // 506
    "x-Koordinate der 54. Sonde / der 204. Sonde / der 354. Sonde / der 504. Sonde ",  // 507
    "y-Koordinate der 54. Sonde / der 204. Sonde / der 354. Sonde / der 504. Sonde  ",  // 508
    "x-Koordinate der 55. Sonde / der 205. Sonde / der 355. Sonde / der 505. Sonde ",  // 509
    "y-Koordinate der 55. Sonde / der 205. Sonde / der 355. Sonde / der 505. Sonde  ",  // 510
    "x-Koordinate der 56. Sonde / der 206. Sonde / der 356. Sonde / der 506. Sonde ",  // 511
    "y-Koordinate der 56. Sonde / der 206. Sonde / der 356. Sonde / der 506. Sonde  ",  // 512
    "x-Koordinate der 57. Sonde / der 207. Sonde / der 357. Sonde / der 507. Sonde ",  // 513
    "y-Koordinate der 57. Sonde / der 207. Sonde / der 357. Sonde / der 507. Sonde  ",  // 514
    "x-Koordinate der 58. Sonde / der 208. Sonde / der 358. Sonde / der 508. Sonde ",  // 515
    "y-Koordinate der 58. Sonde / der 208. Sonde / der 358. Sonde / der 508. Sonde  ",  // 516
    "x-Koordinate der 59. Sonde / der 209. Sonde / der 359. Sonde / der 509. Sonde ",  // 517
    "y-Koordinate der 59. Sonde / der 209. Sonde / der 359. Sonde / der 509. Sonde  ",  // 518
    "x-Koordinate der 60. Sonde / der 210. Sonde / der 360. Sonde / der 510. Sonde ",  // 519
    "y-Koordinate der 60. Sonde / der 210. Sonde / der 360. Sonde / der 510. Sonde  ",  // 520
    "x-Koordinate der 61. Sonde / der 211. Sonde / der 361. Sonde / der 511. Sonde ",  // 521
    "y-Koordinate der 61. Sonde / der 211. Sonde / der 361. Sonde / der 511. Sonde  ",  // 522
    "x-Koordinate der 62. Sonde / der 212. Sonde / der 362. Sonde / der 512. Sonde ",  // 523
    "y-Koordinate der 62. Sonde / der 212. Sonde / der 362. Sonde / der 512. Sonde  ",  // 524
    "x-Koordinate der 63. Sonde / der 213. Sonde / der 363. Sonde / der 513. Sonde ",  // 525
    "y-Koordinate der 63. Sonde / der 213. Sonde / der 363. Sonde / der 513. Sonde  ",  // 526
    "x-Koordinate der 64. Sonde / der 214. Sonde / der 364. Sonde / der 514. Sonde ",  // 527
    "y-Koordinate der 64. Sonde / der 214. Sonde / der 364. Sonde / der 514. Sonde  ",  // 528
    "x-Koordinate der 65. Sonde / der 215. Sonde / der 365. Sonde / der 515. Sonde ",  // 529
    "y-Koordinate der 65. Sonde / der 215. Sonde / der 365. Sonde / der 515. Sonde  ",  // 530
    "x-Koordinate der 66. Sonde / der 216. Sonde / der 366. Sonde / der 516. Sonde ",  // 531
    "y-Koordinate der 66. Sonde / der 216. Sonde / der 366. Sonde / der 516. Sonde  ",  // 532
    "x-Koordinate der 67. Sonde / der 217. Sonde / der 367. Sonde / der 517. Sonde ",  // 533
    "y-Koordinate der 67. Sonde / der 217. Sonde / der 367. Sonde / der 517. Sonde  ",  // 534
    "x-Koordinate der 68. Sonde / der 218. Sonde / der 368. Sonde / der 518. Sonde ",  // 535
    "y-Koordinate der 68. Sonde / der 218. Sonde / der 368. Sonde / der 518. Sonde  ",  // 536
    "x-Koordinate der 69. Sonde / der 219. Sonde / der 369. Sonde / der 519. Sonde ",  // 537
    "y-Koordinate der 69. Sonde / der 219. Sonde / der 369. Sonde / der 519. Sonde  ",  // 538
    "x-Koordinate der 70. Sonde / der 220. Sonde / der 370. Sonde / der 520. Sonde ",  // 539
    "y-Koordinate der 70. Sonde / der 220. Sonde / der 370. Sonde / der 520. Sonde  ",  // 540
    "x-Koordinate der 71. Sonde / der 221. Sonde / der 371. Sonde / der 521. Sonde ",  // 541
    "y-Koordinate der 71. Sonde / der 221. Sonde / der 371. Sonde / der 521. Sonde  ",  // 542
    "x-Koordinate der 72. Sonde / der 222. Sonde / der 372. Sonde / der 522. Sonde ",  // 543
    "y-Koordinate der 72. Sonde / der 222. Sonde / der 372. Sonde / der 522. Sonde  ",  // 544
    "x-Koordinate der 73. Sonde / der 223. Sonde / der 373. Sonde / der 523. Sonde ",  // 545
    "y-Koordinate der 73. Sonde / der 223. Sonde / der 373. Sonde / der 523. Sonde  ",  // 546
    "x-Koordinate der 74. Sonde / der 224. Sonde / der 374. Sonde / der 524. Sonde ",  // 547
    "y-Koordinate der 74. Sonde / der 224. Sonde / der 374. Sonde / der 524. Sonde  ",  // 548
    "x-Koordinate der 75. Sonde / der 225. Sonde / der 375. Sonde / der 525. Sonde ",  // 549
    "y-Koordinate der 75. Sonde / der 225. Sonde / der 375. Sonde / der 525. Sonde  ",  // 550
    "x-Koordinate der 76. Sonde / der 226. Sonde / der 376. Sonde / der 526. Sonde ",  // 551
    "y-Koordinate der 76. Sonde / der 226. Sonde / der 376. Sonde / der 526. Sonde  ",  // 552
    "x-Koordinate der 77. Sonde / der 227. Sonde / der 377. Sonde / der 527. Sonde ",  // 553
    "y-Koordinate der 77. Sonde / der 227. Sonde / der 377. Sonde / der 527. Sonde  ",  // 554
    "x-Koordinate der 78. Sonde / der 228. Sonde / der 378. Sonde / der 528. Sonde ",  // 555
    "y-Koordinate der 78. Sonde / der 228. Sonde / der 378. Sonde / der 528. Sonde  ",  // 556
    "x-Koordinate der 79. Sonde / der 229. Sonde / der 379. Sonde / der 529. Sonde ",  // 557
    "y-Koordinate der 79. Sonde / der 229. Sonde / der 379. Sonde / der 529. Sonde  ",  // 558
    "x-Koordinate der 80. Sonde / der 230. Sonde / der 380. Sonde / der 530. Sonde ",  // 559
    "y-Koordinate der 80. Sonde / der 230. Sonde / der 380. Sonde / der 530. Sonde  ",  // 560
    "x-Koordinate der 81. Sonde / der 231. Sonde / der 381. Sonde / der 531. Sonde ",  // 561
    "y-Koordinate der 81. Sonde / der 231. Sonde / der 381. Sonde / der 531. Sonde  ",  // 562
    "x-Koordinate der 82. Sonde / der 232. Sonde / der 382. Sonde / der 532. Sonde ",  // 563
    "y-Koordinate der 82. Sonde / der 232. Sonde / der 382. Sonde / der 532. Sonde  ",  // 564
    "x-Koordinate der 83. Sonde / der 233. Sonde / der 383. Sonde / der 533. Sonde ",  // 565
    "y-Koordinate der 83. Sonde / der 233. Sonde / der 383. Sonde / der 533. Sonde  ",  // 566
    "x-Koordinate der 84. Sonde / der 234. Sonde / der 384. Sonde / der 534. Sonde ",  // 567
    "y-Koordinate der 84. Sonde / der 234. Sonde / der 384. Sonde / der 534. Sonde  ",  // 568
    "x-Koordinate der 85. Sonde / der 235. Sonde / der 385. Sonde / der 535. Sonde ",  // 569
    "y-Koordinate der 85. Sonde / der 235. Sonde / der 385. Sonde / der 535. Sonde  ",  // 570
    "x-Koordinate der 86. Sonde / der 236. Sonde / der 386. Sonde / der 536. Sonde ",  // 571
    "y-Koordinate der 86. Sonde / der 236. Sonde / der 386. Sonde / der 536. Sonde  ",  // 572
    "x-Koordinate der 87. Sonde / der 237. Sonde / der 387. Sonde / der 537. Sonde ",  // 573
    "y-Koordinate der 87. Sonde / der 237. Sonde / der 387. Sonde / der 537. Sonde  ",  // 574
    "x-Koordinate der 88. Sonde / der 238. Sonde / der 388. Sonde / der 538. Sonde ",  // 575
    "y-Koordinate der 88. Sonde / der 238. Sonde / der 388. Sonde / der 538. Sonde  ",  // 576
    "x-Koordinate der 89. Sonde / der 239. Sonde / der 389. Sonde / der 539. Sonde ",  // 577
    "y-Koordinate der 89. Sonde / der 239. Sonde / der 389. Sonde / der 539. Sonde  ",  // 578
    "x-Koordinate der 90. Sonde / der 240. Sonde / der 390. Sonde / der 540. Sonde ",  // 579
    "y-Koordinate der 90. Sonde / der 240. Sonde / der 390. Sonde / der 540. Sonde  ",  // 580
    "x-Koordinate der 91. Sonde / der 241. Sonde / der 391. Sonde / der 541. Sonde ",  // 581
    "y-Koordinate der 91. Sonde / der 241. Sonde / der 391. Sonde / der 541. Sonde  ",  // 582
    "x-Koordinate der 92. Sonde / der 242. Sonde / der 392. Sonde / der 542. Sonde ",  // 583
    "y-Koordinate der 92. Sonde / der 242. Sonde / der 392. Sonde / der 542. Sonde  ",  // 584
    "x-Koordinate der 93. Sonde / der 243. Sonde / der 393. Sonde / der 543. Sonde ",  // 585
    "y-Koordinate der 93. Sonde / der 243. Sonde / der 393. Sonde / der 543. Sonde  ",  // 586
    "x-Koordinate der 94. Sonde / der 244. Sonde / der 394. Sonde / der 544. Sonde ",  // 587
    "y-Koordinate der 94. Sonde / der 244. Sonde / der 394. Sonde / der 544. Sonde  ",  // 588
    "x-Koordinate der 95. Sonde / der 245. Sonde / der 395. Sonde / der 545. Sonde ",  // 589
    "y-Koordinate der 95. Sonde / der 245. Sonde / der 395. Sonde / der 545. Sonde  ",  // 590
    "x-Koordinate der 96. Sonde / der 246. Sonde / der 396. Sonde / der 546. Sonde ",  // 591
    "y-Koordinate der 96. Sonde / der 246. Sonde / der 396. Sonde / der 546. Sonde  ",  // 592
    "x-Koordinate der 97. Sonde / der 247. Sonde / der 397. Sonde / der 547. Sonde ",  // 593
    "y-Koordinate der 97. Sonde / der 247. Sonde / der 397. Sonde / der 547. Sonde  ",  // 594
    "x-Koordinate der 98. Sonde / der 248. Sonde / der 398. Sonde / der 548. Sonde ",  // 595
    "y-Koordinate der 98. Sonde / der 248. Sonde / der 398. Sonde / der 548. Sonde  ",  // 596
    "x-Koordinate der 99. Sonde / der 249. Sonde / der 399. Sonde / der 549. Sonde ",  // 597
    "y-Koordinate der 99. Sonde / der 249. Sonde / der 399. Sonde / der 549. Sonde  ",  // 598
    "x-Koordinate der 100. Sonde / der 250. Sonde / der 400. Sonde / der 550. Sonde ",  // 599
    "y-Koordinate der 100. Sonde / der 250. Sonde / der 400. Sonde / der 550. Sonde  ",  // 600
    "m\tTiefe 1. Schicht",  // 601
    "m\tTiefe 2. Schicht",  // 602
    "m\tTiefe 3. Schicht",  // 603
    "m\tTiefe 4. Schicht",  // 604
    "m\tTiefe 5. Schicht",  // 605
    "m\tTiefe 6. Schicht",  // 606
    "m\tTiefe 7. Schicht",  // 607
    "m\tTiefe 8. Schicht",  // 608
    "m\tTiefe 9. Schicht",  // 609
    "m\tTiefe 10. Schicht",  // 610
    "J/kgK\tcp Erde 1. Schicht",  // 611
    "J/kgK\tcp Erde 2. Schicht",  // 612
    "J/kgK\tcp Erde 3. Schicht",  // 613
    "J/kgK\tcp Erde 4. Schicht",  // 614
    "J/kgK\tcp Erde 5. Schicht",  // 615
    "J/kgK\tcp Erde 6. Schicht",  // 616
    "J/kgK\tcp Erde 7. Schicht",  // 617
    "J/kgK\tcp Erde 8. Schicht",  // 618
    "J/kgK\tcp Erde 9. Schicht",  // 619
    "J/kgK\tcp Erde 10. Schicht",  // 620
    "kg/m3\trho Erde 1. Schicht",  // 621
    "kg/m3\trho Erde 2. Schicht",  // 622
    "kg/m3\trho Erde 3. Schicht",  // 623
    "kg/m3\trho Erde 4. Schicht",  // 624
    "kg/m3\trho Erde 5. Schicht",  // 625
    "kg/m3\trho Erde 6. Schicht",  // 626
    "kg/m3\trho Erde 7. Schicht",  // 627
    "kg/m3\trho Erde 8. Schicht",  // 628
    "kg/m3\trho Erde 9. Schicht",  // 629
    "kg/m3\trho Erde 10. Schicht",  // 630
    "W/mK\tlambda Erde 1. Schicht",  // 631
    "W/mK\tlambda Erde 2. Schicht",  // 632
    "W/mK\tlambda Erde 3. Schicht",  // 633
    "W/mK\tlambda Erde 4. Schicht",  // 634
    "W/mK\tlambda Erde 5. Schicht",  // 635
    "W/mK\tlambda Erde 6. Schicht",  // 636
    "W/mK\tlambda Erde 7. Schicht",  // 637
    "W/mK\tlambda Erde 8. Schicht",  // 638
    "W/mK\tlambda Erde 9. Schicht",  // 639
    "W/mK\tlambda Erde 10. Schicht",  // 640
    "[W/m], Sondenbelastung der 1. / 151. / 301. / 451. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 641
    "[W/m], Sondenbelastung der 2. / 152. / 302. / 452. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 642
    "[W/m], Sondenbelastung der 3. / 153. / 303. / 453. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 643
    "[W/m], Sondenbelastung der 4. / 154. / 304. / 454. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 644
    "[W/m], Sondenbelastung der 5. / 155. / 305. / 455. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 645
    "[W/m], Sondenbelastung der 6. / 156. / 306. / 456. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 646
    "[W/m], Sondenbelastung der 7. / 157. / 307. / 457. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 647
    "[W/m], Sondenbelastung der 8. / 158. / 308. / 458. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 648
    "[W/m], Sondenbelastung der 9. / 159. / 309. / 459. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 649
    "[W/m], Sondenbelastung der 10. / 160. / 310. / 460. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 650
    "[W/m], Sondenbelastung der 11. / 161. / 311. / 461. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 651
    "[W/m], Sondenbelastung der 12. / 162. / 312. / 462. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 652
    "[W/m], Sondenbelastung der 13. / 163. / 313. / 463. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 653
    "[W/m], Sondenbelastung der 14. / 164. / 314. / 464. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 654
    "[W/m], Sondenbelastung der 15. / 165. / 315. / 465. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 655
    "[W/m], Sondenbelastung der 16. / 166. / 316. / 466. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 656
    "[W/m], Sondenbelastung der 17. / 167. / 317. / 467. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 657
    "[W/m], Sondenbelastung der 18. / 168. / 318. / 468. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 658
    "[W/m], Sondenbelastung der 19. / 169. / 319. / 469. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 659
    "[W/m], Sondenbelastung der 20. / 170. / 320. / 470. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 660
    "[W/m], Sondenbelastung der 21. / 171. / 321. / 471. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 661
    "[W/m], Sondenbelastung der 22. / 172. / 322. / 472. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 662
    "[W/m], Sondenbelastung der 23. / 173. / 323. / 473. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 663
    "[W/m], Sondenbelastung der 24. / 174. / 324. / 474. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 664
    "[W/m], Sondenbelastung der 25. / 175. / 325. / 475. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 665
    "[W/m], Sondenbelastung der 26. / 176. / 326. / 476. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 666
    "[W/m], Sondenbelastung der 27. / 177. / 327. / 477. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 667
    "[W/m], Sondenbelastung der 28. / 178. / 328. / 478. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 668
    "[W/m], Sondenbelastung der 29. / 179. / 329. / 479. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 669
    "[W/m], Sondenbelastung der 30. / 180. / 330. / 480. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 670
    "[W/m], Sondenbelastung der 31. / 181. / 331. / 481. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 671
    "[W/m], Sondenbelastung der 32. / 182. / 332. / 482. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 672
    "[W/m], Sondenbelastung der 33. / 183. / 333. / 483. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 673
    "[W/m], Sondenbelastung der 34. / 184. / 334. / 484. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 674
    "[W/m], Sondenbelastung der 35. / 185. / 335. / 485. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 675
    "[W/m], Sondenbelastung der 36. / 186. / 336. / 486. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 676
    "[W/m], Sondenbelastung der 37. / 187. / 337. / 487. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 677
    "[W/m], Sondenbelastung der 38. / 188. / 338. / 488. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 678
    "[W/m], Sondenbelastung der 39. / 189. / 339. / 489. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 679
    "[W/m], Sondenbelastung der 40. / 190. / 340. / 490. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 680
    "[W/m], Sondenbelastung der 41. / 191. / 341. / 491. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 681
    "[W/m], Sondenbelastung der 42. / 192. / 342. / 492. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 682
    "[W/m], Sondenbelastung der 43. / 193. / 343. / 493. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 683
    "[W/m], Sondenbelastung der 44. / 194. / 344. / 494. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 684
    "[W/m], Sondenbelastung der 45. / 195. / 345. / 495. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 685
    "[W/m], Sondenbelastung der 46. / 196. / 346. / 496. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 686
    "[W/m], Sondenbelastung der 47. / 197. / 347. / 497. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 687
    "[W/m], Sondenbelastung der 48. / 198. / 348. / 498. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 688
    "[W/m], Sondenbelastung der 49. / 199. / 349. / 499. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 689
    "[W/m], Sondenbelastung der 50. / 200. / 350. / 500. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 690
    "[W/m], Sondenbelastung der 51. / 201. / 351. / 501. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 691
    "[W/m], Sondenbelastung der 52. / 202. / 352. / 502. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 692
    "[W/m], Sondenbelastung der 53. / 203. / 353. / 503. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 693
    "[W/m], Sondenbelastung der 54. / 204. / 354. / 504. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 694
    "[W/m], Sondenbelastung der 55. / 205. / 355. / 505. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 695
    "[W/m], Sondenbelastung der 56. / 206. / 356. / 506. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 696
    "[W/m], Sondenbelastung der 57. / 207. / 357. / 507. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 697
    "[W/m], Sondenbelastung der 58. / 208. / 358. / 508. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 698
    "[W/m], Sondenbelastung der 59. / 209. / 359. / 509. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 699
    "[W/m], Sondenbelastung der 60. / 210. / 360. / 510. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 700
    "[W/m], Sondenbelastung der 61. / 211. / 361. / 511. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 701
    "[W/m], Sondenbelastung der 62. / 212. / 362. / 512. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 702
    "[W/m], Sondenbelastung der 63. / 213. / 363. / 513. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 703
    "[W/m], Sondenbelastung der 64. / 214. / 364. / 514. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 704
    "[W/m], Sondenbelastung der 65. / 215. / 365. / 515. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 705
    "[W/m], Sondenbelastung der 66. / 216. / 366. / 516. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 706
    "[W/m], Sondenbelastung der 67. / 217. / 367. / 517. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 707
    "[W/m], Sondenbelastung der 68. / 218. / 368. / 518. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 708
    "[W/m], Sondenbelastung der 69. / 219. / 369. / 519. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 709
    "[W/m], Sondenbelastung der 70. / 220. / 370. / 520. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 710
    "[W/m], Sondenbelastung der 71. / 221. / 371. / 521. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 711
    "[W/m], Sondenbelastung der 72. / 222. / 372. / 522. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 712
    "[W/m], Sondenbelastung der 73. / 223. / 373. / 523. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 713
    "[W/m], Sondenbelastung der 74. / 224. / 374. / 524. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 714
    "[W/m], Sondenbelastung der 75. / 225. / 375. / 525. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 715
    "[W/m], Sondenbelastung der 76. / 226. / 376. / 526. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 716
    "[W/m], Sondenbelastung der 77. / 227. / 377. / 527. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 717
    "[W/m], Sondenbelastung der 78. / 228. / 378. / 528. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 718
    "[W/m], Sondenbelastung der 79. / 229. / 379. / 529. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 719
    "[W/m], Sondenbelastung der 80. / 230. / 380. / 530. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 720
    "[W/m], Sondenbelastung der 81. / 231. / 381. / 531. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 721
    "[W/m], Sondenbelastung der 82. / 232. / 382. / 532. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 722
    "[W/m], Sondenbelastung der 83. / 233. / 383. / 533. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 723
    "[W/m], Sondenbelastung der 84. / 234. / 384. / 534. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 724
    "[W/m], Sondenbelastung der 85. / 235. / 385. / 535. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 725
    "[W/m], Sondenbelastung der 86. / 236. / 386. / 536. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 726
    "[W/m], Sondenbelastung der 87. / 237. / 387. / 537. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 727
    "[W/m], Sondenbelastung der 88. / 238. / 388. / 538. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 728
    "[W/m], Sondenbelastung der 89. / 239. / 389. / 539. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 729
    "[W/m], Sondenbelastung der 90. / 240. / 390. / 540. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 730
    "[W/m], Sondenbelastung der 91. / 241. / 391. / 541. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 731
    "[W/m], Sondenbelastung der 92. / 242. / 392. / 542. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 732
    "[W/m], Sondenbelastung der 93. / 243. / 393. / 543. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 733
    "[W/m], Sondenbelastung der 94. / 244. / 394. / 544. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 734
    "[W/m], Sondenbelastung der 95. / 245. / 395. / 545. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 735
    "[W/m], Sondenbelastung der 96. / 246. / 396. / 546. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 736
    "[W/m], Sondenbelastung der 97. / 247. / 397. / 547. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 737
    "[W/m], Sondenbelastung der 98. / 248. / 398. / 548. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 738
    "[W/m], Sondenbelastung der 99. / 249. / 399. / 549. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)?",  // 739
    "[W/m], Sondenbelastung der 100. / 250. / 400. / 550. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 740
    "W/K\tA * k des Kollektor-W\xE4rmetauschers",  // 741
    "\tTemperaturprofil als Startbedingung?",  // 742
    "\tGrundwasserfluss beruecksichtigen?",  // 743
    "\tDirekte Eingabe hydr. Druckgradient?",  // 744
    "\tGegenstromprinzip in Koaxialsonden",  // 745
    "\tJahreszeitenschwankung der Temperatur",  // 746
    "\tFormat Klimadaten: Meteonorm Standard",  // 747
    "\tGrundwasser auf Plan Sondenfeld zeigen",  // 748
    "m/m\tDruckgradient Grundwasser",  // 749
    "\tResponsetest TRT aus Messwerten",  // 750
    "\tRb aus Messwerten des TRT bestimmen",  // 751
    "\tSondenfeld im Kuehlfall aufteilen?",  // 752
    "\tbei Sondenaufteilung mit Feld1 beginnen",  // 753
    "\tsolare Regeneration der Sonden ",  // 754
    "\tunverglaste Kollektoren",  // 755
    "\tKollektorertrag mit Wind berechnen",  // 756
    "\tKarte Sondenstandorte vorhanden?",  // 757
    "W/m2\tgeothermischer Waermefluss",  // 758
    "K\tEinfluss Klimaerwaermung bis 80m Tiefe",  // 759
    "Pt\tx-Position Karte (Nullpunkt)",  // 760
    "Pt\ty-Position Karte (Nullpunkt)",  // 761
    "-\tPulldown Leitfaehigkeit Schicht1",  // 762
    "m\tMittlerer_Abstand",  // 763
    "m.\xFC.M\tHoehe Sondenkopf",  // 764
    "Pt\tx-Position Pt1 Isohypse1",  // 765
    "Pt\ty-Position Pt1 Isohypse1",  // 766
    "Pt\tx-Position Pt2 Isohypse1",  // 767
    "Pt\ty-Position Pt2 Isohypse1",  // 768
    "Pt\tx-Position Pt1 Isohypse2",  // 769
    "Pt\ty-Position Pt1 Isohypse2",  // 770
    "Pt\tx-Position Pt2 Isohypse2",  // 771
    "Pt\ty-Position Pt2 Isohypse2",  // 772
    "m.\xFC.M\tHoehe Isohypse1 Grundwasser",  // 773
    "m.\xFC.M\tHoehe Isohypse2 Grundwasser",  // 774
    "-\tPorositaet Schicht1",  // 775
    "-\tPorositaet Schicht2",  // 776
    "-\tPorositaet Schicht3",  // 777
    "m/s\thydr Durchlaessigkeit k Schicht1",  // 778
    "m/s\thydr Durchlaessigkeit k Schicht2",  // 779
    "m/s\thydr Durchlaessigkeit k Schicht3",  // 780
    "m\tBeginn Schicht1",  // 781
    "m\tBeginn Schicht2",  // 782
    "m\tBeginn Schicht3",  // 783
    "m\tEnde Schicht3",  // 784
    "\xB0" "C\tTemperatur Keller \xFC" "ber Sondenfeld im Sommer",  // 785
    "W/m2K\tU-Wert Bodenplatte \xFC" "ber Sondenfeld",  // 786
    "\tGegenstromanteil Waermetauscher Kollektorkreislauf",  // 787
    "J/kgK\tspez. W\xE4rmekapazit\xE4t Kollektorfluid",  // 788
    "m2, Absorberfl\xE4" "che total / Absorberfl\xE4" "che pro Kollektor",  // 789
    "- / m/s, Kollektorkonstante bu / Windgeschwindigkeit u",  // 790
    "W/m2K, Kollektorkonstante b1 / a1",  // 791
    "W/m2K2 / -, Kollektorkonstante b2 / VarA",  // 792
    "- / -, Kollektorkonstante Eta0 / VarB",  // 793
    "- / -, Anzahl parallele Kollektoren / VarC",  // 794
    "\xB0 / W/Km2, Azimut des Kollektors / Umrechnungsfaktor f\xFCr A*k pro m2 Solarregister",  // 795
    "\xB0 / -, Neigung des Kollektors / Speicherverluste pro Stunde",  // 796
    "\xB0" "C\tMaximale Sondeneintrittstemperatur nach Kollektor",  // 797
    "kg/s\tKollektor-Durchsatz",  // 798
    "",  // 799
    "",  // 800
    "",  // 801
    "",  // 802
    "",  // 803
    "",  // 804
    "",  // 805
    "",  // 806
    "",  // 807
    "",  // 808
    "",  // 809
    "",  // 810
    "",  // 811
    "",  // 812
    "",  // 813
    "",  // 814
    "",  // 815
    "",  // 816
    "",  // 817
    "",  // 818
    "",  // 819
    "",  // 820
    "",  // 821
    "",  // 822
    "",  // 823
    "",  // 824
    "",  // 825
    "",  // 826
    "",  // 827
    "",  // 828
    "",  // 829
    "",  // 830
    "",  // 831
    "",  // 832
    "",  // 833
    "",  // 834
    "",  // 835
    "",  // 836
    "",  // 837
    "",  // 838
    "",  // 839
    "",  // 840
    "",  // 841
    "",  // 842
    "",  // 843
    "",  // 844
    "",  // 845
    "",  // 846
    "",  // 847
    "",  // 848
    "",  // 849
    "",  // 850
    "",  // 851
    "",  // 852
    "",  // 853
    "",  // 854
    "",  // 855
    "",  // 856
    "",  // 857
    "",  // 858
    "",  // 859
    "",  // 860
    "",  // 861
    "",  // 862
    "",  // 863
    "",  // 864
    "",  // 865
    "",  // 866
    "",  // 867
    "",  // 868
    "",  // 869
    "",  // 870
    "",  // 871
    "",  // 872
    "",  // 873
    "",  // 874
    "",  // 875
    "",  // 876
    "",  // 877
    "",  // 878
    "",  // 879
    "",  // 880
    "",  // 881
    "",  // 882
    "",  // 883
    "",  // 884
    "",  // 885
    "",  // 886
    "",  // 887
    "",  // 888
    "",  // 889
    "",  // 890
    "",  // 891
    "",  // 892
    "",  // 893
    "",  // 894
    "",  // 895
    "",  // 896
    "",  // 897
    "",  // 898
    "[W/m], Sondenbelastung der 101. / 251. / 401. / 551. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 899
    "[W/m], Sondenbelastung der 102. / 252. / 402. / 552. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 900
    "[W/m], Sondenbelastung der 103. / 253. / 403. / 553. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 901
    "[W/m], Sondenbelastung der 104. / 254. / 404. / 554. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 902
    "[W/m], Sondenbelastung der 105. / 255. / 405. / 555. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 903
    "[W/m], Sondenbelastung der 106. / 256. / 406. / 556. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 904
    "[W/m], Sondenbelastung der 107. / 257. / 407. / 557. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 905
    "[W/m], Sondenbelastung der 108. / 258. / 408. / 558. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 906
    "[W/m], Sondenbelastung der 109. / 259. / 409. / 559. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 907
    "[W/m], Sondenbelastung der 110. / 260. / 410. / 560. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 908
    "[W/m], Sondenbelastung der 111. / 261. / 411. / 561. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 909
    "[W/m], Sondenbelastung der 112. / 262. / 412. / 562. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 910
    "[W/m], Sondenbelastung der 113. / 263. / 413. / 563. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 911
    "[W/m], Sondenbelastung der 114. / 264. / 414. / 564. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 912
    "[W/m], Sondenbelastung der 115. / 265. / 415. / 565. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 913
    "[W/m], Sondenbelastung der 116. / 266. / 416. / 566. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 914
    "[W/m], Sondenbelastung der 117. / 267. / 417. / 567. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 915
    "[W/m], Sondenbelastung der 118. / 268. / 418. / 568. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 916
    "[W/m], Sondenbelastung der 119. / 269. / 419. / 569. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 917
    "[W/m], Sondenbelastung der 120. / 270. / 420. / 570. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 918
    "[W/m], Sondenbelastung der 121. / 271. / 421. / 571. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 919
    "[W/m], Sondenbelastung der 122. / 272. / 422. / 572. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 920
    "[W/m], Sondenbelastung der 123. / 273. / 423. / 573. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 921
    "[W/m], Sondenbelastung der 124. / 274. / 424. / 574. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 922
    "[W/m], Sondenbelastung der 125. / 275. / 425. / 575. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 923
    "[W/m], Sondenbelastung der 126. / 276. / 426. / 576. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 924
    "[W/m], Sondenbelastung der 127. / 277. / 427. / 577. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 925
    "[W/m], Sondenbelastung der 128. / 278. / 428. / 578. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 926
    "[W/m], Sondenbelastung der 129. / 279. / 429. / 579. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 927
    "[W/m], Sondenbelastung der 130. / 280. / 430. / 580. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 928
    "[W/m], Sondenbelastung der 131. / 281. / 431. / 581. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 929
    "[W/m], Sondenbelastung der 132. / 282. / 432. / 582. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 930
    "[W/m], Sondenbelastung der 133. / 283. / 433. / 583. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 931
    "[W/m], Sondenbelastung der 134. / 284. / 434. / 584. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 932
    "[W/m], Sondenbelastung der 135. / 285. / 435. / 585. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 933
    "[W/m], Sondenbelastung der 136. / 286. / 436. / 586. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 934
    "[W/m], Sondenbelastung der 137. / 287. / 437. / 587. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 935
    "[W/m], Sondenbelastung der 138. / 288. / 438. / 588. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 936
    "[W/m], Sondenbelastung der 139. / 289. / 439. / 589. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 937
    "[W/m], Sondenbelastung der 140. / 290. / 440. / 590. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 938
    "[W/m], Sondenbelastung der 141. / 291. / 441. / 591. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 939
    "[W/m], Sondenbelastung der 142. / 292. / 442. / 592. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 940
    "[W/m], Sondenbelastung der 143. / 293. / 443. / 593. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 941
    "[W/m], Sondenbelastung der 144. / 294. / 444. / 594. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 942
    "[W/m], Sondenbelastung der 145. / 295. / 445. / 595. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 943
    "[W/m], Sondenbelastung der 146. / 296. / 446. / 596. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 944
    "[W/m], Sondenbelastung der 147. / 297. / 447. / 597. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 945
    "[W/m], Sondenbelastung der 148. / 298. / 448. / 598. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 946
    "[W/m], Sondenbelastung der 149. / 299. / 449. / 599. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 947
    "[W/m], Sondenbelastung der 150. / 300. / 450. / 600. Sonde /Ist Sonde eine Nachbarsonde(Ja=1 Nein=0)",  // 948
    "K\tAmplitude der Jahreszeitenschwankung",  // 949
    "d\tTag mit minimaler Temperatur",  // 950
    "-\tinSerie",  // 951
    "m2\tKellerflaeche",  // 952
    "\xB0" "C\tKellertemperatur im Winter",  // 953
    "kW\tK\xFChlleistung Freecooling bei Feldaufteilung",  // 954
    "-\tAnzahl Sonden fuer Variante 2 bei Druckberechnung",  // 955
    "kg/s\tDurchsatz fuer Variante 3 bei Druckberechnung",  // 956
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / Temperaturgrad mit Waermefluss / Waermeentzug aus So",  // 957
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / mit Stundenwerten starten / Waermeeintrag in Sonde /",  // 958
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / Anzahl Nachbarsonden / H\xF6he m.\xFC.M / y-Koord Referenz",  // 959
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / Kontaktwiderstand Rd / TageVollast22 / Messwerte Ein",  // 960
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / Offset / EER Vollast / x-Koordinate Standort Tempera",  // 961
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / Wellrohr1 / K\xFChlleistung Vollast / y-Koordinate Stan",  // 962
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / Tageslastprofil / WWPrio / Import_Stao_qeb",  // 963
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / Rueckkuehler1 / Max. Tsink von File / Standorthoehe ",  // 964
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / RueckkuehlLeistung / CH-Koordinaten / Temperatur aus",  // 965
    "kWh, Freecooling Jan - Dez bei Feldaufteilung / Ein_Rueckkuehler/ x-Koord Referenzpunkt in CH-Koordi",  // 966
    "kWh\tFreecooling Jan - Dez bei Feldaufteilung",  // 967
    "kWh\tFreecooling Jan - Dez bei Feldaufteilung",  // 968
    "\xB0" "C\tStarttemperatur Nr. 1",  // 969
    "m\tTiefe der Starttemperatur Nr. 1",  // 970
    "\xB0" "C\tStarttemperatur Nr. 2",  // 971
    "m\tTiefe der Starttemperatur Nr. 2",  // 972
    "\xB0" "C\tStarttemperatur Nr. 3",  // 973
    "m\tTiefe der Starttemperatur Nr. 3",  // 974
    "\xB0" "C\tStarttemperatur Nr. 4",  // 975
    "m\tTiefe der Starttemperatur Nr. 4",  // 976
    "\xB0" "C\tStarttemperatur Nr. 5",  // 977
    "m\tTiefe der Starttemperatur Nr. 5",  // 978
    "\xB0" "C\tStarttemperatur Nr. 6",  // 979
    "m\tTiefe der Starttemperatur Nr. 6",  // 980
    "\xB0" "C\tStarttemperatur Nr. 7",  // 981
    "m\tTiefe der Starttemperatur Nr. 7",  // 982
    "\xB0" "C\tStarttemperatur Nr. 8",  // 983
    "m\tTiefe der Starttemperatur Nr. 8",  // 984
    "\xB0" "C\tStarttemperatur Nr. 9",  // 985
    "m\tTiefe der Starttemperatur Nr. 9",  // 986
    "\xB0" "C\tStarttemperatur Nr. 10",  // 987
    "m\tTiefe der Starttemperatur Nr. 10",  // 988
    "\xB0" "C\tStarttemperatur der 1. Schicht",  // 989
    "\xB0" "C\tStarttemperatur der 2. Schicht",  // 990
    "\xB0" "C\tStarttemperatur der 3. Schicht",  // 991
    "\xB0" "C\tStarttemperatur der 4. Schicht",  // 992
    "\xB0" "C\tStarttemperatur der 5. Schicht",  // 993
    "\xB0" "C\tStarttemperatur der 6. Schicht",  // 994
    "\xB0" "C\tStarttemperatur der 7. Schicht",  // 995
    "\xB0" "C\tStarttemperatur der 8. Schicht",  // 996
    "\xB0" "C\tStarttemperatur der 9. Schicht",  // 997
    "\xB0" "C\tStarttemperatur der 10. Schicht",  // 998
    "\xB0" "C\tWarmwasser - Temperatur",  // 999
    "W/mK\tscheinbares Lambda Erde der Schicht 10",  // 1000
};

TEST_F(LabelsTable, EveryEntryByteForByte) {
  for (int n = 1; n <= 1000; ++n) EXPECT_EQ(L(n), kAllLabels[n]) << "entry " << n;
}

struct ExpectedRock {
  int row;
  const char* name;  // Windows-1252
  double lambda, cp, rho;
};

const ExpectedRock kAllRocks[] = {
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
    {21, "", 0.8, 800, 2200},
    {22, "", 0.8, 800, 2200},
    {23, "", 0.8, 800, 2200},
    {24, "", 0.8, 800, 2200},
    {25, "", 0.8, 800, 2200},
    {26, "", 0.8, 800, 2200},
    {27, "", 0.8, 800, 2200},
    {28, "", 0.8, 800, 2200},
    {29, "", 0.8, 800, 2200},
    {30, "", 0.8, 800, 2200},
    {31, "", 2.4, 1000, 2600},
    {32, "", 2.4, 1000, 2600},
    {33, "", 2.4, 1000, 2600},
    {34, "", 2.4, 1000, 2600},
    {35, "", 2.4, 1000, 2600},
    {36, "", 2.4, 1000, 2600},
    {37, "", 2.4, 1000, 2600},
    {38, "", 2.4, 1000, 2600},
    {39, "", 2.4, 1000, 2600},
    {40, "", 2.4, 1000, 2600},
};

TEST_F(LabelsRockTable, EveryRowAsBuiltIn) {
  int rows = 0;
  for (const ExpectedRock& r : kAllRocks) {
    ExpectRow(r.row, r.name, r.lambda, r.cp, r.rho);
    ++rows;
  }
  EXPECT_EQ(rows, 40);
}

}  // namespace
