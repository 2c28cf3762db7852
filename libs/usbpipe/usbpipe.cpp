#include "usbpipe.h"

#include "pipe.h"
#include "usbif/usbif.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

namespace usbpipe {

namespace {

using harwick::platform::kUsbPacketSize;

constexpr int kSuccess = 1;
constexpr int kFailure = 0;
constexpr int kLeftoverAnswer = 42;

// As in the library's first build, every chunk goes through the start of a
// staging buffer as long as the transfer; a short read chunk therefore leaves
// in the caller's buffer what the staging buffer held before.
std::unique_ptr<char[]> stagingBuffer(std::size_t length)
{
    auto staging = std::make_unique_for_overwrite<char[]>(length);
    std::fill_n(staging.get(), std::min(length, kUsbPacketSize), '\0');
    return staging;
}

int readData(char* buffer, std::size_t length)
{
    std::unique_ptr<char[]> staging = stagingBuffer(length);
    const std::unique_ptr<Pipe> pipe = OpenPipe(Direction::kIn);
    if (!pipe) return kFailure;
    for (std::size_t offset = 0; offset < length; offset += kUsbPacketSize) {
        const std::size_t n = std::min(length - offset, kUsbPacketSize);
        if (!pipe->readChunk(staging.get(), n)) return kFailure;
        std::memcpy(buffer + offset, staging.get(), n);
    }
    return kSuccess;
}

int writeData(const char* buffer, std::size_t length)
{
    std::unique_ptr<char[]> staging = stagingBuffer(length);
    const std::unique_ptr<Pipe> pipe = OpenPipe(Direction::kOut);
    if (!pipe) return kFailure;
    for (std::size_t offset = 0; offset < length; offset += kUsbPacketSize) {
        const std::size_t n = std::min(length - offset, kUsbPacketSize);
        std::memcpy(staging.get(), buffer + offset, n);
        if (!pipe->writeChunk(staging.get(), n)) return kFailure;
    }
    return kSuccess;
}

} // namespace

} // namespace usbpipe

extern "C" {

int nUsbpipe = 0;

int fnUsbpipe(void) { return usbpipe::kLeftoverAnswer; }

int Norvik_UsbBulk_SystemInit(void) { return 0; }

// The caller is a C program that knows only 1 and 0: nothing may be thrown
// past here, so a buffer that cannot be had is a failure like any other.
int Norvik_UsbDllBulk_ReadData(char* buffer, int length)
{
    if (buffer == nullptr || length <= 0) return usbpipe::kFailure;
    try {
        return usbpipe::readData(buffer, static_cast<std::size_t>(length));
    } catch (...) {
        return usbpipe::kFailure;
    }
}

int Norvik_UsbDllBulk_WriteData(const char* buffer, int length)
{
    if (buffer == nullptr || length <= 0) return usbpipe::kFailure;
    try {
        return usbpipe::writeData(buffer, static_cast<std::size_t>(length));
    } catch (...) {
        return usbpipe::kFailure;
    }
}

} // extern "C"

CUsbpipe::CUsbpipe() = default;

CUsbpipe& CUsbpipe::operator=(const CUsbpipe&) = default;
