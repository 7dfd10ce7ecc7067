#!/bin/sh
# Screenshots of the launcher's three windows, taken under Wine on a private
# virtual display at a chosen screen dpi: the main window, the settings panel
# (opened with "选项") and the font settings dialog (opened with "选择字体").
# Each window is cut out of a picture of the whole screen.
#   scripts/screenshot.sh [DPI]
# DPI defaults to 96, giving docs/screenshots/main-window.png,
# settings-panel.png and font-dialog.png; another dpi adds "-<DPI>dpi" to the
# names (main-window-144dpi.png). Builds the launcher first (Debian 12, as
# root, like scripts/test.sh).
# Environment: ZRK_SCREENSHOT_DIR (output folder), ZRK_LAUNCHER (photograph
# this zrklauncher.exe, run in its own folder, instead of building one),
# ZRK_BUILD_DIR, ZRK_SCREEN (virtual screen, default 1600x1200x24).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

# Inside the Wine session: the work on the running display.
if [ "${1:-}" = "--in-session" ]; then
    dpi=$2 launcher=$3 out=$4 suffix=$5

    # Device pixels for a 96-dpi layout coordinate, rounded like MulDiv.
    scale() { echo $((($1 * dpi + 48) / 96)); }

    # The X window of a Wine window, once it is mapped: "ID WxH+X+Y".
    wait_window() {
        i=0
        while [ $i -lt 150 ]; do
            id=$(xwininfo -root -tree | grep -a "\"$1\": (" | awk '{print $1}' | head -n 1)
            if [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable; then
                geometry=$(xwininfo -id "$id" | awk '/-geometry/ {print $2}')
                x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
                y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ {print $4}')
                echo "$id ${geometry%%[+-]*}+$x+$y"
                return 0
            fi
            sleep 0.2
            i=$((i + 1))
        done
        echo "window \"$1\" did not appear" >&2
        return 1
    }

    # Clicks the centre of a layout rectangle of a window at "WxH+X+Y".
    click_centre() {
        at=${1#*+}
        wx=${at%+*} wy=${at#*+}
        xdotool mousemove $((wx + $(scale $(($2 + $4 / 2))))) $((wy + $(scale $(($3 + $5 / 2))))) click 1
    }

    # Cuts one window out of the screen, with the mouse out of the way so no
    # button shows its hover frame.
    shoot() {
        xdotool mousemove 0 0
        sleep 1
        import -window root "$WINEPREFIX/screen.png"
        convert "$WINEPREFIX/screen.png" -crop "$2" +repage "$out/$1$suffix.png"
        echo "$out/$1$suffix.png ($2)"
    }

    export WINEPREFIX
    WINEPREFIX=$(mktemp -d /tmp/zrk-prefix.XXXXXX)
    cp -a "$ZRK_WINE_TEMPLATE/." "$WINEPREFIX/"
    trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
    # Wine takes the screen dpi from here when a program starts.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

    cd "$(dirname "$launcher")"
    wine "$(basename "$launcher")" >/dev/null 2>&1 &
    main=$(wait_window "Zarkenfall 在线") || exit 1
    main=${main#* }
    shoot main-window "$main"
    click_centre "$main" 22 196 180 22          # 选项
    panel=$(wait_window "设置面板") || exit 1
    panel=${panel#* }
    shoot settings-panel "$panel"
    click_centre "$panel" 190 368 133 22        # 选择字体
    dialog=$(wait_window "字体设置") || exit 1
    shoot font-dialog "${dialog#* }"
    exit 0
fi

dpi=${1:-96}
case $dpi in
    ''|*[!0-9]*) echo "usage: $0 [DPI]" >&2; exit 2 ;;
esac
suffix=""
[ "$dpi" = 96 ] || suffix="-${dpi}dpi"
out=${ZRK_SCREENSHOT_DIR:-$root/docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

if [ -n "${ZRK_LAUNCHER:-}" ]; then
    launcher=$(cd "$(dirname "$ZRK_LAUNCHER")" && pwd)/$(basename "$ZRK_LAUNCHER")
else
    build=${ZRK_BUILD_DIR:-$root/build}
    sh "$root/scripts/build-win.sh" "$build" zrklauncher
    # A game folder of its own, so the launcher finds no server list there.
    game="$build/screenshot-game"
    rm -rf "$game"
    mkdir -p "$game"
    cp "$build/win/app/zrklauncher.exe" "$game/"
    launcher="$game/zrklauncher.exe"
fi

ZRK_SCREEN=${ZRK_SCREEN:-1600x1200x24} \
    "$root/tests/wine/wine-session.sh" sh "$0" --in-session "$dpi" "$launcher" "$out" "$suffix"
