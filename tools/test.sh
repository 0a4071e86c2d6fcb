#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test under Wine on a virtual display.
# Exits non-zero when anything fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
source "$root/tools/env.sh"
bash "$root/tools/build.sh"
source "$root/tools/wine_session.sh"
build="${TRIVANE_BUILD_DIR:-$root/build}"

# The end-to-end tests work on these drive letters: T: for a sample client, U: with
# none, V: with a large tree of folders (made once) that takes a while to walk, W: a
# tiny file system (below), X: for the clients of the code page tests.
# Wine reads drive letters when its server starts, so map them first.
wineserver -k 2>/dev/null || true
mkdir -p "$build/e2e/drive_t" "$build/e2e/drive_u" "$build/e2e/drive_x"
large="$build/e2e/drive_v"
if [ ! -f "$large/.complete" ]; then
    rm -rf "$large"
    mkdir -p "$large"
    (cd "$large" && for a in $(seq 40); do for b in $(seq 25); do for c in $(seq 20); do
        echo "d$a/e$b/f$c"; done; done; done | xargs mkdir -p)
    touch "$large/.complete"
fi
ln -sfn "$build/e2e/drive_t" "$WINEPREFIX/dosdevices/t:"
ln -sfn "$build/e2e/drive_u" "$WINEPREFIX/dosdevices/u:"
ln -sfn "$large" "$WINEPREFIX/dosdevices/v:"
ln -sfn "$build/e2e/drive_x" "$WINEPREFIX/dosdevices/x:"
# A folder on drive C: that is a symbolic link, which the platform reports as a
# reparse point: the install search must not reach a client through it.
mkdir -p "$build/e2e/linked_folder"
ln -sfn "$build/e2e/linked_folder" "$WINEPREFIX/drive_c/trivane_linked"
# A folder holding a link named Trivane, which the change record tests rename into the
# place of a record's folder (the platform cannot make or move a link itself).
rm -rf "$WINEPREFIX/drive_c/trivane_record_swap"
mkdir -p "$build/e2e/record_bait" "$WINEPREFIX/drive_c/trivane_record_swap/linked"
ln -sfn "$build/e2e/record_bait" "$WINEPREFIX/drive_c/trivane_record_swap/linked/Trivane"
# A tree on drive C: with two linked folders in it, one leading out of the tree (to the
# folder above) and one back up to the tree's top: the install search follows neither.
walk_tree="$WINEPREFIX/drive_c/trivane_walk"
mkdir -p "$walk_tree/inner"
ln -sfn "$build/e2e/linked_folder" "$walk_tree/outside"
ln -sfn "$walk_tree" "$walk_tree/inner/up"

# Drive W: a small ext2 file system with 1 KiB blocks and no reserved blocks, from an
# image mounted through a loop device, which a test fills until a rewrite no longer fits
# (tmpfs hands out whole 4 KiB pages, so there a small file's rewrite never runs short).
# Where a loop mount is not permitted the drive stays unmapped and that test skips. The
# mount is undone on every way out of this script, after the Wine session has ended.
small="$build/e2e/drive_w"
small_image="$build/e2e/drive_w.img"
small_mounted=""
unmount_small_drive() {
    rm -f "$WINEPREFIX/dosdevices/w:"
    if [ -n "$small_mounted" ]; then
        umount "$small" 2>/dev/null || umount -l "$small" 2>/dev/null || true
        small_mounted=""
    fi
    rm -f "$small_image"
}
finish() {
    stop_wine_session
    unmount_small_drive
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
export PATH="$PATH:/usr/sbin:/sbin"
rm -f "$WINEPREFIX/dosdevices/w:"
mkdir -p "$small"
if mountpoint -q "$small"; then umount "$small" 2>/dev/null || umount -l "$small" 2>/dev/null || true; fi
rm -f "$small_image"
if truncate -s 256K "$small_image" && mkfs.ext2 -q -F -b 1024 -m 0 -N 64 "$small_image" >/dev/null 2>&1 &&
    mount -o loop "$small_image" "$small" 2>/dev/null; then
    small_mounted=1
    ln -sfn "$small" "$WINEPREFIX/dosdevices/w:"
else
    echo "test: drive W: is not mapped: this machine does not permit a loop mount of a file system image," \
        "so the nearly-full disk test skips"
fi

TRIVANE_FORCE_XVFB=1 start_wine_session

status=0
ctest --test-dir "$build" --output-on-failure -j2 "$@" || status=$?
exit "$status"
