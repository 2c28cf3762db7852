# Writes the compiled catalogues into a C++ source as byte arrays.
# Run as: cmake -DENGLISH=en.qm -DCHINESE=zh.qm -DOUTPUT=catalogues.cpp -P embed_catalogues.cmake
function(bytes_of file out)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" hex "${hex}")
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

bytes_of(${ENGLISH} english)
bytes_of(${CHINESE} chinese)
file(WRITE ${OUTPUT}.new "// Written by the build from translations/*.ts; do not edit.
#include \"catalogues.h\"

namespace harwick {
namespace {
const unsigned char kEnglish[] = {
${english}};
const unsigned char kChinese[] = {
${chinese}};
} // namespace

CatalogueData EnglishCatalogue() { return {kEnglish, sizeof kEnglish}; }
CatalogueData ChineseCatalogue() { return {kChinese, sizeof kChinese}; }

} // namespace harwick
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
