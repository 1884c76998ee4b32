#include <QApplication>

#include "shell/QEB.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qeb::CreateApplicationWindows();
  return QApplication::exec();
}
