// The windows' tests start from a new project as the program shows it: the
// windows created, the defaults with the built-in weather year, and every
// window showing them.
#pragma once

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "calc/QEBMOD_plant.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/system2.h"
#include "platform/Print.h"
#include "results/Grafik.h"
#include "shell/QEB.h"

namespace qeb {

inline void NeuesProjektInDenFenstern() {
  CreateApplicationWindows();
  ResetToDefaults();
  StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  Form6->FillSystemForm();
  system_2->FillSystemForm();
  Form1->EingabenAnzeigen();
  // A program just started has no project whose changes could be lost.
  ProjektStandVergessen();
}

// A new project that no file names yet, calculated as the main run, with the
// name and description typed for it.
inline void NeuesProjektOhneDatei(const char* name, const char* beschreibung) {
  NeuesProjektInDenFenstern();
  Hauptlauf = true;
  Projektdateiname.clear();
  GespeichertUnter.clear();
  GeoeffneteDatei.clear();
  Form1->EProjektname->setText(QString::fromUtf8(name));
  Form1->EBeschreibung->setText(QString::fromUtf8(beschreibung));
}

// A new project for the printed report, in German, on a desktop without a
// printer. A new project keeps a recooler or solar part of an earlier one in
// this process: both off, so that the plant's lines do not print over the
// result block.
inline void NeuesProjektFuerDenBericht() {
  NeuesProjektInDenFenstern();
  mitRueckkuehler = false;
  solar = false;
  Form1->EingabenAnzeigen();
  SetPrinterOverride(0);
  Sprache = "D";
}

}  // namespace qeb
