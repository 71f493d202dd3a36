# Writes a C++ source that holds the bytes of files, for a program that
# writes them out again (the example case of `difusao1d --exemplo`).
#   cmake -DOUTPUT=<file.cpp> -DFILES=<a;b;...> -P EmbedFiles.cmake
# The source defines cli::arquivos_de_exemplo(), one entry per file, named
# by the file's name without its folder.
set(text "// Generated from the files of the example case; do not edit.\n\n#include \"cli/cli.h\"\n\nnamespace cli {\n\nnamespace {\n\n")
set(entries "")
set(index 0)
foreach(file IN LISTS FILES)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND text "constexpr char arquivo_${index}[] = {${bytes}'\\0'};\n")
  get_filename_component(name "${file}" NAME)
  string(APPEND entries "        {\"${name}\", {arquivo_${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND text "\n}  // namespace\n\nstd::span<const ArquivoDeExemplo> arquivos_de_exemplo()\n{\n    static const ArquivoDeExemplo arquivos[] = {\n${entries}    };\n    return arquivos;\n}\n\n}  // namespace cli\n")
file(WRITE "${OUTPUT}.new" "${text}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
