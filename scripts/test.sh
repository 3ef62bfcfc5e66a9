#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root"
ctest --preset release "$@"
