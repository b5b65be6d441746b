#!/usr/bin/env bash
# The README's picture of the main window: tovrin.exe under Wine on a virtual display,
# cropped to the window, which the program centres on the 1280 x 1024 desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/main-window.png}
mkdir -p "$(dirname "$out")"
export TOVRIN_WINE=$(scripts/wine-loader.sh)
preset=$(scripts/wine-loader.sh --preset)
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" --target tovrin >/dev/null
TOVRIN_OWN_XVFB=1 scripts/with-wine.sh --screen 1280x1024 bash -c '
  "$TOVRIN_WINE" "$1" & sleep 6
  import -window root -crop 561x341+359+341 +repage "$2"
' _ "build/$preset/bin/tovrin.exe" "$out"
echo "screenshot: $out"
