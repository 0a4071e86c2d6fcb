# Moves a linked program's debug information into <program>.debug beside it and
# leaves the program stripped, with a link (file name and checksum) that debuggers
# follow to the debug file.
#
#   cmake -DOBJCOPY=<objcopy> -DOBJDUMP=<objdump> -DPROGRAM=<program> -P split_debug.cmake
foreach(input OBJCOPY OBJDUMP PROGRAM)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "split_debug: ${input} is not given")
    endif()
endforeach()

# A program split before has no debug information left: splitting it again would
# replace the only debug file with an empty one.
execute_process(COMMAND ${OBJDUMP} -h ${PROGRAM} OUTPUT_VARIABLE sections COMMAND_ERROR_IS_FATAL ANY)
if(sections MATCHES "\\.gnu_debuglink")
    message(FATAL_ERROR "split_debug: ${PROGRAM} is stripped already")
endif()
if(NOT sections MATCHES "\\.debug_info")
    message(FATAL_ERROR "split_debug: ${PROGRAM} carries no debug information (compile with -g)")
endif()

execute_process(COMMAND ${OBJCOPY} --only-keep-debug ${PROGRAM} ${PROGRAM}.debug COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OBJCOPY} --strip-all --add-gnu-debuglink=${PROGRAM}.debug ${PROGRAM}
                COMMAND_ERROR_IS_FATAL ANY)
