// What the library would find, for `harwick usb list`: the emulated
// interfaces in the order they are tried, and every attached USB device with
// an interface of the shape the library looks for.
#pragma once

#include "usb_device_list.h"

#include <optional>
#include <string>
#include <vector>

namespace usbpipe {

enum class EmulatedState {
    kUsable,      // a transfer would use it (the first of them in name order)
    kStale,       // the FIFOs are there but nobody holds PIPE01: its simulator has gone
    kNoPipes,     // PIPE00 and PIPE01 are not both FIFOs in it
    kPathTooLong, // a pipe path would not fit the library's 256 characters
    kRefused,     // PIPE01 does not open for another reason
    kUnsafe,      // the runtime folder holding them is not the user's own
};

struct EmulatedInterfaceReport {
    std::string name;
    std::string path;
    EmulatedState state = EmulatedState::kNoPipes;
    std::string reason; // the system's words, for kRefused and kUnsafe
};

// The folders of EmulatedUsbDirectory() in name order, probed as a transfer
// probes them; empty when there are none or the folder is missing.
std::vector<EmulatedInterfaceReport> SurveyEmulatedInterfaces();

struct UsbDeviceReport {
    UsbDeviceId id;
    int bus = 0;
    int address = 0;
    int interfaceNumber = 0;
    bool listed = false;        // the id is in the usb-devices list
    bool opens = false;         // this user may open it
    bool accessDenied = false;  // it does not open for want of permission
    std::string openError;      // libusb's reason when it does not open
    // Read only once it opens, and only when the device names them.
    std::optional<std::string> manufacturer;
    std::optional<std::string> product;
};

struct UsbSurvey {
    bool started = false;
    std::string error; // why libusb did not start or could not list the devices
    std::vector<UsbDeviceReport> devices;
};

// The attached devices, in libusb's order (the order a transfer tries them),
// with an interface of exactly one bulk IN and one bulk OUT endpoint. Each is
// opened only to read its names and closed again; no interface is claimed.
UsbSurvey SurveyUsbDevices(const std::vector<UsbDeviceId>& listed);

} // namespace usbpipe
