// What one ReadData or WriteData call costs before its first byte moves: the
// cable program calls once per 64-byte packet, so this set-up is paid per
// packet. Against an emulated interface (with and without stale folders in
// front of it, which every call probes and passes over), and the libusb
// start-up, device listing and shut-down that a call looking for a real
// instrument paid each time before the device was kept between calls (and
// still pays while no listed device is attached).
#include "usbpipe.h"
#include "usbif/usbif.h"

#include <benchmark/benchmark.h>
#include <libusb.h>

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A private runtime and config folder for the whole run, removed at the end.
class Scratch {
public:
    Scratch()
    {
        std::string pattern = (fs::temp_directory_path() / "usbpipe-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        root_ = pattern;
        ::setenv("XDG_RUNTIME_DIR", root_.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch()
    {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    fs::path usb() const { return harwick::platform::EmulatedUsbDirectory(); }

private:
    fs::path root_;
};

// An emulated interface, held as the simulator holds it; or, unheld, the
// folder a simulator that crashed leaves behind.
class Interface {
public:
    Interface(const fs::path& dir, bool held) : dir_(dir)
    {
        fs::create_directories(dir_);
        ::mkfifo((dir_ / harwick::platform::kReadPipeName).c_str(), 0600);
        ::mkfifo((dir_ / harwick::platform::kWritePipeName).c_str(), 0600);
        if (!held) return;
        toPc_ = ::open((dir_ / harwick::platform::kReadPipeName).c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        fromPc_ = ::open((dir_ / harwick::platform::kWritePipeName).c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    }
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;
    ~Interface()
    {
        if (toPc_ >= 0) ::close(toPc_);
        if (fromPc_ >= 0) ::close(fromPc_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    bool send(const char* packet) const { return ::write(toPc_, packet, 64) == 64; }
    bool drain(char* packet) const { return ::read(fromPc_, packet, 64) == 64; }

private:
    fs::path dir_;
    int toPc_ = -1;
    int fromPc_ = -1;
};

// Arg: stale folders in front of the live interface.
std::vector<std::unique_ptr<Interface>> StaleFolders(const Scratch& scratch, std::int64_t count)
{
    std::vector<std::unique_ptr<Interface>> stale;
    for (std::int64_t i = 0; i < count; ++i) {
        stale.push_back(std::make_unique<Interface>(scratch.usb() / ("0-stale-" + std::to_string(i)), false));
    }
    return stale;
}

void BM_EmulatedReadOnePacket(benchmark::State& state)
{
    Scratch scratch;
    const auto stale = StaleFolders(scratch, state.range(0));
    const Interface live(scratch.usb() / "1-live", true);
    char packet[64] = {'p'};
    char got[64];
    for (auto _ : state) {
        if (!live.send(packet) || Norvik_UsbDllBulk_ReadData(got, 64) != 1) {
            state.SkipWithError("the packet did not come");
            break;
        }
        benchmark::DoNotOptimize(got);
    }
}
BENCHMARK(BM_EmulatedReadOnePacket)->Arg(0)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_EmulatedWriteOnePacket(benchmark::State& state)
{
    Scratch scratch;
    const auto stale = StaleFolders(scratch, state.range(0));
    const Interface live(scratch.usb() / "1-live", true);
    char packet[64] = {'p'};
    char taken[64];
    for (auto _ : state) {
        if (Norvik_UsbDllBulk_WriteData(packet, 64) != 1 || !live.drain(taken)) {
            state.SkipWithError("the packet did not go");
            break;
        }
    }
}
BENCHMARK(BM_EmulatedWriteOnePacket)->Arg(0)->Arg(4)->Unit(benchmark::kMicrosecond);

// The floor of the two above: the instrument's side alone, one packet each way.
void BM_FifoPacketAlone(benchmark::State& state)
{
    Scratch scratch;
    const Interface live(scratch.usb() / "1-live", true);
    const int pcRead = ::open((scratch.usb() / "1-live" / harwick::platform::kReadPipeName).c_str(),
                              O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    char packet[64] = {'p'};
    char got[64];
    for (auto _ : state) {
        if (!live.send(packet) || ::read(pcRead, got, 64) != 64) {
            state.SkipWithError("the packet did not come");
            break;
        }
    }
    ::close(pcRead);
}
BENCHMARK(BM_FifoPacketAlone)->Unit(benchmark::kMicrosecond);

// What finding a real instrument cost every call before it was kept: libusb
// started, the devices listed, libusb ended (on this machine, with whatever
// devices it has; the opening, claiming and kernel-driver detach of a real
// device come on top).
void BM_LibusbStartListExit(benchmark::State& state)
{
    for (auto _ : state) {
        libusb_context* context = nullptr;
        if (libusb_init(&context) != 0) {
            state.SkipWithError("libusb does not start");
            break;
        }
        libusb_device** devices = nullptr;
        const ssize_t count = libusb_get_device_list(context, &devices);
        benchmark::DoNotOptimize(count);
        if (count >= 0) libusb_free_device_list(devices, 1);
        libusb_exit(context);
    }
}
BENCHMARK(BM_LibusbStartListExit)->Unit(benchmark::kMicrosecond);

// A whole call through the library that looks for a listed device that is
// not attached: the list read, libusb started, listed and ended.
void BM_ListedDeviceAbsentOneCall(benchmark::State& state)
{
    Scratch scratch;
    fs::create_directories(fs::path(harwick::platform::UsbDevicesListFile()).parent_path());
    std::ofstream(harwick::platform::UsbDevicesListFile()) << "ffff:fffe\n";
    char got[64];
    for (auto _ : state) benchmark::DoNotOptimize(Norvik_UsbDllBulk_ReadData(got, 64));
}
BENCHMARK(BM_ListedDeviceAbsentOneCall)->Unit(benchmark::kMicrosecond);

} // namespace
