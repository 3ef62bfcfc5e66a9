#!/usr/bin/env bash
# Installs what building, running and testing Tabulon needs on Debian 12 (as root).
set -euo pipefail
need=(cmake make g++-mingw-w64-x86-64 wine wine64 xvfb locales imagemagick googletest nsis)
missing=()
for p in "${need[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# Wine takes its ANSI code page from the host locale: 1251 for ru_RU, 1252 for en_US.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU.utf8$' || ! locale -a 2>/dev/null | grep -qi '^en_US.utf8$'; then
  sed -i -E 's/^# *(ru_RU.UTF-8 UTF-8|en_US.UTF-8 UTF-8)/\1/' /etc/locale.gen
  locale-gen >/dev/null
fi
