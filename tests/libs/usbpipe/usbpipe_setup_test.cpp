#include "usb_device_list.h"
#include "usb_survey.h"
#include "usbpipe.h"

#include "fake_instrument.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <dlfcn.h>
#include <memory>
#include <string>
#include <vector>

namespace usbpipe::testing {
namespace {

using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;

TEST(UsbDeviceList, TakesWellFormedIdsAndPassesOverTheRest)
{
    const std::string text = "# instruments of the office\r\n"
                             "0a1B:c2D3\r\n"
                             "\n"
                             "   ffff:0001   # the spare one\n"
                             "12345:6789\n"
                             "12:3456\n"
                             "abcd-ef01\n"
                             "g000:0000\n"
                             "0000:0000";
    const std::vector<UsbDeviceId> expected {{0x0a1b, 0xc2d3}, {0xffff, 0x0001}, {0x0000, 0x0000}};
    EXPECT_EQ(ParseUsbDeviceList(text), expected);
    EXPECT_TRUE(ParseUsbDeviceList("").empty());
    EXPECT_TRUE(ParseUsbDeviceList("#0a1b:c2d3\n").empty());
}

TEST(UsbDeviceList, MissingFileListsNothing)
{
    TempDir temp("usbpipe-list");
    EXPECT_TRUE(ReadUsbDeviceList((temp.path() / "absent").string()).empty());
    WriteFile(temp.path() / "list", "1234:5678\n");
    EXPECT_EQ(ReadUsbDeviceList((temp.path() / "list").string()), (std::vector<UsbDeviceId> {{0x1234, 0x5678}}));
}

TEST(UsbDeviceList, IdTextIsExactlyFourHexDigitsEachSide)
{
    EXPECT_EQ(ParseUsbDeviceId("0A1b:c2D3"), (UsbDeviceId {0x0a1b, 0xc2d3}));
    for (const char* wrong : {"", "0a1b", "0a1b:", ":c2d3", "0a1b:c2d", "0a1b:c2d30", "0a1b-c2d3", " 0a1b:c2d3",
                              "0a1b:c2d3 ", "0x1b:c2d3", "0a1b:c2d3:0000"}) {
        EXPECT_FALSE(ParseUsbDeviceId(wrong)) << wrong;
    }
    EXPECT_EQ(FormatUsbDeviceId({0x0a1b, 0xc2d3}), "0a1b:c2d3");
    EXPECT_EQ(FormatUsbDeviceId({0x0001, 0xf000}), "0001:f000");
    EXPECT_EQ(FormatUsbDeviceId({0xffff, 0x0000}), "ffff:0000");
}

TEST(UsbDeviceList, AddingMakesTheFileAndKeepsWhatItHeld)
{
    TempDir temp("usbpipe-add");
    const fs::path list = temp.path() / "config" / "harwick" / "usb-devices";
    std::string error;
    ASSERT_EQ(AddToUsbDeviceList(list, {0x0a1b, 0xc2d3}, error), ListAddition::kAdded) << error;
    EXPECT_EQ(harwick::testing::ReadFile(list), "0a1b:c2d3\n");
    EXPECT_EQ(AddToUsbDeviceList(list, {0x0a1b, 0xc2d3}, error), ListAddition::kAlreadyListed);
    EXPECT_EQ(harwick::testing::ReadFile(list), "0a1b:c2d3\n");

    // A hand-written list: CR LF, comments, a typing error, no last line end.
    const std::string written = "# office\r\n0A1B:C2D3  # old one\r\nabcd-ef01\r\n1111:2222";
    WriteFile(list, written);
    EXPECT_EQ(AddToUsbDeviceList(list, {0x0a1b, 0xc2d3}, error), ListAddition::kAlreadyListed);
    EXPECT_EQ(harwick::testing::ReadFile(list), written);
    // Commented out is not listed.
    WriteFile(list, written + "\r\n# 00ff:0001\r\n");
    ASSERT_EQ(AddToUsbDeviceList(list, {0x00ff, 0x0001}, error), ListAddition::kAdded) << error;
    EXPECT_EQ(harwick::testing::ReadFile(list), written + "\r\n# 00ff:0001\r\n00ff:0001\r\n");
    WriteFile(list, written);
    ASSERT_EQ(AddToUsbDeviceList(list, {0x00ff, 0x0001}, error), ListAddition::kAdded) << error;
    EXPECT_EQ(harwick::testing::ReadFile(list), written + "\r\n00ff:0001\r\n");
    EXPECT_EQ(ReadUsbDeviceList(list.string()),
              (std::vector<UsbDeviceId> {{0x0a1b, 0xc2d3}, {0x1111, 0x2222}, {0x00ff, 0x0001}}));
}

TEST(UsbDeviceList, AddingWhereNoFileCanBeFailsWithTheReason)
{
    TempDir temp("usbpipe-add-fail");
    // Permissions would not stop a test run as root; a file in the folder's place does.
    WriteFile(temp.path() / "harwick", "a file, not a folder");
    std::string error;
    EXPECT_EQ(AddToUsbDeviceList(temp.path() / "harwick" / "usb-devices", {1, 2}, error), ListAddition::kFailed);
    EXPECT_NE(error.find((temp.path() / "harwick").string()), std::string::npos) << error;

    fs::create_directories(temp.path() / "list-is-a-folder");
    error.clear();
    EXPECT_EQ(AddToUsbDeviceList(temp.path() / "list-is-a-folder", {1, 2}, error), ListAddition::kFailed);
    EXPECT_FALSE(error.empty());
}

TEST(UsbSurvey, EmulatedInterfacesInNameOrderWithWhyTheyArePassedOver)
{
    TempDir temp("usbpipe-survey");
    ScopedEnv runtime("XDG_RUNTIME_DIR");
    runtime.set(temp.path().string());
    EXPECT_TRUE(SurveyEmulatedInterfaces().empty());

    const fs::path usb = temp.path() / "harwick" / "usb";
    FakeInstrument live(usb / "b-live");
    FakeInstrument stale(usb / "a-stale", false);
    fs::create_directories(usb / "c-empty");
    WriteFile(usb / "d-file", "");
    const std::size_t longest = 256 - (usb / "").string().size() - 8;
    FakeInstrument tooLong(usb / std::string(longest + 1, 'z'));

    const std::vector<EmulatedInterfaceReport> reports = SurveyEmulatedInterfaces();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0].name, "a-stale");
    EXPECT_EQ(reports[0].path, (usb / "a-stale").string());
    EXPECT_EQ(reports[0].state, EmulatedState::kStale);
    EXPECT_EQ(reports[1].name, "b-live");
    EXPECT_EQ(reports[1].state, EmulatedState::kUsable);
    EXPECT_EQ(reports[2].state, EmulatedState::kNoPipes);
    EXPECT_EQ(reports[3].state, EmulatedState::kPathTooLong);
    EXPECT_EQ(live.received(), "") << "the probe writes nothing";
}

TEST(UsbPipeDevices, ListedDeviceThatIsAbsentFails)
{
    TempDir temp("usbpipe-absent");
    ScopedEnv runtime("XDG_RUNTIME_DIR");
    ScopedEnv config("XDG_CONFIG_HOME");
    runtime.set(temp.path().string());
    config.set(temp.path().string());
    fs::create_directories(temp.path() / "harwick");
    // No vendor has been given ffff; a machine without USB at all fails the same way.
    WriteFile(harwick::platform::UsbDevicesListFile(), "ffff:fffe\n");

    const int before = OpenFdCount();
    const auto start = std::chrono::steady_clock::now();
    std::string buffer(8, 'x');
    EXPECT_EQ(Norvik_UsbDllBulk_ReadData(buffer.data(), 8), 0);
    EXPECT_EQ(Norvik_UsbDllBulk_WriteData(buffer.data(), 8), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(buffer, "xxxxxxxx");
    EXPECT_EQ(OpenFdCount(), before);
}

struct LibraryClose {
    void operator()(void* library) const { ::dlclose(library); }
};

TEST(UsbPipeLibrary, LoadsByFileNameAndBindsByExportName)
{
    const std::unique_ptr<void, LibraryClose> library(::dlopen(USBPIPE_PATH, RTLD_NOW | RTLD_LOCAL));
    ASSERT_NE(library, nullptr) << ::dlerror();
    EXPECT_EQ(fs::path(USBPIPE_PATH).filename(), kLibraryFileName);

    const auto readData = reinterpret_cast<ReadDataFunction>(::dlsym(library.get(), kReadDataSymbol));
    const auto writeData = reinterpret_cast<WriteDataFunction>(::dlsym(library.get(), kWriteDataSymbol));
    const auto init = reinterpret_cast<int (*)()>(::dlsym(library.get(), "Norvik_UsbBulk_SystemInit"));
    const auto leftover = reinterpret_cast<int (*)()>(::dlsym(library.get(), "fnUsbpipe"));
    const auto* counter = static_cast<const int*>(::dlsym(library.get(), "nUsbpipe"));
    ASSERT_NE(readData, nullptr);
    ASSERT_NE(writeData, nullptr);
    ASSERT_NE(init, nullptr);
    ASSERT_NE(leftover, nullptr);
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(init(), 0);
    EXPECT_EQ(leftover(), 42);
    EXPECT_EQ(*counter, 0);

    TempDir temp("usbpipe-dl");
    ScopedEnv runtime("XDG_RUNTIME_DIR");
    runtime.set(temp.path().string());
    FakeInstrument instrument(temp.path() / "harwick" / "usb" / "0");
    instrument.send("ping");
    std::string buffer(4, 'x');
    ASSERT_EQ(readData(buffer.data(), 4), 1);
    EXPECT_EQ(buffer, "ping");
    ASSERT_EQ(writeData("pong", 4), 1);
    EXPECT_EQ(instrument.received(), "pong");
}

} // namespace
} // namespace usbpipe::testing
