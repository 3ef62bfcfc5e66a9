#!/usr/bin/env bash
# wine-prefix.sh TEMPLATE_DIR
# Makes (once) a 64-bit Wine prefix that behaves like a plain Windows desktop:
# the bitmap fonts in C:\windows\Fonts (so "MS Sans Serif" has its real metrics),
# and Wine's virtual desktop with a taskbar, so minimising and the notification
# area work without a window manager. Safe to call from parallel tests.
set -euo pipefail
template=$(realpath -m "$1")
mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
[ -f "$template/.ready" ] && exit 0
rm -rf "$template"
export WINEPREFIX=$template WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
wineboot -i >/dev/null 2>&1
wineserver -w
mkdir -p "$template/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/"
reg=$(mktemp --suffix=.reg)
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops\Default]
"EnableShell"=dword:00000001
REG
wine regedit /S "$(winepath -w "$reg" 2>/dev/null || echo "$reg")" >/dev/null 2>&1 || wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$template/.ready"
