# Writes a C++ source that holds files' bytes, for a library to carry files
# made outside the C++ build (the globe page's template and script). Run as
#   cmake -DOUTPUT=out.cpp -DHEADER=dir/name.h -DNAMES="a;b" -DFILES="x;y"
#         -P embed_bytes.cmake
# Each NAME becomes `std::string_view NAME()` in geoweave::detail, returning
# the bytes of the FILE at its position. The bytes go in as an array of
# numbers rather than a string literal, so no delimiter can clash with the
# content and no compiler's literal length limit applies.
cmake_minimum_required(VERSION 3.25)

list(LENGTH NAMES name_count)
list(LENGTH FILES file_count)
if(NOT name_count EQUAL file_count OR name_count EQUAL 0)
  message(FATAL_ERROR "embed_bytes.cmake: NAMES and FILES must pair up")
endif()

set(body "")
math(EXPR last "${name_count} - 1")
foreach(i RANGE ${last})
  list(GET NAMES ${i} name)
  list(GET FILES ${i} file)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  # Forty bytes a line; a trailing 0 keeps an empty file's array legal.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x..," 40 line)
  string(REGEX REPLACE "(${line})" "\\1\n" bytes "${bytes}")
  string(APPEND body "\nnamespace {\nconst unsigned char k${name}[] = {\n${bytes}0};\n}  // namespace\n"
         "\nstd::string_view ${name}() {\n"
         "  return std::string_view(reinterpret_cast<const char*>(k${name}), ${size});\n}\n")
endforeach()

string(REPLACE ";" ", " sources "${FILES}")
string(CONCAT text "// Made by cmake/embed_bytes.cmake at build time from ${sources}.\n"
       "#include \"${HEADER}\"\n\nnamespace geoweave::detail {\n${body}\n}  // namespace geoweave::detail\n")
# Rewritten only when it changes, so an unchanged input costs no recompile.
set(old "")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUTPUT}" "${text}")
endif()
