#!/usr/bin/env bash
# Gives the drive box tests the drive letters they list, in a Wine prefix of their
# own (the mount manager reads drive letters only when the wineserver starts, and
# restarting the shared one would end every test running beside them):
#   T: a hard disk labelled TRIVANE   U: a hard disk without a label
#   V: a CD-ROM drive                 W: a network drive
#   X: a removable drive              and no RAM disk
# Usage: map_test_drives.sh start <prefix> <folder for the drives>
#        map_test_drives.sh stop <prefix>
source "$(dirname "$0")/own_prefix.sh"
drives="$3"

for letter in t u v w x; do
    mkdir -p "$drives/$letter"
    ln -sfn "$drives/$letter" "$WINEPREFIX/dosdevices/$letter:"
done
rm -f "$WINEPREFIX/dosdevices/y:"
# Wine reads a folder drive's volume label from this file.
printf 'TRIVANE' > "$drives/t/.windows-label"
rm -f "$drives/u/.windows-label"

# The kind of a folder drive comes from the registry; unnamed ones are hard disks.
own_prefix_settings "$drives/settings.reg" <<'REG'
[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"t:"=-
"u:"=-
"v:"="cdrom"
"w:"="network"
"x:"="floppy"
"y:"=-
REG

# The mount manager of a fresh server sees the letters.
own_prefix_restart
