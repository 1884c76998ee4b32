// Every choice of the plant dialogs is part of the project: saved with each
// one changed, the project reopened shows each as it was picked.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QtTest/QTest>
#include <filesystem>
#include <map>
#include <string>

#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/Fahrplan.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/WP1.h"
#include "input/system2.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/start.h"
#include "tests/support/ui_project.h"
#include "tests/support/ui_typing.h"

namespace qeb {
namespace {

// The other item than the one shown (the last one for three items).
void AnderesWaehlen(RadioGroup* r) {
  const int n = static_cast<int>(r->findChildren<QRadioButton*>().size());
  const int neu = r->itemIndex() == n - 1 ? 0 : n - 1;
  r->button(neu)->click();
}

void Waehlen(QComboBox* c, int i) {
  c->setCurrentIndex(i);
  emit c->activated(i);
}

// Each visible choice of a dialog as it stands.
void Merken(QWidget* d, std::map<std::string, int>& a) {
  for (const RadioGroup* r : d->findChildren<RadioGroup*>())
    if (r->isVisibleTo(d)) a[d->objectName().toStdString() + "." + r->objectName().toStdString()] = r->itemIndex();
  for (const QComboBox* c : d->findChildren<QComboBox*>())
    if (c->isVisibleTo(d)) a[d->objectName().toStdString() + "." + c->objectName().toStdString()] = c->currentIndex();
}

// Each choice of the dialogs as they show the shared state when opened.
std::map<std::string, int> Auswahl() {
  std::map<std::string, int> a;
  for (QWidget* d : std::initializer_list<QWidget*>{Form6, system_2, Form8, Form7}) {
    d->show();
    Merken(d, a);
    d->hide();
  }
  return a;
}

TEST(PlantChoices, EveryChoiceOfThePlantDialogsComesBackAsSaved) {
  NeuesProjektInDenFenstern();
  ScriptedInteraction ui;
  SetEscapeProbe(nullptr);
  Form3->show();
  Form3->ButtonNeuClick();
  TForm1& f = *Form1;
  Tippe(f.ELastyear2, "1");
  // The heat pump's own figures exclude load profile 2, on in a new project.
  f.Lastprofil2erzeugen->button(1)->click();
  f.Button14->click();
  const std::map<std::string, int> vorher = Auswahl();

  // The system dialog: the whole plant, frost protection and load limit changed.
  Form6->show();
  AnderesWaehlen(Form6->ESystem);
  AnderesWaehlen(Form6->EFrostschutz);
  AnderesWaehlen(Form6->ELastbegrenzung);
  std::map<std::string, int> gewaehlt;
  Merken(Form6, gewaehlt);
  Form6->Schliessen->click();
  // The heat pump dialog: both choices changed.
  Form8->show();
  AnderesWaehlen(Form8->EWP);
  AnderesWaehlen(Form8->Ebivalent);
  Merken(Form8, gewaehlt);
  Form8->Button1->click();
  // The ventilation schedule: Tuesday and Saturday on schedule 2, a band
  // lowered, this sheet's schedule chosen.
  Form7->show();
  Waehlen(Form7->LFBox2, 1);
  Waehlen(Form7->LFBox6, 1);
  Tippe(Form7->LF12, "0.5");
  Form7->EFahrplan->button(2)->click();
  Merken(Form7, gewaehlt);
  Form7->Button1->click();
  for (const char* name : {"Form6.ESystem", "Form6.EFrostschutz", "Form6.ELastbegrenzung", "Form8.EWP",
                           "Form8.Ebivalent", "Form7.LFBox2", "Form7.LFBox6", "Form7.EFahrplan"})
    EXPECT_NE(gewaehlt.at(name), vorher.at(name)) << name << " not changed";

  // Shown again, each dialog shows what was picked (the second system
  // dialog's frost protection is the first one's).
  gewaehlt["system_2.EFrostschutz"] = gewaehlt.at("Form6.EFrostschutz");
  const std::map<std::string, int> wieder = Auswahl();
  for (const auto& [name, i] : gewaehlt) EXPECT_EQ(wieder.at(name), i) << name << " shown again";

  for (int k = 0; k < 20; ++k) ui.AnswerAsk(kNein);
  ui.AnswerInput("Anlage");
  ui.AnswerInput("Alle Optionen");
  const std::string datei = (std::filesystem::current_path() / "anlage.txt").string();
  ui.AnswerFile(datei);
  const bool gespeichert = f.ToolButtonSpeichernClick();
  ASSERT_TRUE(gespeichert);

  // The program started anew, the project opened.
  NeuesProjektInDenFenstern();
  ui.AnswerFile(datei);
  f.Oeffnen1->trigger();
  EXPECT_EQ(Projekttitel2, "Anlage");
  const std::map<std::string, int> geoeffnet = Auswahl();
  for (const auto& [name, i] : gewaehlt) EXPECT_EQ(geoeffnet.at(name), i) << name << " after reopening";
  Form4->hide();
}

}  // namespace
}  // namespace qeb
