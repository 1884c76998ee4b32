// The main window's way to the report and to the result windows: the printed
// two-page report, the graph window with its course graph, the course window
// and the pressure-drop summary.
#include <QAction>
#include <QPushButton>

#include "input/QEBInput.h"
#include "results/Bericht.h"
#include "results/Grafik.h"
#include "results/Molasse.h"
#include "results/verlauf.h"

namespace qeb {

bool TForm1::ToolButtonDruckenClick() { return BerichtDrucken(); }

void TForm1::GrafikSimulationsdauer1Click() {
  if (Form4 == nullptr) return;
  Form4->show();
  Form4->Button10Click();
}

void TForm1::Button12Click() {
  if (Form9 == nullptr) return;
  Form9->show();
  Form9->Button1Click();
}

void TForm1::Button20Click() {
  Button9Click();
  if (Form29 != nullptr) {
    Form29->show();
    Form29->DruckShow();
  }
}

void ConnectReportHandlers(TForm1* f) {
  for (QPushButton* b : {f->ToolButtonDrucken, f->Button19})
    QObject::connect(b, &QPushButton::clicked, f, [f] { f->ToolButtonDruckenClick(); });
  QObject::connect(f->Drucken1, &QAction::triggered, f, [f] { f->ToolButtonDruckenClick(); });
  QObject::connect(f->GrafikSimulationsdauer1, &QAction::triggered, f, &TForm1::GrafikSimulationsdauer1Click);
  QObject::connect(f->Button20, &QPushButton::clicked, f, &TForm1::Button20Click);
}

}  // namespace qeb
