#!/usr/bin/env bash
# A Wine prefix of its own whose screen runs at another DPI, for one run of the
# display scale tests at a scale players use (Wine reads LogPixels only when its
# server starts, and restarting the shared one would end every test running beside).
# Usage: scale_prefix.sh start <prefix> <dpi>
#        scale_prefix.sh stop <prefix>
source "$(dirname "$0")/own_prefix.sh"
dpi="$3"

own_prefix_settings "$WINEPREFIX/trivane_scale.reg" <<REG
[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
REG

# A fresh server reads the new DPI.
own_prefix_restart
