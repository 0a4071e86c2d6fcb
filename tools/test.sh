#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test under Wine on a virtual display.
# Exits non-zero when anything fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
source "$root/tools/env.sh"
bash "$root/tools/build.sh"
source "$root/tools/wine_session.sh"

TRIVANE_FORCE_XVFB=1 start_wine_session
trap stop_wine_session EXIT

status=0
ctest --test-dir "${TRIVANE_BUILD_DIR:-$root/build}" --output-on-failure -j2 "$@" || status=$?
exit "$status"
