#!/usr/bin/env bash
# The benchmark: the tool's search, log cleanup, start-up and responsiveness against
# their baselines on a synthetic drive, under Wine. Prints a table of medians and
# ratios; exits non-zero when a target is missed.
#
#   bash bench/run.sh            the full benchmark: sets up and builds first, makes
#                                the drive once (150,000 files) and keeps it in
#                                ~/.cache/trivane/bench-drive
#   bash bench/run.sh --small    a tiny tree, every method once, no targets: checks
#                                that the methods still agree (run by the tests)
#   bash bench/run.sh --only cleanup            (or cleanup-respond)
#                                the full tree, the log cleanup (or the round trips
#                                during one) alone
#
# It times the tool as shipped, without debug information: a stripped copy of the
# build's Trivane.exe, or the executable named by TRIVANE_BENCH_TOOL_EXE.
#
# It uses a Wine prefix of its own (~/.cache/trivane/wine-bench, or below the build
# folder for --small), since it maps drive letters and restarts that prefix's server.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
size=full
only=()
[ "${1:-}" = --small ] && size=small
[ "${1:-}" = --only ] && only=(--only "${2:?which row}")
build="${TRIVANE_BUILD_DIR:-$root/build}"

if [ "$size" = full ]; then
    export TRIVANE_WINEPREFIX="${TRIVANE_BENCH_WINEPREFIX:-$HOME/.cache/trivane/wine-bench}"
    cache="${TRIVANE_BENCH_CACHE:-$HOME/.cache/trivane/bench-drive}"
    folders=15000 files=150000
else
    export TRIVANE_WINEPREFIX="$build/bench/wine-prefix"
    cache="$build/bench/small-drive"
    folders=200 files=2000
fi
# The test command has set the machine up and built everything already.
if [ "$size" = full ]; then
    bash "$root/tools/setup.sh"
    bash "$root/tools/build.sh"
else
    bash "$root/tools/setup.sh" >/dev/null
fi
source "$root/tools/env.sh"
source "$root/tools/wine_session.sh"
# The tree maker and the driver are Python; a bare machine may lack it.
if ! command -v python3 >/dev/null; then
    echo "bench: installing python3"
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y -q python3; else sudo apt-get install -y -q python3; fi
fi

# The trees are made once per size and generator; a stamp says which.
make_tree() {  # folder, folders, files
    local stamp
    stamp="$(sha1sum "$root/bench/make_drive.py" | cut -c1-12) $2 $3"
    if [ "$(cat "$1.stamp" 2>/dev/null)" != "$stamp" ]; then
        rm -f "$1.stamp"
        python3 "$root/bench/make_drive.py" "$1" --directories "$2" --files "$3"
        echo "$stamp" > "$1.stamp"
    fi
    # Clients left behind by an interrupted run.
    find "$1" -depth -type d -name LeagueClient -exec rm -rf {} +
    rm -rf "$1/WeGameApps"
}
mkdir -p "$cache"
make_tree "$cache/full" "$folders" "$files"
make_tree "$cache/tenth" $((folders / 10)) $((files / 10))
scratch="$cache/scratch"
rm -rf "$scratch"
mkdir -p "$scratch"

# Wine's mount manager reads drive letters when its server starts.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
ln -sfn "$cache/full" "$WINEPREFIX/dosdevices/w:"
ln -sfn "$cache/tenth" "$WINEPREFIX/dosdevices/x:"
ln -sfn "$scratch" "$WINEPREFIX/dosdevices/v:"

TRIVANE_FORCE_XVFB=1 start_wine_session
cleanup() {
    stop_wine_session
    rm -rf "$scratch"
}
trap cleanup EXIT
# Wine's services start with the first program: detached from our output.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

# What users run carries no debug information. Under Wine it matters: an image whose
# sections are not page-aligned in the file is read into memory whole, DWARF included
# (ten of the debug build's twelve megabytes).
tool_exe="${TRIVANE_BENCH_TOOL_EXE:-}"
if [ -z "$tool_exe" ]; then
    tool_exe="$build/bench/shipped/Trivane.exe"
    mkdir -p "$(dirname "$tool_exe")"
    i686-w64-mingw32-objcopy --strip-debug "$build/tuner/Trivane.exe" "$tool_exe"
fi

summary="$(find "$cache/full" -mindepth 1 -type d | wc -l) folders, $(find "$cache/full" -type f | wc -l) files"
python3 "$root/bench/bench.py" --size "$size" \
    --bench-exe "$build/bench/trivane_bench.exe" \
    --trivane-exe "$tool_exe" \
    --minimal-exe "$build/bench/minimal_window.exe" \
    --tree "$cache/full" --tenth "$cache/tenth" --scratch "$scratch" \
    --tree-summary "$summary (mapped as W:), a tenth of it as X:" "${only[@]}"
