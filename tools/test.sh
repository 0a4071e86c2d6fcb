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

# The end-to-end tests work on three drive letters: T: for a sample client, U: with
# none, V: with a large tree of folders (made once) that takes a while to walk.
# Wine reads drive letters when its server starts, so map them first.
wineserver -k 2>/dev/null || true
mkdir -p "$build/e2e/drive_t" "$build/e2e/drive_u"
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
# A folder on drive C: that is a symbolic link, which the platform reports as a
# reparse point: the install search must not reach a client through it.
mkdir -p "$build/e2e/linked_folder"
ln -sfn "$build/e2e/linked_folder" "$WINEPREFIX/drive_c/trivane_linked"

TRIVANE_FORCE_XVFB=1 start_wine_session
trap stop_wine_session EXIT

status=0
ctest --test-dir "$build" --output-on-failure -j2 "$@" || status=$?
exit "$status"
