#!/usr/bin/env bash
# Sets up the machine, builds the release Trivane.exe in build-release/ and writes
# dist/Trivane-<version>.zip: the program and the players' read-me. The program's
# debug information stays beside the build (build-release/tuner/Trivane.exe.debug)
# and is not shipped.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
source "$root/tools/release_build.sh"
build_release

version="$(sed -n 's/^#define TRIVANE_VERSION_TEXT "\(.*\)"$/\1/p' "$root/data/version.h")"
[ -n "$version" ] || { echo "package: no version in data/version.h" >&2; exit 1; }
package="$root/dist/Trivane-$version.zip"
python3 "$root/tools/make_package.py" --program "$release_program" \
    --readme "$root/package/README.txt" --output "$package"
echo "package: $package ($(stat -c %s "$package") bytes); debug information in $release_program.debug"
