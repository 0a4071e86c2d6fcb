#!/usr/bin/env bash
# Gives the drive box tests the drive letters they list, in a Wine prefix of their
# own (the mount manager reads drive letters only when the wineserver starts, and
# restarting the shared one would end every test running beside them):
#   T: a hard disk labelled TRIVANE   U: a hard disk without a label
#   V: a CD-ROM drive                 W: a network drive
#   X: a removable drive              and no RAM disk
# Usage: map_test_drives.sh start <prefix> <folder for the drives>
#        map_test_drives.sh stop <prefix>
set -euo pipefail
action="$1"
export WINEPREFIX="$2"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ "$action" = stop ]; then
    wineserver -k 2>/dev/null || true
    exit 0
fi
drives="$3"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "map_test_drives: no Wine prefix in $WINEPREFIX" >&2; exit 1; }

for letter in t u v w x; do
    mkdir -p "$drives/$letter"
    ln -sfn "$drives/$letter" "$WINEPREFIX/dosdevices/$letter:"
done
rm -f "$WINEPREFIX/dosdevices/y:"
# Wine reads a folder drive's volume label from this file.
printf 'TRIVANE' > "$drives/t/.windows-label"
rm -f "$drives/u/.windows-label"

# The kind of a folder drive comes from the registry; unnamed ones are hard disks.
kinds="$drives/kinds.reg"
cat > "$kinds" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"t:"=-
"u:"=-
"v:"="cdrom"
"w:"="network"
"x:"="floppy"
"y:"=-
REG
wine regedit /S "$(winepath -w "$kinds")" >/dev/null 2>&1

# A fresh server, whose mount manager sees the letters; it goes by itself a while
# after the last test process, if the stop step does not come.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
wineserver -p30
