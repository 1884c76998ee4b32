// ctest runs the tests of this binary as parallel processes that share one
// working directory, while the module writes fixed file names ("Ausgabe.qeb",
// "TEarth.qeb", "anfahr.qeb"). Each process therefore works in a directory of
// its own, removed again when it ends.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

struct OwnWorkDir {
  std::filesystem::path dir;
  std::filesystem::path parent;
  OwnWorkDir() {
    std::error_code ec;
    parent = std::filesystem::current_path(ec);
    if (ec) return;
    dir = parent / ("p" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir, ec);
    if (!std::filesystem::create_directory(dir, ec) || ec) return;
    std::filesystem::current_path(dir, ec);
  }
  ~OwnWorkDir() {
    if (dir.empty()) return;
    std::error_code ec;
    std::filesystem::current_path(parent, ec);
    std::filesystem::remove_all(dir, ec);
  }
};

OwnWorkDir own_work_dir;

}  // namespace
