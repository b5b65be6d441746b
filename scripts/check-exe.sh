#!/usr/bin/env bash
# Checks that the program file is what a user can copy onto any Windows: a 32-bit GUI
# executable that needs no DLL beyond those every Windows has.
set -euo pipefail
exe=$1
headers=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "check-exe: $exe: $*" >&2; exit 1; }
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit Windows executable"
grep -Eq 'Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI program"
system='^(kernel32|user32|gdi32|comctl32|shell32|msvcrt|advapi32|ole32)\.dll$'
while read -r dll; do
  grep -Eiq "$system" <<<"$dll" || fail "needs $dll"
done < <(grep 'DLL Name:' <<<"$headers" | awk '{print $3}')
echo "check-exe: $exe: 32-bit GUI, system DLLs only, $(stat -c %s "$exe") bytes"
