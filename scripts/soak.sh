#!/usr/bin/env bash
# Soak: many cycles of the program's everyday use, with its memory printed.
#   bash scripts/soak.sh [CYCLES]      default: 10000
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" --target soak >/dev/null
"$root/scripts/wine-run.sh" "$root/build/tests/soak.exe" "${1:-10000}" | tr -d '\r'
