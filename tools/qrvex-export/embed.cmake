# Writes the bytes of INPUT into OUTPUT as a C++ array (the built-in sample).
file(READ ${INPUT} _hex HEX)
string(LENGTH "${_hex}" _length)
math(EXPR _size "${_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" _bytes "${_bytes}")
file(WRITE ${OUTPUT}
  "// Generated from the sample document at build time.\n"
  "#include <cstddef>\n"
  "extern const unsigned char kSampleDocument[] = {\n${_bytes}\n0};\n"
  "extern const std::size_t kSampleDocumentSize = ${_size};\n")
