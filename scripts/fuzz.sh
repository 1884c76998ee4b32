#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan),
# writes the seed corpus the module makes itself and runs every target for a
# bounded time. A finding stops the script with the target's report and the
# input that caused it (crash-* in the build directory).
#
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET [BUILD_DIR]]
#
# Defaults: 60 seconds, build/fuzz. For a longer campaign, run one target by
# hand with its corpus (absolute paths: the targets change into a scratch
# directory), e.g. for an hour on one core:
#   $PWD/build/fuzz/tests/fuzz/fuzz_project_read $PWD/build/fuzz/corpus/project_read \
#       -max_total_time=3600 -max_len=2000000 -timeout=30
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
dir=${2:-build/fuzz}
jobs=$(nproc)
[ "$jobs" -gt 4 ] && jobs=4

CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQEB_FUZZ=ON -DQEB_UI=OFF -DQEB_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$jobs" --target fuzz_project_read fuzz_project_run fuzz_datafiles fuzz_make_corpus

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The targets work in a scratch directory of their own: every path they are
# given must be absolute.
dir=$(realpath "$dir")
seeds="$dir/corpus/seeds"
mkdir -p "$seeds"
(cd "$dir" && ./tests/fuzz/fuzz_make_corpus "$seeds")

bin="$dir/tests/fuzz"
run() {
  local target=$1 corpus=$2 status=0
  shift 2
  mkdir -p "$corpus"
  echo "== $target: ${seconds} s"
  "$bin/$target" "$corpus" "$@" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
      -artifact_prefix="$dir/" -print_final_stats=1 >"$dir/$target.log" 2>&1 || status=$?
  grep -E "DONE|stat::number_of_executed_units|FUZZ FINDING|SUMMARY" "$dir/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$dir/$target.log"
    echo "fuzz: 0 passed, 1 failed"
    exit 1
  fi
}
run fuzz_project_read "$dir/corpus/project_read" "$seeds" -max_len=2000000
run fuzz_project_run "$dir/corpus/project_run" "$seeds" -max_len=2000000
# The data files: the first byte picks the reader.
mkdir -p "$dir/corpus/datafiles"
printf '\000Gestein\r\nGranit\t3.4\t2650\t880\r\nKalk\t2.8\t2600\t900\r\n' >"$dir/corpus/datafiles/geologie"
printf '\001Standort\r\nYear\tx-Koord\ty-Koord\tdT Stao [K]\r\n2025\t0\t0\t0.1\r\n2026\t0\t0\t0.2\r\n' >"$dir/corpus/datafiles/stao"
printf '\002"Nr";"Name";"Dicke";"T";"lambda";"cp";"rho"\r\n"1";"Kies";30;10.5;2.1;900;2200\r\n"2";"Fels";70;12;3.0;850;2650\r\n' \
    >"$dir/corpus/datafiles/swqeb"
run fuzz_datafiles "$dir/corpus/datafiles" -max_len=65536
echo "fuzz: all targets ran without a finding"
echo "fuzz: 3 passed, 0 failed"
