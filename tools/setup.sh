#!/usr/bin/env bash
# Brings a fresh Debian machine to the state the build, the tests and the run need:
# the i386 architecture, Wine with its 32-bit half, the mingw-w64 i686 toolchain, CMake,
# Xvfb, the zh_CN.UTF-8 locale, a CJK font, the ext2 tools for the nearly-full test drive
# and an initialised Wine prefix whose ANSI code page is 936. Every step checks first, so a
# second run on a ready machine takes seconds.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tools/env.sh
source "$here/env.sh"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

packages=(
    wine wine32:i386 wine64
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
    libz-mingw-w64-dev
    cmake make ninja-build
    xvfb xauth x11-utils imagemagick
    locales fonts-wqy-microhei fonts-wine
    googletest dpkg-dev python3
    e2fsprogs
)

missing_packages() {
    local p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    as_root apt-get update -q
fi

mapfile -t need < <(missing_packages)
if [ "${#need[@]}" -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    as_root apt-get update -q
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends "${need[@]}"
fi

# Wine reads its ANSI code page from the locale: zh_CN.UTF-8 gives code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen
fi

# A 32-bit prefix of our own, made once.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "setup: creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "setup: the Wine prefix was not created" >&2; exit 1; }

# Every program of the prefix runs in one virtual desktop: windows get title bars
# without a window manager, and Wine does not wait on an absent manager for each
# top-level window it shows or destroys (seconds each on a bare X server).
if ! grep -q '^"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    timeout 30 wineserver -w || true  # the registry is written when the server ends
fi

# Caption buttons draw their glyphs with the Marlett font. Debian's Wine looks for the
# fonts of fonts-wine under a path it cannot resolve (its data folder + "\../fonts"),
# so without a copy in the prefix's own Fonts folder the buttons show "0 1 r".
marlett=/usr/share/wine/fonts/marlett.ttf
marlett_copy="$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
if ! cmp -s "$marlett" "$marlett_copy" ||
   ! grep -q '^"Marlett (TrueType)"="marlett.ttf"' "$WINEPREFIX/system.reg"; then
    mkdir -p "$(dirname "$marlett_copy")"
    cp "$marlett" "$marlett_copy"
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
        /v 'Marlett (TrueType)' /d marlett.ttf /f >/dev/null 2>&1
    timeout 30 wineserver -w || true
fi

bash "$here/setup_image_libs.sh"
echo "setup: ready"
