#!/bin/sh
# Builds the launcher and starts it under Wine in a demo game folder inside
# the build tree, beside stand-ins of the game client (zrk.exe, zrkr.exe) and
# the texture editor (raz.exe). Installs what is missing first (Debian 12, as
# root). Uses the current X display when there is one, otherwise a private
# Xvfb (then take a look with scripts/screenshot.sh instead). The demo has a
# Wine prefix of its own in the build tree; the user's ~/.wine is not used.
#   scripts/run-demo.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRK_BUILD_DIR:-$root/build}
sh "$root/scripts/build-win.sh" "$build" zrklauncher zrk_standins

demo="$build/demo"
mkdir -p "$demo/game"
cp "$build/win/app/zrklauncher.exe" "$build/win/tools/client/zrk.exe" \
   "$build/win/tools/client/zrkr.exe" "$build/win/tools/editor/raz.exe" "$demo/game/"

export WINEPREFIX="$demo/prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d" WINEARCH=win32
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:89
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT INT TERM
    sleep 1
    echo "No display: the launcher runs on the virtual display $DISPLAY."
fi

echo "Demo game folder: $demo/game"
cd "$demo/game"
wine zrklauncher.exe
wineserver -w
