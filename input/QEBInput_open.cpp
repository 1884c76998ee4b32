// Opening a project and the tab of the second load profile.
#include <QAction>
#include <QCoreApplication>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "shell/Sprachen.h"

namespace qeb {

void TForm1::Einlesen(const std::string& fileName) {
  try {
    Simulate(-3);
    auto inDir = [](const std::string& name) {
      std::string d = Programmverzeichnis;
      if (!d.empty() && d.back() != '/') d += '/';
      return d + name;
    };
    Inputfile2 = inDir("input2.qeb");
    Outputfile = inDir("Ausgabe.qeb");
    Inputfile = inDir("input.qeb");
    if (DateiGewaehlt) {
      Inputfile = fileName;
      const bool keep = readfile;
      readfile = true;
      Simulate(-2);
      readfile = keep;
      SystemProjektGelesen = Systemsimulation;
    }
  } catch (const CalcError& e) {
    Message(e.what());
  }
  EingabenAnzeigen();
  if (StaoFehlt) {
    Message("File " + Win1252ToUtf8(StaoFile) + " not found!");
    StaoVerwenden = false;
  }
}

void TForm1::ToolButtonOeffnenClick() {
  Messung = 0.0;
  std::string file;
  const QStringList args = QCoreApplication::arguments();
  if (args.size() > 1 && FileCanBeOpened(args.at(1).toStdString())) {
    file = args.at(1).toStdString();
  } else {
    for (;;) {
      file = UI().OpenFileName("Textdateien (*.txt)", Programmverzeichnis);
      if (file.empty()) return;  // cancelled: nothing is opened
      if (FileCanBeOpened(file)) break;
      Message(" kein Eingabefile gewählt ");
    }
  }
  Programmverzeichnis = std::filesystem::absolute(file).parent_path().string() + "/";
  DateiGewaehlt = true;
  Einlesen(file);
  if (!Systemsimulation) Einlesen(file);
  ProjektGeoeffnet = true;
  SetLanguage(Sprache);
  PulldownErde();
  EingabenAnzeigen();
  SetTabVisible(Lastprofil, Lastprofil2);
  SetTabVisible(TabSheet5, !Lastprofil2);
}

void TForm1::Lastprofil1Click() {
  ShowTab(Lastprofil);
  SetTabVisible(TabSheet5, false);
  Lastprofil2 = true;
  Lastprofil2erzeugen->setItemIndex(0);
  Wrmepumpe1->setVisible(false);
  Wrmepumpe2->setVisible(false);
  WP = false;
  EAuslegungsmassenstrom->setReadOnly(true);
  QPalette p = EAuslegungsmassenstrom->palette();
  p.setColor(QPalette::Base, palette().color(QPalette::Window));
  EAuslegungsmassenstrom->setPalette(p);
  Tageslastprofil1->setVisible(true);
  Kuehlspitze->setVisible(true);
}

}  // namespace qeb
