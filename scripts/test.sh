#!/bin/sh
# Builds everything and runs every test: the native build of the Windows-free
# code under AddressSanitizer and UBSan, then the Windows build under Wine.
# Installs what is missing first (Debian 12, as root).
#   scripts/test.sh            build into ./build and test
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRK_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

sh "$root/scripts/setup.sh"

cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build/native" -j "$jobs"
(cd "$build/native" && ctest --output-on-failure -j "$jobs")

# The fuzz targets over their committed seeds plus a few seconds of new
# inputs each: the parsers' properties are checked on every run.
ZRK_BUILD_DIR="$build" sh "$root/scripts/fuzz.sh" --regress

sh "$root/scripts/build-win.sh" "$build"
# One Wine session for the whole run; every test executable gets its own
# fresh copy of its prefix.
cd "$build/win" && "$root/tests/wine/wine-session.sh" ctest --output-on-failure -j "$jobs"
