// One QApplication per test program, on the offscreen platform, with the
// program's windows created the way the program itself creates them.
// ctest runs the tests as parallel processes in one working directory, while
// the program writes fixed file names ("Ausgabe.qeb", "input2.qeb", ...):
// each process works in a directory of its own, removed when it ends.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <string>
#include <system_error>

#include "shell/QEB.h"

int main(int argc, char** argv) {
  std::error_code ec;
  const std::filesystem::path parent = std::filesystem::current_path(ec);
  const std::filesystem::path own = parent / ("p" + std::to_string(::getpid()));
  std::filesystem::remove_all(own, ec);
  if (std::filesystem::create_directory(own, ec)) std::filesystem::current_path(own, ec);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int rc = 0;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    rc = RUN_ALL_TESTS();
    qeb::DestroyApplicationWindows();
  }
  std::filesystem::current_path(parent, ec);
  // QEB_KEEP_TESTDIR keeps the pictures and files a run left, to look at them.
  if (qEnvironmentVariableIsEmpty("QEB_KEEP_TESTDIR")) std::filesystem::remove_all(own, ec);
  return rc;
}
