// The windows' tests start from a new project as the program shows it: the
// windows created, the defaults with the built-in weather year, and every
// window showing them.
#pragma once

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "calc/QEBMOD_plant.h"
#include "calc/QEBMOD_run.h"
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

// Five g-function values for a probe spacing of 5 m, typed into the input
// window outside the response-test mode.
inline void GFunktionEintragen() {
  TRTModus = false;
  const char* g[5] = {"4.820", "5.690", "6.290", "6.570", "6.600"};
  QLineEdit* e[5] = {Form1->Eg1, Form1->Eg2, Form1->Eg3, Form1->Eg4, Form1->Eg5};
  for (int k = 0; k < 5; ++k) e[k]->setText(QString::fromLatin1(g[k]));
  Form1->ESondenabstand->setText(QStringLiteral("5.00"));
  Form1->Eg_Sondenabstand->setText(QStringLiteral("5.00"));
}

}  // namespace qeb
