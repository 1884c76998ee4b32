// The results window and the printed report tell the same figures with the
// signs their captions name: heat put in, cooling energy, the power the
// probes take back and the summer's probe load are amounts, and the report
// prints, line by line, what the window shows for the run it follows.
#include <gtest/gtest.h>

#include <QAction>
#include <QRadioButton>
#include <QtTest/QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "platform/Print.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "shell/start.h"
#include "tests/support/pdf.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

// The mean load of the probes in July and August from the run's hours, W/m:
// the heat they exchanged over those 62 days, whichever way it went.
double SommerlastAusStunden() {
  const int juli = (31 + 28 + 31 + 30 + 31 + 30) * 24;
  double q = 0.0;
  for (int h = juli + 1; h <= juli + 62 * 24; ++h) q += QStunde[h];
  return std::fabs(q) / (62 * 24) * 1000.0 / (AnzahlSonden * Sondenlaenge);
}

// A caption as a pattern that matches it letter for letter.
std::string Wortlich(const std::string& t) { return std::regex_replace(t, std::regex(R"([\[\]().])"), R"(\$&)"); }

// The decimals a figure is written with.
int Stellen(const std::string& zahl) {
  const size_t punkt = zahl.find('.');
  return punkt == std::string::npos ? 0 : static_cast<int>(zahl.size() - punkt - 1);
}

class ReportSigns : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    SetEscapeProbe(nullptr);
    SetPrinterOverride(0);
    Form3->show();
    Form3->ButtonNeuClick();
    Sprache = "D";
    for (int i = 0; i < 40; ++i) ui.AnswerAsk(kNein);
    Tippe(f.ELastyear2, "1");
  }
  void TearDown() override {
    Resultat->hide();
    Form6->hide();
    Form4->hide();
    SetPrinterOverride(-1);
  }

  // Prints the main report (which calculates anew), shows the results
  // window, and compares each report line whose figure the window shows too;
  // `muss` names the lines the run must have printed.
  void BerichtWieFenster(const char* name, std::initializer_list<const char*> muss) {
    const std::string pdf = (fs::current_path() / (std::string(name) + ".pdf")).string();
    fs::remove(pdf);
    ui.AnswerFile(pdf);
    ASSERT_TRUE(f.ToolButtonDruckenClick());
    const std::string s = PdfSeite(pdf, 1);
    for (const char* z : muss) EXPECT_NE(s.find(z), std::string::npos) << name << ": " << z << "\n" << s;
    Resultat->show();
    TResultat& r = *Resultat;
    const std::vector<std::pair<const char*, QLineEdit*>> paare = {
        {"Wärmeeintrag in Erdwärmesonden =", r.ESummeQKuehl},
        {"Wärmeentzug aus Erdwärmesonden =", r.ESummeQHeiz},
        {"Jahres-Kühlenergie des Kältenetzes (TABS) =", r.EQTABS},
        {"Einspeisleistung Sonden bei Kühlbetrieb [kW] =", r.EEinspeisung},
        {"Minimale Sondenrücklauftemperatur =", r.ETSinkMin},
        {"Maximale Sondenrücklauftemperatur =", r.ETSinkMax},
        {"Spez. Sondenbelastung =", r.ESpez_Entzug},
        {"Entzugsleistung im Dauerbetrieb =", r.EQSpitzeFeb}};
    for (const auto& [titel, e] : paare) {
      std::smatch m;
      const bool gedruckt = std::regex_search(s, m, std::regex(Wortlich(titel) + " (-?)([0-9.]+)"));
      const bool gezeigt = e->isVisibleTo(&r) && !e->text().isEmpty();
      if (!gedruckt) continue;
      ASSERT_TRUE(gezeigt) << name << ": " << titel << " printed, not shown";
      const double gedruckterWert = std::stod(m[2].str()) * (m[1].str().empty() ? 1.0 : -1.0);
      const double gezeigterWert = e->text().toDouble();
      // Either rounds the same figure to its own decimals.
      const int stellen = std::min(Stellen(m[2].str()), Stellen(e->text().toStdString()));
      EXPECT_NEAR(gedruckterWert, gezeigterWert, 0.5 * std::pow(10.0, -stellen) + 1e-9)
          << name << ": " << titel << "\n" << s;
      EXPECT_EQ(gedruckterWert < 0.0, gezeigterWert < 0.0) << name << ": " << titel;
    }
    EXPECT_EQ(s.find("[kW] = -"), std::string::npos) << name << "\n" << s;
  }

  ScriptedInteraction ui;
  TForm1& f = *(CreateApplicationWindows(), Form1);
};

TEST_F(ReportSigns, ALoadProfileThePlantAndCoolingMonthsReadAlikeInWindowAndReport) {
  // The new project's load profile: 2.5 kW of cooling at an EER of 3 give
  // the probes 2.5 * (1 + 1/3) = 3.3 kW back.
  ASSERT_TRUE(Lastprofil2);
  f.Button14->click();
  Resultat->show();
  EXPECT_EQ(Resultat->EEinspeisung->text(), QStringLiteral("3.3"));
  EXPECT_NEAR(Resultat->EBelastung->text().toDouble(), SommerlastAusStunden(), 0.05 + 1e-9);
  Resultat->hide();
  BerichtWieFenster("profil", {"Wärmeeintrag"});

  // The whole plant from the system dialog: its summer puts heat in.
  f.Systemeinbindung->trigger();
  Form6->ESystem->button(0)->click();
  Form6->Berechnen->click();
  ASSERT_TRUE(Systemsimulation);
  Form6->Resultate->click();
  EXPECT_GT(Resultat->EBelastung->text().toDouble(), 0.0);
  EXPECT_NEAR(Resultat->EBelastung->text().toDouble(), SommerlastAusStunden(), 0.05 + 1e-9);
  Resultat->hide();
  BerichtWieFenster("anlage", {"Wärmeeintrag", "(TABS)"});
  Form6->ESystem->button(1)->click();
  Form6->Schliessen->click();

  // Design loads with two months of cooling at 3.3 kW fed in.
  f.Lastprofil2erzeugen->button(1)->click();
  Tippe(f.EEinspeisung, "3.3");
  Tippe(f.EQSpitzeFeb, "2.5");
  Tippe(f.ELaufzeit7, "-6");
  Tippe(f.ELaufzeit8, "-6");
  BerichtWieFenster("kuehlmonate", {"Wärmeeintrag", "Einspeisleistung", "Dauerbetrieb = 2.5"});
  EXPECT_EQ(Resultat->EEinspeisung->text(), QStringLiteral("3.3"));
}

}  // namespace
}  // namespace qeb
