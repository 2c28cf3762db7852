// `harwick usb`: the USB instruments the cable program's library would find
// (emulated interfaces and real devices, in the order it tries them) and
// whether this user may open them; `usb add` lists a device's id and gives
// the udev rule that lets the logged-in user open it.
#pragma once

#include "language/ui_text.h"
#include "usb_device_list.h"
#include "usb_survey.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace harwick::cli {

inline constexpr harwick::UiText kUsbUsage =
    "usage: harwick usb list [--json]\n"
    "       harwick usb add VID:PID\n"
    "\n"
    "list shows what the cable program's USB library would find, in the order it\n"
    "tries them: the emulated interfaces (folders of the simulated instrument; a\n"
    "stale one, left by a simulator that ended, is passed over), then every USB\n"
    "device with one bulk IN and one bulk OUT endpoint: its id, its names, bus and\n"
    "address, whether its id is in your usb-devices list and whether you may open\n"
    "it (if not, why and what to do). --json prints the same as one JSON document.\n"
    "\n"
    "add puts VID:PID (four hexadecimal digits each) into your usb-devices list and\n"
    "prints the udev rule that lets the logged-in user open the device; run as root\n"
    "it also writes the rule into /etc/udev/rules.d/70-harwick-usb.rules.\n";

// Where `usb add` run as root puts the udev rules; the installed package
// ships its own rules in /usr/lib/udev/rules.d under the same name.
inline constexpr char kUdevRulesFile[] = "/etc/udev/rules.d/70-harwick-usb.rules";
inline constexpr char kUdevReload[] = "udevadm control --reload-rules && udevadm trigger";

// SUBSYSTEM=="usb", ATTR{idVendor}=="vvvv", ATTR{idProduct}=="pppp", TAG+="uaccess"
std::string UdevRule(const usbpipe::UsbDeviceId& id);

enum class RuleAddition { kAdded, kAlreadyThere, kFailed };

// Adds the rule for id to the rules file at path (made with a comment saying
// where it comes from when missing; its folder must exist), unless a line of
// it says the same.
RuleAddition AddUdevRule(const std::filesystem::path& path, const usbpipe::UsbDeviceId& id, std::string& error);

// What `usb list` shows, gathered apart from its printing so that made-up
// devices can be shown.
struct UsbListing {
    std::vector<usbpipe::EmulatedInterfaceReport> emulated;
    usbpipe::UsbSurvey devices;
};

// One line each; used: transfers take this one.
std::string EmulatedInterfaceLine(const usbpipe::EmulatedInterfaceReport& report, bool used);
std::string UsbDeviceLine(const usbpipe::UsbDeviceReport& report, bool used);

// Prints every line, the first usable emulated interface (or, when there is
// none, the first listed device that opens) marked as the one transfers use.
// kExitFailed, with the reason on err, when libusb did not start.
int PrintUsbList(const UsbListing& listing, std::ostream& out, std::ostream& err);
// The same as one JSON document: {"emulated": [...], "devices": [...]}.
int PrintUsbJson(const UsbListing& listing, std::ostream& out, std::ostream& err);

// Who a file written as root belongs to.
struct FileOwner {
    uid_t uid = 0;
    gid_t gid = 0;
};

struct UsbAddPlaces {
    std::filesystem::path list;                 // the usb-devices list
    std::optional<std::filesystem::path> rules; // written when set (root only)
    // Set under sudo: the list is the user's who ran sudo, and the list and
    // any folder made for it are given to them.
    std::optional<FileOwner> owner;
};

// `usb add VID:PID` against the given files.
int UsbAdd(std::string_view idText, const UsbAddPlaces& places, std::ostream& out, std::ostream& err);

int usb(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace harwick::cli
