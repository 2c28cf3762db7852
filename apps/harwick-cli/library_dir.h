// Where the command line finds the libraries the programs load at run time:
// beside itself in the build tree, in the programs' private folder once
// installed (the command line sits in the binary folder, they do not).
#pragma once

#include <filesystem>

namespace harwick::cli {

// The folder holding fileName: the program's own folder when it is there,
// else the installed private folder; empty when the program's own path is
// unknown.
std::filesystem::path libraryDir(const char* fileName);

} // namespace harwick::cli
