#include "shell/start.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLocale>
#include <QPushButton>
#include <clocale>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput_project.h"
#include "widgets/TableData.h"
#include "shell/Info.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"

namespace qeb {

TForm3* Form3 = nullptr;

void StartInit() {
  LoadLanguageTables();
  // Numbers and dates never follow the user's locale: "." is the decimal
  // separator of every conversion, whatever the desktop is set to.
  std::setlocale(LC_ALL, "C");
  QLocale::setDefault(QLocale::c());
  BeispielWirdGeladen = false;
}

const std::vector<std::string>& ScratchFiles() {
  // The field editor writes its screen copy as "temp.bmp"; names are
  // case-sensitive here, so that is the one to remove.
  static const std::vector<std::string> files = [] {
    std::vector<std::string> f{"plan.qeb"};
    for (int k = 1; k <= 10; ++k) f.push_back("Bsp" + std::to_string(k) + ".qeb");
    f.push_back("temp.bmp");
    return f;
  }();
  return files;
}

#define QEB_WINDOW TForm3
#define QEB_TABLE_FILE "shell/start_controls.inc"
#include "widgets/WindowTables.inc"

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("QEB Programm"));
  setProperty("titleTags", QVariantList{845});
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  QFont big = Label1->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  Label1->setFont(big);
  for (QPushButton* b : {ButtonLaden, Button6, Button1, Button2, ButtonBeenden}) b->setMinimumWidth(220);
  connect(ButtonLaden, &QPushButton::clicked, this, &TForm3::ButtonNeuClick);
  connect(Button6, &QPushButton::clicked, this, &TForm3::Button6Click);
  connect(Button1, &QPushButton::clicked, this, &TForm3::ButtonLadenClick);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Info);
  connect(ButtonBeenden, &QPushButton::clicked, this, &TForm3::ButtonBeendenClick);
}

void TForm3::Button3Click() {
  // The project input window does not exist yet: its own creation sets the
  // one-shot flag of its first soil-list refresh.
  if (Sprache.empty()) Sprache = "S";
  SetLanguage(Sprache);
  // The program directory is the working folder, never the folder the
  // program was built in.
  Programmverzeichnis = AktuellesVerzeichnis();
  SetLanguage(Sprache);
}

void TForm3::ButtonNeuClick() {
  SetLanguage(Sprache);
  Form1->Lastprofil1Click();
  ShowTab(Form1->TabSheet1);
  DateiGewaehlt = false;
  Form1->SetCloseBoxGreyed(true);
  Form1->show();
  Form1->Sondenfeld2->setHidden(false);
  hide();
  SetLanguage(Sprache);
  Form1->EingabenAnzeigen();
  // The new project's changes count from here.
  ProjektStandMerken();
}

void TForm3::ButtonLadenClick() {
  DateiGewaehlt = true;
  ProjektBeimZeigenOeffnen = true;
  Form1->SetCloseBoxGreyed(true);
  Form1->show();
  Form1->Sondenfeld2->setHidden(false);
  hide();
  Form6->show();
  SetLanguage(Sprache);
  if (!Systemsimulation) Form6->close();
  Laenge_im_Feld = false;
  Form1->EingabenAnzeigen();
}

void TForm3::Button6Click() {
  ButtonLadenClick();
  if (SystemProjektGelesen) Form1->ToolButtonOeffnenClick();
}

void TForm3::Info() {
  SetLanguage(Sprache);
  Form2->show();  // not modal from here
  SetLanguage(Sprache);
}

void TForm3::ButtonBeendenClick() {
  std::error_code ec;
  for (const std::string& f : ScratchFiles()) std::filesystem::remove(f, ec);
  close();
}

void TForm3::closeEvent(QCloseEvent* e) {
  e->accept();
  // The start dialog is the main window: the program ends with it.
  QCoreApplication::quit();
}

}  // namespace qeb
