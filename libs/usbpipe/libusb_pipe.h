// Inside usbpipe: real instruments reached through libusb.
#pragma once

#include "pipe.h"
#include "usb_device_list.h"

#include <memory>
#include <vector>

namespace usbpipe {

// Looks through the attached devices whose id is in ids, in libusb's order,
// for the first one that opens and has an interface with exactly one bulk IN
// and one bulk OUT endpoint, claims that interface and returns its pipe for
// direction. Null when there is none or libusb cannot be started. The pipe
// owns its own libusb context: the interface is released, the device closed
// and the context ended when it goes.
std::unique_ptr<Pipe> OpenLibusbPipe(const std::vector<UsbDeviceId>& ids, Direction direction);

} // namespace usbpipe
