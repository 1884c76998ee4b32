#!/usr/bin/env bash
# Installs what is missing, builds the optimised desktop program and starts it:
#   scripts/run.sh [PROJECT.txt]
# It needs a desktop session (DISPLAY or WAYLAND_DISPLAY). The program writes
# its scratch and output files into its working directory, which is
# ~/QEB (or $QEB_WORKDIR), outside the source tree.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build/release" -j "$(nproc)" --target QEB >/dev/null
args=()
for a in "$@"; do
  # A project named relative to where the command was given.
  if [ -e "$a" ]; then args+=("$(cd "$(dirname "$a")" && pwd)/$(basename "$a")"); else args+=("$a"); fi
done
work="${QEB_WORKDIR:-$HOME/QEB}"
mkdir -p "$work"
cd "$work"
exec "$here/build/release/QEB" "${args[@]+"${args[@]}"}"
