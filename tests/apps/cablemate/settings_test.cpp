#include "settings.h"

#include "cable_messages.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

namespace cablemate {
namespace {

using harwick::testing::ReadFile;
using harwick::testing::TempDir;
using harwick::testing::WriteFile;

bool operator==(const ComSettings& a, const ComSettings& b)
{
    return a.protocol == b.protocol && a.portName == b.portName && a.baudRate == b.baudRate &&
           a.dataBits == b.dataBits && a.stopBits == b.stopBits && a.parity == b.parity &&
           a.receiveTimeOut == b.receiveTimeOut && a.rowDelay == b.rowDelay;
}

class Settings : public ::testing::Test {
protected:
    void put(const std::string& content) const { WriteFile(file_, content); }

    TempDir temp_{"cablemate-settings"};
    const std::string file_ = (temp_.path() / "qtr_cfg.ini").string();
};

TEST_F(Settings, MissingOrForeignFileLeavesTheRecordsAlone)
{
    ComSettings com;
    com.baudRate = 4800; // whatever is in force stays in force
    UsbSettings usb;
    usb.rowDelay = 5;
    EXPECT_EQ(LoadComSettings(file_, com), 0);
    EXPECT_EQ(LoadUsbSettings(file_, usb), 0);
    EXPECT_EQ(com.baudRate, 4800);
    EXPECT_EQ(usb.rowDelay, 5);

    // Names are compared exactly; an empty section is unusable too.
    put("[qtrcomsetting]\r\nCOMPort=COM3\r\n[QTRUSBSETTING]\r\n");
    EXPECT_EQ(LoadComSettings(file_, com), 0);
    EXPECT_EQ(LoadUsbSettings(file_, usb), 0);
    EXPECT_EQ(com.portName, "COM1");
    EXPECT_EQ(usb.rowDelay, 5);
}

TEST_F(Settings, MoreThanTenSectionsMeansSomeoneElsesFile)
{
    std::string content = "[QTRUSBSETTING]\r\nUSBRevRowDelay=300\r\nUSBRevTimeOut=4000\r\n";
    for (int i = 0; i < 9; ++i) content += "[Other" + std::to_string(i) + "]\r\nk=v\r\n";
    put(content);
    UsbSettings usb;
    EXPECT_EQ(LoadUsbSettings(file_, usb), 2); // ten sections still count
    EXPECT_EQ(usb.rowDelay, 300);
    EXPECT_EQ(usb.receiveTimeOut, 4000);

    put(content + "[Eleventh]\r\nk=v\r\n");
    UsbSettings fresh;
    EXPECT_EQ(LoadUsbSettings(file_, fresh), 0);
    EXPECT_EQ(fresh.rowDelay, 800);
    EXPECT_EQ(fresh.receiveTimeOut, 10000);
}

TEST_F(Settings, SavedFileHoldsExactlyTheKeysInOrderAndReadsBack)
{
    ASSERT_TRUE(SaveComSettings(file_, ComSettings{}));
    ASSERT_TRUE(SaveUsbSettings(file_, UsbSettings{}));
    EXPECT_EQ(ReadFile(file_),
              "[QTRCOMSETTING]\r\nCOMPort=COM1\r\nBaudrate=19200\r\nCheckBit=0\r\nDataBit=8\r\nProtol=0\r\n"
              "ReceiveTimeOut=10000\r\nRowDelay=800\r\nStopBit=0\r\n"
              "[QTRUSBSETTING]\r\nUSBRevRowDelay=800\r\nUSBRevTimeOut=10000\r\n");

    const ComSettings com{1, "COM5", 115200, 7, 1, 2, 3000, 45};
    const UsbSettings usb{7000, 9999};
    ASSERT_TRUE(SaveComSettings(file_, com));
    ASSERT_TRUE(SaveUsbSettings(file_, usb));
    ComSettings comBack;
    UsbSettings usbBack;
    EXPECT_EQ(LoadComSettings(file_, comBack), 8);
    EXPECT_EQ(LoadUsbSettings(file_, usbBack), 2);
    EXPECT_TRUE(comBack == com);
    EXPECT_EQ(usbBack.receiveTimeOut, 7000);
    EXPECT_EQ(usbBack.rowDelay, 9999);
}

TEST_F(Settings, SaveReplacesAHandEditedSectionAndKeepsTheRest)
{
    put("; mine\r\n[Printer]\r\nName=lp0\r\n[QTRCOMSETTING]\r\nStopBit=1\r\nExtra=x\r\nCOMPort=COM2\r\n");
    ASSERT_TRUE(SaveComSettings(file_, ComSettings{}));
    EXPECT_EQ(ReadFile(file_),
              "; mine\r\n[Printer]\r\nName=lp0\r\n"
              "[QTRCOMSETTING]\r\nCOMPort=COM1\r\nBaudrate=19200\r\nCheckBit=0\r\nDataBit=8\r\nProtol=0\r\n"
              "ReceiveTimeOut=10000\r\nRowDelay=800\r\nStopBit=0\r\n");
}

TEST_F(Settings, ValuesAreTakenByPositionNotByName)
{
    // Hand-edited: the keys in another order, one number that is no number,
    // and only three entries; the positions decide, the rest keep defaults.
    put("[QTRCOMSETTING]\r\nBaudrate=9600\r\nCOMPort=COM3\r\nCheckBit=fast\r\n");
    ComSettings com;
    EXPECT_EQ(LoadComSettings(file_, com), 3);
    EXPECT_EQ(com.portName, "9600");
    EXPECT_EQ(com.baudRate, 0);
    EXPECT_EQ(com.parity, 0);
    EXPECT_EQ(com.dataBits, 8);
    EXPECT_EQ(com.rowDelay, 800);

    put("[QTRUSBSETTING]\r\nUSBRevTimeOut=1234\r\nUSBRevRowDelay=55ms\r\n");
    UsbSettings usb;
    EXPECT_EQ(LoadUsbSettings(file_, usb), 2);
    EXPECT_EQ(usb.rowDelay, 1234);
    EXPECT_EQ(usb.receiveTimeOut, 55);
}

TEST_F(Settings, ThePortIsKeptAsTheFileNamesItAndSavedBack)
{
    const std::string byId = "/dev/serial/by-id/usb-Maker_USB_Serial_A10K3X-if00-port0";
    for (const std::string& name : {std::string("COM256"), std::string("/dev/ttyUSB0"), byId}) {
        ComSettings com;
        com.portName = name;
        ASSERT_TRUE(SaveComSettings(file_, com));
        ComSettings read;
        EXPECT_EQ(LoadComSettings(file_, read), 8);
        EXPECT_EQ(read.portName, name);
    }
    // A name that names no port stays as it is, never some other port.
    put("[QTRCOMSETTING]\r\nCOMPort=COM1234\r\nBaudrate=2400\r\n");
    ComSettings com;
    EXPECT_EQ(LoadComSettings(file_, com), 2);
    EXPECT_EQ(com.portName, "COM1234");
    EXPECT_EQ(com.baudRate, 2400);
}

TEST(PortSetting, NamesAPortOnlyWhereTheMapOrTheTableGivesADevice)
{
    TempDir temp("cablemate-port-names");
    harwick::testing::ScopedEnv config("XDG_CONFIG_HOME");
    config.set(temp.path().string());
    // The default table: COM33 is the first USB adapter, nothing is COM200.
    EXPECT_TRUE(NamesAPort("COM33"));
    EXPECT_TRUE(NamesAPort("com40"));
    EXPECT_FALSE(NamesAPort("COM200"));
    // A map is complete: only what it lists.
    const std::filesystem::path map = temp.path() / "harwick" / "ports";
    std::filesystem::create_directories(map);
    std::filesystem::create_symlink("/dev/ttyUSB0", map / "COM33");
    EXPECT_TRUE(NamesAPort("COM33"));
    EXPECT_FALSE(NamesAPort("COM40"));
    // A device path names its device, present or not; anything else nothing.
    EXPECT_TRUE(NamesAPort("/dev/ttyUSB9"));
    for (const char* none : {"", "COM0", "COM01", "COMx", "9600", "ttyUSB0"}) EXPECT_FALSE(NamesAPort(none)) << none;
    EXPECT_FALSE(NamesAPort("/dev/" + std::string(kPortNameCapacity, 'x')));

    const std::string told = PortNamesNoPortMessage("COM1234");
    EXPECT_EQ(told, std::string(kPortNamesNoPortBefore) + "COM1234" + std::string(kPortNamesNoPortAfter));
}

// A made-up machine: an on-board UART, a USB-serial adapter with its by-id
// link and a USB instrument, and a ports map naming the first two.
class PresentPortChoicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.set((temp_.path() / "config").string());
        const std::filesystem::path adapter = root_ / "sys/devices/usb1/1-2";
        const std::filesystem::path instrument = root_ / "sys/devices/usb1/1-3";
        usbDevice(adapter, "0403", "6001", "USB Serial");
        usbDevice(instrument, "1d6b", "0104", "Field Instrument");
        tty("ttyUSB0", adapter / "1-2:1.0/ttyUSB0");
        tty("ttyACM0", instrument / "1-3:1.0");
        tty("ttyS0", root_ / "sys/devices/platform/serial8250/tty/ttyS0");
        WriteFile(root_ / "sys/class/tty/ttyS0/type", "4\n");
        std::filesystem::create_directories(root_ / "dev/serial/by-id");
        std::filesystem::create_directory_symlink("../../ttyUSB0", root_ / "dev/serial/by-id" / byIdName_);
        const std::filesystem::path map = temp_.path() / "config/harwick/ports";
        std::filesystem::create_directories(map);
        std::filesystem::create_symlink("/dev/ttyS0", map / "COM1");
        std::filesystem::create_symlink("/dev/serial/by-id/" + byIdName_, map / "COM33");
    }

    void usbDevice(const std::filesystem::path& dir, const char* vendor, const char* product, const char* name)
    {
        std::filesystem::create_directories(dir);
        WriteFile(dir / "idVendor", std::string(vendor) + "\n");
        WriteFile(dir / "idProduct", std::string(product) + "\n");
        WriteFile(dir / "product", std::string(name) + "\n");
    }

    void tty(const std::string& name, const std::filesystem::path& deviceDir)
    {
        const std::filesystem::path entry = root_ / "sys/class/tty" / name;
        std::filesystem::create_directories(entry);
        std::filesystem::create_directories(deviceDir);
        std::filesystem::create_directory_symlink(std::filesystem::relative(deviceDir, entry), entry / "device");
        std::filesystem::create_directories(root_ / "dev");
        WriteFile(root_ / "dev" / name, "");
    }

    // The instrument is refused (as root nothing is, so it is made up here).
    std::vector<harwick::platform::PresentPort> present() const
    {
        return harwick::platform::ListPresentPorts(
            root_, [](const std::filesystem::path& device) { return device.filename() == "ttyACM0" ? EACCES : 0; });
    }

    harwick::testing::ScopedEnv config_{"XDG_CONFIG_HOME"};
    TempDir temp_{"cablemate-present-ports"};
    const std::filesystem::path root_ = temp_.path() / "root";
    const std::string byIdName_ = "usb-Maker_USB_Serial_A10K3X-if00-port0";
};

TEST_F(PresentPortChoicesTest, OnePerPortBeyondComOneToSixByItsLabel)
{
    const std::vector<PortChoice> choices = PresentPortChoices(present(), "COM1");
    ASSERT_EQ(choices.size(), 2u) << "COM1 is offered already";
    EXPECT_EQ(choices[0].value, "COM33");
    EXPECT_EQ(choices[0].label, "COM33 \u2014 /dev/ttyUSB0 (USB-serial adapter: USB Serial)");
    // Without a COM name the device itself is the choice; a refusal says why.
    EXPECT_EQ(choices[1].value, "/dev/ttyACM0");
    const std::string refusal =
        harwick::platform::ExplainAccess(root_ / "dev/ttyACM0", EACCES).Text();
    EXPECT_EQ(choices[1].label, "/dev/ttyACM0 (USB serial device: Field Instrument): not usable: " + refusal);
}

TEST_F(PresentPortChoicesTest, APortTheSettingNamesByPathKeepsThatPath)
{
    // The by-id path survives another USB socket: OK must not turn it into COM33.
    const std::string byId = "/dev/serial/by-id/" + byIdName_;
    EXPECT_EQ(PresentPortChoices(present(), byId)[0].value, byId);
    EXPECT_EQ(PresentPortChoices(present(), "/dev/ttyUSB0")[0].value, "/dev/ttyUSB0");
}

TEST_F(Settings, ProfileFileReadsWithinItsBuffers)
{
    // One name far longer than the names buffer, a section far larger than
    // the section buffer: both come back cut, never written past.
    std::string content = "[" + std::string(3000, 'S') + "]\r\n[Big]\r\n";
    for (int i = 0; i < 400; ++i) content += "Key" + std::to_string(i) + "=" + std::string(20, 'v') + "\r\n";
    put(content);
    const ProfileFile profile(file_);
    const std::vector<std::string> names = profile.SectionNames();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_LT(names[0].size(), static_cast<std::size_t>(kSectionNamesBuffer));

    const auto entries = profile.Section("Big");
    ASSERT_GT(entries.size(), 100u);
    EXPECT_LT(entries.size(), 400u);
    EXPECT_EQ(entries[0].first, "Key0");
    EXPECT_EQ(entries[0].second, std::string(20, 'v'));
}

TEST_F(Settings, ProfileFileWriteModesAndDeletes)
{
    const ProfileFile profile(file_);
    EXPECT_EQ(profile.Write("S", "k", "v", ProfileFile::WriteMode::OnlyExisting), ENOENT);
    EXPECT_EQ(ReadFile(file_), "");
    EXPECT_FALSE(profile.Read("S", "k"));

    EXPECT_EQ(profile.Write("S", "k", "v", ProfileFile::WriteMode::Always), 0);
    EXPECT_EQ(profile.Write("S", "k", "w", ProfileFile::WriteMode::OnlyExisting), 0);
    EXPECT_EQ(profile.Read("S", "k"), "w");
    EXPECT_EQ(profile.Write("S", "j", "1", ProfileFile::WriteMode::Always), 0);

    EXPECT_TRUE(profile.DeleteKey("S", "k"));
    EXPECT_FALSE(profile.Read("S", "k"));
    EXPECT_EQ(profile.Read("S", "j"), "1");
    EXPECT_TRUE(profile.DeleteSection("S"));
    EXPECT_TRUE(profile.SectionNames().empty());

    const ProfileFile nowhere((temp_.path() / "missing-dir" / "x.ini").string());
    EXPECT_NE(nowhere.Write("S", "k", "v", ProfileFile::WriteMode::Always), 0);
    EXPECT_FALSE(SaveUsbSettings(nowhere.Path(), UsbSettings{}));
}

TEST(SettingsDialog, TimeoutAndRowDelayChecks)
{
    struct Case {
        std::string_view typed;
        int value;
        bool complains;
    };
    for (const Case& c : {Case{"1", 1000, false}, Case{"999", 999000, false}, Case{"10 ", 10000, false},
                          Case{"0", 10000, true}, Case{"1000", 10000, true}, Case{"-5", 10000, true},
                          Case{"", 10000, true}, Case{"12s", 10000, true}}) {
        const CheckedSetting got = CheckTimeoutSeconds(c.typed);
        EXPECT_EQ(got.value, c.value) << c.typed;
        EXPECT_EQ(got.message, c.complains ? kTimeoutRange : std::string_view{}) << c.typed;
    }
    for (const Case& c : {Case{"1", 1, false}, Case{"9999", 9999, false}, Case{"800", 800, false},
                          Case{"0", 800, true}, Case{"10000", 800, true}, Case{"x", 800, true}}) {
        const CheckedSetting got = CheckRowDelay(c.typed);
        EXPECT_EQ(got.value, c.value) << c.typed;
        EXPECT_EQ(got.message, c.complains ? kRowDelayRange : std::string_view{}) << c.typed;
    }
    // What the dialog shows reads back as the same value.
    EXPECT_EQ(DialogNumber(10), "10 ");
    EXPECT_EQ(DialogNumber(10000), "10000");
    EXPECT_EQ(CheckRowDelay(DialogNumber(5)).value, 5);
}

TEST(SettingsDialog, RadioGroupsCheckOnlyListedValues)
{
    const ComSettings com;
    EXPECT_EQ(CheckedChoice(kBaudRateChoices, com.baudRate), 4u);
    EXPECT_EQ(kBaudRateChoices[*CheckedChoice(kBaudRateChoices, 115200)].label, "115200");
    EXPECT_EQ(CheckedChoice(kBaudRateChoices, 300), std::nullopt);
    EXPECT_EQ(CheckedChoice(kPortChoices, std::string_view(com.portName)), 0u);
    EXPECT_EQ(CheckedChoice(kPortChoices, std::string_view("COM7")), std::nullopt);
    EXPECT_EQ(CheckedChoice(kStopBitChoices, std::uint8_t{1}), 1u);
    EXPECT_EQ(CheckedChoice(kParityChoices, std::uint8_t{3}), std::nullopt);
}

} // namespace
} // namespace cablemate
