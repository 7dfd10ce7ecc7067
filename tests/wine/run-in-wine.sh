#!/bin/sh
# CMAKE_CROSSCOMPILING_EMULATOR: runs one Windows executable under Wine in a
# fresh copy of the session's template prefix, then stops that prefix's
# wineserver and removes it. Outside a session it makes one for itself.
set -u
if [ -z "${ZRK_WINE_TEMPLATE:-}" ]; then
    exec "$(dirname "$0")/wine-session.sh" "$0" "$@"
fi
prefix=$(mktemp -d /tmp/zrk-prefix.XXXXXX)
cp -a "$ZRK_WINE_TEMPLATE/." "$prefix/"
WINEPREFIX="$prefix" wine "$@"
rc=$?
WINEPREFIX="$prefix" wineserver -k 2>/dev/null
rm -rf "$prefix"
exit $rc
