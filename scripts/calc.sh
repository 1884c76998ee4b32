#!/usr/bin/env bash
# Installs what is missing, builds the optimised module and runs one calculation:
#   scripts/calc.sh [PROJECT.txt [OUTPUT.txt]]
# Without a project it calculates the defaults of a new project and writes
# "Ausgabe.qeb" into the current directory.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build/release" -j "$(nproc)" --target tool_qebcalc >/dev/null
exec "$here/build/release/qebcalc" "$@"
