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
# The language file, German selected, written from the master table of texts
# in the layout the program reads (Windows-1252, CR LF); a file the user has
# edited stays as it is.
if [ ! -e sprache.qeb ]; then
  {
    printf 'Sprachfile zum Programm QEB\nD\n\nTag Nr\tDeutsch\tItalienisch\tFranz\303\266sisch\tEnglisch\tSpanisch\n\n'
    awk -F'\t' 'NR > 1 && $1 >= 6 { print $1 "\t" $2 "\t" $3 "\t" $4 "\t" $5 "\t" $6 }' "$here/shell/sprachtexte.tsv"
  } | iconv -f UTF-8 -t CP1252 | sed 's/$/\r/' > sprache.qeb.tmp && mv sprache.qeb.tmp sprache.qeb
fi
exec "$here/build/release/QEB" "${args[@]+"${args[@]}"}"
