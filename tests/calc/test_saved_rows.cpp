// A project saved by a run and opened again: the hourly series that the
// reader takes from the step table (weather and loads of a plant with
// collectors, the measured values, the series of a system simulation) come
// back hour by hour where they were, and saving once more writes the same
// stored columns. Tables whose rows begin at hour 1 read as they always did.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "tests/support/step_table.h"

namespace qeb {
namespace {

using Row = std::vector<std::string>;

double Num(const Row& r, size_t col) {
  if (col >= r.size()) return NAN;
  return ParseReal(r[col]).value_or(NAN);
}

// The road of one calculation as the run driver takes it, writing `out`.
void RunInto(const std::string& out) {
  writefile = true;
  Outputfile = out;
  Simulate(-1);
  Schrittzaehler = 0;
  Jahr = 1;
  while (Jahr <= LastYear) {
    Vorlauf = Jahr < LastYear;
    ++Schrittzaehler;
    int code = 0;
    Simulate(code);
  }
  Simulate(-4);
  writefile = false;
}

// Opening a project as the input window does: a new project, then the file.
void Open(const std::string& file) {
  Eingabedatei.Close();
  Simulate(-3);
  GeoeffneteDatei = file;
  Inputfile = file;
  readfile = true;
  ProjektOeffnen = true;
  Simulate(-2);
  ProjektOeffnen = false;
}

// Row k of a run's step table is hour k: rows 0..8760, the step column
// counting them.
void ExpectRowsOfARun(const std::vector<Row>& t, const char* what) {
  ASSERT_EQ(t.size(), 8761u) << what;
  for (int k = 0; k <= 8760; ++k) ASSERT_EQ(t[k][0], std::to_string(k)) << what;
}

// Columns `cols` of rows `from`..8760 are the same text in both tables.
void ExpectSameColumns(const std::vector<Row>& a, const std::vector<Row>& b, const std::vector<size_t>& cols,
                       int from) {
  ASSERT_EQ(a.size(), b.size());
  for (int k = from; k <= 8760; ++k)
    for (size_t c : cols) {
      ASSERT_LT(c, a[k].size()) << k;
      ASSERT_LT(c, b[k].size()) << k;
      ASSERT_EQ(a[k][c], b[k][c]) << "row " << k << ", column " << c;
    }
}

class SavedRows : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int h = 0; h <= 8760; ++h) {
      ta_[h] = Aussentemperatur[h];
      rh_[h] = Luftfeuchte[h];
      gk_[h] = Globalstrahlung[h];
    }
    Simulate(-3);
    ResetFileState();
    solar = mitRueckkuehler = false;
  }
  void TearDown() override {
    Eingabedatei.Close();
    // The switches of these projects must not reach tests that share the process.
    Simulate(-3);
    ResetFileState();
    solar = mitRueckkuehler = false;
    // Command -3 leaves the measured values as they are.
    Messung = 0.0;
    readfile = writefile = false;
    ProjektOeffnen = false;
    GeoeffneteDatei.clear();
    for (int h = 0; h <= 8760; ++h) {
      Aussentemperatur[h] = ta_[h];
      Luftfeuchte[h] = rh_[h];
      Globalstrahlung[h] = gk_[h];
    }
  }
  // One year of hourly steps, a steady extraction of 1 kW, no side files.
  static void OneYear() {
    readfile = false;
    stationaer = true;
    Starttemp = false;
    AnfahrfileSchreiben = false;
    TEarth = false;
    LastYear = 1;
    Zeitschritt = 60;
    SchritteProJahr = 8760;
    StepWrite = 1;
    Sondenlaenge = 100.0;
    Leistung = true;
    QSource = 1.0;
    Massenstrom = 0.3;
    Auslegungsentzug = 1.0;
    Auslegungsmassenstrom = 0.3;
  }
  double ta_[8761], rh_[8761], gk_[8761];
};

// With collectors or a recooler the rows carry the weather of their hour; it
// is what the project brings along when it is opened again.
TEST_F(SavedRows, WeatherOfACollectorOrRecoolerProjectStaysWithItsHour) {
  for (bool recooler : {false, true}) {
    SCOPED_TRACE(recooler ? "recooler" : "collectors");
    const std::string a = recooler ? "saved_recooler_1.txt" : "saved_solar_1.txt";
    const std::string b = recooler ? "saved_recooler_2.txt" : "saved_solar_2.txt";
    Simulate(-3);
    ResetFileState();
    solar = mitRueckkuehler = false;
    UseBuiltInWeather();
    double builtInTa[8761], builtInGk[8761];
    for (int h = 0; h <= 8760; ++h) {
      builtInTa[h] = Aussentemperatur[h];
      builtInGk[h] = Globalstrahlung[h];
    }
    OneYear();
    mKollektor = 0.2;
    cp_Kollektor = 3800.0;
    Ak_Kollektor = 1500.0;
    zzKollektor = 1.0;
    MaxSondenruecklauf = 30.0;
    WWsolar = false;
    if (recooler) {
      mitRueckkuehler = true;
      RueckkuehlerHeizen = true;
      RueckkuehlLeistung = 2.0;
      Ein_Rueckkuehler = 3.0;
      Ta_nurQEBbetrieb = 2.0;
      Ta_nurLuftbetrieb = 1000.0;
    } else {
      solar = true;
      unverglast = false;
      Kollektor = 10.0;
      Eta0 = 0.8;
      a1 = 3.5;
      a2 = 0.015;
    }
    RunInto(a);
    const std::vector<Row> first = StepTable(a);
    ExpectRowsOfARun(first, "first save");
    if (HasFatalFailure()) return;
    // Written in the hour's row: the built-in weather of hour k in row k.
    for (int k : {1, 2, 13, 4000, 8760}) {
      EXPECT_NEAR(Num(first[k], 5), builtInTa[k], 0.05 + 1e-9) << k;
      EXPECT_NEAR(Num(first[k], 6), builtInGk[k], 0.0005 + 1e-9) << k;
    }

    // Opened again, with the weather in memory wiped: hour h takes row h.
    for (int h = 1; h <= 8760; ++h) Aussentemperatur[h] = Globalstrahlung[h] = -99.0;
    Open(a);
    ASSERT_TRUE(WetterGeladen);
    ASSERT_EQ(solar, !recooler);
    ASSERT_EQ(mitRueckkuehler, recooler);
    double sumGk = 0.0;
    for (int h = 1; h <= 8760; ++h) {
      ASSERT_EQ(Aussentemperatur[h], Num(first[h], 5)) << h;
      ASSERT_EQ(Globalstrahlung[h], Num(first[h], 6)) << h;
      ASSERT_EQ(MassenstromStunde[h], Num(first[h], 1)) << h;
      ASSERT_EQ(TSinkStunde[h], Num(first[h], 2)) << h;
      ASSERT_EQ(QLastStunde[h], Num(first[h], 3)) << h;
      ASSERT_NEAR(Aussentemperatur[h], builtInTa[h], 0.05 + 1e-9) << h;
      sumGk += Num(first[h], 6);
    }
    EXPECT_NEAR(SummeGlobalstrahlung, sumGk, 1e-6);
    // The next row the loads are read from is the table's first.
    std::string next;
    ASSERT_TRUE(Eingabedatei.Next(next));
    EXPECT_TRUE(next.starts_with("0\t")) << next;
    Eingabedatei.Close();

    // Saved once more: the same weather in every row, the same step column.
    Open(a);
    RunInto(b);
    const std::vector<Row> second = StepTable(b);
    ExpectRowsOfARun(second, "second save");
    if (HasFatalFailure()) return;
    ExpectSameColumns(first, second, {0, 1, 2, 3, 5, 6}, 0);

    // And the second file opens with the series of the first.
    for (int h = 1; h <= 8760; ++h) Aussentemperatur[h] = Globalstrahlung[h] = -99.0;
    Open(b);
    for (int h = 1; h <= 8760; ++h) {
      ASSERT_EQ(Aussentemperatur[h], Num(first[h], 5)) << h;
      ASSERT_EQ(Globalstrahlung[h], Num(first[h], 6)) << h;
    }
    Eingabedatei.Close();
  }
}

// A table of hours 1..8760 (a generated load file, or a project of an
// earlier version of the program) is taken in its order; a table that
// begins at 0 but lacks the run's last row is too.
TEST_F(SavedRows, RowsThatDoNotFormARunsTableReadInTheirOrder) {
  for (int firstRow : {1, 0}) {
    SCOPED_TRACE(::testing::Message() << "rows from " << firstRow);
    Simulate(-3);
    ResetFileState();
    mitRueckkuehler = false;
    OneYear();
    solar = true;
    int zs = 60, spj = 8760;
    WriteOutputHeader("saved_plain.txt", zs, spj);
    for (int i = 0; i < 8760; ++i)
      AusgabeText.WriteLine(std::to_string(firstRow + i) + "\t0.100\t5.000\t1.500\t8.000\t" +
                            FormatFixed(0.1 * i, 0, 1) + "\t0.250\t9.00\t0\tFALSE\t0.000");
    AusgabeText.Close();
    Open("saved_plain.txt");
    ASSERT_TRUE(WetterGeladen);
    for (int h = 1; h <= 8760; ++h)
      ASSERT_EQ(Aussentemperatur[h], ParseReal(FormatFixed(0.1 * (h - 1), 0, 1)).value()) << h;
    std::string next;
    ASSERT_TRUE(Eingabedatei.Next(next));
    EXPECT_TRUE(next.starts_with(std::to_string(firstRow) + "\t")) << next;
    Eingabedatei.Close();
  }
}

// Measured values saved with the project: the rows carry the measured hours,
// and opening the saved project gives each hour its own measured values.
TEST_F(SavedRows, MeasuredValuesStayWithTheirHour) {
  auto m = [](int h) { return 0.2 + 0.001 * (h % 97); };
  auto t = [](int h) { return 2.0 + 0.125 * (h % 41); };
  auto q = [](int h) { return -1.0 + 0.01 * (h % 301); };
  // A project whose measured hours 1..8760 stand in rows 1..8760.
  OneYear();
  // Temperature mode: the sink temperature of each hour is the measured one.
  Leistung = false;
  Leistungsinput = false;
  Messung = 1.0;
  start_Messung = true;
  int zs = 60, spj = 8760;
  WriteOutputHeader("saved_mess_0.txt", zs, spj);
  for (int h = 1; h <= 8760; ++h)
    AusgabeText.WriteLine(std::to_string(h) + "\t" + FormatFixed(m(h), 0, 3) + "\t" + FormatFixed(t(h), 1, 3) +
                          "\t" + FormatFixed(q(h), 0, 3));
  AusgabeText.Close();

  auto openMeasured = [&](const std::string& file) {
    Open(file);
    ASSERT_TRUE(MessungAn());
    ASSERT_FALSE(MessungEinlesen);
    for (int h = 1; h <= 8760; ++h) {
      ASSERT_NEAR(MassenstromStunde[h], m(h), 1e-12) << file << " hour " << h;
      ASSERT_NEAR(TSinkStunde[h], t(h), 1e-12) << file << " hour " << h;
      ASSERT_NEAR(QLastStunde[h], q(h), 1e-12) << file << " hour " << h;
    }
  };
  auto saveMeasured = [&](const std::string& file) {
    MesswerteSpeichern = MessungAn() && start_Messung;
    RunInto(file);
    MesswerteSpeichern = false;
  };

  openMeasured("saved_mess_0.txt");
  if (HasFatalFailure()) return;
  saveMeasured("saved_mess_1.txt");
  const std::vector<Row> first = StepTable("saved_mess_1.txt");
  ExpectRowsOfARun(first, "first save");
  if (HasFatalFailure()) return;
  for (int k = 1; k <= 8760; ++k) {
    ASSERT_NEAR(Num(first[k], 1), m(k), 1e-12) << k;
    ASSERT_NEAR(Num(first[k], 2), t(k), 1e-12) << k;
    ASSERT_NEAR(Num(first[k], 3), q(k), 1e-12) << k;
  }

  ResetFileState();
  openMeasured("saved_mess_1.txt");
  if (HasFatalFailure()) return;
  saveMeasured("saved_mess_2.txt");
  const std::vector<Row> second = StepTable("saved_mess_2.txt");
  ExpectRowsOfARun(second, "second save");
  if (HasFatalFailure()) return;
  ExpectSameColumns(first, second, {0, 1, 2, 3}, 1);
  ResetFileState();
  openMeasured("saved_mess_2.txt");
  Eingabedatei.Close();
}

// A project with measured hours, saved by a run in power mode, where the run
// computes a sink temperature of its own every hour, and in temperature mode:
// the saved rows carry the measured mass flow, sink temperature and load of
// each hour, byte for byte as the first project held them, whether the run
// that saves comes straight after opening or after a calculation of its own,
// and however often the project is opened and saved again.
TEST_F(SavedRows, MeasuredHoursSurviveSavingInPowerAndTemperatureMode) {
  auto m = [](int h) { return 0.2 + 0.001 * (h % 97); };
  auto t = [](int h) { return 2.0 + 0.125 * (h % 41); };
  auto q = [](int h) { return -1.0 + 0.01 * (h % 301); };
  for (bool power : {true, false}) {
    SCOPED_TRACE(power ? "power mode" : "temperature mode");
    Simulate(-3);
    ResetFileState();
    solar = mitRueckkuehler = false;
    OneYear();
    Leistung = power;
    Leistungsinput = power;
    Messung = 1.0;
    start_Messung = true;
    const std::string tag = power ? "p" : "t";
    const std::string f0 = "saved_meas_" + tag + "0.txt";

    // The project as the module writes it: its header, then rows 0..8760
    // through the step-table writer with the measured hours.
    int zs = 60, spj = 8760;
    WriteOutputHeader(f0, zs, spj);
    for (int k = 0; k <= 8760; ++k) {
      int row = k;
      double mk = k == 0 ? 0.0 : m(k), tk = k == 0 ? 10.0 : t(k), qk = k == 0 ? 0.0 : q(k);
      double ts = 10.0, mon = 10.0, p = 0.0, kk = 0.0;
      WriteStepRow(row, mk, tk, qk, ts, mon, p, kk, false, false);
    }
    AusgabeText.Close();
    const std::vector<Row> table0 = StepTable(f0);
    ExpectRowsOfARun(table0, "written project");
    if (HasFatalFailure()) return;

    auto expectMeasuredSeries = [&](const std::string& file) {
      ASSERT_TRUE(MessungAn()) << file;
      ASSERT_EQ(Leistung, power) << file;
      for (int h = 1; h <= 8760; ++h) {
        ASSERT_NEAR(MassenstromStunde[h], m(h), 1e-12) << file << " hour " << h;
        ASSERT_NEAR(TSinkStunde[h], t(h), 1e-12) << file << " hour " << h;
        ASSERT_NEAR(QLastStunde[h], q(h), 1e-12) << file << " hour " << h;
      }
    };
    // Columns M, TSink and Q of rows 1..8760 hold the measured hours, as text
    // the same as in the written project.
    auto expectMeasuredRows = [&](const std::vector<Row>& table, const char* what) {
      ExpectRowsOfARun(table, what);
      if (HasFatalFailure()) return;
      for (int k = 1; k <= 8760; ++k) {
        ASSERT_NEAR(Num(table[k], 1), m(k), 1e-12) << what << " row " << k;
        ASSERT_NEAR(Num(table[k], 2), t(k), 1e-12) << what << " row " << k;
        ASSERT_NEAR(Num(table[k], 3), q(k), 1e-12) << what << " row " << k;
      }
      ExpectSameColumns(table0, table, {0, 1, 2, 3}, 1);
    };
    auto save = [&](const std::string& file) {
      MesswerteSpeichern = MessungAn() && start_Messung;
      RunInto(file);
      MesswerteSpeichern = false;
    };

    Open(f0);
    expectMeasuredSeries(f0);
    if (HasFatalFailure()) return;
    ASSERT_FALSE(MessungEinlesen);

    // Saved straight after opening.
    const std::string f1 = "saved_meas_" + tag + "1.txt";
    save(f1);
    const std::vector<Row> table1 = StepTable(f1);
    expectMeasuredRows(table1, "first save");
    if (HasFatalFailure()) return;
    if (power) {
      // The run did compute sink temperatures of its own: the saved column
      // is not what it ran with.
      int differing = 0;
      for (int h = 1; h <= 8760; ++h)
        if (std::fabs(TSinkStunde[h] - t(h)) > 0.01) ++differing;
      EXPECT_GT(differing, 8000);
    }

    // Opened and saved again, and a third time after a calculation of its
    // own: the project is read once more as a run reads it, without the
    // measured rows (those were taken when it was opened).
    ResetFileState();
    Open(f1);
    expectMeasuredSeries(f1);
    if (HasFatalFailure()) return;
    const std::string f2 = "saved_meas_" + tag + "2.txt";
    save(f2);
    const std::vector<Row> table2 = StepTable(f2);
    expectMeasuredRows(table2, "second save");
    if (HasFatalFailure()) return;

    auto reread = [&](const std::string& file) {
      Eingabedatei.Close();
      Inputfile = file;
      readfile = true;
      Simulate(-2);
    };
    reread(f2);
    RunInto("saved_meas_" + tag + "_calc.txt");
    reread(f2);
    ASSERT_FALSE(MessungEinlesen);
    const std::string f3 = "saved_meas_" + tag + "3.txt";
    save(f3);
    const std::vector<Row> table3 = StepTable(f3);
    expectMeasuredRows(table3, "save after a calculation");
    if (HasFatalFailure()) return;
    // The hours of the run's own results are those of the save before.
    ExpectSameColumns(table2, table3, {4, 5, 6, 7}, 1);

    ResetFileState();
    Open(f3);
    expectMeasuredSeries(f3);
    Eingabedatei.Close();
  }
}

// A system simulation stores its weather and plant series in its rows, row k
// for hour k as the run's hour and finish write them; opening the project
// takes them back to their hours, and writing them again gives the same rows.
TEST_F(SavedRows, SeriesOfASystemSimulationStayWithTheirHour) {
  OneYear();
  Systemsimulation = true;
  DirektkuehlungWP = true;
  LFahrplan = true;
  MaxQ = true;
  auto fill = [](int h) {
    MassenstromStunde[h] = 0.001 * (h % 100);
    Aussentemperatur[h] = -5.0 + 0.1 * (h % 300);
    Luftfeuchte[h] = 50.0 + 0.1 * (h % 7);
    Globalstrahlung[h] = 0.001 * (h % 11);
    Lueftungsprofil[h] = 0.01 * (h % 13);
    QMaxStunde[h] = 0.01 * (h % 17);
    MWPStunde[h] = 0.001 * (h % 19);
    QWPStunde[h] = 0.001 * (h % 23);
  };
  auto writeTable = [](const std::string& file) {
    int zs = 60, spj = 8760;
    WriteOutputHeader(file, zs, spj);
    double z = 0;
    for (int k = 0; k <= 8760; ++k) {
      int row = k;
      WriteStepRow(row, z, z, z, z, z, z, z, false, true);
    }
    AusgabeText.Close();
  };
  for (int h = 0; h <= 8760; ++h) fill(h);
  writeTable("saved_sys_1.txt");
  const std::vector<Row> first = StepTable("saved_sys_1.txt");
  ExpectRowsOfARun(first, "first table");
  if (HasFatalFailure()) return;

  for (int h = 1; h <= 8760; ++h)
    MassenstromStunde[h] = Aussentemperatur[h] = Luftfeuchte[h] = Globalstrahlung[h] = Lueftungsprofil[h] =
        QMaxStunde[h] = MWPStunde[h] = QWPStunde[h] = -99.0;
  Open("saved_sys_1.txt");
  ASSERT_TRUE(Systemsimulation);
  ASSERT_TRUE(DirektkuehlungWP);
  ASSERT_TRUE(LFahrplan);
  ASSERT_TRUE(MaxQ);
  for (int h = 1; h <= 8760; ++h) {
    ASSERT_EQ(Aussentemperatur[h], Num(first[h], 5)) << h;
    ASSERT_EQ(Luftfeuchte[h], Num(first[h], 6)) << h;
    ASSERT_EQ(Globalstrahlung[h], Num(first[h], 7)) << h;
    ASSERT_EQ(MassenstromStunde[h], Num(first[h], 1)) << h;
    ASSERT_NEAR(Aussentemperatur[h], -5.0 + 0.1 * (h % 300), 1e-9) << h;
    ASSERT_NEAR(Lueftungsprofil[h], 0.01 * (h % 13), 1e-9) << h;
    ASSERT_NEAR(QMaxStunde[h], 0.01 * (h % 17), 1e-9) << h;
    ASSERT_NEAR(MWPStunde[h], 0.001 * (h % 19), 1e-9) << h;
    ASSERT_NEAR(QWPStunde[h], 0.001 * (h % 23), 1e-9) << h;
  }
  Eingabedatei.Close();
  writeTable("saved_sys_2.txt");
  const std::vector<Row> second = StepTable("saved_sys_2.txt");
  ExpectRowsOfARun(second, "second table");
  if (HasFatalFailure()) return;
  ExpectSameColumns(first, second, {0, 1, 5, 6, 7, 11, 12, 13, 14}, 1);
}

}  // namespace
}  // namespace qeb
