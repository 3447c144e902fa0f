# Writes a C++ source that holds the bytes of a file of the program's data
# as an array, so that the program carries the file in itself.
#   cmake -DINPUT=<file> -DOUTPUT=<source> -DNAME=<array name> -P EmbedResource.cmake
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," array "${bytes}")
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){16})" "\\1\n    " array "${array}")
file(WRITE "${OUTPUT}.new"
     "// Made at build time from ${INPUT}.\n"
     "#include <cstddef>\n"
     "extern const char ${NAME}[] = {\n    ${array}'\\0'};\n"
     "extern const std::size_t ${NAME}Size = ${size};\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
