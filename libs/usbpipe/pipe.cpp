#include "pipe.h"

#include "fifo_pipe.h"
#include "libusb_pipe.h"
#include "usb_device_list.h"

#include "usbif/usbif.h"

#include <algorithm>

namespace usbpipe {

std::string_view PipeName(Direction direction)
{
    return direction == Direction::kIn ? harwick::platform::kReadPipeName : harwick::platform::kWritePipeName;
}

bool PipePath::assign(std::string_view interfacePath, std::string_view pipeName)
{
    text_.fill('\0');
    // Separator and terminator come on top of the two names.
    if (interfacePath.size() + pipeName.size() + 2 > kCapacity) return false;
    char* end = std::copy(interfacePath.begin(), interfacePath.end(), text_.begin());
    *end++ = '/';
    std::copy(pipeName.begin(), pipeName.end(), end);
    return true;
}

std::unique_ptr<Pipe> OpenPipe(Direction direction)
{
    if (std::unique_ptr<Pipe> pipe = OpenEmulatedPipe(direction)) {
        // An emulated interface comes first, so a real instrument kept from
        // earlier calls is no longer wanted and may serve other programs.
        ForgetLibusbDevice();
        return pipe;
    }
    // Without a list there is nothing to look for, so libusb stays untouched.
    const std::vector<UsbDeviceId> devices = ReadUsbDeviceList(harwick::platform::UsbDevicesListFile());
    if (devices.empty()) {
        ForgetLibusbDevice();
        return nullptr;
    }
    return OpenLibusbPipe(devices, direction);
}

} // namespace usbpipe
