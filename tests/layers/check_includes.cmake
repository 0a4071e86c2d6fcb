# Fails when an include points the wrong way between the layers. Each row says which
# of the project's headers a folder's files may include; the three files that
# assemble the program see every layer.
# Run as: cmake -DROOT=<source dir> -P check_includes.cmake
cmake_minimum_required(VERSION 3.16)
if(NOT ROOT)
    message(FATAL_ERROR "ROOT is not set")
endif()

# folder (files directly in it) | what its includes may name (a regular expression)
set(rows
    "runtime|^runtime/"
    "commands|^(commands|runtime)/"
    "forms|^(forms/[^/]+$|runtime/)"
    "forms/components|^(forms|runtime)/"
    "logic|^(logic|runtime)/|^commands/command_table[.]h$"
    "tuner|^(tuner|logic|data)/|^runtime/values[.]h$|^forms/(property_indexes|event_handler)[.]h$")
set(assembling_files tuner/main.cpp tuner/program_info.h tuner/program_info.cpp
    tuner/support_libraries.h tuner/support_libraries.cpp)
# Only includes that name one of the project's folders are ours to check.
set(project_header "^(runtime|commands|forms|logic|tuner|data|tests|bench)/")

set(violations "")
set(summary "")
foreach(row IN LISTS rows)
    string(FIND "${row}" "|" bar)
    string(SUBSTRING "${row}" 0 ${bar} folder)
    math(EXPR after "${bar} + 1")
    string(SUBSTRING "${row}" ${after} -1 allowed)
    file(GLOB files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    list(LENGTH files count)
    if(count EQUAL 0)
        message(FATAL_ERROR "no sources found in ${ROOT}/${folder}: nothing was checked")
    endif()
    list(APPEND summary "${count} in ${folder}/")
    foreach(file IN LISTS files)
        file(RELATIVE_PATH name ${ROOT} ${file})
        if(name IN_LIST assembling_files)
            continue()
        endif()
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
            if(header MATCHES "${project_header}" AND NOT header MATCHES "${allowed}")
                list(APPEND violations "${name}: ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "includes against the layers:\n  ${text}")
endif()
list(JOIN summary ", " text)
message(STATUS "layers: every include points down (${text} files)")
