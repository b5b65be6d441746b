#!/usr/bin/env bash
# Builds tovrin.exe and starts it under Wine: on the current display, or, without
# one, on an Xvfb of its own, where a screenshot is saved after start-up.
set -euo pipefail
cd "$(dirname "$0")/.."
export TOVRIN_WINE=$(scripts/wine-loader.sh)
preset=$(scripts/wine-loader.sh --preset)
[[ $preset == win32 ]] || echo "run: this machine runs no 32-bit code; starting the $preset build of tovrin.exe"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" --target tovrin
exe=build/$preset/bin/tovrin.exe

if [[ -n ${DISPLAY:-} ]]; then
  exec scripts/with-wine.sh "$TOVRIN_WINE" "$exe"
fi

shot=build/run-screenshot.png
scripts/with-wine.sh bash -c '
  "$TOVRIN_WINE" "$1" & sleep 6
  import -window root "$2"
  echo "run: no display here; tovrin.exe ran on a virtual one, screenshot in $2"
' _ "$exe" "$shot"
