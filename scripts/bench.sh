#!/usr/bin/env bash
# Start-up benchmark: Tabulon.exe (A) against the feature floor (B), in turn,
# under Wine on a virtual screen. Prints medians, ratios and the program's size.
#   bash scripts/bench.sh [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" --target Tabulon feature_floor start_bench >/dev/null
b=$root/build
"$root/scripts/wine-run.sh" "$b/bench/start_bench.exe" \
  "$(WINEPREFIX=$b/wine/template winepath -w "$b/app/Tabulon.exe" 2>/dev/null)" \
  "$(WINEPREFIX=$b/wine/template winepath -w "$b/bench/feature_floor.exe" 2>/dev/null)" \
  "${1:-7}" | tr -d '\r'
echo "imports of Tabulon.exe:"
x86_64-w64-mingw32-objdump -p "$b/app/Tabulon.exe" | awk '/DLL Name/ {print "  " $3}'
