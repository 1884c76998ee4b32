// The input window's way to the g-function window and to the field editor.
#include <QAction>
#include <QPushButton>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "results/gfunc.h"

namespace qeb {

bool ProjektbildGeladen = false;
bool FeldKopieErstellt = false;

void TForm1::Button8Click() {
  if (Form5 == nullptr) return;
  Form5->close();
  TRTModus = false;
  Form5->show();
}

void TForm1::Sondenfeld1Click() {
  if (Feld == nullptr) return;
  EingabenUebernehmen();
  if (Feld->isMinimized()) {
    Feld->showNormal();
  } else {
    Feld->showMaximized();
  }
  Feld->TRandbedingung->hide();
  Feld->Info3->show();
  Nummernmodus = false;
  Grundmassstab = Multiplikator;
  if (Zaehler == 0 && MacModus) Feld->Button5->show();
  if (Zaehler > 1) {
    Sondengrafik = true;
    ESondengrafik->setItemIndex(0);
  }
  if (mitPlan) {
    PlanAktiv = true;
    Feld->Button7Click();
    Feld->Farb2Click();
    Feld->FarbClick();
    if (JahrGrafik != 50) {
      Feld->Tg5->show();
      Feld->Tgfunction->setText(QString::number(JahrGrafik));
      Feld->Tgfunction->show();
    }
  } else {
    KartenZoom = true;
  }
  Feld->Button4Click();
  if (Schnellstart) {
    Feld->Tg2->show();
    Feld->Tg3->show();
  }
}

void ConnectFieldHandlers(TForm1* f) {
  QObject::connect(f->Button8, &QPushButton::clicked, f, &TForm1::Button8Click);
  QObject::connect(f->gfunction1, &QAction::triggered, f, &TForm1::Button8Click);
  QObject::connect(f->Sondenfeld1, &QAction::triggered, f, &TForm1::Sondenfeld1Click);
  // The button of the same caption on the probe tab opens the editor too.
  QObject::connect(f->Sondenfeld2, &QPushButton::clicked, f, &TForm1::Sondenfeld1Click);
}

}  // namespace qeb
