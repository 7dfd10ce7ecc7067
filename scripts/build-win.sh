#!/bin/sh
# The Windows build that every script shares: installs what is missing
# (Debian 12, as root), configures the Release cross build in BUILD/win and
# builds the given targets (all when none is given).
#   scripts/build-win.sh BUILD [TARGET...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
sh "$root/scripts/setup.sh"
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=""
for t in "$@"; do targets="$targets --target $t"; done
# shellcheck disable=SC2086
cmake --build "$build/win" -j "$(nproc 2>/dev/null || echo 2)" $targets
