// A new project switched to the whole plant in the system dialog and never
// calculated: saving it and the dialog's own calculation run the plant
// instead of looking for a scratch file that no run has written yet.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <cstdio>
#include <filesystem>
#include <string>

#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/start.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

// A new project as the start dialog gives it, the whole plant chosen in
// the system dialog; no calculation has run in this folder yet.
void NeueAnlage() {
  NeuesProjektInDenFenstern();
  SetEscapeProbe(nullptr);
  Form3->show();
  Form3->ButtonNeuClick();
  std::remove(Inputfile.c_str());
  std::remove(Inputfile2.c_str());
  Form6->show();
  Form6->ESystem->button(0)->click();
}

bool SprichtVonFehlenderDatei(const ScriptedInteraction& ui) {
  for (const auto& s : ui.Shown_())
    if (s.text.find("input.qeb") != std::string::npos || s.text.find("not found") != std::string::npos) return true;
  return false;
}

TEST(SavePlant, ANeverCalculatedPlantProjectIsSavedByItsOwnRun) {
  ScriptedInteraction ui;
  NeueAnlage();
  Form6->Schliessen->click();
  for (int k = 0; k < 20; ++k) ui.AnswerAsk(kNein);
  ui.AnswerInput("Anlage");
  ui.AnswerInput("Neu");
  const std::string datei = (std::filesystem::current_path() / "neue_anlage.txt").string();
  std::filesystem::remove(datei);
  ui.AnswerFile(datei);

  ASSERT_TRUE(Form1->ToolButtonSpeichernClick());
  EXPECT_FALSE(SprichtVonFehlenderDatei(ui));
  EXPECT_TRUE(std::filesystem::exists(datei));
  EXPECT_TRUE(Systemsimulation);
  EXPECT_GT(QHeizSumme, 0.0);  // the plant's winter took heat out of the ground
}

TEST(SavePlant, TheSystemDialogCalculatesANeverCalculatedPlant) {
  ScriptedInteraction ui;
  NeueAnlage();
  for (int k = 0; k < 20; ++k) ui.AnswerAsk(kNein);
  Form6->Berechnen->click();
  EXPECT_FALSE(SprichtVonFehlenderDatei(ui));
  EXPECT_GT(QHeizSumme, 0.0);
  Form6->hide();
}

}  // namespace
}  // namespace qeb
