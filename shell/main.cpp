#include <QApplication>

#include "shell/QEB.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qeb::CreateApplicationWindows();
  const int rc = QApplication::exec();
  qeb::DestroyApplicationWindows();
  return rc;
}
