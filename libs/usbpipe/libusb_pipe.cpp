#include "libusb_pipe.h"

#include "libusb_support.h"
#include "usbif/usbif.h"
#include "usbpipe.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <mutex>
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

struct ConfigFree {
    void operator()(libusb_config_descriptor* config) const { libusb_free_config_descriptor(config); }
};
using Config = std::unique_ptr<libusb_config_descriptor, ConfigFree>;

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

std::optional<UsbDeviceId> deviceId(libusb_device* device)
{
    libusb_device_descriptor descriptor {};
    if (libusb_get_device_descriptor(device, &descriptor) != 0) return std::nullopt;
    return UsbDeviceId {descriptor.idVendor, descriptor.idProduct};
}

bool isListed(const UsbDeviceId& id, const std::vector<UsbDeviceId>& ids)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

int milliseconds(std::chrono::milliseconds wait) { return static_cast<int>(wait.count()); }

// One instrument, opened with its interface claimed, for as long as the
// library keeps it and any transfer still uses it.
class Session {
public:
    Session(Context context, Handle handle, BulkInterface bulk, UsbDeviceId id)
        : context_(std::move(context)), handle_(std::move(handle)), bulk_(bulk), id_(id)
    {
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session()
    {
        if (claimed_) libusb_release_interface(handle_.get(), bulk_.number);
    }

    bool claim()
    {
        // A kernel driver bound to the interface would keep the claim from
        // succeeding; libusb gives the interface back to it on release.
        libusb_set_auto_detach_kernel_driver(handle_.get(), 1);
        claimed_ = libusb_claim_interface(handle_.get(), bulk_.number) == 0;
        return claimed_;
    }

    const UsbDeviceId& id() const { return id_; }
    libusb_device_handle* handle() const { return handle_.get(); }
    unsigned char endpoint(Direction direction) const
    {
        return direction == Direction::kIn ? bulk_.inEndpoint : bulk_.outEndpoint;
    }

private:
    // Declared in the order they are set up, so they go in reverse.
    Context context_;
    Handle handle_;
    BulkInterface bulk_;
    UsbDeviceId id_;
    bool claimed_ = false;
};

bool pathsFit(libusb_device* device, int interfaceNumber)
{
    const std::string path = InterfacePath(device, interfaceNumber);
    PipePath in, out;
    return in.assign(path, PipeName(Direction::kIn)) && out.assign(path, PipeName(Direction::kOut));
}

std::shared_ptr<Session> openSession(const std::vector<UsbDeviceId>& ids)
{
    int result = 0;
    Context context = StartLibusb(result);
    if (!context) return nullptr;
    Handle handle;
    BulkInterface chosen;
    UsbDeviceId chosenId;
    {
        const DeviceList devices(context.get());
        for (libusb_device* device : devices) {
            const std::optional<UsbDeviceId> id = deviceId(device);
            if (!id || !isListed(*id, ids)) continue;
            const std::optional<BulkInterface> bulk = FindBulkInterface(device);
            if (!bulk || !pathsFit(device, bulk->number)) continue;
            libusb_device_handle* opened = nullptr;
            if (libusb_open(device, &opened) != 0) continue;
            handle.reset(opened);
            chosen = *bulk;
            chosenId = *id;
            break;
        }
    }
    if (!handle) return nullptr;
    auto session = std::make_shared<Session>(std::move(context), std::move(handle), chosen, chosenId);
    if (!session->claim()) return nullptr;
    return session;
}

// The instrument kept between calls. Transfers hold it by shared_ptr, so
// letting it go here never pulls it from under one that is running.
class SessionKeeper {
public:
    std::shared_ptr<Session> get(const std::vector<UsbDeviceId>& ids)
    {
        const std::lock_guard lock(mutex_);
        if (session_ && !isListed(session_->id(), ids)) session_.reset();
        // Opening under the lock keeps two calls from claiming the device twice.
        if (!session_) session_ = openSession(ids);
        return session_;
    }

    void drop(const Session* failed)
    {
        const std::lock_guard lock(mutex_);
        if (session_.get() == failed) session_.reset();
    }

    void clear()
    {
        const std::lock_guard lock(mutex_);
        session_.reset();
    }

private:
    std::mutex mutex_;
    std::shared_ptr<Session> session_;
};

SessionKeeper& keeper()
{
    static SessionKeeper instance;
    return instance;
}

class LibusbPipe final : public Pipe {
public:
    LibusbPipe(std::shared_ptr<Session> session, unsigned char endpoint)
        : session_(std::move(session)), endpoint_(endpoint)
    {
    }

    // The whole packet is asked for, as a device may always send one; bytes
    // beyond n in it are dropped, since the caller asked for no more.
    bool readChunk(char* data, std::size_t n) override
    {
        if ((endpoint_ & LIBUSB_ENDPOINT_DIR_MASK) != LIBUSB_ENDPOINT_IN) return false;
        std::array<unsigned char, kUsbPacketSize> packet {};
        int got = 0;
        const int result = libusb_bulk_transfer(session_->handle(), endpoint_, packet.data(),
                                                static_cast<int>(packet.size()), &got, milliseconds(kReadWait));
        if (result != 0 && result != LIBUSB_ERROR_TIMEOUT) return lost();
        if (got <= 0) return false;
        std::memcpy(data, packet.data(), std::min(static_cast<std::size_t>(got), n));
        return true;
    }

    bool writeChunk(const char* data, std::size_t n) override
    {
        if ((endpoint_ & LIBUSB_ENDPOINT_DIR_MASK) != LIBUSB_ENDPOINT_OUT || n > kUsbPacketSize) return false;
        std::array<unsigned char, kUsbPacketSize> packet {};
        std::memcpy(packet.data(), data, n);
        int sent = 0;
        const int result = libusb_bulk_transfer(session_->handle(), endpoint_, packet.data(), static_cast<int>(n),
                                                &sent, milliseconds(kWriteWait));
        if (result != 0 && result != LIBUSB_ERROR_TIMEOUT) return lost();
        return result == 0 && static_cast<std::size_t>(sent) == n;
    }

private:
    // Unplugged, stalled or reset: whatever it was, the next call starts
    // afresh rather than trying a handle that may be dead.
    bool lost()
    {
        keeper().drop(session_.get());
        return false;
    }

    std::shared_ptr<Session> session_;
    unsigned char endpoint_;
};

} // namespace

Context StartLibusb(int& result)
{
    libusb_context* raw = nullptr;
    result = libusb_init(&raw);
    if (result != 0) return nullptr;
    return Context(raw);
}

std::optional<BulkInterface> FindBulkInterface(libusb_device* device)
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

std::string InterfacePath(libusb_device* device, int interfaceNumber)
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

std::unique_ptr<Pipe> OpenLibusbPipe(const std::vector<UsbDeviceId>& ids, Direction direction)
{
    std::shared_ptr<Session> session = keeper().get(ids);
    if (!session) return nullptr;
    const unsigned char endpoint = session->endpoint(direction);
    return std::make_unique<LibusbPipe>(std::move(session), endpoint);
}

void ForgetLibusbDevice() { keeper().clear(); }

} // namespace usbpipe
