// What the instrument took over its cable: every completed upload, in order,
// kept in memory for the tests and, when a state directory is given, also
// written there so that a person (or a script) can look at it.
//
// Layout under the state directory:
//
//   cable/usb-uploads/<n>      the n-th upload taken over USB
//   cable/serial-uploads/<n>   the n-th upload taken over the serial cable
//
// Each file holds the upload's bytes exactly as Uploads() returns them (a
// line upload: the text before its EOT; a block upload: the whole stream
// with its end block). <n> counts from 1 and goes on after the highest
// number already there, so a second run adds to what the first stored.
#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::sim {

inline constexpr std::string_view kUsbUploadsDir = "cable/usb-uploads";
inline constexpr std::string_view kSerialUploadsDir = "cable/serial-uploads";

class UploadLog {
public:
    // dir empty: uploads are kept in memory only.
    explicit UploadLog(std::filesystem::path dir);

    // Keeps the upload; false when it could not be written to the directory
    // (it is kept in memory all the same). Safe from any thread.
    bool Add(std::string bytes);

    std::vector<std::string> All() const;
    std::size_t Count() const;

private:
    bool Store(const std::string& bytes);

    const std::filesystem::path dir_;
    mutable std::mutex mutex_;  // guards uploads_ and the directory's numbering
    std::vector<std::string> uploads_;
};

} // namespace harwick::sim
