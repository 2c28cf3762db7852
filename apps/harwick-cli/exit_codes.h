// What `harwick` tells the shell, the same for every command.
#pragma once

namespace harwick::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

} // namespace harwick::cli
