// One QApplication per test program, on the offscreen platform, with the
// program's windows created the way the program itself creates them.
#include <gtest/gtest.h>

#include <QApplication>

#include "shell/QEB.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  qeb::DestroyApplicationWindows();
  return rc;
}
