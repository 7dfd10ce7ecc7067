#!/bin/sh
# Builds the launcher (the Release cross build of scripts/test.sh) and makes
# the release package build/zrklauncher-<version>.zip. Its files sit at the
# top of the zip, so it unpacks straight into a game folder:
#   zrklauncher.exe     the launcher
#   PLAYER-README.txt   the player's guide (docs/PLAYER-README.txt, with
#                       Windows line ends and a byte order mark for Notepad)
#   SHA256SUMS          checksums of the two files above
# The version is the CMake project version. Installs what is missing first
# (Debian 12, as root).
#   scripts/package.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRK_BUILD_DIR:-$root/build}

sh "$root/scripts/build-win.sh" "$build" zrklauncher

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/win/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build/win/CMakeCache.txt" >&2; exit 1; }
name="zrklauncher-$version"
stage="$build/package/$name"
zip="$build/$name.zip"

rm -rf "$stage" "$zip"
mkdir -p "$stage"
cp "$build/win/app/zrklauncher.exe" "$stage/"
{ printf '\357\273\277'; sed 's/$/\r/' "$root/docs/PLAYER-README.txt"; } >"$stage/PLAYER-README.txt"
(cd "$stage" && sha256sum zrklauncher.exe PLAYER-README.txt >SHA256SUMS)
# Same date on every file (the last commit's, when there is one), and no
# Unix extra fields: the zip depends only on what it holds.
stamp=$(git -C "$root" log -1 --format=%cd --date=format:%Y%m%d%H%M.%S 2>/dev/null || true)
[ -z "$stamp" ] || touch -t "$stamp" "$stage"/*
(cd "$stage" && zip -q -X -D "$zip" zrklauncher.exe PLAYER-README.txt SHA256SUMS)

echo "$zip"
zip -sf "$zip"
(cd "$stage" && sha256sum -c SHA256SUMS)
