// usbpipe: byte-level access to the instrument over USB for the cable
// transfer program, which loads libusbpipe.so at run time and binds
// Norvik_UsbDllBulk_ReadData and Norvik_UsbDllBulk_WriteData by name.
//
// Every read and every write looks for the instrument, moves the bytes in
// chunks of at most 64 bytes and reports 1 for success or 0 for any failure
// (no instrument, a pipe that does not open, a length that is not positive,
// a buffer that cannot be had, a transfer that fails). No error code and no
// byte count comes back; the caller decides what to tell the user.
//
// Where the instrument is looked for, in this order (the first usable one
// wins):
//  1. emulated interfaces: the subdirectories of
//     harwick::platform::EmulatedUsbDirectory() in name order, each usable
//     when it opens, holds the FIFOs PIPE00 (instrument to PC) and PIPE01
//     (PC to instrument), and PIPE01 has a reader. A folder whose PIPE01
//     nobody reads is stale, left by a simulator that ended, and is passed
//     over without waiting (a non-blocking open of PIPE01 for writing fails
//     with ENXIO); a live simulator holds both FIFOs open for its whole life.
//     An emulated interface's FIFO is opened and closed by each call;
//  2. real devices through libusb whose vendor:product id is listed in
//     harwick::platform::UsbDevicesListFile(): the first interface with
//     exactly one bulk IN endpoint (PIPE00) and one bulk OUT endpoint
//     (PIPE01) on a device that opens. The device found is kept open with
//     that interface claimed for the calls that follow, since the cable
//     program calls once per 64-byte packet and starting libusb, listing the
//     devices and taking the interface from its kernel driver would cost more
//     than the packet. It is let go (released, given back to its kernel
//     driver, closed) when a transfer on it fails other than by a time-out,
//     when its id leaves the list, when an emulated interface or no list at
//     all takes its place, and when the library is unloaded; the next call
//     then looks anew.
// An interface whose path, with "/" and the pipe name appended, would not fit
// 256 characters (terminator included) is passed over.
//
// Waiting: a read with no data returns 0 after about 100 ms (kReadWait for
// each chunk) rather than blocking for ever; a write that finds no room waits
// up to 2 s (kWriteWait for each chunk), then fails.
//
// A read chunk counts as done once at least one byte came within the wait.
// After a short chunk the rest of that chunk in the caller's buffer is what
// the library's staging buffer held: zeros in the first chunk, the matching
// bytes of the previous chunk after it. A transfer that fails part-way keeps
// what it already did: earlier chunks stay in the caller's buffer, or have
// been sent.
//
// Calls may overlap from several threads; each uses only its own state,
// except a kept USB device, whose two endpoints they share.
#pragma once

#include <chrono>

extern "C" {

// Does nothing; always 0. Nothing needs calling before the first transfer.
[[gnu::visibility("default")]] int Norvik_UsbBulk_SystemInit(void);

// Reads length bytes from the instrument into buffer, chunk k at buffer + 64k.
// 1 when every chunk came, 0 otherwise (length <= 0 or a null buffer: 0 and
// nothing read).
[[gnu::visibility("default")]] int Norvik_UsbDllBulk_ReadData(char* buffer, int length);

// Writes length bytes of buffer to the instrument. 1 when every chunk was
// taken, 0 otherwise (length <= 0 or a null buffer: 0 and nothing written).
[[gnu::visibility("default")]] int Norvik_UsbDllBulk_WriteData(const char* buffer, int length);

// Kept from the library's first build; nothing uses them. nUsbpipe is 0 and
// fnUsbpipe returns 42.
[[gnu::visibility("default")]] extern int nUsbpipe;
[[gnu::visibility("default")]] int fnUsbpipe(void);

} // extern "C"

// Kept from the library's first build; no data and no behaviour.
class [[gnu::visibility("default")]] CUsbpipe {
public:
    CUsbpipe();
    CUsbpipe(const CUsbpipe&) = default;
    CUsbpipe& operator=(const CUsbpipe&);
};

namespace usbpipe {

// The library's file name, for dlopen from the program's own directory.
inline constexpr char kLibraryFileName[] = "libusbpipe.so";
// Export names and the types to bind them to.
inline constexpr char kReadDataSymbol[] = "Norvik_UsbDllBulk_ReadData";
inline constexpr char kWriteDataSymbol[] = "Norvik_UsbDllBulk_WriteData";
using ReadDataFunction = int (*)(char* buffer, int length);
using WriteDataFunction = int (*)(const char* buffer, int length);

// How long one read chunk waits for its first byte (and for the rest of it).
inline constexpr std::chrono::milliseconds kReadWait{100};
// How long one write chunk waits for room in the pipe.
inline constexpr std::chrono::milliseconds kWriteWait{2000};

} // namespace usbpipe
