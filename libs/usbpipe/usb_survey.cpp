#include "usb_survey.h"

#include "libusb_support.h"

#include <algorithm>
#include <array>

namespace usbpipe {

namespace {

// USB string descriptors hold at most 126 UTF-16 characters.
constexpr int kStringLimit = 256;

std::optional<std::string> stringDescriptor(libusb_device_handle* handle, std::uint8_t index)
{
    if (index == 0) return std::nullopt;
    std::array<unsigned char, kStringLimit> text {};
    const int length = libusb_get_string_descriptor_ascii(handle, index, text.data(), static_cast<int>(text.size()));
    if (length <= 0) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(text.data()), static_cast<std::size_t>(length));
}

} // namespace

UsbSurvey SurveyUsbDevices(const std::vector<UsbDeviceId>& listed)
{
    UsbSurvey survey;
    int result = 0;
    const Context context = StartLibusb(result);
    if (!context) {
        survey.error = libusb_strerror(result);
        return survey;
    }
    const DeviceList devices(context.get());
    if (devices.count() < 0) {
        survey.error = libusb_strerror(static_cast<int>(devices.count()));
        return survey;
    }
    survey.started = true;
    for (libusb_device* device : devices) {
        libusb_device_descriptor descriptor {};
        if (libusb_get_device_descriptor(device, &descriptor) != 0) continue;
        const std::optional<BulkInterface> bulk = FindBulkInterface(device);
        if (!bulk) continue;
        UsbDeviceReport report;
        report.id = {descriptor.idVendor, descriptor.idProduct};
        report.bus = libusb_get_bus_number(device);
        report.address = libusb_get_device_address(device);
        report.interfaceNumber = bulk->number;
        report.listed = std::find(listed.begin(), listed.end(), report.id) != listed.end();
        libusb_device_handle* opened = nullptr;
        const int openResult = libusb_open(device, &opened);
        if (openResult == 0) {
            const Handle handle(opened);
            report.opens = true;
            report.manufacturer = stringDescriptor(handle.get(), descriptor.iManufacturer);
            report.product = stringDescriptor(handle.get(), descriptor.iProduct);
        } else {
            report.accessDenied = openResult == LIBUSB_ERROR_ACCESS;
            report.openError = libusb_strerror(openResult);
        }
        survey.devices.push_back(std::move(report));
    }
    return survey;
}

} // namespace usbpipe
