#!/usr/bin/env bash
# Installs, as root on Debian 12, everything the builds and tests need.
# Idempotent: packages already present are skipped and apt is not touched at all
# when nothing is missing. Both Wines are installed: the 32-bit one runs the 32-bit
# program where the kernel executes 32-bit code, the 64-bit one runs a 64-bit build of
# the same sources where it does not (scripts/wine-loader.sh picks).
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  rm -f /var/lib/apt/lists/*_Packages* 2>/dev/null || true   # force a fresh update below
fi

for p in cmake make g++ googletest clang libclang-rt-14-dev \
         g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 \
         g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
         wine wine32:i386 wine64 xvfb x11-utils imagemagick fonts-wqy-microhei; do
  have "$p" || need+=("$p")
done

if ((${#need[@]})); then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
