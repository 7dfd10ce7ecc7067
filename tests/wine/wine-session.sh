#!/bin/sh
# Runs a command inside a private Wine session: its own X server (Xvfb) with
# a window manager, a fresh template WINEPREFIX in a temporary folder, the
# zh_CN.UTF-8 locale (ANSI code page 936). run-in-wine.sh copies the template for every test
# executable, so each one starts from a clean registry. Everything is removed
# at the end; the user's own prefix is never touched.
#   wine-session.sh COMMAND [ARG...]
set -u
session=$(mktemp -d /tmp/zrk-wine.XXXXXX)

export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32

# A display number that no other X server holds.
display=${ZRK_DISPLAY:-}
if [ -z "$display" ]; then
    n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    display=":$n"
    Xvfb "$display" -screen 0 ${ZRK_SCREEN:-1280x1024x24} -nolisten tcp >"$session/xvfb.log" 2>&1 &
    xvfb_pid=$!
    i=0
    until [ -e "/tmp/.X11-unix/X${display#:}" ] || [ $i -ge 100 ]; do sleep 0.1; i=$((i + 1)); done
fi
export DISPLAY="$display"

# A window manager, as on a desktop: without one, Wine waits up to two
# seconds for every hidden or destroyed window to be withdrawn.
# ZRK_WM=none keeps the bare X server.
if [ "${ZRK_WM:-twm}" = twm ] && command -v twm >/dev/null 2>&1; then
    printf 'RandomPlacement\nUsePPosition "on"\nNoTitle\n' >"$session/twmrc"
    LC_ALL=C LANG=C twm -display "$display" -f "$session/twmrc" >/dev/null 2>&1 &
    wm_pid=$!
fi

cleanup() {
    WINEPREFIX="$session/template" wineserver -k 2>/dev/null
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$session"
}
trap cleanup EXIT INT TERM

export ZRK_WINE_TEMPLATE="$session/template"
WINEPREFIX="$ZRK_WINE_TEMPLATE" wineboot -i >"$session/wineboot.log" 2>&1
# A program that crashes (a test may make the stand-in client do so) ends
# quietly instead of opening Wine's crash dialog.
WINEPREFIX="$ZRK_WINE_TEMPLATE" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
    /t REG_DWORD /d 0 /f >>"$session/wineboot.log" 2>&1
WINEPREFIX="$ZRK_WINE_TEMPLATE" wineserver -w

"$@"
