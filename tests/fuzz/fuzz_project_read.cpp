// The project reader on whole files: every file is either read with every
// value inside its plausible range, or refused with a text and the project in
// memory left exactly as it was.
#include "tests/fuzz/fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qeb::fuzz::Prepare();
  qeb::fuzz::WriteInput("fuzz_read.qeb", data, size);
  qeb::fuzz::ReadProject("fuzz_read.qeb");
  return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned seed) {
  return qeb::fuzz::MutateProjectLines(data, size, maxSize, seed);
}
