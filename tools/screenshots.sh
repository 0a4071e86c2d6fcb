#!/usr/bin/env bash
# Takes the README's screenshots of Trivane's window on a virtual display: at 100%
# (96 DPI) and at 150% (144 DPI), into docs/trivane-100.png and docs/trivane-150.png.
# Uses the built program ($TRIVANE_BUILD_DIR/tuner/Trivane.exe) and the Wine prefix of
# tools/env.sh, whose screen DPI it sets for each shot and gives back at the end.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/env.sh"
source "$root/tools/wine_session.sh"
build="${TRIVANE_BUILD_DIR:-$root/build}"
program="${1:-$build/tuner/Trivane.exe}"
mkdir -p "$root/docs"

# Wine reads the DPI when its server starts.
set_dpi() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

shoot() {
    local dpi="$1" out="$2"
    set_dpi "$dpi"
    TRIVANE_FORCE_XVFB=1 start_wine_session
    wine explorer /desktop=Trivane,1024x768 "$program" >/dev/null 2>&1 &
    local app=$!
    sleep 6
    # The window alone: the desktop around it is one colour.
    import -window root -crop 1024x768+0+0 "$out.full.png"
    convert "$out.full.png" -trim +repage "$out"
    rm -f "$out.full.png"
    kill "$app" 2>/dev/null || true
    stop_wine_session
    echo "screenshots: $out at $dpi DPI"
}

shoot 96 "$root/docs/trivane-100.png"
shoot 144 "$root/docs/trivane-150.png"
set_dpi 96
