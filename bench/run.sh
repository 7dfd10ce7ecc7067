#!/bin/sh
# Builds the launcher, the stand-in client and the benchmark (the Windows
# cross build) and runs the benchmark once in a private Wine session.
#   bench/run.sh [TRIALS]      medians of TRIALS trials (default 15)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRK_BUILD_DIR:-$root/build}/win
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$jobs" --target zrk_bench >/dev/null

# A window manager, as on a desktop: without one, Wine waits up to two
# seconds for a hidden or destroyed window to be withdrawn (twm is installed
# when missing; ZRK_BENCH_WM=none measures the bare X server).
wm=${ZRK_BENCH_WM:-twm}
if [ "$wm" = twm ] && ! command -v twm >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends twm >/dev/null
fi

# Unix paths as Wine sees them, on drive Z:.
wine_path() { printf 'Z:%s' "$1" | tr / '\\'; }

rc="$build/bench/twmrc"
printf 'RandomPlacement\nUsePPosition "on"\nNoTitle\n' >"$rc"
echo "Window manager: $wm"
ZRK_BENCH_TWMRC="$rc" "$root/tests/wine/wine-session.sh" sh -c '
    if [ "$0" = twm ]; then LC_ALL=C LANG=C twm -f "$ZRK_BENCH_TWMRC" >/dev/null 2>&1 & sleep 1; fi
    "$@"
    status=$?
    [ "$0" = twm ] && kill $! 2>/dev/null
    exit $status' "$wm" "$root/tests/wine/run-in-wine.sh" "$build/bench/zrkbench.exe" \
    "$(wine_path "$build/app/zrklauncher.exe")" "$(wine_path "$build/tools/client/zrk.exe")" \
    "$(wine_path "$build/bench/minimal_window.exe")" "${1:-15}" 2>/dev/null
