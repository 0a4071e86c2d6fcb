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

# Wine's server and services outlive the commands that start them: they must not
# hold on to the output of whoever runs this script, or it never sees the end.
quiet() { "$@" </dev/null >/dev/null 2>&1; }

if [ "$action" = stop ]; then
    quiet wineserver -k || true
    exit 0
fi
drives="$3"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    quiet wineboot -i || true
    quiet wineserver -w || true
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
# Like every test prefix, this one shows its windows in one virtual desktop, so
# that Wine does not wait for an absent window manager.
settings="$drives/settings.reg"
cat > "$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"t:"=-
"u:"=-
"v:"="cdrom"
"w:"="network"
"x:"="floppy"
"y:"=-
REG
# Z: is the root of the Unix file system in every prefix.
quiet wine regedit /S "Z:${settings//\//\\}"

# A fresh server, whose mount manager sees the letters; it goes by itself a while
# after the last test process, if the stop step does not come.
quiet wineserver -k || true
quiet wineserver -w || true
quiet wineserver -p30
# Its services and desktop start here, not with the test, whose output they would
# otherwise keep open until the server goes.
quiet wineboot || true
