#include "serialport.h"

#include "framekit.h"
#include "profile/profile.h"

#include <array>
#include <cstdio>
#include <termios.h>

namespace {

constexpr const char* kIniName = "/RuDEZ29.ini";
constexpr const char* kSection = "VqCOM";
constexpr const char* kDefaultBaudRate = "115200";
constexpr const char* kDefaultDataBits = "8";
// The numbers are read into 12-character buffers.
constexpr int kShortValue = 12;
// A device path ("/dev/ttyUSB0") is longer than a port name; it must not be cut.
constexpr int kPortValue = 260;

struct Baud {
    long rate;
    speed_t speed;
};

constexpr Baud kBauds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},         {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},       {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},     {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800},   {500000, B500000},
    {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000},
};

bool speedFor(long rate, speed_t& speed)
{
    for (const Baud& b : kBauds) {
        if (b.rate == rate) {
            speed = b.speed;
            return true;
        }
    }
    return false;
}

std::string readString(const std::string& file, const char* key, const char* fallback, int size)
{
    std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
    int n = harwick::platform::GetPrivateProfileString(kSection, key, fallback, buffer.data(), size, file);
    return std::string(buffer.data(), static_cast<std::size_t>(n > 0 ? n : 0));
}

} // namespace

namespace serialkit_detail {

std::optional<termios> withSettings(const termios& current, const CMiniDCB& dcb)
{
    termios t = current;
    long rate = 0;
    if (std::sscanf(dcb.baudRate.c_str(), "%ld", &rate) == 1) {
        speed_t speed{};
        if (!speedFor(rate, speed)) return std::nullopt;
        ::cfsetispeed(&t, speed);
        ::cfsetospeed(&t, speed);
    }
    int bits = 0;
    if (std::sscanf(dcb.dataBits.c_str(), "%d", &bits) == 1) {
        static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
        if (bits < 5 || bits > 8) return std::nullopt;
        t.c_cflag = (t.c_cflag & ~CSIZE) | kSizes[bits - 5];
    }
    t.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    switch (dcb.parity & 0xFF) {
    case 0: break;
    case 1: t.c_cflag |= PARENB | PARODD; break;
    case 2: t.c_cflag |= PARENB; break;
    case 3: t.c_cflag |= PARENB | CMSPAR | PARODD; break; // mark
    case 4: t.c_cflag |= PARENB | CMSPAR; break;          // space
    default: return std::nullopt;
    }
    if (dcb.stopBits == 1) t.c_cflag &= ~CSTOPB;
    else if (dcb.stopBits == 2) t.c_cflag |= CSTOPB;
    return t;
}

bool applySettings(int fd, const CMiniDCB& dcb)
{
    termios current{};
    if (::tcgetattr(fd, &current) != 0) return false;
    std::optional<termios> wanted = withSettings(current, dcb);
    return wanted && ::tcsetattr(fd, TCSANOW, &*wanted) == 0;
}

} // namespace serialkit_detail

int VqSerialPro::GetIniComPara(CMiniDCB** out)
{
    std::array<char, 260> cwd{};
    char* cursor = cwd.data();
    CFramekit::ReturnFilePath(&cursor);
    const std::string file = std::string(cwd.data()) + kIniName;

    using harwick::platform::GetPrivateProfileInt;
    settings_.parity = GetPrivateProfileInt(kSection, "Parity", 0, file);
    settings_.stopBits = GetPrivateProfileInt(kSection, "StopBits", 0, file);
    settings_.baudRate = readString(file, "BaudRate", kDefaultBaudRate, kShortValue);
    settings_.dataBits = readString(file, "DataBits", kDefaultDataBits, kShortValue);
    settings_.port = readString(file, "Port", "", kPortValue);
    if (out != nullptr) *out = &settings_;
    return 1;
}
