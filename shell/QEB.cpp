#include "shell/QEB.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "field/ScreenTween.h"
#include "input/QEBInput_austausch.h"
#include "input/QEBInput_dokumente.h"
#include "field/Sondenfeld.h"
#include "input/Bildfenster.h"
#include "input/Cooling.h"
#include "input/Fahrplan.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/WP1.h"
#include "input/system2.h"
#include "results/Bericht.h"
#include "results/Gradient.h"
#include "results/Grafik.h"
#include "results/Molasse.h"
#include "results/Result.h"
#include "results/gfunc.h"
#include "results/verlauf.h"
#include "shell/Exp.h"
#include "shell/Info.h"
#include "shell/Sprachen.h"
#include "shell/start.h"

namespace qeb {
namespace {
std::vector<QWidget*> g_windows;
}

const std::vector<QWidget*>& ApplicationWindows() { return g_windows; }
void RegisterWindow(QWidget* w) { g_windows.push_back(w); }

std::string Arbeitsverzeichnis() {
  const char* w = std::getenv("QEB_WORKDIR");
  if (w != nullptr && *w != '\0') return w;
  const char* h = std::getenv("HOME");
  if (h != nullptr && *h != '\0') return (std::filesystem::path(h) / "QEB").string();
  return {};
}

bool InsArbeitsverzeichnis() {
  const std::string d = Arbeitsverzeichnis();
  if (d.empty()) return false;
  std::error_code ec;
  std::filesystem::create_directories(d, ec);
  ec.clear();
  std::filesystem::current_path(d, ec);
  return !ec;
}

std::string AktuellesVerzeichnis() {
  std::error_code ec;
  std::string d = std::filesystem::current_path(ec).string();
  if (d.empty() || d.back() != '/') d += '/';
  return d;
}

void CreateApplicationWindows() {
  if (Form3 != nullptr) return;  // created once per process
  StartInit();
  SprachtexteGeladen = false;
  QApplication::setApplicationName(QStringLiteral("QEB-Modul"));
  QApplication::setApplicationDisplayName(QStringLiteral("QEB-Modul"));

  // Every window once, the start dialog first: it is the main window.
  Form3 = new TForm3();
  RegisterWindow(Form3);
  Form3->Button3Click();
  // The windows built after the start dialog read the German of their tables
  // until the next switch.
  Fenstersprache.clear();
  Form2 = new TForm2(Form3);
  RegisterWindow(Form2);
  Form1 = new TForm1();
  RegisterWindow(Form1);
  Form1->Kreate();
  Form4 = new TForm4();
  RegisterWindow(Form4);
  Form6 = new TForm6();
  RegisterWindow(Form6);
  Form6->FillSystemForm();
  Form7 = new TForm7();
  RegisterWindow(Form7);
  ConnectScheduleHandlers(Form1);
  Resultat = new TResultat();
  RegisterWindow(Resultat);
  Form8 = new TForm8();
  RegisterWindow(Form8);
  Form8->WPAnzeigen();
  ConnectHeatPumpHandlers(Form1);
  system_2 = new Tsystem_2();
  RegisterWindow(system_2);
  system_2->FillSystemForm();
  Form5 = new TForm5();
  RegisterWindow(Form5);
  FeldeditorInitialisieren();
  Feld = new TFeld();
  RegisterWindow(Feld);
  FormTween = new TFormTween();
  RegisterWindow(FormTween);
  AustauschVerbinden(Form1);
  DokumenteVerbinden(Form1);
  VerlaufInit();
  Form9 = new TForm9();
  RegisterWindow(Form9);
  Form10 = new TForm10();
  RegisterWindow(Form10);
  Form29 = new TForm29();
  RegisterWindow(Form29);
  ConnectReportHandlers(Form1);
  BeispielFensterErzeugen();
  Waermefluss_NAGRA_NTB_99_08 = new TBildfenster("Waermefluss_NAGRA_NTB_99_08", QStringLiteral("Wärmefluss NAGRA NTB 99-08"),
                                                 "Waermefluss_NAGRA_NTB_99_08.jpg");
  Waermefluss_NAGRA_NTB_99_08->setProperty("titleTags", QVariantList{668});
  RegisterWindow(Waermefluss_NAGRA_NTB_99_08);
  Form26 = new TBildfenster("Form26", QStringLiteral("Wärmeleitfähigkeit lambda der Molasse"), "Waermeleitfaehigkeit_Molasse.jpg");
  Form26->setProperty("titleTags", QVariantList{669});
  RegisterWindow(Form26);
  Form3->show();
  // "QEB project.txt": the program starts with that project open, as if
  // "Projekt laden" had been pressed.
  if (!KommandozeilenProjekt().empty()) Form3->Button6Click();
}

void DestroyApplicationWindows() {
  for (auto it = g_windows.rbegin(); it != g_windows.rend(); ++it) {
    if ((*it)->parent() == nullptr) delete *it;
  }
  g_windows.clear();
  Form1 = nullptr;
  Form2 = nullptr;
  Form3 = nullptr;
  Form4 = nullptr;
  Form6 = nullptr;
  Form7 = nullptr;
  Resultat = nullptr;
  Form8 = nullptr;
  system_2 = nullptr;
  Form5 = nullptr;
  Feld = nullptr;
  FormTween = nullptr;
  Form9 = nullptr;
  Form10 = nullptr;
  Form29 = nullptr;
  BeispielFensterLoeschen();
  Waermefluss_NAGRA_NTB_99_08 = nullptr;
  Form26 = nullptr;
}

void CloseCompanionWindows() {
  // Closing the start dialog, the main window, ends the program.
  if (Form2 != nullptr) Form2->close();
  if (Form3 != nullptr) Form3->close();
}

}  // namespace qeb
