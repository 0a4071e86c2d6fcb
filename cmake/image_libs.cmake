# libpng, zlib and libjpeg for the target, as static imported libraries.
# libpng and libjpeg-turbo are built once by tools/setup_image_libs.sh into a cache
# outside the build tree; zlib is the distribution's mingw package.
if(NOT "$ENV{TRIVANE_DEPS_DIR}" STREQUAL "")
    set(_trivane_deps_default "$ENV{TRIVANE_DEPS_DIR}")
else()
    set(_trivane_deps_default "$ENV{HOME}/.cache/trivane/deps")
endif()
set(TRIVANE_DEPS_DIR "${_trivane_deps_default}" CACHE PATH "Cache root of the image libraries")
set(TRIVANE_IMAGE_LIBS_PREFIX "${TRIVANE_DEPS_DIR}/i686-w64-mingw32")
# The static archive: the import library would make the program need zlib1.dll.
set(TRIVANE_ZLIB_LIBRARY /usr/i686-w64-mingw32/lib/libz.a)

set(_trivane_image_libs_missing "")
foreach(f lib/libpng16.a lib/libjpeg.a include/png.h include/jpeglib.h)
    if(NOT EXISTS "${TRIVANE_IMAGE_LIBS_PREFIX}/${f}")
        list(APPEND _trivane_image_libs_missing "${TRIVANE_IMAGE_LIBS_PREFIX}/${f}")
    endif()
endforeach()
if(NOT EXISTS "${TRIVANE_ZLIB_LIBRARY}")
    list(APPEND _trivane_image_libs_missing "${TRIVANE_ZLIB_LIBRARY}")
endif()
if(_trivane_image_libs_missing)
    message(FATAL_ERROR
        "The image libraries for the target are missing (${_trivane_image_libs_missing}). "
        "Run tools/setup_image_libs.sh (tools/setup.sh runs it) with TRIVANE_DEPS_DIR set "
        "as for this configure.")
endif()

add_library(trivane::zlib STATIC IMPORTED GLOBAL)
set_target_properties(trivane::zlib PROPERTIES IMPORTED_LOCATION "${TRIVANE_ZLIB_LIBRARY}")

add_library(trivane::png STATIC IMPORTED GLOBAL)
set_target_properties(trivane::png PROPERTIES
    IMPORTED_LOCATION "${TRIVANE_IMAGE_LIBS_PREFIX}/lib/libpng16.a"
    INTERFACE_INCLUDE_DIRECTORIES "${TRIVANE_IMAGE_LIBS_PREFIX}/include"
    INTERFACE_LINK_LIBRARIES trivane::zlib)

add_library(trivane::jpeg STATIC IMPORTED GLOBAL)
set_target_properties(trivane::jpeg PROPERTIES
    IMPORTED_LOCATION "${TRIVANE_IMAGE_LIBS_PREFIX}/lib/libjpeg.a"
    INTERFACE_INCLUDE_DIRECTORIES "${TRIVANE_IMAGE_LIBS_PREFIX}/include")
