#!/usr/bin/env bash
# Runs a command with a private Wine prefix on a virtual X display, then stops both,
# whatever the command's outcome.
#
#   scripts/with-wine.sh [--screen WxH] COMMAND...
#
# WINEPREFIX defaults to build/wine in the repository. When DISPLAY is unset (CI, a
# console) an Xvfb of our own is started; TOVRIN_OWN_XVFB=1 forces one even when a
# display exists, so tests never draw on the developer's screen.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
screen=1280x1024
if [[ ${1:-} == --screen ]]; then screen=$2; shift 2; fi

export WINEPREFIX=${WINEPREFIX:-$repo/build/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# The Wine loader: 32-bit Wine where this machine can run 32-bit code, else the
# 64-bit one (some kernels run no 32-bit code at all); scripts/wine-loader.sh decides.
export TOVRIN_WINE=${TOVRIN_WINE:-$("$repo/scripts/wine-loader.sh")}
# Programs and tests see the Chinese texts through the wide API; keep the ANSI code
# page a Western one so nothing depends on the system locale being Chinese.
export LANG=${TOVRIN_LANG:-en_US.UTF-8}

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} || ${TOVRIN_OWN_XVFB:-0} == 1 ]]; then
  for n in $(seq 91 130); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    break
  done
  [[ -n $xvfb_pid ]] || { echo "with-wine: no free X display" >&2; exit 1; }
  for _ in $(seq 50); do
    [[ -e /tmp/.X11-unix/X${DISPLAY#:} ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "with-wine: Xvfb failed" >&2; exit 1; }
    sleep 0.1
  done
fi

if [[ ! -f $WINEPREFIX/.tovrin-ready ]]; then
  mkdir -p "$WINEPREFIX"
  "$TOVRIN_WINE" wineboot --init >/dev/null 2>&1
  wineserver -w
  # A virtual desktop: without a window manager, showing a hidden window again can
  # block on X. No crash dialog, so a crashing test fails instead of hanging.
  "$TOVRIN_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$TOVRIN_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$screen" /f >/dev/null 2>&1
  "$TOVRIN_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # The dialog fonts have no Chinese glyphs: link them to a CJK font, as a Chinese
  # Windows does, so screenshots show the program's texts.
  for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif'; do
    "$TOVRIN_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$WINEPREFIX/.tovrin-ready"
fi

"$@"
