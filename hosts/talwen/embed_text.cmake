# Writes a C++ source that defines the text of INPUT as the NUL-terminated
# array gjbz108a::talwen::NAME. Run as: cmake -DINPUT=... -DOUTPUT=... -DNAME=... -P
file(READ "${INPUT}" bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "// Generated from ${INPUT}; do not edit.\n"
  "namespace gjbz108a::talwen {\n"
  "extern const char ${NAME}[] = {\n    ${bytes}0x00};\n"
  "}\n")
