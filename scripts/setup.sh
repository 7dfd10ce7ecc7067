#!/bin/sh
# Installs what building, running and testing the launcher needs on Debian 12.
# Idempotent: does nothing when everything is already there. Run as root.
set -eu

PACKAGES="g++-mingw-w64-i686 wine wine32:i386 xvfb xauth x11-utils xdotool twm
fonts-wqy-microhei locales imagemagick cmake make googletest clang
libclang-rt-14-dev zip"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
        || missing="$missing $p"
done

if [ -n "$missing" ]; then
    # wine32 is an i386 package: the architecture comes before the lists.
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
exit 0
