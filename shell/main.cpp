#include <QApplication>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "input/QEBInput_project.h"
#include "shell/QEB.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // A project named relative to where the program was started keeps its
  // place once the program works in its own folder.
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i];
    std::error_code ec;
    if (i > 0 && !a.empty() && std::filesystem::exists(a, ec)) a = std::filesystem::absolute(a, ec).string();
    args.push_back(a);
  }
  qeb::SetKommandozeile(&args);
  qeb::InsArbeitsverzeichnis();
  qeb::CreateApplicationWindows();
  const int rc = QApplication::exec();
  qeb::DestroyApplicationWindows();
  return rc;
}
