#!/usr/bin/env bash
# Builds the fuzz targets in fuzz/ with clang (libFuzzer, ASan, UBSan) into build/fuzz
# and runs each one for the given number of seconds. Each run starts from the corpus
# it grew last time (build/fuzz/corpus-NAME) plus the committed seeds in
# fuzz/seeds/NAME, and adds what it finds to the former only.
# Exits non-zero if any target finds a fault; the input that shows it is kept as
# build/fuzz/artifacts-NAME/crash-... and replays with: build/fuzz/NAME_fuzz FILE
#
# These are built apart from CMake: the main builds convert string literals to GBK,
# which clang cannot do, and the routines fuzzed here contain no literal that needs it.
set -euo pipefail

seconds=${1:?usage: scripts/fuzz.sh SECONDS}
cd "$(dirname "$0")/.."
out=build/fuzz
flags=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -Wall -Wextra -Wpedantic -Wshadow -Werror -I.)
failed=()

# fuzz NAME SOURCE...: fuzz/NAME_fuzz.cpp linked with the sources it exercises.
fuzz() {
  local name=$1; shift
  local binary=$out/${name}_fuzz corpus=$out/corpus-$name artifacts=$out/artifacts-$name log=$out/$name.log
  mkdir -p "$corpus" "$artifacts"
  clang++ "${flags[@]}" "fuzz/${name}_fuzz.cpp" "$@" -o "$binary"
  if "$binary" -max_total_time="$seconds" -artifact_prefix="$artifacts/" \
       "$corpus" "fuzz/seeds/$name" >"$log" 2>&1; then
    echo "fuzz: $name: $(tail -n 1 "$log")"
  else
    tail -n 30 "$log"
    echo "fuzz: $name FOUND A FAULT; full log in $log, input in $artifacts/"
    failed+=("$name")
  fi
}

fuzz text_to_int platform/text.cpp
fuzz title_search core/title_search.cpp

((${#failed[@]} == 0))
