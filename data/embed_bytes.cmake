# Turns a binary file into a C++ source defining two accessors for its bytes.
# cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=symbol -DHEADER=include -P embed_bytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR length "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line keeps the generated file readable in a debugger.
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.
#include \"${HEADER}\"

namespace {
const unsigned char kBytes[${length} + 1] = {
    ${bytes}
};
}  // namespace

const unsigned char* ${NAME}() { return kBytes; }
unsigned ${NAME}_length() { return ${length}; }
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
