// Sustained receive over a pseudo-terminal: the far end sends as fast as the
// line takes it, and every byte must reach OnReceive, in order. A 921,600-baud
// line carries 92,160 bytes a second; the receive path must keep above that.
#include "serialkit.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr unsigned char patternAt(std::size_t i) { return static_cast<unsigned char>(i % 251); }

struct Checker : RcvInterface {
    std::atomic<std::size_t> received{0};
    std::atomic<bool> intact{true};
    int OnReceive(int, char* data, int length) override
    {
        std::size_t at = received.load(std::memory_order_relaxed);
        for (int i = 0; i < length; ++i) {
            if (static_cast<unsigned char>(data[i]) != patternAt(at + static_cast<std::size_t>(i))) intact = false;
        }
        received.store(at + static_cast<std::size_t>(length), std::memory_order_release);
        return 1;
    }
};

void sendAll(int fd, std::size_t total)
{
    std::vector<char> chunk(4096);
    std::size_t sent = 0;
    while (sent < total) {
        const std::size_t n = std::min(chunk.size(), total - sent);
        for (std::size_t i = 0; i < n; ++i) chunk[i] = static_cast<char>(patternAt(sent + i));
        std::size_t off = 0;
        while (off < n) {
            ssize_t w = ::write(fd, chunk.data() + off, n - off);
            if (w > 0) {
                off += static_cast<std::size_t>(w);
            } else {
                pollfd p{fd, POLLOUT, 0};
                ::poll(&p, 1, 1000);
            }
        }
        sent += n;
    }
}

void BM_ReceiveFromFarEnd(benchmark::State& state)
{
    const auto total = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        VqSerialPro port;
        Checker checker;
        port.RegisterRcvInterface(&checker);
        CMiniDCB dcb;
        dcb.port = ::ptsname(master);
        dcb.baudRate = "921600";
        if (port.ConnectSerial(&dcb) != 1) {
            state.SkipWithError("the pseudo-terminal did not open");
            ::close(master);
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        std::thread sender(sendAll, master, total);
        // Bounded: a receive path that loses bytes would otherwise wait forever.
        const auto giveUp = start + std::chrono::seconds(600);
        while (checker.received.load(std::memory_order_acquire) < total && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        sender.join();
        state.SetIterationTime(seconds);
        state.counters["lost_bytes"] = static_cast<double>(total - std::min(total, checker.received.load()));
        state.counters["intact"] = checker.intact ? 1 : 0;
        port.DisConnectSerial();
        ::close(master);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
}
BENCHMARK(BM_ReceiveFromFarEnd)->Arg(10 << 20)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
