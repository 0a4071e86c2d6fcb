#!/usr/bin/env bash
# Sets up the machine, builds the release Trivane.exe (the one the package ships) and
# starts it under Wine. With no display, it runs on a virtual one and saves a
# screenshot of the window to build/trivane.png.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
source "$root/tools/env.sh"
source "$root/tools/release_build.sh"
build_release
source "$root/tools/wine_session.sh"
source "$root/tools/sample_client.sh"
build="${TRIVANE_BUILD_DIR:-$root/build}"

# No client on this machine: offer a sample one as drive L: (Wine reads drive letters
# when its server starts, so the link comes first).
sample="${TRIVANE_SAMPLE_DRIVE:-$HOME/.cache/trivane/sample-drive}"
make_sample_client "$sample"
if [ "$(readlink "$WINEPREFIX/dosdevices/l:" 2>/dev/null)" != "$sample" ]; then
    wineserver -k 2>/dev/null || true
    ln -sfn "$sample" "$WINEPREFIX/dosdevices/l:"
fi
echo "run: a sample client install is on drive L: (folder $sample)"

headless=""
[ -z "${DISPLAY:-}" ] && headless=1
start_wine_session
trap stop_wine_session EXIT

# A desktop window draws title bars when no window manager runs.
wine explorer /desktop=Trivane,1024x768 "$release_program" &
app=$!
if [ -n "$headless" ]; then
    sleep 5
    mkdir -p "$build"
    import -window root "$build/trivane.png" && echo "run: screenshot saved to $build/trivane.png"
    kill "$app" 2>/dev/null || true
else
    wait "$app" || true
fi
