// Inside usbpipe: owners of libusb's handles and the interface shape the
// library looks for, shared by the transfers and the survey.
#pragma once

#include <libusb.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

namespace usbpipe {

struct ContextExit {
    void operator()(libusb_context* context) const { libusb_exit(context); }
};
struct HandleClose {
    void operator()(libusb_device_handle* handle) const { libusb_close(handle); }
};
using Context = std::unique_ptr<libusb_context, ContextExit>;
using Handle = std::unique_ptr<libusb_device_handle, HandleClose>;

// A started libusb context, or null with the libusb result that refused it.
Context StartLibusb(int& result);

// The device list, with one reference on each device, dropped with the list;
// an opened handle holds a reference of its own.
class DeviceList {
public:
    explicit DeviceList(libusb_context* context) : count_(libusb_get_device_list(context, &devices_)) {}
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;
    ~DeviceList()
    {
        if (devices_ != nullptr) libusb_free_device_list(devices_, 1);
    }

    // Negative: the libusb error that kept the list from being made.
    ssize_t count() const { return count_; }
    libusb_device* const* begin() const { return devices_; }
    libusb_device* const* end() const { return devices_ + (count_ > 0 ? count_ : 0); }

private:
    libusb_device** devices_ = nullptr;
    ssize_t count_;
};

struct BulkInterface {
    int number = 0;
    unsigned char inEndpoint = 0;
    unsigned char outEndpoint = 0;
};

// The first interface (its first alternate setting) of the active
// configuration with exactly one bulk endpoint each way.
std::optional<BulkInterface> FindBulkInterface(libusb_device* device);

// usb:<bus>-<port>.<port>…:<interface>, which names the interface as long as
// it stays plugged into the same socket.
std::string InterfacePath(libusb_device* device, int interfaceNumber);

} // namespace usbpipe
