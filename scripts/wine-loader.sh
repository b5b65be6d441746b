#!/usr/bin/env bash
# Prints the Wine loader to run Windows programs with: the 32-bit one where this
# machine executes 32-bit code, otherwise the 64-bit one. Also tells the Makefile
# which build the Win32 tests run (win32 or win64) with --preset.
set -u
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  loader=/usr/lib/wine/wine preset=win32
else
  loader=/usr/lib/wine/wine64 preset=win64
fi
if [[ ${1:-} == --preset ]]; then echo "$preset"; else echo "$loader"; fi
