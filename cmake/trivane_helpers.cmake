# GoogleTest built for the target from the distribution's sources.
function(trivane_add_googletest)
    if(TARGET gtest)
        return()
    endif()
    set(gtest_src /usr/src/googletest)
    if(NOT EXISTS ${gtest_src}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${gtest_src}: run tools/setup.sh")
    endif()
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${gtest_src} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Their sources are not ours: build them quietly and in the plain charset.
    foreach(t gtest gtest_main)
        target_compile_options(${t} PRIVATE -w -finput-charset=UTF-8 -fexec-charset=UTF-8)
    endforeach()
endfunction()

# One of our static libraries: its users include our headers from the project root
# and link what it links.
function(trivane_add_library name)
    cmake_parse_arguments(L "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${L_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()

# One test executable = one ctest entry (each Wine process start costs time).
function(trivane_add_test name)
    cmake_parse_arguments(T "GUI;FOCUS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} trivane_test_support)
    target_sources(${name} PRIVATE ${TRIVANE_TEST_PROGRAM_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    if(NOT T_GUI)
        target_link_options(${name} PRIVATE -mconsole)
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    # Tests that move the focus, press keys or move the pointer have the display to
    # themselves: two at once take the focus from each other's windows.
    if(T_FOCUS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
    endif()
endfunction()
