# Sourced by the package and run scripts: configures (once) and builds the release
# Trivane.exe in build-release/. Its link step moves the debug information into
# Trivane.exe.debug beside the program. Needs $root, the repository folder.
release_build_dir="${TRIVANE_RELEASE_BUILD_DIR:-$root/build-release}"
release_program="$release_build_dir/tuner/Trivane.exe"

build_release() {
    if [ ! -f "$release_build_dir/build.ninja" ]; then
        cmake -S "$root" -B "$release_build_dir" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
            -DCMAKE_BUILD_TYPE=Release -DTRIVANE_TESTS=OFF >/dev/null
    fi
    cmake --build "$release_build_dir" --target Trivane -- -j"$(nproc)"
}
