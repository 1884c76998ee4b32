# Turns the master table of language texts into a C++ source that holds it
# as one raw string: cmake -DIN=<tsv> -DOUT=<cpp> -P embed_texts.cmake
file(READ "${IN}" QEB_TSV)
string(FIND "${QEB_TSV}" ")QEBTSV\"" QEB_CLASH)
if(NOT QEB_CLASH EQUAL -1)
  message(FATAL_ERROR "${IN} contains the raw-string delimiter")
endif()
file(WRITE "${OUT}.tmp" "// Generated from shell/sprachtexte.tsv at build time; edit the table, not this file.\n#include \"shell/Sprachen.h\"\nnamespace qeb {\nconst char* const kSprachtexteTsv = R\"QEBTSV(${QEB_TSV})QEBTSV\";\n}  // namespace qeb\n")
file(RENAME "${OUT}.tmp" "${OUT}")
