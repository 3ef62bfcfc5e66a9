#!/usr/bin/env bash
# Installs what is missing, then configures and builds the release tree in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-debian.sh"
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" "$@"
