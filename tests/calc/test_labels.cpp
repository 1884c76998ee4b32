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

}  // namespace
