// A scratch folder of the running test, under the working folder and named
// after the test, emptied before the test writes into it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace qeb {

inline std::string FrischerOrdner(const std::string& vorsilbe) {
  namespace fs = std::filesystem;
  const std::string dir =
      (fs::current_path() / (vorsilbe + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())))
          .string();
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

}  // namespace qeb
