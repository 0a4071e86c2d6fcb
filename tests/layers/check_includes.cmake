# Fails when an include points the wrong way between the folders: the forms core
# (forms/ outside forms/components/) knows no component type, and the runtime
# knows nothing of the layers built on it.
# Run as: cmake -DROOT=<source dir> -P check_includes.cmake
if(NOT ROOT)
    message(FATAL_ERROR "ROOT is not set")
endif()

set(violations "")

# Appends each `#include "<prefix>..."` in `files` whose prefix matches `pattern`.
function(find_includes pattern)
    set(found "")
    foreach(file IN LISTS ARGN)
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"${pattern}")
        foreach(line IN LISTS lines)
            file(RELATIVE_PATH name ${ROOT} ${file})
            string(STRIP "${line}" line)
            list(APPEND found "${name}: ${line}")
        endforeach()
    endforeach()
    set(violations ${violations} ${found} PARENT_SCOPE)
endfunction()

file(GLOB forms_core ${ROOT}/forms/*.h ${ROOT}/forms/*.cpp)
find_includes("forms/components/" ${forms_core})

file(GLOB_RECURSE runtime_files ${ROOT}/runtime/*.h ${ROOT}/runtime/*.cpp)
find_includes("(forms|commands|logic|tuner)/" ${runtime_files})

list(LENGTH forms_core forms_count)
list(LENGTH runtime_files runtime_count)
if(forms_count EQUAL 0 OR runtime_count EQUAL 0)
    message(FATAL_ERROR "no sources found under ${ROOT}: nothing was checked")
endif()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "includes against the layers:\n  ${text}")
endif()
message(STATUS "layers: ${forms_count} forms core and ${runtime_count} runtime files include nothing above them")
