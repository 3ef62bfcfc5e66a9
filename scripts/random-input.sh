#!/usr/bin/env bash
# A long random-input run against Tabulon.exe (the test suite runs a short one).
#   bash scripts/random-input.sh [EVENTS] [SEED]      default: 100000 events
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" --target blackbox_tests >/dev/null
TABULON_EVENTS=${1:-100000} TABULON_SEED=${2:-$RANDOM} \
  "$root/scripts/wine-run.sh" "$root/build/tests/blackbox_tests.exe" --gtest_filter='RandomInput.*' | tr -d '\r'
