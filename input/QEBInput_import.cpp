// Outside hourly data brought into a project: a Meteonorm weather year, the
// measured hourly values of a plant, and the user's temperature files. Each
// file is read whole into locals; the shared state changes only when the
// whole file was good.
#include <QAction>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "input/QEBInput_trt.h"
#include "platform/Platform.h"

namespace qeb {

void TForm1::WetterdatenMeteonorm1Click() {}
void TForm1::Messwerteeinlesen1Click() {}
void TForm1::keineMesswerteeinlesen1Click() {}
void TForm1::TempFile1Click() {}
void TForm1::TempFile2Click() {}
void TForm1::TempFile3Click() {}

void ConnectImportHandlers(TForm1* f) {
  QObject::connect(f->WetterdatenMeteonorm1, &QAction::triggered, f, &TForm1::WetterdatenMeteonorm1Click);
  QObject::connect(f->Messwerteeinlesen1, &QAction::triggered, f, &TForm1::Messwerteeinlesen1Click);
  QObject::connect(f->keineMesswerteeinlesen1, &QAction::triggered, f, &TForm1::keineMesswerteeinlesen1Click);
  QObject::connect(f->TempFile1, &QAction::triggered, f, &TForm1::TempFile1Click);
  QObject::connect(f->TempFile2, &QAction::triggered, f, &TForm1::TempFile2Click);
  QObject::connect(f->TempFile3, &QAction::triggered, f, &TForm1::TempFile3Click);
  ConnectBeispielHandlers(f);
}

}  // namespace qeb
