#!/usr/bin/env bash
# Builds static libpng and libjpeg-turbo for i686-w64-mingw32 from the distribution's
# source packages (it ships no mingw builds of them) and installs them into a prefix kept
# outside any build tree, so a fresh build folder or a second run costs nothing.
# zlib comes from libz-mingw-w64-dev, which tools/setup.sh installs.
#
#   TRIVANE_DEPS_DIR   cache root (default ~/.cache/trivane/deps); the libraries land in
#                      $TRIVANE_DEPS_DIR/i686-w64-mingw32/{include,lib}
set -euo pipefail

deps="${TRIVANE_DEPS_DIR:-$HOME/.cache/trivane/deps}"
prefix="$deps/i686-w64-mingw32"
sources="$deps/sources"
stamp="$prefix/.trivane-image-libs"
# Bump when the recipe below changes, so cached prefixes are rebuilt.
recipe="1"

host=i686-w64-mingw32
cc="$host-gcc-posix"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$recipe" ] &&
   [ -f "$prefix/lib/libpng16.a" ] && [ -f "$prefix/lib/libjpeg.a" ]; then
    echo "image libs: ready in $prefix"
    exit 0
fi

started=$SECONDS
jobs="$(nproc)"

# Tools the two builds need beyond what tools/setup.sh installs.
need=()
for p in dpkg-dev make cmake libz-mingw-w64-dev gcc-mingw-w64-i686-posix xz-utils; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || need+=("$p")
done
if [ "${#need[@]}" -gt 0 ]; then
    as_root apt-get update -q
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends "${need[@]}"
fi

# Source entries: the machine's own deb entries, with the source type, in a file of ours.
src_list=/etc/apt/sources.list.d/trivane-deb-src.sources
have_src() {
    grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/
}
if ! have_src; then
    tmp="$(mktemp)"
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        [ "$f" = "$src_list" ] && continue
        # Keep only stanzas whose types include deb, and make them source stanzas.
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*deb([ \t\n]|$)/ {
                 sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print
             }' "$f" >>"$tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list >"$tmp.list"
        [ -s "$tmp.list" ] && as_root install -m 0644 "$tmp.list" /etc/apt/sources.list.d/trivane-deb-src.list
        rm -f "$tmp.list"
    fi
    [ -s "$tmp" ] && as_root install -m 0644 "$tmp" "$src_list"
    rm -f "$tmp"
    have_src || { echo "image libs: no apt source entry to derive deb-src entries from" >&2; exit 1; }
    as_root apt-get update -q
fi

# The source packages, downloaded once into the cache.
mkdir -p "$sources"
# The newest source version is tried first; a mirror may not carry it (security
# uploads are sometimes missing), so older versions the index lists are tried next.
fetch() {
    local package="$1" version
    if ! ls "$sources/${package}"_*.dsc >/dev/null 2>&1; then
        for version in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -rV | uniq); do
            if (cd "$sources" && apt-get source -q --download-only "$package=$version" >"$sources/fetch.log" 2>&1); then
                break
            fi
            # A partial download must not leave a .dsc that looks complete.
            rm -f "$sources/${package}_${version#*:}".dsc
        done
    fi
    ls "$sources/${package}"_*.dsc >/dev/null 2>&1 ||
        { cat "$sources/fetch.log" >&2; echo "image libs: could not download the $package sources" >&2; exit 1; }
    ls "$sources/${package}"_*.dsc | sort -V | tail -n1
}
png_dsc="$(fetch libpng1.6)"
jpeg_dsc="$(fetch libjpeg-turbo)"

work="$(mktemp -d "$deps/build.XXXXXX")"
trap 'rm -rf "$work"' EXIT
rm -rf "$prefix"
mkdir -p "$prefix"

# Unpacked with the distribution's patches applied.
dpkg-source --no-check -x "$png_dsc" "$work/libpng" >/dev/null
dpkg-source --no-check -x "$jpeg_dsc" "$work/libjpeg-turbo" >/dev/null

echo "image libs: building libpng"
(
    cd "$work/libpng"
    # The tarball's generated files are current; keep make from re-running autotools
    # because unpacking gave the patched inputs newer times.
    touch aclocal.m4 configure Makefile.in config.h.in
    ./configure --host="$host" CC="$cc" --prefix="$prefix" --disable-shared --enable-static \
        CFLAGS="-O2 -w" >"$work/png-configure.log" 2>&1 ||
        { tail -n 30 "$work/png-configure.log"; exit 1; }
    # Only the library: the test and tool programs are of no use here.
    make -j"$jobs" libpng16.la >"$work/png-make.log" 2>&1 || { tail -n 30 "$work/png-make.log"; exit 1; }
    mkdir -p "$prefix/lib" "$prefix/include"
    cp .libs/libpng16.a "$prefix/lib/libpng16.a"
    cp png.h pngconf.h pnglibconf.h "$prefix/include/"
)

echo "image libs: building libjpeg-turbo"
cmake -S "$work/libjpeg-turbo" -B "$work/jpeg-build" \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=i686 \
    -DCMAKE_C_COMPILER="$cc" -DCMAKE_RC_COMPILER="$host-windres" \
    -DCMAKE_FIND_ROOT_PATH="/usr/$host" \
    -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY \
    -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS="-w" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_INSTALL_INCLUDEDIR=include \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
    >"$work/jpeg-configure.log" 2>&1 || { tail -n 30 "$work/jpeg-configure.log"; exit 1; }
cmake --build "$work/jpeg-build" --target jpeg-static -j"$jobs" >"$work/jpeg-make.log" 2>&1 ||
    { tail -n 30 "$work/jpeg-make.log"; exit 1; }
# Install by hand: the project's install rules also want the tools we did not build.
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/jpeg-build/libjpeg.a" "$prefix/lib/libjpeg.a"
cp "$work/jpeg-build/jconfig.h" "$work/libjpeg-turbo/jerror.h" "$work/libjpeg-turbo/jmorecfg.h" \
    "$work/libjpeg-turbo/jpeglib.h" "$prefix/include/"

for f in lib/libpng16.a include/png.h include/pngconf.h include/pnglibconf.h lib/libjpeg.a include/jpeglib.h; do
    [ -f "$prefix/$f" ] || { echo "image libs: $prefix/$f is missing after the build" >&2; exit 1; }
done
echo "$recipe" >"$stamp"
echo "image libs: built in $((SECONDS - started)) s into $prefix"
