// Inside usbpipe: real instruments reached through libusb.
#pragma once

#include "pipe.h"
#include "usb_device_list.h"

#include <memory>
#include <vector>

namespace usbpipe {

// The pipe for direction of the instrument the library keeps open, when its
// id is still in ids; otherwise the kept one is let go and the attached
// devices whose id is in ids are looked through, in libusb's order, for the
// first one that opens and has an interface with exactly one bulk IN and one
// bulk OUT endpoint. That one's interface is claimed and kept, with its own
// libusb context, for the calls that follow: the cable program calls once
// per 64-byte packet, and starting libusb, listing the devices and taking
// the interface from a kernel driver each time would cost more than the
// packet. A transfer that fails for any reason but a time-out lets the
// device go, so the next call looks again. Null when there is none or libusb
// cannot be started; nothing is then kept.
std::unique_ptr<Pipe> OpenLibusbPipe(const std::vector<UsbDeviceId>& ids, Direction direction);

// Lets the kept instrument go: its interface is released (and given back to
// its kernel driver), the device closed and the context ended once no
// transfer uses them any more. Does nothing when none is kept.
void ForgetLibusbDevice();

} // namespace usbpipe
