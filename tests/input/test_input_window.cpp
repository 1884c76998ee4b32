// The project input window driven as a user drives it: values typed into the
// controls, the transfer to the shared state and back, the ground layers, the
// resistance limit and the visibility of the input groups.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>

#include "calc/Erdsonden.h"
#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "shell/QEB.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

// Every variable of the dictionary as text, so two states compare key by key.
std::map<std::string, std::string> Snapshot() {
  std::map<std::string, std::string> m;
  for (const StateVar& v : StateRegistry()) {
    for (int i = v.lo; i <= v.hi; ++i) {
      const std::string key = v.hi > 0 ? std::string(v.key) + "[" + std::to_string(i) + "]" : v.key;
      char buf[64];
      switch (v.type) {
        case VarType::Double:
          std::snprintf(buf, sizeof buf, "%.17g", static_cast<double*>(v.ptr)[i]);
          m[key] = buf;
          break;
        case VarType::Int:
          m[key] = std::to_string(static_cast<int*>(v.ptr)[i]);
          break;
        case VarType::Bool:
          m[key] = static_cast<bool*>(v.ptr)[i] ? "TRUE" : "FALSE";
          break;
        case VarType::String:
          m[key] = static_cast<std::string*>(v.ptr)[i];
          break;
      }
    }
  }
  return m;
}

class InputWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
  }
  static TForm1& Window() {
    CreateApplicationWindows();
    return *Form1;
  }
  TForm1& f = Window();
  static void Type(QLineEdit* e, const char* text) { e->setText(QString::fromUtf8(text)); }
};

// The display rounds to its decimals; what it shows must come back as the same
// value up to that rounding, and nothing the window does not show may change.
TEST_F(InputWindow, ShowingThenTakingKeepsEveryValueToItsShownDecimals) {
  ScriptedInteraction ui;
  // A project with values off the defaults in every tab.
  Sondenlaenge = 123.456;
  AnzahlSonden = 4;
  nueSole = 3.9e-6;
  lambdaErd = 2.71;
  rhoErd = 2456.4;
  Jahresmitteltemp = 8.66;
  TGrad = 0.0314;
  Heizlast[1] = 12345.6;
  Laufzeit[2] = 17;
  Durchlaessigkeit1 = 2.3e-5;
  Projekttitel2 = "Sch\xF6nau";  // Windows-1252 "ö"
  Neigung = 30.0;
  Azimut = -15.0;
  TaMax = 31.5;
  m1 = 0.5;
  TTSink = 4.25;
  Form6->FillSystemForm();
  f.EingabenAnzeigen();
  const auto before = Snapshot();
  f.EingabenUebernehmen();
  const auto after = Snapshot();
  EXPECT_TRUE(ui.Texts("warning").empty());

  // A value shown with d decimals may move by half a unit of its last digit.
  auto shownTolerance = [](const std::string& key) -> double {
    std::string name = "E" + key;
    const auto br = name.find('[');
    if (br != std::string::npos) name = name.substr(0, br) + name.substr(br + 1, name.size() - br - 2);
    for (QWidget* w : ApplicationWindows()) {
      // Edits spell some keys with another case (ETgrad for TGrad).
      for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
        if (e->objectName().compare(QString::fromStdString(name), Qt::CaseInsensitive) != 0) continue;
        const int d = EditDecimals(e);
        return d >= 0 ? 0.5 * std::pow(10.0, -d) * (1 + 1e-9) : 0.0;
      }
    }
    return -1.0;
  };
  int changed = 0;
  for (const auto& [key, was] : before) {
    const std::string& now = after.at(key);
    if (now == was) continue;
    ++changed;
    const double tol = shownTolerance(key);
    if (tol > 0.0) {
      EXPECT_NEAR(std::stod(now), std::stod(was), tol * std::max(1.0, key[0] == 'm' ? 3600.0 : 1.0)) << key;
      continue;
    }
    // Derived on the way: the run's duration follows the years typed, the
    // power input is always on, the flow of the run is the design flow, and
    // the relative shank spacing follows the spacing as shown.
    const bool derived =
        key == "Simulationsdauer" || key == "Leistungsinput" || key == "Massenstrom" || key == "BuRelativ";
    EXPECT_TRUE(derived) << key << ": " << was << " -> " << now;
  }
  EXPECT_LE(changed, 20);
  EXPECT_EQ(Projekttitel2, "Sch\xF6nau");
  EXPECT_EQ(Durchlaessigkeit1, 2.3e-5);
  EXPECT_EQ(Laufzeit[2], 17);

  // A second pass changes nothing at all, but for the heating shares: they
  // follow the monthly table, which the first pass took in whole kWh.
  f.EingabenAnzeigen();
  f.EingabenUebernehmen();
  auto zweite = Snapshot();
  for (auto& [key, v] : zweite)
    if (key.rfind("Heizanteil[", 0) == 0) {
      EXPECT_NEAR(std::stod(v), std::stod(after.at(key)), 1e-5) << key;
      v = after.at(key);
    }
  EXPECT_EQ(zweite, after);
}

// A project changed in a file comes back through -2 into every control and
// goes back to the state unchanged.
TEST_F(InputWindow, ProjectReadFromAFileShowsItsValuesAndGoesBackUnchanged) {
  ScriptedInteraction ui;
  Sondenlaenge = 187.5;
  AnzahlSonden = 6;
  Bohrdurchmesser = 0.152;
  COP_Volllast = 4.35;
  Projekttitel1 = "Schulhaus Rain";
  Kuehllast[7] = 2500.0;
  LastYear = 50;
  Grundwasser = true;
  lambdaErde_eff[3] = 3.25;
  const std::string file = (std::filesystem::current_path() / "window_project.txt").string();
  int zs = Zeitschritt, spj = SchritteProJahr;
  WriteOutputHeader(file, zs, spj);
  AusgabeText.Close();
  ResetToDefaults();
  Inputfile = file;
  readfile = true;
  Simulate(-2);
  f.EingabenAnzeigen();
  EXPECT_EQ(f.ESondenlaenge->text().toStdString(), "187.5");
  EXPECT_EQ(f.EAnzahlSonden->text().toStdString(), "6");
  EXPECT_EQ(f.EBohrdurchmesser->text().toStdString(), "0.152");
  EXPECT_EQ(f.ECOP_Volllast->text().toStdString(), "4.35");
  EXPECT_EQ(f.EBeschreibung->text().toStdString(), "Schulhaus Rain");
  EXPECT_EQ(f.EKuehllast7->text().toStdString(), "2500");
  EXPECT_EQ(f.ELambdaeff3->text().toStdString(), "3.25");
  EXPECT_EQ(f.EGrundwasser->itemIndex(), 0);
  const auto read = Snapshot();
  f.EingabenUebernehmen();
  const auto taken = Snapshot();
  for (const char* key : {"Sondenlaenge", "AnzahlSonden", "Bohrdurchmesser", "COP_Volllast", "Projekttitel1",
                          "Kuehllast[7]", "LastYear", "Grundwasser", "lambdaErde_eff[3]"})
    EXPECT_EQ(taken.at(key), read.at(key)) << key;
}

// Layers 0-30 m and 30-100 m on a 95 m probe in ten segments: segment 4
// (28.5-38 m) takes 1.5/9.5 of the first layer and 8/9.5 of the second.
TEST_F(InputWindow, LayeredGroundIsSpreadOntoTheSegmentsByLength) {
  Type(f.ESondenlaenge, "95");
  Type(f.EDimAxi, "10");
  f.Egleichmaessig->setItemIndex(1);
  Type(f.ESchicht1, "30");
  for (QLineEdit* e : {f.ESchicht2, f.ESchicht3, f.ESchicht4, f.ESchicht5, f.ESchicht6, f.ESchicht7, f.ESchicht8,
                       f.ESchicht9, f.ESchicht10})
    Type(e, "100");
  Type(f.ELambdaerde1, "1.5");
  Type(f.ErhoErde1, "2000");
  Type(f.ECperde1, "800");
  Type(f.ELambdaerde2, "3.5");
  Type(f.ErhoErde2, "2800");
  Type(f.ECperde2, "1000");
  Type(f.ELambdaeff1, "1.6");
  Type(f.ELambdaeff2, "4.0");
  f.EingabenUebernehmen();
  for (int i = 1; i <= 3; ++i) {
    EXPECT_DOUBLE_EQ(lambdaErde[i], 1.5) << i;
    EXPECT_DOUBLE_EQ(rhoErde[i], 2000.0) << i;
  }
  const double w1 = 1.5 / 9.5, w2 = 8.0 / 9.5;
  EXPECT_NEAR(w1, 0.158, 0.0005);
  EXPECT_NEAR(lambdaErde[4], w1 * 1.5 + w2 * 3.5, 1e-12);
  EXPECT_NEAR(cpErde[4], w1 * 800 + w2 * 1000, 1e-9);
  EXPECT_NEAR(lambdaErde_effSegment[4], w1 * 1.6 + w2 * 4.0, 1e-12);
  for (int i = 5; i <= 10; ++i) EXPECT_NEAR(lambdaErde[i], 3.5, 1e-12) << i;
  for (int i = 11; i <= 20; ++i) EXPECT_EQ(lambdaErde[i], 0.0) << i;
  // The per-layer values stay as typed: spreading never reads its own output.
  EXPECT_EQ(lambdaErde_eff[1], 1.6);
  EXPECT_EQ(lambdaErde_eff[2], 4.0);
  EXPECT_EQ(lambdaErdeSchicht[2], 3.5);

  // One layer down to the probe's foot and beyond: every segment is that layer.
  Type(f.ESchicht1, "120");
  f.EingabenUebernehmen();
  for (int i = 1; i <= 10; ++i) EXPECT_NEAR(lambdaErde[i], 1.5, 1e-12) << i;

  // Uniform ground copies the rows one to one, whatever the segment count.
  f.Egleichmaessig->setItemIndex(0);
  Type(f.EDimAxi, "3");
  f.EingabenUebernehmen();
  EXPECT_EQ(lambdaErde[1], 1.5);
  EXPECT_EQ(lambdaErde[2], 3.5);
  EXPECT_EQ(lambdaErde_effSegment[2], 4.0);
}

// Counts from a file or a typo never index past the layer arrays, and a probe
// without length has no segments to weigh.
TEST_F(InputWindow, LayerCountsAndLengthsOutsideTheirRangeAreHarmless) {
  f.Egleichmaessig->setItemIndex(1);
  for (const char* n : {"0", "25", "-3", "abc"}) {
    Type(f.EDimAxi, n);
    for (const char* h : {"0", "-10", "100"}) {
      Type(f.ESondenlaenge, h);
      f.EingabenUebernehmen();
      f.SchichtenZeilenZeigen();
      for (int i = 0; i <= 20; ++i) {
        EXPECT_TRUE(std::isfinite(lambdaErde[i]) && std::isfinite(cpErde[i]) && std::isfinite(Schicht[i]))
            << n << " " << h << " " << i;
      }
    }
  }
  // More rows asked for than the table has: the ten rows show, no more.
  DimAxi = 25;
  Type(f.EDimAxi, "25");
  f.SchichtenZeilenZeigen();
  EXPECT_FALSE(f.ELambdaerde10->isHidden());
}

// The characteristic time H²/(9a) and the mean ground temperature, by hand.
TEST_F(InputWindow, GroundTimeConstantAndMeanTemperature) {
  Type(f.ESondenlaenge, "100");
  Type(f.ELambdaErd, "2.4");
  Type(f.ErhoErd, "2600");
  Type(f.ECperd, "1000");
  Type(f.EJahresmitteltemp, "9");
  Type(f.EBodenerwaermung, "1");
  Type(f.ETgrad, "0.03");
  f.ETempProfil->setItemIndex(1);
  f.EingabenUebernehmen();
  const double a = 2.4 / (2600.0 * 1000.0);
  EXPECT_NEAR(tsJahre, 100.0 * 100.0 / (9.0 * a) / (3600.0 * 8760.0), 1e-9);
  EXPECT_NEAR(tsJahre, 38.17, 0.01);
  EXPECT_NEAR(Erdmitteltemp, 9.0 + 1.0 + 0.03 * 50.0, 1e-12);

  // No conductivity, no time constant: the value stays finite.
  Type(f.ELambdaErd, "0");
  f.EingabenUebernehmen();
  EXPECT_TRUE(std::isfinite(tsJahre));
}

// Ra above 4 Rb: one message per offending row, the limit applied, and the
// inputs typed further down the form survive the refresh.
TEST_F(InputWindow, ResistanceLimitKeepsTheUsersOtherInputs) {
  ScriptedInteraction ui;
  f.EKoaxialSonde->setItemIndex(1);
  f.EingabenUebernehmen();
  Type(f.ERb, "0.100");
  Type(f.ERa, "0.400");  // exactly 4 Rb: allowed
  f.EingabenUebernehmen();
  EXPECT_EQ(ui.Count("warning", " Max Ra = 4 x Rb ! "), 0);

  Type(f.ERa, "0.500");
  Type(f.ECOP_Volllast, "5.25");  // later in the transfer than the limit
  Type(f.EJahresheizlast, "43210");
  f.EingabenUebernehmen();
  EXPECT_EQ(ui.Count("warning", " Max Ra = 4 x Rb ! "), 1);
  EXPECT_DOUBLE_EQ(Ra, 0.4);
  EXPECT_FALSE(Hellstroem);
  EXPECT_EQ(f.EHellstroem->itemIndex(), 1);
  EXPECT_EQ(f.ERa->text().toStdString(), "0.400");
  EXPECT_EQ(COP_Volllast, 5.25);
  EXPECT_EQ(f.ECOP_Volllast->text().toStdString(), "5.25");
  EXPECT_EQ(f.EJahresheizlast->text().toStdString(), "43210");

  // Two backfill rows over the limit: two messages.
  ui.Clear();
  Type(f.ERb3, "0.1");
  Type(f.ERa3, "0.9");
  Type(f.ERb7, "0.2");
  Type(f.ERa7, "1.0");
  f.EingabenUebernehmen();
  EXPECT_EQ(ui.Count("warning", " Max Ra = 4 x Rb ! "), 2);
  EXPECT_DOUBLE_EQ(RaV[3], 0.4);
  EXPECT_DOUBLE_EQ(RaV[7], 0.8);

  // A coaxial probe has no such limit.
  ui.Clear();
  f.EKoaxialSonde->setItemIndex(0);
  f.EingabenUebernehmen();
  Type(f.ERa, "0.9");
  f.EingabenUebernehmen();
  EXPECT_EQ(ui.Count("warning", " Max Ra = 4 x Rb ! "), 0);
  EXPECT_DOUBLE_EQ(Ra, 0.9);
}

// The transfer's own rules as the user meets them.
TEST_F(InputWindow, TransferRules) {
  // The source temperature comes from the load-profile tab.
  Type(f.ETSink, "3.00");
  Type(f.ETSink2, "7.50");
  // Loads from a file: the load-profile tab decides and both groups follow.
  f.InputFileErzeugen->setItemIndex(0);
  f.InputFileErzeugen2->setItemIndex(1);
  // A wide borehole on the coarse grid gets the finer one.
  Type(f.EBohrdurchmesser, "0.31");
  Type(f.EDimRad, "5");
  Type(f.EGitterfaktor, "2");
  // Pump flows are typed in kg/h.
  Type(Form6->Em1, "3600");
  // 44.9° marks a collector without orientation.
  Type(f.ENeigung, "44.9");
  f.EingabenUebernehmen();
  EXPECT_EQ(TSink, 7.5);
  EXPECT_EQ(TTSink, 7.5);
  EXPECT_TRUE(Lasteinlesen);
  EXPECT_EQ(f.InputFileErzeugen->itemIndex(), 1);
  EXPECT_EQ(f.InputFileErzeugen2->itemIndex(), 1);
  EXPECT_EQ(DimRad, 10);
  EXPECT_DOUBLE_EQ(Gitterfaktor, 1.1);
  EXPECT_DOUBLE_EQ(m1, 1.0);
  EXPECT_TRUE(f.ENeigung->isHidden());
  EXPECT_TRUE(f.Label308->isHidden());

  Type(f.EGitterfaktor, "2.01");
  Type(f.EDimRad, "5");
  const double buBefore = BuRelativ;
  Type(f.EBohrdurchmesser, "0");
  f.EingabenUebernehmen();
  EXPECT_EQ(DimRad, 5);
  EXPECT_DOUBLE_EQ(Gitterfaktor, 2.01);
  EXPECT_EQ(BuRelativ, buBefore);

  // A full-load COP of 0 never divides: the design extraction stays finite.
  f.Lastprofil2erzeugen->setItemIndex(0);
  Type(f.ECOP_Volllast, "0");
  f.EingabenUebernehmen();
  EXPECT_TRUE(std::isfinite(Auslegungsentzug));
  // A fluid density of 0 shows no volume flow rather than infinity.
  rhoSole = 0.0;
  f.EingabenAnzeigen();
  EXPECT_EQ(f.EDurchsatzVerdampfer->text().toStdString(), "0.000");
  // A text that is no number is stored as 0 with the position of its first bad character.
  Type(f.ESondenlaenge, "12x4");
  f.EingabenUebernehmen();
  EXPECT_EQ(Fehlercode, 0);  // later inputs were numbers
  int code = 0;
  EXPECT_EQ(ValReal(QStringLiteral("12x4"), code), 0.0);
  EXPECT_EQ(code, 3);
  EXPECT_EQ(ValReal(QStringLiteral("1e999"), code), 0.0);
  EXPECT_NE(code, 0);
}

TEST_F(InputWindow, DisplayRules) {
  Anforderung = 3;
  NenndurchsatzVerdampfer = 0.0;
  solar = true;
  MaxSondenruecklauf = 28.0;
  TTSink = 2.0;
  Hoeh = 553.1;
  mitRueckkuehler = true;
  Durchlaessigkeit2 = 0.00012;
  f.EingabenAnzeigen();
  EXPECT_EQ(f.SIA_Grenzwert1->text().toStdString(), "R3");
  for (QLineEdit* e : {f.EpVerdampfer1, f.EpVerdampfer2, f.EpVerdampfer3}) EXPECT_EQ(e->text().toStdString(), "0");
  EXPECT_EQ(f.ETSink2->text().toStdString(), "28.00");
  EXPECT_EQ(f.ETSink->text().toStdString(), "2.00");
  EXPECT_EQ(f.ETSink1->text().toStdString(), "2.00");
  EXPECT_TRUE(f.EHoeh->isHidden());
  EXPECT_EQ(f.EDurchlaessigkeit2->text().toStdString(), "1.2E-0004");
  EXPECT_EQ(f.EWellrohr->text().size(), 23);

  // The groundwater display calls the module; its refusal skips that item only.
  AnzahlSonden = 601;
  Sondenlaenge = 77.7;
  EXPECT_NO_THROW(f.EingabenAnzeigen());
  EXPECT_EQ(f.ESondenlaenge->text().toStdString(), "77.7");
  EXPECT_EQ(f.ETempProfil->itemIndex(), TempProfil ? 0 : 1);
}

TEST_F(InputWindow, InputGroupsFollowTheOptions) {
  // One segment: row 1 only, whatever the backfill.
  Type(f.EDimAxi, "1");
  DimAxi = 1;
  f.EFillVariabel->setItemIndex(1);
  f.SchichtenZeilenZeigen();
  EXPECT_FALSE(f.ELambdaerde1->isHidden());
  EXPECT_TRUE(f.ELambdaerde2->isHidden());
  EXPECT_TRUE(f.ELambdaFill2->isHidden());
  EXPECT_FALSE(f.ELambdaFill1->isHidden());
  // Ten segments with inhomogeneous backfill: all ten backfill rows; homogeneous: none.
  Type(f.EDimAxi, "10");
  DimAxi = 10;
  f.SchichtenZeilenZeigen();
  for (QLineEdit* e : {f.ELambdaFill1, f.ELambdaFill5, f.ERc10, f.ELambdaerde10}) EXPECT_FALSE(e->isHidden());
  f.EFillVariabel->setItemIndex(0);
  f.SchichtenZeilenZeigen();
  for (QLineEdit* e : {f.ELambdaFill1, f.ELambdaFill5, f.ERc10}) EXPECT_TRUE(e->isHidden());
  // Layered ground shows the depth inputs up to N.
  f.Egleichmaessig->setItemIndex(1);
  Type(f.EDimAxi, "4");
  DimAxi = 4;
  f.SchichtenZeilenZeigen();
  EXPECT_FALSE(f.ESchicht4->isHidden());
  EXPECT_TRUE(f.ESchicht5->isHidden());
  EXPECT_TRUE(f.ETiefe1->isHidden());

  // Cooling flow given as mass flow from 0.0001 kg/s.
  mKuehl = 0.0001;
  f.KuehlspitzeZeigen();
  EXPECT_TRUE(f.EDTKuehl->isHidden());
  EXPECT_FALSE(f.EmKuehl->isHidden());

  // The response test: Label283 stands for a ground without gradient.
  TGrad = 0.0;
  bool on = true;
  f.MitteltemperaturZeigen(on);
  EXPECT_FALSE(f.Label283->isHidden());
  EXPECT_TRUE(f.Label282->isHidden());
  EXPECT_TRUE(f.EErdmitteltemp->isHidden());
  bool off = false;
  TRTAusgewertet = true;
  f.MitteltemperaturZeigen(off);
  EXPECT_FALSE(TRTAusgewertet);
  EXPECT_TRUE(f.Button12->isHidden());

  mit_Waermefluss = 0.999;
  f.TemperaturprofilZeigen();
  EXPECT_TRUE(f.EWaermefluss->isHidden());
  mit_Waermefluss = 1.0;
  f.TemperaturprofilZeigen();
  EXPECT_FALSE(f.EWaermefluss->isHidden());

  TempProfil = true;
  f.ResultatZeilenZeigen();
  EXPECT_FALSE(f.ETProfil3->isHidden());
  EXPECT_TRUE(f.ETgrad->isHidden());
  EXPECT_FALSE(f.Temperaturgradient->isHidden());
}

// The Print-key setting exists only on Windows 11; this desktop is not.
TEST_F(InputWindow, PrintKeySettingOnlyOnWindows11) {
  FakeDesktop fake;
  DesktopSettings* old = SetDesktop(&fake);
  fake.version = {10, 0, 19045, true};
  EXPECT_FALSE(IstWindows11());

  fake.version = {10, 0, 22631, true};
  ASSERT_TRUE(IstWindows11());
  fake.hasValue = false;
  DruckTasteLesen();
  SnippingBeenden();
  EXPECT_EQ(DruckTasteAlt, -1);
  EXPECT_TRUE(fake.hasValue);
  EXPECT_EQ(fake.value, 0);
  DruckTasteZurueck();
  EXPECT_FALSE(fake.hasValue);

  fake.hasValue = true;
  fake.value = 1;
  DruckTasteLesen();
  SnippingBeenden();
  EXPECT_EQ(fake.value, 0);
  DruckTasteZurueck();
  EXPECT_EQ(fake.value, 1);
  EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "end SnippingTool.exe"), 2);
  SetDesktop(old);

  // The real desktop here: nothing read, set or ended.
  EXPECT_FALSE(IstWindows11());
  EXPECT_TRUE(f.Win11SnippingToolon1->isVisible() == false);
}

TEST_F(InputWindow, ScreenSizeAndScaling) {
  ScreenMetrics m;
  m.width = m.monitorWidth = 1280;
  m.height = m.monitorHeight = 800;
  m.pixelsPerInch = 120;
  SetScreenOverride(&m);
  ScreenWidthAtStart = ScreenHeightAtStart = 0;
  f.Kreate();
  EXPECT_EQ(ScreenWidthAtStart, 1280);
  EXPECT_EQ(ScreenHeightAtStart, 800);
  EXPECT_FALSE(Standard96Dpi());
  const QSize before = f.size();
  FormSkalieren(&f, 1280, 800);
  EXPECT_EQ(f.size(), before);
  m.pixelsPerInch = 96;
  EXPECT_TRUE(Standard96Dpi());
  SetScreenOverride(nullptr);
}

}  // namespace
}  // namespace qeb
