// Shared pieces of the fuzz targets: a scratch directory of their own, the
// input written to a file (the readers take file names), the project-file
// mutator that works line by line, and the checks every target makes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qeb::fuzz {

// Changes into a fresh scratch directory once per process and prepares the
// module (built-in weather year).
void Prepare();

// Writes the bytes to `name` in the scratch directory.
void WriteInput(const std::string& name, const uint8_t* data, size_t size);

// Stops the process (a finding) with a message.
[[noreturn]] void Finding(const std::string& what);

// Reads `name` as a project on fresh defaults. True when it was read; false
// when the reader refused it with a text, in which case the project in memory
// must be exactly as it was before (checked here).
bool ReadProject(const std::string& name);

// Every number of the line layout lies inside its plausible range.
void CheckProjectInRange(const char* where);

// Line-aware mutation of a project file (see fuzz_common.cpp).
size_t MutateProjectLines(uint8_t* data, size_t size, size_t maxSize, unsigned seed);

}  // namespace qeb::fuzz
