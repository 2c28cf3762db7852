#include "library_dir.h"

namespace harwick::cli {

std::filesystem::path libraryDir(const char* fileName)
{
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const std::filesystem::path own = self.parent_path();
    if (std::filesystem::exists(own / fileName, ec)) return own;
    return (own / HARWICK_BIN_TO_PROGRAMS).lexically_normal();
}

} // namespace harwick::cli
