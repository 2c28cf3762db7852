#include "usb.h"

#include "exit_codes.h"
#include "fake_instrument.h"
#include "scratch.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace harwick::cli {
namespace {

namespace fs = std::filesystem;
using harwick::testing::ReadFile;
using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;
using usbpipe::EmulatedState;
using usbpipe::UsbDeviceReport;

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

bool has(const std::string& text, std::string_view piece) { return text.find(piece) != std::string::npos; }

UsbDeviceReport device(std::uint16_t vendor, std::uint16_t product, bool listed, bool opens)
{
    UsbDeviceReport report;
    report.id = {vendor, product};
    report.bus = 1;
    report.address = 12;
    report.listed = listed;
    report.opens = opens;
    if (!opens) {
        report.accessDenied = true;
        report.openError = "Access denied (insufficient permissions)";
    }
    return report;
}

TEST(UsbCommand, DeviceLineSaysWhatItIsAndWhatToDo)
{
    UsbDeviceReport named = device(0x0a1b, 0xc2d3, true, true);
    named.manufacturer = "Maker";
    named.product = "Cable";
    EXPECT_EQ(UsbDeviceLine(named, true), "usb  0a1b:c2d3  Maker / Cable  bus 001 address 012  listed  ok (transfers use it)");
    EXPECT_EQ(UsbDeviceLine(named, false), "usb  0a1b:c2d3  Maker / Cable  bus 001 address 012  listed  ok");
    named.manufacturer.reset();
    EXPECT_TRUE(has(UsbDeviceLine(named, false), "  Cable  bus"));
    named.product.reset();
    EXPECT_TRUE(has(UsbDeviceLine(named, false), "  no names  bus"));

    const std::string refused = UsbDeviceLine(device(0x0001, 0x00ff, false, false), false);
    EXPECT_TRUE(refused.starts_with("usb  0001:00ff  names need access  bus 001 address 012  "
                                    "not listed (harwick usb add 0001:00ff)  "
                                    "not usable: Access denied (insufficient permissions); fix: "))
        << refused;
    EXPECT_TRUE(has(refused, "udev rule that harwick usb add 0001:00ff prints")) << refused;

    UsbDeviceReport busy = device(0x0001, 0x00ff, true, false);
    busy.accessDenied = false;
    busy.openError = "Resource busy";
    EXPECT_TRUE(UsbDeviceLine(busy, false).ends_with("listed  not usable: Resource busy"));
}

TEST(UsbCommand, ListMarksWhatTransfersUse)
{
    UsbListing listing;
    listing.devices.started = true;
    listing.emulated = {{"a", "/run/a", EmulatedState::kStale, ""},
                        {"b", "/run/b", EmulatedState::kUsable, ""},
                        {"c", "/run/c", EmulatedState::kUsable, ""},
                        {"d", "/run/d", EmulatedState::kRefused, "Permission denied"}};
    listing.devices.devices = {device(1, 1, false, true), device(2, 2, true, false), device(3, 3, true, true)};
    std::ostringstream out, err;
    EXPECT_EQ(PrintUsbList(listing, out, err), kExitOk);
    EXPECT_EQ(err.str(), "");
    std::vector<std::string> shown = lines(out.str());
    ASSERT_EQ(shown.size(), 7u) << out.str();
    EXPECT_TRUE(shown[0].starts_with("emulated  a  /run/a  stale, passed over")) << shown[0];
    EXPECT_EQ(shown[1], "emulated  b  /run/b  ok (transfers use it)");
    EXPECT_EQ(shown[2], "emulated  c  /run/c  ok");
    EXPECT_EQ(shown[3], "emulated  d  /run/d  passed over: PIPE01 does not open: Permission denied");
    for (std::size_t i = 4; i < 7; ++i) EXPECT_FALSE(has(shown[i], "transfers use it")) << shown[i];

    // Without a usable emulated interface: the first listed device that opens.
    listing.emulated.resize(1);
    std::ostringstream again;
    EXPECT_EQ(PrintUsbList(listing, again, err), kExitOk);
    shown = lines(again.str());
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(shown[1].ends_with("not listed (harwick usb add 0001:0001)  ok")) << shown[1];
    EXPECT_TRUE(has(shown[2], "not usable")) << shown[2];
    EXPECT_TRUE(shown[3].ends_with("listed  ok (transfers use it)")) << shown[3];
}

// For scripts: the same survey as one document, the one transfers take marked.
TEST(UsbCommand, JsonHoldsTheSameSurvey)
{
    UsbListing listing;
    listing.devices.started = true;
    listing.emulated = {{"a", "/run/a", EmulatedState::kStale, ""}};
    listing.devices.devices = {device(0x0a1b, 0xc2d3, true, false), device(1, 2, true, true)};
    listing.devices.devices[1].product = "Total \"station\"";
    std::ostringstream out, err;
    EXPECT_EQ(PrintUsbJson(listing, out, err), kExitOk);
    EXPECT_EQ(out.str(), R"json({
  "emulated": [
    {
      "name": "a",
      "path": "/run/a",
      "usable": false,
      "reason": "stale, passed over: nobody holds its pipes (left by a simulator that ended; remove the folder)",
      "used": false
    }
  ],
  "devices": [
    {
      "id": "0a1b:c2d3",
      "manufacturer": null,
      "product": null,
      "bus": 1,
      "address": 12,
      "listed": true,
      "usable": false,
      "reason": "Access denied (insufficient permissions)",
      "used": false
    },
    {
      "id": "0001:0002",
      "manufacturer": null,
      "product": "Total \"station\"",
      "bus": 1,
      "address": 12,
      "listed": true,
      "usable": true,
      "used": true
    }
  ]
}
)json");
    // Without libusb the document would be a lie: the failure instead.
    listing.devices.started = false;
    std::ostringstream none, why;
    EXPECT_EQ(PrintUsbJson(listing, none, why), kExitFailed);
    EXPECT_EQ(none.str(), "");
    EXPECT_TRUE(why.str().starts_with("harwick usb: libusb does not start")) << why.str();
}

TEST(UsbCommand, ListWithNothingOrWithoutLibusb)
{
    UsbListing listing;
    listing.devices.started = true;
    std::ostringstream out, err;
    EXPECT_EQ(PrintUsbList(listing, out, err), kExitOk);
    EXPECT_TRUE(out.str().starts_with("no USB instruments found")) << out.str();

    listing.devices.started = false;
    listing.devices.error = "Input/Output Error";
    listing.emulated = {{"sim0", "/run/sim0", EmulatedState::kUsable, ""}};
    std::ostringstream out2, err2;
    EXPECT_EQ(PrintUsbList(listing, out2, err2), kExitFailed);
    EXPECT_EQ(out2.str(), "emulated  sim0  /run/sim0  ok (transfers use it)\n");
    EXPECT_EQ(err2.str(), "harwick usb: libusb does not start: Input/Output Error\n");
}

TEST(UsbCommand, ListShowsAStaleFolderAndTheLiveOneBehindIt)
{
    TempDir temp("usb-list");
    ScopedEnv runtime("XDG_RUNTIME_DIR");
    runtime.set(temp.path().string());
    const fs::path usb = temp.path() / "harwick" / "usb";
    usbpipe::testing::FakeInstrument stale(usb / "0", false);
    usbpipe::testing::FakeInstrument live(usb / "1");

    UsbListing listing;
    listing.emulated = usbpipe::SurveyEmulatedInterfaces();
    listing.devices.started = true;
    std::ostringstream out, err;
    EXPECT_EQ(PrintUsbList(listing, out, err), kExitOk);
    const std::vector<std::string> shown = lines(out.str());
    ASSERT_EQ(shown.size(), 2u) << out.str();
    EXPECT_TRUE(shown[0].starts_with("emulated  0  " + (usb / "0").string() + "  stale, passed over")) << shown[0];
    EXPECT_EQ(shown[1], "emulated  1  " + (usb / "1").string() + "  ok (transfers use it)");
}

TEST(UsbCommand, UdevRuleGivesTheLoggedInUserTheDevice)
{
    EXPECT_EQ(UdevRule({0x0a1b, 0xc2d3}),
              "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"0a1b\", ATTR{idProduct}==\"c2d3\", TAG+=\"uaccess\"");

    TempDir temp("usb-rules");
    const fs::path rules = temp.path() / "rules.d" / "70-harwick-usb.rules";
    std::string error;
    EXPECT_EQ(AddUdevRule(rules, {0x0a1b, 0xc2d3}, error), RuleAddition::kFailed) << "no udev, no rules folder";
    EXPECT_FALSE(fs::exists(rules.parent_path()));
    fs::create_directory(rules.parent_path());
    ASSERT_EQ(AddUdevRule(rules, {0x0a1b, 0xc2d3}, error), RuleAddition::kAdded) << error;
    const std::string first = ReadFile(rules);
    EXPECT_TRUE(first.starts_with("#")) << "a made file says where it comes from";
    EXPECT_TRUE(first.ends_with("\n" + UdevRule({0x0a1b, 0xc2d3}) + "\n")) << first;
    EXPECT_EQ(AddUdevRule(rules, {0x0a1b, 0xc2d3}, error), RuleAddition::kAlreadyThere);
    EXPECT_EQ(ReadFile(rules), first);
    ASSERT_EQ(AddUdevRule(rules, {0x0001, 0x0002}, error), RuleAddition::kAdded) << error;
    EXPECT_EQ(ReadFile(rules), first + UdevRule({0x0001, 0x0002}) + "\n");

    // A rule written by hand, in capitals and indented, counts as there.
    WriteFile(rules, "  SUBSYSTEM==\"usb\", ATTR{idVendor}==\"0A1B\", ATTR{idProduct}==\"C2D3\", TAG+=\"uaccess\"");
    EXPECT_EQ(AddUdevRule(rules, {0x0a1b, 0xc2d3}, error), RuleAddition::kAlreadyThere);
    ASSERT_EQ(AddUdevRule(rules, {0x0001, 0x0002}, error), RuleAddition::kAdded) << error;
    EXPECT_TRUE(ReadFile(rules).ends_with("\"uaccess\"\n" + UdevRule({0x0001, 0x0002}) + "\n"));
}

class UsbAddCommand : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(rules_.parent_path()); }

    int add(std::string_view id, bool asRoot)
    {
        out_.str("");
        err_.str("");
        UsbAddPlaces places{list_, std::nullopt, std::nullopt};
        if (asRoot) places.rules = rules_;
        return UsbAdd(id, places, out_, err_);
    }

    TempDir temp_ {"usb-add"};
    const fs::path list_ = temp_.path() / "config" / "harwick" / "usb-devices";
    const fs::path rules_ = temp_.path() / "udev" / "70-harwick-usb.rules";
    std::ostringstream out_, err_;
};

TEST_F(UsbAddCommand, BadIdsChangeNothing)
{
    for (const char* wrong : {"0a1b", "0a1b:c2d", "xyz:0000", "0a1b:c2d3x", "0a1bc2d3", ""}) {
        EXPECT_EQ(add(wrong, true), kExitUsage) << wrong;
        EXPECT_TRUE(err_.str().starts_with("harwick usb: '" + std::string(wrong) + "' is no USB id")) << err_.str();
        EXPECT_EQ(out_.str(), "");
    }
    EXPECT_FALSE(fs::exists(list_));
    EXPECT_FALSE(fs::exists(rules_));
}

TEST_F(UsbAddCommand, AsAUserListsTheIdAndPrintsTheRule)
{
    ASSERT_EQ(add("0A1B:C2D3", false), kExitOk) << err_.str();
    EXPECT_EQ(ReadFile(list_), "0a1b:c2d3\n");
    const std::string said = out_.str();
    EXPECT_TRUE(said.starts_with("0a1b:c2d3 added to " + list_.string() + "\n")) << said;
    EXPECT_TRUE(has(said, "/etc/udev/rules.d/70-harwick-usb.rules")) << said;
    EXPECT_TRUE(has(said, "\n  " + UdevRule({0x0a1b, 0xc2d3}) + "\n")) << said;
    EXPECT_TRUE(has(said, "udevadm control --reload-rules && udevadm trigger")) << said;
    EXPECT_FALSE(fs::exists(rules_));

    ASSERT_EQ(add("0a1b:c2d3", false), kExitOk);
    EXPECT_TRUE(out_.str().starts_with("0a1b:c2d3 is already in ")) << out_.str();
    EXPECT_EQ(ReadFile(list_), "0a1b:c2d3\n");
}

TEST_F(UsbAddCommand, AsRootWritesTheRuleOnce)
{
    ASSERT_EQ(add("0a1b:c2d3", true), kExitOk) << err_.str();
    EXPECT_TRUE(has(out_.str(), "udev rule added to " + rules_.string())) << out_.str();
    const std::string rules = ReadFile(rules_);
    ASSERT_EQ(add("0a1b:c2d3", true), kExitOk) << err_.str();
    EXPECT_TRUE(has(out_.str(), "already in " + rules_.string())) << out_.str();
    EXPECT_EQ(ReadFile(rules_), rules);
    EXPECT_EQ(ReadFile(list_), "0a1b:c2d3\n");
}

// Under sudo the list is the user's: it and the folders made for it are
// given to them, and a folder that was there already keeps its owner.
TEST_F(UsbAddCommand, UnderSudoTheListAndItsNewFoldersAreTheUsers)
{
    const fs::path config = list_.parent_path().parent_path();
    fs::create_directories(config);
    struct stat before{};
    ASSERT_EQ(::stat(config.c_str(), &before), 0);
    const FileOwner user{before.st_uid + 4321, before.st_gid + 4321};
    UsbAddPlaces places{list_, rules_, user};
    ASSERT_EQ(UsbAdd("0a1b:c2d3", places, out_, err_), kExitOk) << err_.str();
    EXPECT_EQ(ReadFile(list_), "0a1b:c2d3\n");
    if (::geteuid() != 0) {
        // Only root gives files away: anyone else is told, and the list stays.
        EXPECT_TRUE(has(err_.str(), "warning: cannot give " + list_.string() + " to its user")) << err_.str();
        return;
    }
    EXPECT_EQ(err_.str(), "");
    for (const fs::path& path : {list_, list_.parent_path()}) {
        struct stat owned{};
        ASSERT_EQ(::stat(path.c_str(), &owned), 0) << path;
        EXPECT_EQ(owned.st_uid, user.uid) << path;
        EXPECT_EQ(owned.st_gid, user.gid) << path;
    }
    struct stat after{};
    ASSERT_EQ(::stat(config.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, before.st_uid) << "a folder that was there is not given away";
    struct stat rules{};
    ASSERT_EQ(::stat(rules_.c_str(), &rules), 0);
    EXPECT_EQ(rules.st_uid, ::geteuid()) << "the udev rules stay root's";
}

TEST_F(UsbAddCommand, UnwritablePlacesFailWithTheReason)
{
    fs::create_directories(list_.parent_path().parent_path());
    WriteFile(list_.parent_path(), "a file where the folder goes");
    EXPECT_EQ(add("0a1b:c2d3", true), kExitFailed);
    EXPECT_TRUE(err_.str().starts_with("harwick usb: cannot add 0a1b:c2d3 to the list: ")) << err_.str();
    EXPECT_FALSE(fs::exists(rules_)) << "nothing more after the list failed";

    fs::remove(list_.parent_path());
    fs::remove(rules_.parent_path());
    WriteFile(rules_.parent_path(), "a file where the folder goes");
    EXPECT_EQ(add("0a1b:c2d3", true), kExitFailed);
    EXPECT_TRUE(err_.str().starts_with("harwick usb: cannot write the udev rule: ")) << err_.str();
    EXPECT_TRUE(has(err_.str(), UdevRule({0x0a1b, 0xc2d3}))) << "the rule to put in by hand";
}

TEST(UsbCommandLine, WrongUseIsExitTwo)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>> {
             {}, {"lst"}, {"list", "extra"}, {"add"}, {"add", "0a1b:c2d3", "more"}, {"add", "nonsense"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(usb(args, out, err), kExitUsage) << (args.empty() ? "" : args[0]);
        const std::string said = err.str();
        EXPECT_TRUE(said.starts_with("harwick usb: ")) << said;
        EXPECT_TRUE(said.ends_with("; see 'harwick usb --help'\n")) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    std::ostringstream out, err;
    EXPECT_EQ(usb({"--help"}, out, err), kExitOk);
    EXPECT_TRUE(out.str().starts_with("usage: harwick usb list [--json]\n"));
}

} // namespace
} // namespace harwick::cli
