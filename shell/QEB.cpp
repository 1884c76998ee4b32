#include "shell/QEB.h"

#include <QApplication>
#include <QLocale>
#include <QWidget>
#include <clocale>

#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "input/system2.h"
#include "results/Grafik.h"

namespace qeb {
namespace {
std::vector<QWidget*> g_windows;
}

const std::vector<QWidget*>& ApplicationWindows() { return g_windows; }
void RegisterWindow(QWidget* w) { g_windows.push_back(w); }

void CreateApplicationWindows() {
  // Numbers never follow the user's locale: "." is the only decimal separator.
  std::setlocale(LC_ALL, "C");
  QLocale::setDefault(QLocale::c());
  QApplication::setApplicationName(QStringLiteral("QEB-Modul"));

  if (Form1 != nullptr) return;  // created once per process
  Form6 = new TForm6();
  system_2 = new Tsystem_2();
  Form1 = new TForm1();
  RegisterWindow(Form1);
  RegisterWindow(Form6);
  RegisterWindow(system_2);
  // The dialogs show the state the main window's defaults leave.
  Form1->Kreate();
  Form4 = new TForm4();
  RegisterWindow(Form4);
  Form6->FillSystemForm();
  system_2->FillSystemForm();
  Form1->show();
}

void DestroyApplicationWindows() {
  for (auto it = g_windows.rbegin(); it != g_windows.rend(); ++it) delete *it;
  g_windows.clear();
  Form1 = nullptr;
  Form4 = nullptr;
  Form6 = nullptr;
  system_2 = nullptr;
}

void CloseCompanionWindows() {
  for (QWidget* w : g_windows)
    if (w != Form1) w->close();
}

void OpenProjectWhenShown() { DateiGewaehlt = false; }

}  // namespace qeb
