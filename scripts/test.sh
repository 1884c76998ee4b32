#!/usr/bin/env bash
# Installs what is missing, builds twice (optimised; AddressSanitizer + UBSan) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$jobs"
(cd build/release && ctest --output-on-failure -j "$jobs")

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DQEB_SANITIZE=ON -DQEB_BENCH=OFF
cmake --build build/sanitize -j "$jobs"
(cd build/sanitize && ctest --output-on-failure -j "$jobs")

# The fuzz targets, about a minute each (scripts/fuzz.sh says how to run them longer).
bash scripts/fuzz.sh 60
