#!/usr/bin/env bash
# Installs the built project under a temporary prefix and builds tests/consumer against it
# three ways: find_package from the prefix, find_package from the build folder, and
# pkg-config; each program runs and its PDF must pass qpdf. Also checks the library's SONAME
# and the installed kalder tool.
#   scripts/package_test.sh BUILD-DIR
set -euo pipefail
build=$(realpath "${1:?usage: scripts/package_test.sh BUILD-DIR}")
src=$(realpath "$(dirname "$0")/../tests/consumer")
work=$(mktemp -d /tmp/kalder-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
# The consumers are compiled like the library: a sanitized build's run-time comes with its
# own compiler.
cxx=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")

cmake --install "$build" --prefix "$prefix" >/dev/null
lib=$(find "$prefix" -name 'libkalder.so.*.*' | head -1)
readelf -d "$lib" | grep -q 'SONAME.*\[libkalder\.so\.0\]' || { echo "no SONAME libkalder.so.0 in $lib"; exit 1; }
for f in include/kalder/Preview.h bin/kalder lib/cmake/kalder/kalderConfig.cmake \
         lib/cmake/kalder/kalderConfigVersion.cmake lib/cmake/kalder/kalderTargets.cmake lib/pkgconfig/kalder.pc; do
  [ -e "$prefix/$f" ] || [ -e "$prefix/${f/lib\//lib/x86_64-linux-gnu/}" ] || { echo "not installed: $f"; exit 1; }
done
usage=$("$prefix/bin/kalder" 2>&1 || true)  # finds its library through its RUNPATH
[[ $usage == usage:* ]] || { echo "installed kalder tool does not run: $usage"; exit 1; }

run() {  # NAME PROGRAM: runs a consumer and checks its PDF
  [ "$(cd "$work" && "$2" "$work/$1")" = "1 page" ] || { echo "$1: the consumer failed"; exit 1; }
  qpdf --check "$work/$1.pdf" >/dev/null || { echo "$1: qpdf rejects the PDF"; exit 1; }
  echo "$1: ok"
}
for how in prefix build; do
  where=$prefix; [ $how = build ] && where=$build
  cmake -S "$src" -B "$work/$how" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$where" -Dkalder_DIR="$([ $how = build ] && echo "$build")" \
    >/dev/null
  cmake --build "$work/$how" >/dev/null
  run "cmake-$how" "$work/$how/consumer"
done
pcdir=$(dirname "$(find "$prefix" -name kalder.pc)")
"$cxx" -std=c++20 "$src/main.cpp" -o "$work/pkgconfig" $(PKG_CONFIG_PATH=$pcdir pkg-config --cflags --libs kalder)
LD_LIBRARY_PATH=$(dirname "$lib") run pkg-config "$work/pkgconfig"
