#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe [ARGS...]
# Runs a Windows program under Wine in a throw-away copy of the template prefix,
# on an X server of its own, and returns the program's exit code. CTest uses it
# as the cross-compiling emulator.
#   TABULON_LANG  host locale for Wine (ru_RU.UTF-8 gives code page 1251); default en_US.UTF-8
#   TABULON_PREFIX_TEMPLATE  template prefix; default build/wine/template beside the program
#   TABULON_KEEP_DISPLAY  if set, the X display to use instead of starting one
#   TABULON_DPI  if set, the screen resolution in dots per inch (Wine's LogPixels)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prog=$1; shift
progdir=$(cd "$(dirname "$prog")" && pwd)
template=${TABULON_PREFIX_TEMPLATE:-$progdir/wine/template}
"$here/wine-prefix.sh" "$template" || exit 97

run=$(mktemp -d "${TMPDIR:-/tmp}/tabulon-wine.XXXXXX")
# A hard-link copy costs no disk; the registry files are written in place, so copy them for real.
cp -al "$template" "$run/prefix"
for f in system.reg user.reg userdef.reg; do
  [ -f "$run/prefix/$f" ] && { rm "$run/prefix/$f"; cp "$template/$f" "$run/prefix/$f"; }
done

export WINEPREFIX=$run/prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=${TABULON_LANG:-en_US.UTF-8} LC_ALL=${TABULON_LANG:-en_US.UTF-8}
export TABULON_PREFIX=$run/prefix

if [ -n "${TABULON_DPI:-}" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$TABULON_DPI" /f >/dev/null 2>&1
  wineserver -w
fi

xpid=
cleanup() {
  wineserver -k >/dev/null 2>&1
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
  rm -rf "$run"
}
trap cleanup EXIT
if [ -n "${TABULON_KEEP_DISPLAY:-}" ]; then
  export DISPLAY=$TABULON_KEEP_DISPLAY
else
  . "$here/xvfb.sh"
  start_xvfb "$run"
fi
wine "$prog" "$@"
rc=$?
exit $rc
