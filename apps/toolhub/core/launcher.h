// Starting a program that lies beside the launcher. The launcher starts it
// and forgets it: no arguments, the launcher's own current directory as the
// program's, and nobody waits for it or watches it.
#pragma once

#include <filesystem>
#include <string_view>

namespace toolhub {

class Launcher {
public:
    // ownDirectory: where the launcher's executable lies (the programs are
    // looked for there, wherever the launcher was started from).
    explicit Launcher(std::filesystem::path ownDirectory);

    const std::filesystem::path& Directory() const { return directory_; }

    // The file that starting `program` runs.
    std::filesystem::path PathOf(std::string_view program) const;

    // Starts the program detached and returns whether it started. A missing
    // or unrunnable file only gives false; nothing is shown.
    bool Start(std::string_view program) const;

private:
    std::filesystem::path directory_;
};

} // namespace toolhub
