// The USB pipe library, loaded at run time and bound by its entry points'
// names, so that the program starts (and says so) without it.
#pragma once

#include "usbpipe.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace cablemate {

using UsbReadFn = usbpipe::ReadDataFunction;
using UsbWriteFn = usbpipe::WriteDataFunction;
inline constexpr std::string_view kReadDataEntry = usbpipe::kReadDataSymbol;
inline constexpr std::string_view kWriteDataEntry = usbpipe::kWriteDataSymbol;

// A missing entry point stays null and is never called.
struct UsbPipe {
    UsbReadFn read = nullptr;
    UsbWriteFn write = nullptr;
};

class UsbLibrary {
public:
    enum class Status { Loaded, LoadFailed, MissingEntry };

    // From programDir first, then the system's library search path.
    static UsbLibrary Load(const std::filesystem::path& programDir);

    Status status() const { return status_; }
    const UsbPipe& pipe() const { return pipe_; }
    // The first entry point that could not be found (MissingEntry).
    const std::string& missingEntry() const { return missingEntry_; }
    // The loader's reason (LoadFailed).
    const std::string& error() const { return error_; }

private:
    struct Closer {
        void operator()(void* handle) const;
    };
    std::unique_ptr<void, Closer> handle_;
    Status status_ = Status::LoadFailed;
    UsbPipe pipe_;
    std::string missingEntry_;
    std::string error_;
};

} // namespace cablemate
