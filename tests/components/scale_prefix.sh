#!/usr/bin/env bash
# A Wine prefix of its own whose screen runs at another DPI, for one run of the
# display scale tests at a scale players use (Wine reads LogPixels only when its
# server starts, and restarting the shared one would end every test running beside).
# Usage: scale_prefix.sh start <prefix> <dpi>
#        scale_prefix.sh stop <prefix>
set -euo pipefail
action="$1"
export WINEPREFIX="$2"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Wine's server and services outlive the commands that start them: they must not
# hold on to the output of whoever runs this script.
quiet() { "$@" </dev/null >/dev/null 2>&1; }

if [ "$action" = stop ]; then
    quiet wineserver -k || true
    exit 0
fi
dpi="$3"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    quiet wineboot -i || true
    quiet wineserver -w || true
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "scale_prefix: no Wine prefix in $WINEPREFIX" >&2; exit 1; }

# One virtual desktop, so that Wine does not wait for an absent window manager.
settings="$WINEPREFIX/trivane_scale.reg"
cat > "$settings" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="1280x1024"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
REG
quiet wine regedit /S "Z:${settings//\//\\}"

# A fresh server reads the new DPI; it goes by itself a while after the last test
# process, if the stop step does not come.
quiet wineserver -k || true
quiet wineserver -w || true
quiet wineserver -p30
quiet wineboot || true
