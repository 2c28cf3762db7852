#include "libusb_pipe.h"

#include "usbif/usbif.h"
#include "usbpipe.h"

#include <libusb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <optional>
#include <string>

namespace usbpipe {

namespace {

using harwick::platform::kUsbPacketSize;

// The most hubs between a device and its root port that USB allows.
constexpr int kMaxPortDepth = 7;
constexpr char kPathScheme[] = "usb:";
constexpr char kBusSeparator = '-';
constexpr char kPortSeparator = '.';
constexpr char kInterfaceSeparator = ':';

struct ContextExit {
    void operator()(libusb_context* context) const { libusb_exit(context); }
};
struct HandleClose {
    void operator()(libusb_device_handle* handle) const { libusb_close(handle); }
};
struct ConfigFree {
    void operator()(libusb_config_descriptor* config) const { libusb_free_config_descriptor(config); }
};
using Context = std::unique_ptr<libusb_context, ContextExit>;
using Handle = std::unique_ptr<libusb_device_handle, HandleClose>;
using Config = std::unique_ptr<libusb_config_descriptor, ConfigFree>;

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

std::optional<BulkInterface> bulkPair(const libusb_interface_descriptor& alt)
{
    int ins = 0, outs = 0;
    BulkInterface found {alt.bInterfaceNumber, 0, 0};
    for (int e = 0; e < alt.bNumEndpoints; ++e) {
        const libusb_endpoint_descriptor& endpoint = alt.endpoint[e];
        if ((endpoint.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) != LIBUSB_TRANSFER_TYPE_BULK) continue;
        if ((endpoint.bEndpointAddress & LIBUSB_ENDPOINT_DIR_MASK) == LIBUSB_ENDPOINT_IN) {
            ++ins;
            found.inEndpoint = endpoint.bEndpointAddress;
        } else {
            ++outs;
            found.outEndpoint = endpoint.bEndpointAddress;
        }
    }
    if (ins != 1 || outs != 1) return std::nullopt;
    return found;
}

// The first interface (its first alternate setting) of the active
// configuration with exactly one bulk endpoint each way.
std::optional<BulkInterface> findBulkInterface(libusb_device* device)
{
    libusb_config_descriptor* raw = nullptr;
    if (libusb_get_active_config_descriptor(device, &raw) != 0) return std::nullopt;
    const Config config(raw);
    for (int i = 0; i < config->bNumInterfaces; ++i) {
        const libusb_interface& candidate = config->interface[i];
        if (candidate.num_altsetting < 1) continue;
        if (std::optional<BulkInterface> found = bulkPair(candidate.altsetting[0])) return found;
    }
    return std::nullopt;
}

bool isListed(libusb_device* device, const std::vector<UsbDeviceId>& ids)
{
    libusb_device_descriptor descriptor {};
    if (libusb_get_device_descriptor(device, &descriptor) != 0) return false;
    return std::find(ids.begin(), ids.end(), UsbDeviceId {descriptor.idVendor, descriptor.idProduct}) != ids.end();
}

// usb:<bus>-<port>.<port>…:<interface>, which names the interface as long as
// it stays plugged into the same socket.
std::string interfacePath(libusb_device* device, int interfaceNumber)
{
    std::string path = kPathScheme + std::to_string(libusb_get_bus_number(device)) + kBusSeparator;
    std::array<std::uint8_t, kMaxPortDepth> ports {};
    const int depth = libusb_get_port_numbers(device, ports.data(), static_cast<int>(ports.size()));
    for (int i = 0; i < depth; ++i) {
        if (i > 0) path += kPortSeparator;
        path += std::to_string(ports[static_cast<std::size_t>(i)]);
    }
    return path + kInterfaceSeparator + std::to_string(interfaceNumber);
}

int milliseconds(std::chrono::milliseconds wait) { return static_cast<int>(wait.count()); }

class LibusbPipe final : public Pipe {
public:
    LibusbPipe(Context context, Handle handle, int interfaceNumber, unsigned char endpoint)
        : context_(std::move(context)), handle_(std::move(handle)), interface_(interfaceNumber), endpoint_(endpoint)
    {
    }
    ~LibusbPipe() override
    {
        if (claimed_) libusb_release_interface(handle_.get(), interface_);
    }

    bool claim()
    {
        // A kernel driver bound to the interface would keep the claim from
        // succeeding; libusb gives the interface back to it on release.
        libusb_set_auto_detach_kernel_driver(handle_.get(), 1);
        claimed_ = libusb_claim_interface(handle_.get(), interface_) == 0;
        return claimed_;
    }

    // The whole packet is asked for, as a device may always send one; bytes
    // beyond n in it are dropped, since nothing outlives the call to keep them.
    bool readChunk(char* data, std::size_t n) override
    {
        if ((endpoint_ & LIBUSB_ENDPOINT_DIR_MASK) != LIBUSB_ENDPOINT_IN) return false;
        std::array<unsigned char, kUsbPacketSize> packet {};
        int got = 0;
        const int result = libusb_bulk_transfer(handle_.get(), endpoint_, packet.data(),
                                                static_cast<int>(packet.size()), &got, milliseconds(kReadWait));
        if ((result != 0 && result != LIBUSB_ERROR_TIMEOUT) || got <= 0) return false;
        std::memcpy(data, packet.data(), std::min(static_cast<std::size_t>(got), n));
        return true;
    }

    bool writeChunk(const char* data, std::size_t n) override
    {
        if ((endpoint_ & LIBUSB_ENDPOINT_DIR_MASK) != LIBUSB_ENDPOINT_OUT || n > kUsbPacketSize) return false;
        std::array<unsigned char, kUsbPacketSize> packet {};
        std::memcpy(packet.data(), data, n);
        int sent = 0;
        const int result = libusb_bulk_transfer(handle_.get(), endpoint_, packet.data(), static_cast<int>(n), &sent,
                                                milliseconds(kWriteWait));
        return result == 0 && static_cast<std::size_t>(sent) == n;
    }

private:
    // Declared in the order they are set up, so they go in reverse.
    Context context_;
    Handle handle_;
    int interface_;
    unsigned char endpoint_;
    bool claimed_ = false;
};

} // namespace

std::unique_ptr<Pipe> OpenLibusbPipe(const std::vector<UsbDeviceId>& ids, Direction direction)
{
    libusb_context* rawContext = nullptr;
    if (libusb_init(&rawContext) != 0) return nullptr;
    Context context(rawContext);
    Handle handle;
    BulkInterface chosen;
    {
        const DeviceList devices(context.get());
        for (libusb_device* device : devices) {
            if (!isListed(device, ids)) continue;
            const std::optional<BulkInterface> bulk = findBulkInterface(device);
            PipePath path;
            if (!bulk || !path.assign(interfacePath(device, bulk->number), PipeName(direction))) continue;
            libusb_device_handle* opened = nullptr;
            if (libusb_open(device, &opened) != 0) continue;
            handle.reset(opened);
            chosen = *bulk;
            break;
        }
    }
    if (!handle) return nullptr;
    const unsigned char endpoint = direction == Direction::kIn ? chosen.inEndpoint : chosen.outEndpoint;
    auto pipe = std::make_unique<LibusbPipe>(std::move(context), std::move(handle), chosen.number, endpoint);
    if (!pipe->claim()) return nullptr;
    return pipe;
}

} // namespace usbpipe
