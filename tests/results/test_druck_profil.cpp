// The pressure-drop summary and the ground temperature profile window, driven
// through the main window's inputs: the summary's parts add up to the circuit's
// total; the profile follows the heat-flux formula at its depths, survives odd
// layer counts and conductivities, and its print says what it does.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_pressure.h"
#include "platform/Platform.h"
#include "platform/Print.h"
#include "results/Gradient.h"
#include "results/Molasse.h"
#include "tests/support/pdf.h"
#include "tests/support/ui_project.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

void Tippe(QLineEdit* e, const char* t) { e->setText(QString::fromUtf8(t)); }
QLineEdit* Feld(const char* name) { return Form1->findChild<QLineEdit*>(QString::fromLatin1(name)); }

class Fenster : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    SetPrinterOverride(0);
    mit_Standorthoehe = 0.0;
    mit_Waermefluss = 0.0;
    ProfilAusWaermefluss = false;
  }
  void TearDown() override { SetPrinterOverride(-1); }
};

TEST_F(Fenster, DruckZeigtDieTeileDesKreisesDieSichZumTotalSummieren) {
  Tippe(Form1->EAuslegungsmassenstrom, "0.5");
  Tippe(Feld("ENenndruckVerdampfer"), "20000");
  Tippe(Feld("ENenndurchsatzVerdampfer"), "0.8");
  Tippe(Feld("ENenndruckVerteiler"), "3000");
  Tippe(Feld("ENenndurchsatzVerteiler"), "0.6");
  Tippe(Feld("ENenndruckMessung"), "5000");
  Tippe(Feld("ENenndurchsatzMessung"), "1.0");
  Tippe(Feld("ENenndruckVentil"), "10000");
  Tippe(Feld("ENenndurchsatzVentil"), "2");
  Tippe(Feld("ESondenverlaengerung"), "15");
  Form1->Button20Click();
  TForm29& f = *Form29;
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.EMassenstrom->text(), QStringLiteral("m = 1.80 m3/h"));
  if (const char* d = std::getenv("QEB_BILDER")) f.grab().save(QString::fromUtf8(d) + "/druck.png");
  EXPECT_EQ(f.ELaminar1->text(), laminar ? QStringLiteral("laminar") : QStringLiteral("turbulent"));
  EXPECT_EQ(f.EDruckabfallSonde1->text(),
            QStringLiteral("Total = %1 kPa").arg(AuslegungsDruckabfall_Sondenkreis / 1000.0, 0, 'f', 2));
  // The circuit's flow is the design flow: the valve's 10000 Pa at 2 give 625 Pa at 0.5.
  EXPECT_DOUBLE_EQ(VolumenstromKreis, 0.5);
  EXPECT_NEAR(DruckVentil, 625.0, 1e-9);
  EXPECT_EQ(f.EpVentil1->text(), QStringLiteral("625 Pa"));
  EXPECT_NEAR(DruckVerdampfer, 20000.0 / 0.64 * 0.25, 1e-9);
  EXPECT_EQ(DruckVerdampfer2, DruckVerdampfer);
  EXPECT_EQ(DruckVerdampfer3, DruckVerdampfer);
  // The probe extension's own drop is kept and shown.
  EXPECT_GT(DruckabfallVerlaengerung, 0.0);
  EXPECT_TRUE(f.ESondenverlaengerung->text().startsWith(QStringLiteral("15 m  -->  ")));
  EXPECT_EQ(f.ESondenverlaengerung->text(),
            QStringLiteral("15 m  -->  %1 Pa").arg(std::round(DruckabfallVerlaengerung), 0, 'f', 0));
  const double teile = DruckabfallSonde1 + DruckVerdampfer + DruckVerteiler +
                       (DruckabfallZuleitung - DruckabfallVerlaengerung + DruckVentil + DruckMessung) +
                       DruckabfallVerlaengerung;
  EXPECT_NEAR(teile, AuslegungsDruckabfall_Sondenkreis, 1e-6 * AuslegungsDruckabfall_Sondenkreis);

  // The square law of a component; no nominal flow, no drop.
  EXPECT_DOUBLE_EQ(Komponentendruck(10000, 2, 1), 2500.0);
  EXPECT_EQ(Komponentendruck(10000, 0.0001, 1), 0.0);
  EXPECT_EQ(Komponentendruck(10000, 0, 1), 0.0);
  // The shared captions carry their text numbers, the summary's own captions theirs.
  EXPECT_EQ(f.Copy->property("tag").toInt(), 473);
  EXPECT_EQ(f.Button10->property("tag").toInt(), 475);
  for (QObject* o : f.findChildren<QObject*>())
    if (o != f.Copy && o != f.Button10) {
      const int tag = o->property("tag").toInt();
      EXPECT_TRUE(tag == 0 || (tag >= 902 && tag <= 909)) << o->objectName().toStdString();
    }
  f.Button10Click();
  EXPECT_FALSE(f.isVisible());
}

// The profile of the heat-flux formula, computed here from the inputs as the
// window took them.
void ErwartetesProfil(double z[11], double t[11]) {
  for (int i = 0; i <= 10; ++i) z[i] = t[i] = 0.0;
  const int n = std::clamp(DimAxi, 1, 10);
  const double H = Sondenlaenge;
  if (SchichtenGleichmaessig) {
    for (int i = 1; i <= n; ++i) z[i] = i * H / n;
    if (H > 20 && n == 1)
      for (int i = 1; i <= 9; ++i) z[i + 1] = z[i] + 0.15 * H;
    if (H <= 20)
      for (int i = n + 1; i <= 9; ++i) z[i] = i * H / n;
  } else {
    for (int i = 1; i <= n; ++i) z[i] = Schicht[i];
  }
  t[0] = Jahresmitteltemp + Bodenerwaermung;
  for (int i = 1; i <= 10; ++i) {
    const double l = SchichtenGleichmaessig ? lambdaErde[i] : lambdaErdeSchicht[i];
    t[i] = z[i] > 0 ? t[i - 1] + (z[i] - z[i - 1]) * Waermefluss / l : 0.0;
  }
  t[0] += Klimaerwaermung;
  for (int i = 1; i <= 10; ++i)
    if (z[i] < 80 && !(z[i] == 0 && i > 1)) t[i] += Klimaerwaermung * (80 - z[i]) / 80;
}

TEST_F(Fenster, ProfilFolgtDemWaermeflussUndGehtInsProjekt) {
  Tippe(Feld("EWaermefluss"), "0.09");
  Tippe(Form1->EKlimaerwaermung, "1.2");
  TForm10& f = *Form10;
  f.show();
  f.aus_WaermeflussClick();
  double z[11], t[11];
  ErwartetesProfil(z, t);
  int m = 0;
  for (int i = 0; i <= 10; ++i) {
    EXPECT_NEAR(ProfilTiefe[i], z[i], 1e-9) << i;
    EXPECT_NEAR(ProfilTemperatur[i], t[i], 1e-9) << i;
    if (i >= 1 && z[i] > 0) m = i;
  }
  ASSERT_GE(m, 1);
  // The computed profile is drawn in blue at its depths, on axes that hold it.
  auto px = [&f](double T) { return static_cast<int>(std::trunc(((T - f.Tunten) / (f.Toben - f.Tunten) * 0.65 + 0.3) * 0.8 * 790 + 0.5)); };
  auto py = [&f](double d) { return static_cast<int>(std::trunc((1 - ((-d - f.Ztief) / (0 - f.Ztief) * 0.8 + 0.1)) * 0.8 * 550 + 0.5)); };
  EXPECT_EQ(ProfilBitmap.size(), QSize(632, 440));
  if (const char* d = std::getenv("QEB_BILDER")) ProfilBitmap.save(QString::fromUtf8(d) + "/profil.png");
  EXPECT_LE(f.Ztief, -ProfilTiefe[m]);
  EXPECT_EQ(QColor(ProfilBitmap.pixel(px(ProfilTemperatur[m]), py(ProfilTiefe[m]))), QColor(Qt::blue));

  // Taken into the project: the hand-entered profile is the computed one now.
  f.UebernehmClick();
  for (int i = 1; i <= m; ++i) {
    EXPECT_DOUBLE_EQ(zTProfil[i], ProfilTiefe[i]);
    EXPECT_DOUBLE_EQ(TProfil[i], ProfilTemperatur[i]);
  }
  for (int i = m + 1; i <= 10; ++i) EXPECT_EQ(zTProfil[i], 0.0);
  EXPECT_TRUE(f.isVisible());
  f.close();
}

TEST_F(Fenster, ProfilSchichtenOhneLeitfaehigkeitUndAltePunkte) {
  // Uniform segments, one cell: ten depths below the probe.
  Form1->Egleichmaessig->setItemIndex(0);
  Tippe(Form1->ESondenlaenge, "100");
  Tippe(Feld("EDimAxi"), "1");
  ProfilBerechnen();
  EXPECT_NEAR(ProfilTiefe[10], 100 + 9 * 15.0, 1e-9);
  // Then three cells: nothing of the ten earlier depths stays behind.
  Tippe(Feld("EDimAxi"), "3");
  ProfilBerechnen();
  EXPECT_NEAR(ProfilTiefe[3], 100.0, 1e-9);
  for (int i = 4; i <= 10; ++i) EXPECT_EQ(ProfilTiefe[i], 0.0) << i;
  // More cells than the profile holds, or none, stay inside its ten depths.
  for (int n : {15, 0, -3}) {
    DimAxi = n;
    SchichtenGleichmaessig = true;
    Tippe(Feld("EDimAxi"), std::to_string(n).c_str());
    ProfilBerechnen();
    for (double v : ProfilTemperatur) EXPECT_TRUE(std::isfinite(v)) << n;
  }
  // Layers of their own depths.
  Tippe(Feld("EDimAxi"), "3");
  Form1->Egleichmaessig->setItemIndex(1);
  Tippe(Form1->ESchicht1, "30");
  Tippe(Form1->ESchicht2, "60");
  Tippe(Form1->ESchicht3, "100");
  ProfilBerechnen();
  EXPECT_NEAR(ProfilTiefe[2], 60.0, 1e-9);
  for (double v : ProfilTemperatur) EXPECT_TRUE(std::isfinite(v));

  // The site altitude of 500 m gives 11.10325 °C at the surface.
  mit_Standorthoehe = 1.0;
  Tippe(Form1->EStandorthoehe, "500");
  ProfilBerechnen();
  EXPECT_NEAR(ProfilTemperatur[0], 11.10325, 1e-9);
  mit_Standorthoehe = 0.0;
}

TEST_F(Fenster, HandprofilEinPunktAchsenUndDruck) {
  auto profil = [](std::initializer_list<std::pair<const char*, const char*>> punkte) {
    int i = 1;
    for (const auto& [t, z] : punkte) {
      Tippe(Feld(("ETProfil" + std::to_string(i)).c_str()), t);
      Tippe(Feld(("zTProfil" + std::to_string(i)).c_str()), z);
      ++i;
    }
    for (; i <= 10; ++i) {
      Tippe(Feld(("ETProfil" + std::to_string(i)).c_str()), "0");
      Tippe(Feld(("zTProfil" + std::to_string(i)).c_str()), "0");
    }
  };
  TForm10& f = *Form10;
  // One point: its own temperature at the surface, not 0 °C.
  profil({{"12.5", "50"}});
  f.ZeichnenClick();
  EXPECT_DOUBLE_EQ(Oberflaechentemperatur(1), 12.5);
  EXPECT_EQ(f.Tunten, 10.0);
  // Two points extrapolate; 450 m give -500 m, 620 m give -620 m, 25 °C give 30.
  profil({{"12", "100"}, {"25", "450"}});
  f.ZeichnenClick();
  EXPECT_NEAR(Oberflaechentemperatur(2), 12 - 13.0 / 350 * 100, 1e-12);
  EXPECT_EQ(f.Ztief, -500.0);
  EXPECT_EQ(f.Toben, 30.0);
  profil({{"12", "100"}, {"18", "620"}});
  f.ZeichnenClick();
  EXPECT_EQ(f.Ztief, -620.0);
  // Two points at one depth: the first one's temperature.
  profil({{"11", "100"}, {"13", "100"}});
  f.ZeichnenClick();
  EXPECT_DOUBLE_EQ(Oberflaechentemperatur(2), 11.0);

  // Print: Cancel prints nothing; a file that cannot be written says so once;
  // else one page with the titles.
  const std::string dir = (fs::current_path() / "profil_druck").string();
  fs::remove_all(dir);
  fs::create_directories(dir);
  Tippe(Form1->EProjektname, "Profil Rain");
  {
    ScriptedInteraction ui;
    ui.AnswerFile("");
    f.DruckenClick();
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_TRUE(ui.Texts("message").empty());
  }
  {
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/fehlt/profil.pdf");
    f.DruckenClick();
    EXPECT_EQ(ui.Texts("message").size(), 1u);
  }
  {
    ScriptedInteraction ui;
    ui.AnswerFile(dir + "/profil.pdf");
    f.DruckenClick();
    EXPECT_EQ(PdfInfo(dir + "/profil.pdf", "Pages"), "1");
    EXPECT_NE(PdfText(dir + "/profil.pdf").find("Profil Rain"), std::string::npos);
    if (const char* d = std::getenv("QEB_BILDER"))
      fs::copy_file(dir + "/profil.pdf", fs::path(d) / "profil.pdf", fs::copy_options::overwrite_existing);
  }
  EXPECT_EQ(f.Copy->property("tag").toInt(), 473);
  EXPECT_EQ(f.Drucken->property("tag").toInt(), 474);
  EXPECT_EQ(f.Schliessen->property("tag").toInt(), 475);
}

}  // namespace
}  // namespace qeb
