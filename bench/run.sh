#!/bin/sh
# Builds the launcher, the stand-in client and the benchmark (the Windows
# cross build) and runs the benchmark once in a private Wine session.
#   bench/run.sh [TRIALS]      medians of TRIALS trials (default 15)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRK_BUILD_DIR:-$root/build}/win
sh "$root/scripts/build-win.sh" "$(dirname "$build")" zrk_bench >/dev/null

# Unix paths as Wine sees them, on drive Z:.
wine_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# The session runs a window manager (twm), as on a desktop;
# ZRK_BENCH_WM=none measures the bare X server.
echo "Window manager: ${ZRK_BENCH_WM:-twm}"
ZRK_WM="${ZRK_BENCH_WM:-twm}" "$root/tests/wine/wine-session.sh" \
    "$root/tests/wine/run-in-wine.sh" "$build/bench/zrkbench.exe" \
    "$(wine_path "$build/app/zrklauncher.exe")" "$(wine_path "$build/tools/client/zrk.exe")" \
    "$(wine_path "$build/bench/minimal_window.exe")" "${1:-15}" 2>/dev/null
