#include "usb_device_list.h"
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
