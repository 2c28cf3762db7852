#include "usbpipe.h"

#include "fake_instrument.h"
#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace usbpipe::testing {
namespace {

using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::waitUntil;

class UsbPipeThreads : public ::testing::Test {
protected:
    void SetUp() override { runtime_.set(temp_.path().string()); }

    TempDir temp_ {"usbpipe-threads"};
    ScopedEnv runtime_ {"XDG_RUNTIME_DIR"};
    ScopedEnv config_ {"XDG_CONFIG_HOME"};
    const fs::path interface_ = temp_.path() / "harwick" / "usb" / "0";
};

TEST_F(UsbPipeThreads, OverlappingWritesKeepTheirPacketsWhole)
{
    FakeInstrument instrument(interface_);
    constexpr int kPackets = 40;
    std::vector<std::jthread> writers;
    std::vector<int> failures(2, 0);
    for (char mark : {'a', 'b'}) {
        writers.emplace_back([mark, &failed = failures[mark == 'a' ? 0 : 1]] {
            const std::string packet(64, mark);
            for (int i = 0; i < kPackets; ++i) {
                if (Norvik_UsbDllBulk_WriteData(packet.data(), 64) != 1) ++failed;
            }
        });
    }
    writers.clear();
    EXPECT_EQ(failures, std::vector<int>(2, 0));

    const std::string received = instrument.received();
    ASSERT_EQ(received.size(), 2u * kPackets * 64);
    std::map<char, int> packets;
    for (std::size_t at = 0; at < received.size(); at += 64) {
        EXPECT_EQ(received.substr(at, 64), std::string(64, received[at])) << "packet at " << at;
        ++packets[received[at]];
    }
    EXPECT_EQ(packets, (std::map<char, int> {{'a', kPackets}, {'b', kPackets}}));
}

TEST_F(UsbPipeThreads, WriteWaitsForRoom)
{
    FakeInstrument instrument(interface_);
    FakeInstrument::FillToCapacity(instrument.fromPcFd());
    const std::string data = Pattern(130);
    int result = -1;
    std::jthread writer([&] { result = Norvik_UsbDllBulk_WriteData(data.data(), static_cast<int>(data.size())); });

    // Room comes only once the library has the pipe open.
    ASSERT_TRUE(waitUntil([&] { return OpenFdCount(instrument.fromPcPath()) == 2; }));
    std::string received;
    waitUntil([&] {
        received += instrument.received();
        return received.size() >= 4096 + data.size();
    });
    writer.join();
    EXPECT_EQ(result, 1);
    EXPECT_EQ(received, std::string(4096, 'f') + data);
}

TEST_F(UsbPipeThreads, ReaderGoingAwayFailsTheWriteWithoutASignal)
{
    fs::create_directories(interface_);
    MakeFifo(interface_ / harwick::platform::kReadPipeName);
    const fs::path pipe = interface_ / harwick::platform::kWritePipeName;
    MakeFifo(pipe);
    UniqueFd reader(::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    {
        const UniqueFd filler(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        FakeInstrument::FillToCapacity(filler.get());
    }

    int result = -1;
    bool sigpipeLeft = true;
    std::jthread writer([&] {
        result = Norvik_UsbDllBulk_WriteData("data", 4);
        sigset_t pending;
        sigemptyset(&pending);
        sigpending(&pending);
        sigpipeLeft = sigismember(&pending, SIGPIPE) == 1;
    });
    ASSERT_TRUE(waitUntil([&] { return OpenFdCount(pipe) == 2; }));
    reader.reset();
    writer.join();
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(sigpipeLeft);
}

} // namespace
} // namespace usbpipe::testing
