// The example projects reached from the main window's menu "Beispiele" and
// the access number on the parameter tab.
#include <QAction>
#include <QMenu>

#include "input/QEBInput.h"
#include "input/QEBInput_trt.h"
#include "shell/Exp.h"

namespace qeb {

namespace {

// The number that opens the menu of examples on the parameter tab.
constexpr int kBeispielZugang = 4640;

void BeispielZeigen(int k) {
  if (TBeispielFenster* w = BeispielFenster(k)) {
    w->show();
    w->raise();
  }
}

}  // namespace

// The menu offers all ten examples.
void TForm1::Beispiele1Click() {
  Beispiel1->setVisible(true);
  for (QAction* a : {Beispiel11, Beispiel21, Beispiel31, Beispiel41, Beispiel51, Beispiel61, Beispiel71, Beispiel81,
                     Beispiel91, Beispiel101})
    a->setVisible(true);
}
void TForm1::Beispiel11Click() { BeispielZeigen(1); }
void TForm1::Beispiel21Click() { BeispielZeigen(2); }
void TForm1::Beispiel31Click() { BeispielZeigen(3); }
void TForm1::Beispiel41Click() { BeispielZeigen(4); }
void TForm1::Beispiel51Click() { BeispielZeigen(5); }
void TForm1::Beispiel61Click() { BeispielZeigen(6); }
void TForm1::Beispiel71Click() { BeispielZeigen(7); }
void TForm1::Beispiel81Click() { BeispielZeigen(8); }
void TForm1::Beispiel91Click() { BeispielZeigen(9); }
void TForm1::Beispiel101Click() { BeispielZeigen(10); }

void TForm1::EBspNrChange() {
  bool ok = false;
  const int nr = EBspNr->text().trimmed().toInt(&ok);
  if (ok && nr == kBeispielZugang) {
    Beispiel1->setVisible(true);
    Beispiel81->setVisible(false);
    Beispiel91->setVisible(false);
  } else {
    Beispiel1->setVisible(false);
  }
  if (ok && nr == 1) Horizontalrohr->setVisible(true);
  if (ok && nr == 3) SondenfeldGrafikjahr1->setVisible(true);
}

void ConnectBeispielHandlers(TForm1* f) {
  QObject::connect(f->Beispiele1, &QAction::triggered, f, &TForm1::Beispiele1Click);
  QAction* const items[] = {f->Beispiel11, f->Beispiel21, f->Beispiel31, f->Beispiel41, f->Beispiel51,
                            f->Beispiel61, f->Beispiel71, f->Beispiel81, f->Beispiel91, f->Beispiel101};
  void (TForm1::*const handler[])() = {&TForm1::Beispiel11Click, &TForm1::Beispiel21Click, &TForm1::Beispiel31Click,
                                     &TForm1::Beispiel41Click, &TForm1::Beispiel51Click, &TForm1::Beispiel61Click,
                                     &TForm1::Beispiel71Click, &TForm1::Beispiel81Click, &TForm1::Beispiel91Click,
                                     &TForm1::Beispiel101Click};
  for (int i = 0; i < 10; ++i) QObject::connect(items[i], &QAction::triggered, f, handler[i]);
  QObject::connect(f->EBspNr, &QLineEdit::textChanged, f, &TForm1::EBspNrChange);
}

}  // namespace qeb
