// Readers of the optional data files, on files the tests write. Each test
// works in a directory of its own below the working directory, because the
// readers look for fixed names ("geologie.qeb", "stao.qeb", "test.swqeb") in
// the current directory.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "calc/QEBMOD.h"

using namespace qeb;
namespace fs = std::filesystem;

namespace {

class DataFilesDir : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    home_ = fs::current_path();
    dir_ = home_ / ("datafiles_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                    std::to_string(::getpid()));
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(home_);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  static void Write(const std::string& name, const std::string& bytes) {
    std::ofstream f(name, std::ios::binary);
    f << bytes;
  }
  static std::string Read(const std::string& name) {
    std::ifstream f(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }

 private:
  fs::path home_, dir_;
};

// ---- file test ----

class DataFilesCanOpen : public DataFilesDir {};

TEST_F(DataFilesCanOpen, NamesFilesDirectoriesAndEmptyNames) {
  EXPECT_FALSE(FileCanBeOpened(""));
  EXPECT_FALSE(FileCanBeOpened("nowhere.qeb"));
  Write("here.qeb", "x\r\n");
  EXPECT_TRUE(FileCanBeOpened("here.qeb"));
  EXPECT_EQ(Read("here.qeb"), "x\r\n");  // opened read-only, left as it was
  fs::create_directory("adir");
  EXPECT_FALSE(FileCanBeOpened("adir"));
}

// ---- rock and soil table "geologie.qeb" ----

class DataFilesGeology : public DataFilesDir {
 protected:
  void SetUp() override {
    DataFilesDir::SetUp();
    FillRockTable();
  }
};

TEST_F(DataFilesGeology, MissingFileLeavesTheBuiltInTable) {
  EXPECT_FALSE(ReadGeologyFile());
  EXPECT_EQ(Erdname[19], "Granit");
  EXPECT_DOUBLE_EQ(Erdlambda[19], 3.2);
}

TEST_F(DataFilesGeology, FullTableReplacesRowsOneToThirty) {
  std::string f = "Gesteine des Projekts\r\n";
  for (int r = 1; r <= 32; ++r)
    f += "Stein" + std::to_string(r) + "\t" + std::to_string(r) + ".5\t" + std::to_string(2000 + r) + "\t" +
         std::to_string(700 + r) + "\r\n";
  Write("geologie.qeb", f);
  EXPECT_TRUE(ReadGeologyFile());
  for (int r = 1; r <= 30; ++r) {
    EXPECT_EQ(Erdname[r], "Stein" + std::to_string(r));
    EXPECT_DOUBLE_EQ(Erdlambda[r], r + 0.5);  // field 2: conductivity
    EXPECT_DOUBLE_EQ(Erdrho[r], 2000 + r);    // field 3: density
    EXPECT_DOUBLE_EQ(Erdcp[r], 700 + r);      // field 4: heat capacity
  }
  // Rows 31 and beyond of the file are not read; table rows 31..40 stay.
  EXPECT_EQ(Erdname[31], "");
  EXPECT_DOUBLE_EQ(Erdlambda[31], 2.4);
  EXPECT_DOUBLE_EQ(Erdrho[31], 2600);
}

TEST_F(DataFilesGeology, FieldRulesOfARow) {
  Write("geologie.qeb",
        "Kopf\n"
        "Mor\xE4ne nass\t1.9\t2300\t950\n"      // LF only, Windows-1252 name kept as bytes
        "Lehm\t1.7\n"                           // the conductivity needs a TAB after it
        "NurName\n"                             // no TAB: nothing is stored
        "Fels\t3.0\t2700\t880\tBemerkung\t9\n"  // fields after the fourth are dropped
        "Kies\tviel\t2100,5\t\n"                // numbers that do not parse keep the built-in values
        "\n"
        "Letzter\t2.2\t2400\t1000");            // no line end at the end of the file
  EXPECT_TRUE(ReadGeologyFile());
  EXPECT_EQ(Erdname[1], "Mor\xE4ne nass");
  EXPECT_DOUBLE_EQ(Erdlambda[1], 1.9);
  EXPECT_DOUBLE_EQ(Erdrho[1], 2300);
  EXPECT_DOUBLE_EQ(Erdcp[1], 950);
  EXPECT_EQ(Erdname[2], "Lehm");
  EXPECT_DOUBLE_EQ(Erdlambda[2], 1.4);  // built-in row 2
  EXPECT_EQ(Erdname[3], "Mor\xE4ne");   // built-in row 3 untouched
  EXPECT_DOUBLE_EQ(Erdlambda[3], 1.6);
  EXPECT_EQ(Erdname[4], "Fels");
  EXPECT_DOUBLE_EQ(Erdcp[4], 880);
  EXPECT_EQ(Erdname[5], "Kies");
  EXPECT_DOUBLE_EQ(Erdlambda[5], 2.4);
  EXPECT_DOUBLE_EQ(Erdrho[5], 2530);
  EXPECT_DOUBLE_EQ(Erdcp[5], 900);
  EXPECT_EQ(Erdname[6], "Siltstein OMM");  // the empty line is row 6
  EXPECT_EQ(Erdname[7], "Letzter");
  EXPECT_DOUBLE_EQ(Erdcp[7], 1000);
  EXPECT_EQ(Erdname[8], "Feinsandstein OSM");
}

TEST_F(DataFilesGeology, BlankLinesAtTheEndAreFine) {
  Write("geologie.qeb", "Kopf\r\nA\t1\t2\t3\r\nB\t4\t5\t6\r\n\r\n\r\n   \r\n");
  EXPECT_TRUE(ReadGeologyFile());
  EXPECT_EQ(Erdname[2], "B");
  EXPECT_DOUBLE_EQ(Erdcp[2], 6);
  EXPECT_EQ(Erdname[3], "Mor\xE4ne");
}

TEST_F(DataFilesGeology, TableWithoutRowsIsRefused) {
  for (const char* text : {"", "Kopf\r\n", "Kopf\r\n\r\n\r\n"}) {
    Write("geologie.qeb", text);
    EXPECT_FALSE(ReadGeologyFile()) << '"' << text << '"';
    EXPECT_EQ(Erdname[1], "Schotter trocken");
    EXPECT_DOUBLE_EQ(Erdrho[1], 2000);
  }
}

// ---- site temperature file ----

class DataFilesSite : public DataFilesDir {
 protected:
  void SetUp() override {
    DataFilesDir::SetUp();
    for (double& v : TStandortJahr) v = -99;
    TStandort50 = -99;
    StaoGelesen = false;
    StaoFehlt = false;
    Reserve27 = false;
  }
  // Header lines as the export writes them, then one row per year.
  static std::string SiteFile(int rows, double (*dT)(int)) {
    std::string f = "Standorttemperatur\r\nYear\tx-Koord\ty-Koord\tdT Stao [K]\r\n";
    for (int r = 0; r < rows; ++r) {
      char buf[96];
      std::snprintf(buf, sizeof buf, "%d\t2600000.5\t1200000\t%.3f\r\n", r + 1, dT(r));
      f += buf;
    }
    return f;
  }
};

TEST_F(DataFilesSite, MissingFile) {
  EXPECT_FALSE(ReadLocationFile("stao.qeb"));
  EXPECT_FALSE(StaoGelesen);
  EXPECT_FALSE(StaoFehlt);  // the default file may be missing
  EXPECT_DOUBLE_EQ(TStandortJahr[0], -99);
  EXPECT_FALSE(ReadLocationFile(""));
  EXPECT_FALSE(StaoFehlt);
  EXPECT_FALSE(ReadLocationFile("projekt.stao"));
  EXPECT_FALSE(StaoFehlt);  // only when the yearly change is applied
  Reserve27 = true;
  EXPECT_FALSE(ReadLocationFile("projekt.stao"));
  EXPECT_TRUE(StaoFehlt);
}

TEST_F(DataFilesSite, RowsGoToEntriesFromZero) {
  Write("stao.qeb", SiteFile(60, [](int r) { return 0.01 * r; }));
  StaoFile = "stao.qeb";
  EXPECT_TRUE(ReadLocationFile());
  EXPECT_TRUE(StaoGelesen);
  for (int r = 0; r < 60; ++r) EXPECT_NEAR(TStandortJahr[r], 0.01 * r, 1e-12) << r;
  for (size_t r = 60; r < std::size(TStandortJahr); ++r) EXPECT_EQ(TStandortJahr[r], 0.0) << r;
  EXPECT_NEAR(TStandort50, (0.49 + 0.50) / 2, 1e-12);
}

TEST_F(DataFilesSite, ShortFileAfterALongOneAndBlanksAsSeparators) {
  Write("long.stao", SiteFile(80, [](int) { return 1.0; }));
  EXPECT_TRUE(ReadLocationFile("long.stao"));
  EXPECT_DOUBLE_EQ(TStandort50, 1.0);
  Write("short.stao", "a\r\nb\r\n1  5 6   0.25\r\n2\t5 6\t0.5\r\n\r\n\r\n");
  EXPECT_TRUE(ReadLocationFile("short.stao"));
  EXPECT_DOUBLE_EQ(TStandortJahr[0], 0.25);
  EXPECT_DOUBLE_EQ(TStandortJahr[1], 0.5);
  for (size_t r = 2; r < std::size(TStandortJahr); ++r) EXPECT_EQ(TStandortJahr[r], 0.0) << r;
  EXPECT_DOUBLE_EQ(TStandort50, 0.0);  // fewer than 51 rows: entries 49 and 50 are 0
}

TEST_F(DataFilesSite, EmptyLineEndsTheTable) {
  Write("s.stao", "a\nb\n1\t0\t0\t0.1\n2\t0\t0\t0.2\n\n3\t0\t0\t0.3\n");
  EXPECT_TRUE(ReadLocationFile("s.stao"));
  EXPECT_DOUBLE_EQ(TStandortJahr[1], 0.2);
  EXPECT_DOUBLE_EQ(TStandortJahr[2], 0.0);
}

TEST_F(DataFilesSite, BadOrEmptyFileChangesNothing) {
  Write("good.stao", SiteFile(3, [](int r) { return 2.0 + r; }));
  EXPECT_TRUE(ReadLocationFile("good.stao"));
  for (const char* text : {"a\r\nb\r\n", "a\r\n", "a\r\nb\r\n\r\n",
                           "a\r\nb\r\n1\t0\t0\t0.5\r\n2\t0\t0\t0,5\r\n",  // decimal comma
                           "a\r\nb\r\n1\t0\t0\r\n"}) {                    // too few numbers
    Write("bad.stao", text);
    EXPECT_FALSE(ReadLocationFile("bad.stao"));
    EXPECT_FALSE(StaoGelesen);
    EXPECT_DOUBLE_EQ(TStandortJahr[0], 2.0);
    EXPECT_DOUBLE_EQ(TStandortJahr[2], 4.0);
    EXPECT_DOUBLE_EQ(TStandortJahr[3], 0.0);
  }
}

TEST_F(DataFilesSite, StopsAtTheRowLimit) {
  // Changes of a tenth of a kelvin per row, so every row is a plausible value.
  Write("many.stao", SiteFile(700, [](int r) { return r / 10.0; }));
  EXPECT_TRUE(ReadLocationFile("many.stao"));
  const size_t n = std::size(TStandortJahr);
  EXPECT_DOUBLE_EQ(TStandortJahr[n - 1], (n - 1) / 10.0);
  EXPECT_DOUBLE_EQ(TStandort50, 4.95);
}

// ---- ground layer table (command -5) ----

class DataFilesLayers : public DataFilesDir {
 protected:
  void SetUp() override {
    DataFilesDir::SetUp();
    SwqebFile = "swqeb.dat";
    Sondenlaenge = 100;
    DimAxi = 2;
    for (int s = 0; s <= 20; ++s) lambdaErde[s] = cpErde[s] = rhoErde[s] = -1;
    lambdaErd = cpErd = rhoErd = -1;
    TGrad = 0.03;
    Jahresmitteltemp = 9;
    Bodenerwaermung = 0.8;
    TErdoberflaeche = 9.8;
    Segmentlaenge = -1;
  }
  static void ExpectUnchanged() {
    for (int s = 0; s <= 20; ++s) {
      EXPECT_EQ(lambdaErde[s], -1) << s;
      EXPECT_EQ(cpErde[s], -1) << s;
      EXPECT_EQ(rhoErde[s], -1) << s;
    }
    EXPECT_EQ(lambdaErd, -1);
    EXPECT_EQ(TGrad, 0.03);
    EXPECT_EQ(Jahresmitteltemp, 9);
    EXPECT_EQ(Bodenerwaermung, 0.8);
    EXPECT_EQ(TErdoberflaeche, 9.8);
    EXPECT_EQ(Segmentlaenge, -1);
  }
  // A table as the outside tool writes it: ";"-separated, quoted texts.
  static std::string Row(const char* name, double d, double t, double lambda, double cp, double rho) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "\"%s\";\"Schicht\";%g;%g;%g;%g;%g\r\n", name, d, t, lambda, cp, rho);
    return buf;
  }
  static constexpr const char* kHeader = "\"Name\";\"Typ\";\"Dicke\";\"T\";\"Lambda\";\"cp\";\"rho\"\r\n";
};

TEST_F(DataFilesLayers, MissingTableRaisesAndChangesNothing) {
  SwqebFile = "fehlt.dat";
  try {
    ReadGroundLayerTable();
    FAIL() << "no error raised";
  } catch (const CalcError& e) {
    std::string m = e.what();
    EXPECT_NE(m.find("File fehlt.dat nicht gefunden. "), std::string::npos) << m;
    EXPECT_NE(m.find("Kopiere das File fehlt.dat in den aktuellen Katalog !"), std::string::npos) << m;
  }
  ExpectUnchanged();
  EXPECT_FALSE(FileCanBeOpened("test.swqeb"));
}

TEST_F(DataFilesLayers, OneLayerFillsTheDeeperCellFromTheAddedRow) {
  Write("swqeb.dat", std::string(kHeader) + Row("Molasse", 50, 12, 2.0, 900, 2400));
  ReadGroundLayerTable();
  EXPECT_DOUBLE_EQ(lambdaErde[1], 2.0);
  EXPECT_DOUBLE_EQ(lambdaErde[2], 2.0);
  EXPECT_DOUBLE_EQ(cpErde[2], 900);
  EXPECT_DOUBLE_EQ(rhoErde[1], 2400);
  EXPECT_DOUBLE_EQ(lambdaErd, 2.0);
  EXPECT_DOUBLE_EQ(Segmentlaenge, 50);
  // One layer: no gradient, the temperatures keep their values.
  EXPECT_EQ(TGrad, 0.03);
  EXPECT_EQ(Jahresmitteltemp, 9);
  EXPECT_EQ(Bodenerwaermung, 0.8);
  EXPECT_EQ(lambdaErde[3], -1);  // cells beyond DimAxi are not touched
}

TEST_F(DataFilesLayers, TwoLayersAreWeightedByTheirShareOfEachCell) {
  Write("swqeb.dat",
        std::string(kHeader) + Row("Kies", 30, 10, 1.0, 800, 2000) + Row("Fels", 70, 12, 3.0, 1000, 2600));
  ReadGroundLayerTable();
  EXPECT_NEAR(lambdaErde[1], 0.6 * 1.0 + 0.4 * 3.0, 1e-12);  // 1.8
  EXPECT_NEAR(lambdaErde[2], 3.0, 1e-12);
  EXPECT_NEAR(cpErde[1], 0.6 * 800 + 0.4 * 1000, 1e-9);
  EXPECT_NEAR(rhoErde[1], 0.6 * 2000 + 0.4 * 2600, 1e-9);
  EXPECT_NEAR(lambdaErd, 2.4, 1e-12);
  EXPECT_NEAR(cpErd, (880 + 1000) / 2.0, 1e-9);
  // Layer middles at 15 m and 65 m: (12 - 10) / 50 K/m.
  EXPECT_NEAR(TGrad, 0.04, 1e-15);
  EXPECT_NEAR(Jahresmitteltemp, 10 - 0.04 * 15, 1e-12);
  EXPECT_EQ(TErdoberflaeche, Jahresmitteltemp);
  EXPECT_EQ(Bodenerwaermung, 0.0);
}

TEST_F(DataFilesLayers, BoundaryOnACellBoundary) {
  Write("swqeb.dat",
        std::string(kHeader) + Row("Oben", 50, 10, 1.0, 800, 2000) + Row("Unten", 50, 11, 3.0, 1000, 2600));
  ReadGroundLayerTable();
  EXPECT_DOUBLE_EQ(lambdaErde[1], 1.0);
  EXPECT_DOUBLE_EQ(lambdaErde[2], 3.0);
}

TEST_F(DataFilesLayers, UsersFileStaysAsItWas) {
  const std::string original = std::string(kHeader) + Row("Moraene sandig", 30, 10, 1.0, 800, 2000) +
                               "\"Fels\" ; \"Schicht\" ; 70 ; 12 ; 3.0 ; 1000 ; 2600\r\n";
  Write("swqeb.dat", original);
  ReadGroundLayerTable();
  EXPECT_EQ(Read("swqeb.dat"), original);
  EXPECT_EQ(Read("test.swqeb"),
            "Name\tTyp\tDicke\tT\tLambda\tcp\trho\r\n"
            "Moraenesandig\tSchicht\t30\t10\t1\t800\t2000\r\n"
            "Fels\tSchicht\t70\t12\t3.0\t1000\t2600\r\n");
  EXPECT_NEAR(lambdaErde[1], 1.8, 1e-12);
}

TEST_F(DataFilesLayers, TableNamedLikeTheScratchCopyIsNotRewritten) {
  const std::string original = std::string(kHeader) + Row("Fels", 70, 12, 3.0, 1000, 2600);
  Write("test.swqeb", original);
  SwqebFile = "test.swqeb";
  ReadGroundLayerTable();
  EXPECT_EQ(Read("test.swqeb"), original);
  EXPECT_DOUBLE_EQ(lambdaErde[1], 3.0);
}

TEST_F(DataFilesLayers, BlankAndEmptyRowsAtTheEndAreFine) {
  Write("swqeb.dat", std::string(kHeader) + Row("Fels", 70, 12, 3.0, 1000, 2600) + "\r\n;;;;;;\r\n  \r\n\r\n");
  ReadGroundLayerTable();
  EXPECT_DOUBLE_EQ(lambdaErde[2], 3.0);
}

TEST_F(DataFilesLayers, BadTablesRaiseAndChangeNothing) {
  const std::string good = Row("Fels", 70, 12, 3.0, 1000, 2600);
  const std::string tables[] = {
      "",                                                                     // nothing at all
      kHeader,                                                                // header only
      std::string(kHeader) + "\r\n;;;;;;\r\n",                                // no data rows
      std::string(kHeader) + good + "\"Kies\";\"S\";30;10;1,5;800;2000\r\n",  // decimal comma
      std::string(kHeader) + good + "\"Kies\";\"S\";30;10;1.5\r\n",           // too few numbers
      std::string(kHeader) + "30;10;1.5;800;2000\r\n",                        // no text fields
  };
  for (const std::string& t : tables) {
    Write("swqeb.dat", t);
    EXPECT_THROW(ReadGroundLayerTable(), CalcError) << t;
    ExpectUnchanged();
    EXPECT_EQ(Read("swqeb.dat"), t);
  }
}

TEST_F(DataFilesLayers, InvalidProbeGridRaisesAndChangesNothing) {
  Write("swqeb.dat", std::string(kHeader) + Row("Fels", 70, 12, 3.0, 1000, 2600));
  for (int dimAxi : {0, -1, 21}) {
    DimAxi = dimAxi;
    EXPECT_THROW(ReadGroundLayerTable(), CalcError) << dimAxi;
    ExpectUnchanged();
  }
  DimAxi = 2;
  Sondenlaenge = 0;
  EXPECT_THROW(ReadGroundLayerTable(), CalcError);
  ExpectUnchanged();
  DimAxi = 20;  // the largest grid the layer arrays hold
  Sondenlaenge = 100;
  ReadGroundLayerTable();
  EXPECT_DOUBLE_EQ(lambdaErde[20], 3.0);
}

TEST_F(DataFilesLayers, ZeroThicknessLayersRaiseInsteadOfAnInfiniteGradient) {
  Write("swqeb.dat",
        std::string(kHeader) + Row("A", 0, 10, 1.0, 800, 2000) + Row("B", 0, 12, 3.0, 1000, 2600));
  EXPECT_THROW(ReadGroundLayerTable(), CalcError);
  ExpectUnchanged();
}

TEST_F(DataFilesLayers, StopsAfterTwentyOneRows) {
  // 21 rows of 1 m with conductivity 1; the rows after them would bring 9 and
  // a line that does not parse, but are not read.
  std::string t = kHeader;
  for (int i = 0; i < 21; ++i) t += Row("Kies", 1, 10, 1.0, 800, 2000);
  t += Row("Granit", 1, 10, 9.0, 800, 2000);
  t += "\"Kies\";\"S\";1;10;kaputt;800;2000\r\n";
  Write("swqeb.dat", t);
  Sondenlaenge = 30;
  DimAxi = 1;
  ReadGroundLayerTable();
  EXPECT_DOUBLE_EQ(lambdaErde[1], 1.0);
}

TEST_F(DataFilesLayers, DeepProbeIsCoveredByTheAddedLayer) {
  Write("swqeb.dat", std::string(kHeader) + Row("Fels", 10, 12, 3.0, 1000, 2600));
  Sondenlaenge = 3000;
  DimAxi = 3;
  ReadGroundLayerTable();
  for (int s = 1; s <= 3; ++s) EXPECT_DOUBLE_EQ(lambdaErde[s], 3.0) << s;
  EXPECT_DOUBLE_EQ(lambdaErd, 3.0);
}

TEST_F(DataFilesLayers, SumsBeyondTheDoubleRangeRaiseAndChangeNothing) {
  // A conductivity near the end of the double range parses, but the sum
  // over the two cells behind the mean does not fit a double.
  Write("swqeb.dat", std::string(kHeader) + "\"A\";\"S\";50;10;1.5e308;800;2000\r\n");
  Sondenlaenge = 100;
  DimAxi = 2;
  EXPECT_THROW(ReadGroundLayerTable(), CalcError);
  ExpectUnchanged();
  // A temperature difference between the layers beyond the double range.
  Write("swqeb.dat", std::string(kHeader) + "\"A\";\"S\";1e308;-1e308;2;800;2000\r\n" +
                         "\"B\";\"S\";1;1e308;2;800;2000\r\n");
  EXPECT_THROW(ReadGroundLayerTable(), CalcError);
  ExpectUnchanged();
}

}  // namespace
