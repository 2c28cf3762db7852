// Inside usbpipe: one opened pipe of the instrument, whichever way it is
// reached, and how a transfer finds it.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

namespace usbpipe {

enum class Direction {
    kIn,  // PIPE00, instrument to PC
    kOut, // PIPE01, PC to instrument
};

std::string_view PipeName(Direction direction);

// An open pipe, closed with its owner. Each call moves one chunk of
// 1..kUsbPacketSize bytes and reports whether it succeeded; a pipe opened for
// one direction fails every call of the other.
class Pipe {
public:
    virtual ~Pipe() = default;
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    // True when at least one byte arrived within kReadWait; fewer than n
    // bytes leave the rest of data as it was.
    virtual bool readChunk(char* data, std::size_t n) = 0;
    // True when all n bytes were taken.
    virtual bool writeChunk(const char* data, std::size_t n) = 0;

protected:
    Pipe() = default;
};

// The device path buffer of the library's first build: an interface path
// with "/" and a pipe name appended, 256 characters with the terminator.
class PipePath {
public:
    static constexpr std::size_t kCapacity = 256;

    // False, holding nothing, when the whole path would not fit.
    bool assign(std::string_view interfacePath, std::string_view pipeName);
    const char* c_str() const { return text_.data(); }

private:
    std::array<char, kCapacity> text_ {};
};

// Looks for the instrument in the order usbpipe.h gives (emulated interfaces
// first, then the listed USB device kept from earlier calls or found anew)
// and opens its pipe for direction; null when there is none or the pipe does
// not open.
std::unique_ptr<Pipe> OpenPipe(Direction direction);

} // namespace usbpipe
