// Where the suite meets USB instruments on Linux, shared by the usbpipe
// library (the PC side) and the instrument simulator (the instrument side).
//
// An emulated USB interface is a directory under EmulatedUsbDirectory()
// holding two FIFOs: kReadPipeName carries data from the instrument to the
// PC, kWritePipeName from the PC to the instrument. The instrument side keeps
// both open for reading and writing for its whole life and moves whole
// packets of kUsbPacketSize bytes, which a FIFO delivers in one piece.
//
// Real instruments are reached through libusb when their vendor:product id
// is listed in UsbDevicesListFile().
#pragma once

#include <cstddef>
#include <string>

namespace harwick::platform {

// Instrument to PC.
inline constexpr char kReadPipeName[] = "PIPE00";
// PC to instrument.
inline constexpr char kWritePipeName[] = "PIPE01";
// The most one bulk transfer moves.
inline constexpr std::size_t kUsbPacketSize = 64;

// $XDG_RUNTIME_DIR/harwick/usb, or /tmp/harwick-<uid>/usb when that variable
// is unset, empty or not an absolute path; whether or not it exists.
std::string EmulatedUsbDirectory();

// $XDG_CONFIG_HOME/harwick/usb-devices, or ~/.config/harwick/usb-devices when
// that variable is unset, empty or not an absolute path. One id a line, in
// hexadecimal as vvvv:pppp; "#" starts a comment.
std::string UsbDevicesListFile();
// The list in a given suite configuration folder.
std::string UsbDevicesListFileIn(const std::string& suiteConfigDirectory);

} // namespace harwick::platform
