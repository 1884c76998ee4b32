// The example projects reached from the main window's menu.
#include <QAction>

#include "input/QEBInput.h"
#include "input/QEBInput_trt.h"

namespace qeb {

void TForm1::Beispiele1Click() {}
void TForm1::EBspNrChange() {}

void ConnectBeispielHandlers(TForm1*) {}

}  // namespace qeb
