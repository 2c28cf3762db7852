// The IDEX 1.31 code-list text the instrument takes, made from a VERSION 1.20
// code list (.crf) before an upload.
#pragma once

#include "text/text.h"

#include <string>
#include <vector>

namespace harwick::idex {

// Appends the IDEX lines (no line ends) to output and returns true when input
// holds "VERSION 1.20"; otherwise appends nothing and returns false, and the
// caller sends the file as it is. now is the stamp of the DATE line.
bool ConvertCodeList(const std::vector<std::string>& input, std::vector<std::string>& output,
                     const text::LocalDateTime& now);

} // namespace harwick::idex
