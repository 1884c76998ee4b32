// A project's road through its files as the engineer walks it: saved,
// reopened and saved again with everything as typed, the plant dialogs
// following the opened project, the names and folders the dialogs offer, and
// quitting without losing work.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/QEB.h"
#include "shell/start.h"
#include "tests/support/files.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"
#include "widgets/Controls.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

// The lines in which two files differ (the first ten), empty when equal.
std::string Unterschiede(const std::string& a, const std::string& b) {
  std::istringstream ia(a), ib(b);
  std::string la, lb, out;
  int n = 0, gefunden = 0;
  for (;;) {
    const bool ea = !std::getline(ia, la), eb = !std::getline(ib, lb);
    if (ea && eb) break;
    ++n;
    if (ea != eb || la != lb) {
      if (++gefunden > 10) break;
      out += "line " + std::to_string(n) + ": " + la + " | " + lb + "\n";
    }
  }
  return out;
}

class ProjectFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Hauptlauf = true;
    Projektdateiname.clear();
    GespeichertUnter.clear();
    GeoeffneteDatei.clear();
    dir = FrischerOrdner("files_");
    Type(f.ELastyear, "1");
    Type(f.EProjektname, "Wohnhaus Rain");
    Type(f.EBeschreibung, "Variante A");
  }
  // Typed by the user: the edit is marked modified, as the keyboard marks it.
  static void Type(QLineEdit* e, const char* t) {
    e->setText(QString::fromUtf8(t));
    e->setModified(true);
  }
  // Writes the shared state as a project file, as a save's run begins it.
  static void ProjektSchreiben(const std::string& file) {
    int zs = Zeitschritt, spj = SchritteProJahr;
    WriteOutputHeader(file, zs, spj);
    AusgabeText.Close();
  }
  // The user picks item n: the index moves and the combo box reports the pick.
  static void Pick(QComboBox* c, int n) {
    c->setCurrentIndex(n);
    emit c->activated(n);
  }
  // Every input the window shows, by control name.
  std::map<std::string, std::string> Eingaben() const {
    std::map<std::string, std::string> m;
    for (QLineEdit* e : f.findChildren<QLineEdit*>())
      if (!e->isReadOnly() && !e->objectName().isEmpty()) m[e->objectName().toStdString()] = e->text().toStdString();
    // The run's own figures and the step-table switch the save sets are no inputs.
    m.erase("EQSource");
    for (RadioGroup* r : f.findChildren<RadioGroup*>())
      m[r->objectName().toStdString()] = std::to_string(r->itemIndex());
    m.erase("EwriteFile");
    for (QComboBox* c : f.findChildren<QComboBox*>())
      if (!c->objectName().isEmpty()) m[c->objectName().toStdString()] = std::to_string(c->currentIndex());
    return m;
  }
  TForm1& f = (CreateApplicationWindows(), *Form1);
  std::string dir;
};

// A probe picked from the catalogue, then every value it filled typed over,
// and values of options that are off (the inner pipe of a U-tube probe, the
// ground temperature file's interval): the reopened project shows each value
// as saved, and saving it again writes the same file.
TEST_F(ProjectFiles, EveryCatalogueValueTypedOverComesBackAsSaved) {
  ScriptedInteraction ui;
  Pick(f.WahlSondendurchmesser, 2);  // 32 mm double U, inner pipe 25 mm
  ASSERT_EQ(f.EInnenrohrdurchmesser->text().toStdString(), "0.0250");
  Type(f.ESondendurchmesser, "0.0330");
  Type(f.EDicke_Sondenrohr, "0.0031");
  Type(f.EBohrdurchmesser, "0.125");
  Type(f.EDicke_Innenrohr, "0.0024");
  Type(f.ElambdaRohr, "0.4000");
  Type(f.ElambdaInnenrohr, "0.3800");
  Type(f.EBu, "0.075");
  Pick(f.ComboFluid, 3);
  Type(f.ELambdaSole, "0.47");
  Type(f.ECpSole, "3890");
  Type(f.EStepWrite_TEarth, "365");
  Pick(f.CWahlgfunction, 5);
  Type(f.Eg1, "5.25");
  Type(f.Eg5, "10.45");
  Type(f.EEta0, "0.777");
  f.EingabenUebernehmen();
  ASSERT_FALSE(KoaxialSonde);
  ASSERT_FALSE(TEarth);
  const std::string a = dir + "/a.txt", b = dir + "/b.txt";
  ui.AnswerFile(a);
  ASSERT_TRUE(f.ToolButtonSpeichernClick()) << ::testing::PrintToString(ui.Texts("message"));
  const auto gespeichert = Eingaben();
  EXPECT_EQ(gespeichert.at("EInnenrohrdurchmesser"), "0.0250");

  NeuesProjektInDenFenstern();
  ui.AnswerFile(a);
  f.ToolButtonOeffnenClick();
  EXPECT_TRUE(ui.AllAnswersUsed());
  const auto geoeffnet = Eingaben();
  for (const auto& [name, text] : gespeichert) EXPECT_EQ(geoeffnet.at(name), text) << name;
  EXPECT_EQ(Innenrohrdurchmesser, 0.025);
  EXPECT_EQ(stepWrite_TEarth, 365);
  ui.AnswerFile(b);
  ASSERT_TRUE(f.ToolButtonSpeichernClick());
  const std::string inhaltA = Lies(a), inhaltB = Lies(b);
  EXPECT_GT(inhaltA.size(), 100000u);
  EXPECT_EQ(Unterschiede(inhaltA, inhaltB), "");
}

// A plant project opened after another project: the plant dialogs show the
// opened project, so the next transfer (the first step of every calculation
// and save) keeps the plant simulation and its inputs.
TEST_F(ProjectFiles, OpenedPlantProjectKeepsItsPlantInputsAtTheNextTransfer) {
  ScriptedInteraction ui;
  Form6->ESystem->setItemIndex(0);
  Type(Form6->ETaMax, "12.5");
  Type(Form6->ETRL20, "16");
  f.EingabenUebernehmen();
  ASSERT_TRUE(Systemsimulation);
  ASSERT_EQ(TaMax, 12.5);
  const std::string a = dir + "/anlage.txt", b = dir + "/wieder.txt";
  ProjektSchreiben(a);
  // A plant project carries the hourly rows of its run.
  {
    std::ofstream zeilen(a, std::ios::binary | std::ios::app);
    for (int h = 0; h <= 8760; ++h) zeilen << h << "\t0.085\t5.0\t1.0\t5.0\t3.2\t0.8\t0.0\r\n";
  }

  // Another project in the windows, then the plant project opened.
  NeuesProjektInDenFenstern();
  ASSERT_EQ(Form6->ESystem->itemIndex(), 1);
  ui.AnswerFile(a);
  f.ToolButtonOeffnenClick();
  ASSERT_TRUE(Systemsimulation);
  EXPECT_EQ(Form6->ESystem->itemIndex(), 0);
  EXPECT_EQ(system_2->ESystem->itemIndex(), 0);
  EXPECT_EQ(Form6->ETaMax->text().toDouble(), 12.5);
  EXPECT_EQ(system_2->ETaMax->text().toDouble(), 12.5);
  EXPECT_EQ(Form6->ETRL20->text().toDouble(), 16.0);

  f.EingabenUebernehmen();
  EXPECT_TRUE(Systemsimulation);
  EXPECT_EQ(TaMax, 12.5);
  EXPECT_EQ(TRL20, 16.0);
  ProjektSchreiben(b);
  const std::string kopf = Lies(a).substr(0, Lies(b).size());
  EXPECT_EQ(Unterschiede(kopf, Lies(b)), "");
}

// The SIA 384/6 class: the class picked is the class held, shown and saved,
// and the combo shows it again after every display and after reopening.
TEST_F(ProjectFiles, RequirementClassPickedIsTheClassShownAndSaved) {
  ScriptedInteraction ui;
  ASSERT_EQ(Anforderung, 1);
  EXPECT_EQ(f.SIA_Grenzwert->currentText().toStdString(), "R1");
  Pick(f.SIA_Grenzwert, 2);
  EXPECT_EQ(Anforderung, 3);
  EXPECT_EQ(f.SIA_Grenzwert1->text().toStdString(), "R3");
  f.EingabenUebernehmen();
  f.EingabenAnzeigen();
  EXPECT_EQ(f.SIA_Grenzwert->currentIndex(), 2);
  EXPECT_EQ(f.SIA_Grenzwert->currentText().toStdString(), "R3");
  EXPECT_EQ(f.SIA_Grenzwert1->text().toStdString(), "R3");
  // The tab as the engineer sees it (kept with QEB_KEEP_TESTDIR).
  f.resize(1280, 800);
  ShowTab(f.TabSheet4);
  EXPECT_TRUE(f.grab().save(QString::fromStdString(dir + "/simulation_R3.png")));

  const std::string a = dir + "/klasse.txt";
  ui.AnswerFile(a);
  ASSERT_TRUE(f.ToolButtonSpeichernClick());
  EXPECT_EQ(f.SIA_Grenzwert->currentText().toStdString(), "R3");
  NeuesProjektInDenFenstern();
  EXPECT_EQ(f.SIA_Grenzwert->currentText().toStdString(), "R1");
  ui.AnswerFile(a);
  f.ToolButtonOeffnenClick();
  EXPECT_EQ(Anforderung, 3);
  EXPECT_EQ(f.SIA_Grenzwert->currentText().toStdString(), "R3");
  EXPECT_EQ(f.SIA_Grenzwert1->text().toStdString(), "R3");
  // The highest class stays the highest.
  Pick(f.SIA_Grenzwert, 3);
  f.EingabenAnzeigen();
  EXPECT_EQ(Anforderung, 4);
  EXPECT_EQ(f.SIA_Grenzwert->currentText().toStdString(), "R4");
}

// "Schliessen", "Save?" Yes, then Cancel in the save dialog: the program
// stays open with the project; a save that went through ends it.
TEST_F(ProjectFiles, QuittingWithACancelledSaveReturnsToTheProgram) {
  ScriptedInteraction ui;
  Form3->hide();
  DateiGewaehlt = false;  // a new project: showing the window opens nothing
  f.show();
  Type(f.ESondenlaenge, "142.5");
  ui.AnswerAsk(kJa);   // quit QEB?
  ui.AnswerAsk(kJa);   // save?
  ui.AnswerFile("");   // the save dialog cancelled
  f.Button1Click();
  EXPECT_TRUE(ui.AllAnswersUsed());
  EXPECT_TRUE(f.isVisible());
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_EQ(f.ESondenlaenge->text().toStdString(), "142.5");

  // Saved this time: the program ends through the start dialog.
  const std::string a = dir + "/beenden.txt";
  ui.AnswerAsk(kJa);
  ui.AnswerAsk(kJa);
  ui.AnswerFile(a);
  f.Button1Click();
  EXPECT_TRUE(ui.AllAnswersUsed());
  EXPECT_TRUE(fs::exists(a));
  EXPECT_FALSE(f.isVisible());
}

// A name typed without a suffix is saved as a ".txt" project, which the open
// dialog (filter *.txt) lists and opens.
TEST_F(ProjectFiles, NameWithoutSuffixIsSavedAsATextProject) {
  ScriptedInteraction ui;
  Type(f.ESondenlaenge, "133.5");
  ui.AnswerFile(dir + "/Schulhaus");
  ASSERT_TRUE(f.ToolButtonSpeichernClick());
  const std::string datei = dir + "/Schulhaus.txt";
  EXPECT_TRUE(fs::exists(datei));
  EXPECT_FALSE(fs::exists(dir + "/Schulhaus"));
  EXPECT_EQ(Projektdateiname, datei);
  EXPECT_EQ(ui.Count("message", " Berechnung unter dem Namen \"" + datei + "\" gespeichert! "), 1);
  // A suffix the user typed stays.
  ui.AnswerFile(dir + "/Variante.b.txt");
  ASSERT_TRUE(f.ToolButtonSpeichernClick());
  EXPECT_TRUE(fs::exists(dir + "/Variante.b.txt"));
  EXPECT_FALSE(fs::exists(dir + "/Variante.b.txt.txt"));

  NeuesProjektInDenFenstern();
  ui.Clear();
  ui.AnswerFile(datei);
  f.ToolButtonOeffnenClick();
  ASSERT_EQ(ui.Texts("open").size(), 1u);
  EXPECT_NE(ui.Texts("open")[0].find("*.txt"), std::string::npos);
  // The open dialog starts in the folder of the last save.
  EXPECT_EQ(ui.DialogDirs().at(0), dir + "/");
  EXPECT_EQ(f.ESondenlaenge->text().toStdString(), "133.5");
}

// The program works in its working folder ($QEB_WORKDIR, else ~/QEB): it
// enters it at start, creating it, and its program directory (scratch files,
// outputs, the dialogs' first folder) is that folder, not the build folder.
TEST_F(ProjectFiles, ProgramWorksInItsWorkingFolderNotItsBuildFolder) {
  ScriptedInteraction ui;
  const fs::path vorher = fs::current_path();
  const char* w = std::getenv("QEB_WORKDIR");
  const std::string workdirAlt = w != nullptr ? w : "";
  const char* h = std::getenv("HOME");
  const std::string homeAlt = h != nullptr ? h : "";
  auto zurueck = [&] {
    fs::current_path(vorher);
    if (w != nullptr)
      setenv("QEB_WORKDIR", workdirAlt.c_str(), 1);
    else
      unsetenv("QEB_WORKDIR");
    if (h != nullptr)
      setenv("HOME", homeAlt.c_str(), 1);
    else
      unsetenv("HOME");
    Programmverzeichnis = AktuellesVerzeichnis();
  };

  setenv("QEB_WORKDIR", (dir + "/arbeit").c_str(), 1);
  EXPECT_EQ(Arbeitsverzeichnis(), dir + "/arbeit");
  EXPECT_TRUE(InsArbeitsverzeichnis());
  EXPECT_EQ(fs::current_path(), fs::path(dir + "/arbeit"));
  unsetenv("QEB_WORKDIR");
  setenv("HOME", (dir + "/heim").c_str(), 1);
  EXPECT_EQ(Arbeitsverzeichnis(), dir + "/heim/QEB");
  EXPECT_TRUE(InsArbeitsverzeichnis());
  EXPECT_EQ(fs::current_path(), fs::path(dir + "/heim/QEB"));

  // The start: the program directory is the working folder.
  Form3->Button3Click();
  const std::string arbeit = dir + "/heim/QEB/";
  EXPECT_EQ(Programmverzeichnis, arbeit);
  EXPECT_NE(Programmverzeichnis, QCoreApplication::applicationDirPath().toStdString() + "/");
  ui.AnswerFile("");
  f.ToolButtonOeffnenClick();
  ASSERT_EQ(ui.DialogDirs().size(), 1u);
  EXPECT_EQ(ui.DialogDirs()[0], arbeit);
  zurueck();
}

}  // namespace
}  // namespace qeb
