#include "usb.h"

#include "listing.h"

#include "command_line.h"
#include "json_out.h"
#include "fileio/fileio.h"
#include "runtime/runtime.h"
#include "usbif/usbif.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace harwick::cli {

namespace {

constexpr std::string_view kCommand = "harwick usb: ";
constexpr std::string_view kCommandName = "usb";
constexpr harwick::UiText kUsedMark = "ok (transfers use it)";
constexpr harwick::UiText kNamesNeedAccess = "names need access";
constexpr harwick::UiText kNoNames = "no names";
constexpr harwick::UiText kStale =
    "stale, passed over: nobody holds its pipes (left by a simulator that ended; remove the folder)";
constexpr harwick::UiText kNoPipes = "passed over: PIPE00 and PIPE01 are not both FIFOs in it";
constexpr harwick::UiText kPathTooLong = "passed over: its path is too long for the library's 256 characters";
constexpr harwick::UiText kRefused = "passed over: PIPE01 does not open: %1";
constexpr harwick::UiText kPassedOverBecause = "passed over: %1";
constexpr harwick::UiText kPassedOver = "passed over";
constexpr harwick::UiText kEmulated = "emulated";
constexpr harwick::UiText kBusAddress = "bus %1 address %2";
constexpr harwick::UiText kListed = "listed";
constexpr harwick::UiText kNotListed = "not listed (harwick usb add %1)";
constexpr harwick::UiText kUdevFix =
    "; fix: install the udev rule that harwick usb add %1 prints (as root it writes it), then plug the device in again";
constexpr harwick::UiText kLibusbDoesNotStart = "libusb does not start: %1";
constexpr harwick::UiText kNoUsbInstruments =
    "no USB instruments found: no emulated interface and no USB device with one bulk IN and one bulk OUT endpoint";
constexpr harwick::UiText kCannotLookAt = "cannot look at %1: %2";
constexpr harwick::UiText kNoUsbId = "'%1' is no USB id: give VID:PID, four hexadecimal digits each, e.g. 0a1b:c2d3";
constexpr harwick::UiText kAddedTo = "%1 added to %2";
constexpr harwick::UiText kCannotGive = "cannot give %1 to its user: %2";
constexpr harwick::UiText kAlreadyIn = "%1 is already in %2";
constexpr harwick::UiText kCannotAdd = "cannot add %1 to the list: %2";
constexpr harwick::UiText kPutRuleAsRoot = "To let the logged-in user open it, put this line into %1 as root:\n";
constexpr harwick::UiText kThenReload = "then reload the rules: sudo sh -c '%1'\n";
constexpr harwick::UiText kSudoWritesIt = "(sudo harwick usb add %1 writes the rule itself.)\n";
constexpr harwick::UiText kRuleAdded = "udev rule added to %1:\n";
constexpr harwick::UiText kRuleAlreadyThere = "the udev rule is already in %1:\n";
constexpr harwick::UiText kCannotWriteRule = "cannot write the udev rule: %1\n";
constexpr harwick::UiText kPutRuleYourself = "put this line into %1 yourself:\n";
constexpr harwick::UiText kReload = "reload the rules: %1\n";
constexpr harwick::UiText kListOrAdd = "list or add?";
constexpr harwick::UiText kListTakesNothing = "list takes nothing more";
constexpr harwick::UiText kAddTakes = "add takes one VID:PID";
constexpr std::string_view kRulesHeader =
    "# USB instruments the logged-in user may open, for the Harwick suite's cable\n"
    "# transfers. Written by harwick usb add; reload with\n"
    "#   udevadm control --reload-rules && udevadm trigger\n";

std::string lowerTrimmed(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
    std::string lowered(line);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return lowered;
}

bool holdsLine(std::string_view text, const std::string& wanted)
{
    const std::string lowered = lowerTrimmed(wanted);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (lowerTrimmed(text.substr(0, end)) == lowered) return true;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return false;
}

std::string threeDigits(int number)
{
    char text[8];
    std::snprintf(text, sizeof text, "%03d", number);
    return text;
}

std::string deviceNames(const usbpipe::UsbDeviceReport& report)
{
    if (!report.opens) return std::string(kNamesNeedAccess);
    if (report.manufacturer && report.product) return *report.manufacturer + " / " + *report.product;
    if (report.manufacturer) return *report.manufacturer;
    if (report.product) return *report.product;
    return std::string(kNoNames);
}

// The listing is read by a person, in their language; the JSON is read by
// scripts, which get the source wording whatever the language.
enum class Reader { Person, Script };

std::string_view worded(harwick::UiText text, Reader reader)
{
    return reader == Reader::Person ? text.View() : text.Source();
}

std::string emulatedState(const usbpipe::EmulatedInterfaceReport& report, Reader reader)
{
    using usbpipe::EmulatedState;
    const auto said = [reader](harwick::UiText text) { return std::string(worded(text, reader)); };
    switch (report.state) {
    case EmulatedState::kUsable: return said(kUsable);
    case EmulatedState::kStale: return said(kStale);
    case EmulatedState::kNoPipes: return said(kNoPipes);
    case EmulatedState::kPathTooLong: return said(kPathTooLong);
    case EmulatedState::kRefused: return Filled(worded(kRefused, reader), {report.reason});
    case EmulatedState::kUnsafe: return Filled(worded(kPassedOverBecause, reader), {report.reason});
    }
    return said(kPassedOver);
}

int badUsage(std::ostream& err, std::string_view problem) { return usageError(err, kCommandName, problem); }

// The user who ran sudo, when this run is theirs through it.
struct SudoUser {
    uid_t uid = 0;
    gid_t gid = 0;
    std::string home;
};

std::optional<unsigned long> idFromEnv(const char* name)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return std::nullopt;
    unsigned long value = 0;
    const std::string_view digits(text);
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::optional<SudoUser> sudoUser()
{
    const std::optional<unsigned long> uid = idFromEnv("SUDO_UID");
    const std::optional<unsigned long> gid = idFromEnv("SUDO_GID");
    if (!uid || !gid || *uid == 0) return std::nullopt;
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(static_cast<uid_t>(*uid), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return std::nullopt;
    }
    return SudoUser{static_cast<uid_t>(*uid), static_cast<gid_t>(*gid), found->pw_dir};
}

int list(bool json, std::ostream& out, std::ostream& err)
{
    UsbListing listing;
    listing.emulated = usbpipe::SurveyEmulatedInterfaces();
    listing.devices = usbpipe::SurveyUsbDevices(usbpipe::ReadUsbDeviceList(platform::UsbDevicesListFile()));
    return json ? PrintUsbJson(listing, out, err) : PrintUsbList(listing, out, err);
}

// Which of the listing the transfers take: the first usable emulated
// interface, or when there is none the first listed device that opens.
struct Used {
    std::optional<std::size_t> emulated;
    std::optional<std::size_t> device;
};

Used usedOf(const UsbListing& listing)
{
    for (std::size_t i = 0; i < listing.emulated.size(); ++i) {
        if (listing.emulated[i].state == usbpipe::EmulatedState::kUsable) return {i, std::nullopt};
    }
    for (std::size_t i = 0; i < listing.devices.devices.size(); ++i) {
        const usbpipe::UsbDeviceReport& report = listing.devices.devices[i];
        if (report.listed && report.opens) return {std::nullopt, i};
    }
    return {};
}

} // namespace

std::string UdevRule(const usbpipe::UsbDeviceId& id)
{
    const std::string text = usbpipe::FormatUsbDeviceId(id);
    return "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"" + text.substr(0, 4) + "\", ATTR{idProduct}==\"" + text.substr(5) +
           "\", TAG+=\"uaccess\"";
}

RuleAddition AddUdevRule(const std::filesystem::path& path, const usbpipe::UsbDeviceId& id, std::string& error)
{
    const std::string rule = UdevRule(id);
    std::error_code ec;
    std::string text;
    if (std::filesystem::exists(path, ec)) {
        std::optional<std::string> existing = platform::readWholeFile(path, error);
        if (!existing) return RuleAddition::kFailed;
        text = std::move(*existing);
    } else if (ec) {
        error = Filled(kCannotLookAt, {path.string(), ec.message()});
        return RuleAddition::kFailed;
    } else {
        text = kRulesHeader;
    }
    if (holdsLine(text, rule)) return RuleAddition::kAlreadyThere;
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += rule + '\n';
    // The rules folder is udev's own: a machine without it has no udev to
    // read a rule, and making it would only hide that.
    if (!platform::replaceFileAtomically(path, text, error)) return RuleAddition::kFailed;
    return RuleAddition::kAdded;
}

std::string EmulatedInterfaceLine(const usbpipe::EmulatedInterfaceReport& report, bool used)
{
    std::string line =
        std::string(kEmulated) + std::string(kColumnGap) + report.name + std::string(kColumnGap) + report.path;
    return line + std::string(kColumnGap) + (used ? std::string(kUsedMark) : emulatedState(report, Reader::Person));
}

std::string UsbDeviceLine(const usbpipe::UsbDeviceReport& report, bool used)
{
    const std::string id = usbpipe::FormatUsbDeviceId(report.id);
    std::string line = "usb" + std::string(kColumnGap) + id + std::string(kColumnGap) + deviceNames(report);
    line += std::string(kColumnGap) + Filled(kBusAddress, {threeDigits(report.bus), threeDigits(report.address)});
    line += std::string(kColumnGap) + (report.listed ? std::string(kListed) : Filled(kNotListed, {id}));
    line += std::string(kColumnGap);
    if (report.opens) return line + std::string(used ? kUsedMark : kUsable);
    line += std::string(kNotUsable) + report.openError;
    if (report.accessDenied) line += Filled(kUdevFix, {id});
    return line;
}

int PrintUsbList(const UsbListing& listing, std::ostream& out, std::ostream& err)
{
    const Used used = usedOf(listing);
    for (std::size_t i = 0; i < listing.emulated.size(); ++i) {
        out << EmulatedInterfaceLine(listing.emulated[i], used.emulated == i) << '\n';
    }
    for (std::size_t i = 0; i < listing.devices.devices.size(); ++i) {
        out << UsbDeviceLine(listing.devices.devices[i], used.device == i) << '\n';
    }
    if (!listing.devices.started) {
        err << kCommand << Filled(kLibusbDoesNotStart, {listing.devices.error}) << '\n';
        return kExitFailed;
    }
    if (listing.emulated.empty() && listing.devices.devices.empty()) out << kNoUsbInstruments << '\n';
    return kExitOk;
}

int PrintUsbJson(const UsbListing& listing, std::ostream& out, std::ostream& err)
{
    if (!listing.devices.started) {
        err << kCommand << Filled(kLibusbDoesNotStart, {listing.devices.error}) << '\n';
        return kExitFailed;
    }
    const Used used = usedOf(listing);
    const auto optionalText = [](JsonOut& json, const std::optional<std::string>& text) {
        if (text) json.string(*text);
        else json.null();
    };
    JsonOut json;
    json.beginObject();
    json.key("emulated").beginArray();
    for (std::size_t i = 0; i < listing.emulated.size(); ++i) {
        const usbpipe::EmulatedInterfaceReport& report = listing.emulated[i];
        const bool usable = report.state == usbpipe::EmulatedState::kUsable;
        json.beginObject();
        json.key("name").string(report.name);
        json.key("path").string(report.path);
        json.key("usable").boolean(usable);
        if (!usable) json.key("reason").string(emulatedState(report, Reader::Script));
        json.key("used").boolean(used.emulated == i);
        json.endObject();
    }
    json.endArray();
    json.key("devices").beginArray();
    for (std::size_t i = 0; i < listing.devices.devices.size(); ++i) {
        const usbpipe::UsbDeviceReport& report = listing.devices.devices[i];
        json.beginObject();
        json.key("id").string(usbpipe::FormatUsbDeviceId(report.id));
        json.key("manufacturer");
        optionalText(json, report.manufacturer);
        json.key("product");
        optionalText(json, report.product);
        json.key("bus").number(report.bus);
        json.key("address").number(report.address);
        json.key("listed").boolean(report.listed);
        json.key("usable").boolean(report.opens);
        if (!report.opens) json.key("reason").string(report.openError);
        json.key("used").boolean(used.device == i);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    out << json.text();
    return kExitOk;
}

int UsbAdd(std::string_view idText, const UsbAddPlaces& places, std::ostream& out, std::ostream& err)
{
    // The folders the list needs that are missing now: made as root, they
    // are given to the list's owner with it.
    std::vector<std::filesystem::path> made;
    if (places.owner) {
        std::error_code ec;
        for (std::filesystem::path dir = places.list.parent_path(); !dir.empty() && dir != dir.root_path();
             dir = dir.parent_path()) {
            if (std::filesystem::exists(dir, ec)) break;
            made.push_back(dir);
        }
    }
    const std::optional<usbpipe::UsbDeviceId> id = usbpipe::ParseUsbDeviceId(idText);
    if (!id) {
        return badUsage(err, Filled(kNoUsbId, {idText}));
    }
    const std::string name = usbpipe::FormatUsbDeviceId(*id);
    std::string error;
    switch (usbpipe::AddToUsbDeviceList(places.list, *id, error)) {
    case usbpipe::ListAddition::kAdded:
        out << Filled(kAddedTo, {name, places.list.string()}) << '\n';
        if (places.owner) {
            made.push_back(places.list);
            for (const std::filesystem::path& path : made) {
                if (::chown(path.c_str(), places.owner->uid, places.owner->gid) != 0) {
                    warnLine(err, kCommand, Filled(kCannotGive, {path.string(), std::strerror(errno)}));
                }
            }
        }
        break;
    case usbpipe::ListAddition::kAlreadyListed:
        out << Filled(kAlreadyIn, {name, places.list.string()}) << '\n';
        break;
    case usbpipe::ListAddition::kFailed:
        err << kCommand << Filled(kCannotAdd, {name, error}) << '\n';
        return kExitFailed;
    }

    const std::string rule = UdevRule(*id);
    if (!places.rules) {
        out << Filled(kPutRuleAsRoot, {kUdevRulesFile}) << "  " << rule << '\n'
            << Filled(kThenReload, {kUdevReload}) << Filled(kSudoWritesIt, {name});
        return kExitOk;
    }
    const std::string rulesPath = places.rules->string();
    switch (AddUdevRule(*places.rules, *id, error)) {
    case RuleAddition::kAdded: out << Filled(kRuleAdded, {rulesPath}); break;
    case RuleAddition::kAlreadyThere: out << Filled(kRuleAlreadyThere, {rulesPath}); break;
    case RuleAddition::kFailed:
        err << kCommand << Filled(kCannotWriteRule, {error}) << Filled(kPutRuleYourself, {rulesPath}) << "  " << rule
            << '\n';
        return kExitFailed;
    }
    out << "  " << rule << '\n' << Filled(kReload, {kUdevReload});
    return kExitOk;
}

int usb(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (asksForHelp(args)) {
        out << kUsbUsage;
        return kExitOk;
    }
    const OptionReader::Read read = OptionReader({}, {"--json"}).read(args);
    if (!read.problem.empty()) return badUsage(err, read.problem);
    const std::vector<std::string>& words = read.words;
    if (words.empty()) return badUsage(err, kListOrAdd);
    if (words[0] == "list") {
        if (words.size() != 1) return badUsage(err, kListTakesNothing);
        return list(read.has("--json"), out, err);
    }
    if (words[0] == "add") {
        if (read.has("--json")) return badUsage(err, kJsonIsForList);
        if (words.size() != 2) return badUsage(err, kAddTakes);
        UsbAddPlaces places{platform::UsbDevicesListFile(), std::nullopt, std::nullopt};
        if (::geteuid() == 0) {
            places.rules = kUdevRulesFile;
            // sudo gives root's home: the list goes where the user's own
            // transfers read it, not into root's.
            if (const std::optional<SudoUser> user = sudoUser()) {
                places.list = platform::UsbDevicesListFileIn(platform::DefaultSuiteConfigDirectory(user->home));
                places.owner = FileOwner{user->uid, user->gid};
            }
        }
        return UsbAdd(words[1], places, out, err);
    }
    return badUsage(err, Filled(kUnexpectedWord, {words[0]}));
}

} // namespace harwick::cli
