// The serial connection against a real pseudo-terminal mapped as a COM port:
// settings from the ini file reach the line, received bytes reach the
// receivers, messages reach the far end, and closing ends every thread.
#include "serialkit.h"
#include "serialport.h"

#include "pty.h"
#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

using harwick::testing::PseudoTerminal;
using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::waitUntil;

// Live threads of this process. The first thread a process starts may bring
// a helper thread of the runtime (ThreadSanitizer's), so one is started and
// ended first to count from a settled baseline. A thread already joined can
// stay listed for a moment while the kernel ends it (state Z or X): it does
// not count.
int threadCount()
{
    static const bool settled = [] {
        std::thread([] {}).join();
        return true;
    }();
    (void)settled;
    int n = 0;
    std::error_code ec;
    for (const auto& task : fs::directory_iterator("/proc/self/task", ec)) {
        std::string stat = harwick::testing::ReadFile(task.path() / "stat");
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos || close + 2 >= stat.size()) continue; // gone meanwhile
        const char state = stat[close + 2];
        if (state != 'Z' && state != 'X') ++n;
    }
    return n;
}

struct Collector : RcvInterface {
    std::mutex mutex;
    std::string data;
    std::vector<int> sizes;
    std::vector<Clock::time_point> times;
    bool allTerminated = true;
    std::vector<int>* sequence = nullptr; // shared by several collectors
    int id = 0;

    int OnReceive(int channel, char* bytes, int length) override
    {
        std::lock_guard lock(mutex);
        EXPECT_EQ(channel, 0);
        allTerminated = allTerminated && bytes[length] == '\0';
        data.append(bytes, static_cast<std::size_t>(length));
        sizes.push_back(length);
        times.push_back(Clock::now());
        if (sequence) sequence->push_back(id);
        return 1;
    }
    std::size_t size()
    {
        std::lock_guard lock(mutex);
        return data.size();
    }
};

class SerialkitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(ports_);
        config_.set((dir_ / "config").string());
        oldCwd_ = fs::current_path();
        fs::current_path(dir_);
        ASSERT_FALSE(far_.slavePath().empty());
        mapPort("COM5", far_.slavePath());
    }
    void TearDown() override { fs::current_path(oldCwd_); }

    void mapPort(const std::string& name, const std::string& device) { fs::create_symlink(device, ports_ / name); }

    void writeIni(const std::string& body) { std::ofstream(dir_ / "RuDEZ29.ini", std::ios::binary) << body; }

    CMiniDCB com5() const
    {
        CMiniDCB dcb;
        dcb.port = "COM5";
        return dcb;
    }

    TempDir temp_{"harwick-serialkit"};
    const fs::path dir_ = temp_.path();
    const fs::path ports_ = dir_ / "config" / "harwick" / "ports";
    ScopedEnv config_{"XDG_CONFIG_HOME"};
    fs::path oldCwd_;
    PseudoTerminal far_;
};

TEST_F(SerialkitTest, IniSettingsReachTheLine)
{
    writeIni("[VqCOM]\r\nPort=COM5\r\nBaudRate=9600\r\nDataBits=7\r\nParity=2\r\nStopBits=2\r\n");
    VqSerialPro port;
    CMiniDCB* dcb = nullptr;
    ASSERT_EQ(port.GetIniComPara(&dcb), 1);
    ASSERT_NE(dcb, nullptr);
    EXPECT_EQ(dcb->port, "COM5");
    EXPECT_EQ(dcb->baudRate, "9600");
    EXPECT_EQ(dcb->dataBits, "7");
    EXPECT_EQ(dcb->parity, 2);
    EXPECT_EQ(dcb->stopBits, 2);
    ASSERT_EQ(port.ConnectSerial(dcb), 1);
    termios t = far_.settings();
    EXPECT_EQ(::cfgetospeed(&t), B9600);
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    EXPECT_FALSE(t.c_lflag & ICANON) << "raw mode";
    // A pseudo-terminal always carries 8 bits without parity, whatever it is
    // told; what the port asks of a real line is checked on the state itself.
    std::optional<termios> asked = serialkit_detail::withSettings(t, *dcb);
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->c_cflag & CSIZE, static_cast<tcflag_t>(CS7));
    EXPECT_EQ(asked->c_cflag & (PARENB | PARODD | CMSPAR), static_cast<tcflag_t>(PARENB));
    int exclusive = 0;
    int fd = ::open(far_.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ioctl(fd, TIOCGEXCL, &exclusive), 0);
    ::close(fd);
    EXPECT_EQ(exclusive, 1);
}

TEST_F(SerialkitTest, ParityCodesAndOddValues)
{
    struct Case {
        const char* ini;
        tcflag_t parity;
        bool twoStops;
        speed_t speed;
    };
    far_.setSpeed(B4800);
    const Case cases[] = {
        {"Parity=1\r\nStopBits=1\r\n", PARENB | PARODD, false, B115200},
        {"Parity=3\r\n", PARENB | PARODD | CMSPAR, false, B115200},             // mark
        {"Parity=4\r\nStopBits=2\r\n", PARENB | CMSPAR, true, B115200},         // space
        {"Parity=0\r\nStopBits=1.5\r\n", 0, false, B115200},                    // 1.5 reads as 1
        {"BaudRate=fast\r\nStopBits=2\r\n", 0, true, B4800},                    // keeps the line's speed
        {"BaudRate=921600\r\nParity=2\r\n", PARENB, true, B921600},             // stop bits 0 keep the line's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        far_.setSpeed(B4800);
        writeIni(std::string("[VqCOM]\r\nPort=COM5\r\n") + c.ini);
        VqSerialPro port;
        CMiniDCB* dcb = nullptr;
        port.GetIniComPara(&dcb);
        ASSERT_EQ(port.ConnectSerial(dcb), 1);
        termios t = far_.settings();
        EXPECT_EQ((t.c_cflag & CSTOPB) != 0, c.twoStops);
        EXPECT_EQ(::cfgetospeed(&t), c.speed);
        // The line keeps the odd and mark/space bits; parity itself is asked for.
        EXPECT_EQ(t.c_cflag & (PARODD | CMSPAR), c.parity & (PARODD | CMSPAR));
        std::optional<termios> asked = serialkit_detail::withSettings(t, *dcb);
        ASSERT_TRUE(asked);
        EXPECT_EQ(asked->c_cflag & (PARENB | PARODD | CMSPAR), c.parity);
        EXPECT_EQ(port.DisConnectSerial(), 1);
    }
}

TEST(SerialkitSettings, ValuesNoLineTakesRefuseTheWholeChange)
{
    termios current{};
    ::cfsetospeed(&current, B4800);
    current.c_cflag |= CS8;
    auto dcbWith = [](const char* baud, const char* bits, int parity) {
        CMiniDCB dcb;
        dcb.baudRate = baud;
        dcb.dataBits = bits;
        dcb.parity = parity;
        return dcb;
    };
    EXPECT_FALSE(serialkit_detail::withSettings(current, dcbWith("12345", "8", 0)));
    EXPECT_FALSE(serialkit_detail::withSettings(current, dcbWith("9600", "9", 0)));
    EXPECT_FALSE(serialkit_detail::withSettings(current, dcbWith("9600", "8", 5)));
    // Only the low byte of the parity counts.
    std::optional<termios> even = serialkit_detail::withSettings(current, dcbWith("9600", "8", 0x102));
    ASSERT_TRUE(even);
    EXPECT_EQ(even->c_cflag & (PARENB | PARODD | CMSPAR), static_cast<tcflag_t>(PARENB));
    // Text that does not scan keeps the line's own value.
    std::optional<termios> kept = serialkit_detail::withSettings(current, dcbWith("fast", "many", 0));
    ASSERT_TRUE(kept);
    EXPECT_EQ(::cfgetospeed(&*kept), B4800);
    EXPECT_EQ(kept->c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    std::optional<termios> five = serialkit_detail::withSettings(current, dcbWith("300", "5", 1));
    ASSERT_TRUE(five);
    EXPECT_EQ(five->c_cflag & CSIZE, static_cast<tcflag_t>(CS5));
    EXPECT_EQ(::cfgetospeed(&*five), B300);
}

TEST_F(SerialkitTest, SettingsTheLineCannotTakeLeaveItAsItWas)
{
    far_.setSpeed(B4800);
    writeIni("[VqCOM]\r\nPort=COM5\r\nBaudRate=12345\r\nDataBits=7\r\nStopBits=2\r\n");
    VqSerialPro port;
    CMiniDCB* dcb = nullptr;
    port.GetIniComPara(&dcb);
    ASSERT_EQ(port.ConnectSerial(dcb), 1) << "a refused setting does not stop the open";
    termios t = far_.settings();
    EXPECT_EQ(::cfgetospeed(&t), B4800);
    EXPECT_FALSE(t.c_cflag & CSTOPB);
}

TEST_F(SerialkitTest, MissingIniGivesDefaultsAndNoPort)
{
    VqSerialPro port;
    CMiniDCB* dcb = nullptr;
    ASSERT_EQ(port.GetIniComPara(&dcb), 1);
    EXPECT_EQ(dcb->port, "");
    EXPECT_EQ(dcb->baudRate, "115200");
    EXPECT_EQ(dcb->dataBits, "8");
    EXPECT_EQ(dcb->stopBits, 0);
    EXPECT_EQ(dcb->parity, 0);
    const int before = threadCount();
    EXPECT_EQ(port.ConnectSerial(dcb), 0);
    EXPECT_FALSE(port.IsConnected());
    EXPECT_EQ(threadCount(), before) << "no thread for a port that did not open";
}

TEST_F(SerialkitTest, DefaultRecordOpensCom4)
{
    mapPort("COM4", far_.slavePath());
    VqSerialPro port;
    CMiniDCB dcb;
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    termios t = far_.settings();
    EXPECT_EQ(::cfgetospeed(&t), B115200);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(t.c_cflag & PARENB);
}

TEST_F(SerialkitTest, PlainDevicePathOpensToo)
{
    VqSerialPro port;
    CMiniDCB dcb;
    dcb.port = far_.slavePath();
    EXPECT_EQ(port.ConnectSerial(&dcb), 1);
    dcb.port = "COM9"; // not in the map
    VqSerialPro other;
    EXPECT_EQ(other.ConnectSerial(&dcb), 0);
}

TEST_F(SerialkitTest, OpenOnAnOpenPortChangesNothing)
{
    VqSerialPro port;
    CMiniDCB dcb = com5();
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    const int threads = threadCount();
    CMiniDCB other = com5();
    other.baudRate = "1200";
    EXPECT_EQ(port.Open(&other), 1);
    EXPECT_EQ(port.ConnectSerial(&other), 1);
    termios t = far_.settings();
    EXPECT_EQ(::cfgetospeed(&t), B115200);
    EXPECT_EQ(threadCount(), threads) << "a second connect starts no second receive thread";
}

TEST_F(SerialkitTest, LargeBlocksArriveSplitAndSpaced)
{
    VqSerialPro port;
    Collector c;
    port.RegisterRcvInterface(&c);
    CMiniDCB dcb = com5();
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    std::string sent;
    for (int i = 0; i < 12000; ++i) sent.push_back(static_cast<char>('A' + i % 26));
    far_.send(sent);
    ASSERT_TRUE(waitUntil([&] { return c.size() == sent.size(); }));
    std::lock_guard lock(c.mutex);
    EXPECT_EQ(c.data, sent);
    EXPECT_TRUE(c.allTerminated);
    ASSERT_GE(c.sizes.size(), 3u);
    for (int n : c.sizes) EXPECT_LE(n, VqSerialPro::kReceiveBlock);
    for (std::size_t i = 1; i < c.times.size(); ++i) EXPECT_GE(c.times[i] - c.times[i - 1], 50ms);
}

TEST_F(SerialkitTest, ReceiversGetEveryBlockInRegistrationOrder)
{
    VqSerialPro port;
    std::vector<int> sequence;
    Collector first, second;
    first.sequence = second.sequence = &sequence;
    first.id = 1;
    second.id = 2;
    port.RegisterRcvInterface(&first);
    port.RegisterRcvInterface(&second);
    CMiniDCB dcb = com5();
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    far_.send("hello");
    ASSERT_TRUE(waitUntil([&] { return second.size() == 5; }));
    far_.send("again");
    ASSERT_TRUE(waitUntil([&] { return second.size() == 10; }));
    EXPECT_EQ(first.data, "helloagain");
    EXPECT_EQ(second.data, "helloagain");
    std::lock_guard lock(second.mutex); // OnReceive calls have finished writing the sequence
    ASSERT_EQ(sequence.size() % 2, 0u);
    for (std::size_t i = 0; i < sequence.size(); i += 2) {
        EXPECT_EQ(sequence[i], 1);
        EXPECT_EQ(sequence[i + 1], 2);
    }
}

TEST_F(SerialkitTest, SendingDirectlyAndThroughThePool)
{
    VqSerialPro port;
    CMiniDCB dcb = com5();
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    char text[] = "GET/M/WI11\r\n";
    EXPECT_EQ(port.SendMsg(text, 12), 0) << "no pool set";
    EXPECT_EQ(far_.receive(1, 200ms), "");

    EXPECT_EQ(port.OuterThreadSendMsg(text, 12), 1);
    EXPECT_EQ(far_.receive(12), "GET/M/WI11\r\n");

    Workcrew pool;
    pool.SetTaskCount(2);
    pool.StartPool();
    port.SetTaskPool(pool);
    EXPECT_EQ(port.SendMsg(text, 12), 1);
    EXPECT_EQ(far_.receive(12), "GET/M/WI11\r\n");

    std::string longest(VqSerialPro::kMaxMessage, 'x');
    EXPECT_EQ(port.SendMsg(longest.data(), VqSerialPro::kMaxMessage), 1);
    EXPECT_EQ(far_.receive(longest.size()), longest);
    std::string tooLong(VqSerialPro::kMaxMessage + 1, 'y');
    EXPECT_EQ(port.SendMsg(tooLong.data(), static_cast<int>(tooLong.size())), 0);
    EXPECT_EQ(far_.receive(1, 200ms), "");
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
}

TEST_F(SerialkitTest, WritesFromManyThreadsDoNotInterleave)
{
    VqSerialPro port;
    CMiniDCB dcb = com5();
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    Workcrew pool;
    pool.SetTaskCount(3);
    pool.StartPool();
    port.SetTaskPool(pool);
    constexpr int kMessages = 24;
    constexpr std::size_t kLength = 2000;
    std::thread outer([&] {
        for (int i = 0; i < kMessages / 2; ++i) {
            std::string m(kLength, static_cast<char>('a' + i));
            port.OuterThreadSendMsg(m.data(), static_cast<int>(m.size()));
        }
    });
    for (int i = 0; i < kMessages / 2; ++i) {
        std::string m(kLength, static_cast<char>('A' + i));
        ASSERT_EQ(port.SendMsg(m.data(), static_cast<int>(m.size())), 1);
    }
    std::string got = far_.receive(kMessages * kLength, 20000ms);
    outer.join();
    ASSERT_EQ(got.size(), kMessages * kLength);
    // Every message carries its own letter: each must arrive as one run.
    for (std::size_t at = 0; at < got.size(); at += kLength) {
        const char letter = got[at];
        EXPECT_TRUE(std::all_of(got.begin() + static_cast<std::ptrdiff_t>(at),
                                got.begin() + static_cast<std::ptrdiff_t>(at + kLength),
                                [letter](char ch) { return ch == letter; }))
            << "message at " << at << " was cut by another";
    }
}

TEST_F(SerialkitTest, ClosedConnectionNeitherWritesNorReads)
{
    VqSerialPro port;
    char text[] = "x";
    char buffer[8] = {};
    EXPECT_EQ(port.Write(text, 1), 0);
    EXPECT_EQ(port.OuterThreadSendMsg(text, 1), 0);
    EXPECT_EQ(port.Read(buffer, 8), 0);
    EXPECT_EQ(port.DisConnectSerial(), 0) << "nothing to close";
    CMiniDCB dcb = com5();
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    EXPECT_EQ(port.DisConnectSerial(), 1);
    EXPECT_EQ(port.Write(text, 1), 0);
    EXPECT_EQ(port.Read(buffer, 8), 0);
    EXPECT_EQ(port.DisConnectSerial(), 0);
}

TEST_F(SerialkitTest, DisconnectEndsBothThreadsAndAllowsReconnect)
{
    const int before = threadCount();
    VqSerialPro port;
    Collector c;
    port.RegisterRcvInterface(&c);
    CMiniDCB dcb = com5();
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(port.ConnectSerial(&dcb), 1);
        // A joined thread can stay listed for a moment while the kernel ends it.
        EXPECT_TRUE(waitUntil([&] { return threadCount() == before + 2; })) << "a watcher and a receive thread";
        far_.send("ping");
        ASSERT_TRUE(waitUntil([&] { return c.size() == 4u * (round + 1); }));
        EXPECT_EQ(port.DisConnectSerial(), 1);
        EXPECT_TRUE(waitUntil([&] { return threadCount() == before; })) << "both threads ended";
    }
}

TEST_F(SerialkitTest, FarEndHangingUpEndsTheConnection)
{
    const int before = threadCount();
    {
        VqSerialPro port;
        Collector c;
        port.RegisterRcvInterface(&c);
        CMiniDCB dcb = com5();
        ASSERT_EQ(port.ConnectSerial(&dcb), 1);
        far_.send(std::string(3000, 'z'));
        ASSERT_TRUE(waitUntil([&] { return c.size() == 3000; }));
        far_.send(std::string(3000, 'q'));
        far_.hangUp();
        ASSERT_TRUE(waitUntil([&] { return !port.IsConnected(); }));
        char text[] = "late";
        EXPECT_EQ(port.OuterThreadSendMsg(text, 4), 0);
        port.DisConnectSerial();
        EXPECT_TRUE(waitUntil([&] { return threadCount() == before; }));
        std::lock_guard lock(c.mutex);
        EXPECT_EQ(c.data.substr(0, 3000), std::string(3000, 'z'));
    }
    EXPECT_TRUE(waitUntil([&] { return threadCount() == before; }));
}

// A message still queued when its connection is destroyed fails in the pool
// instead of writing through a freed connection.
TEST_F(SerialkitTest, QueuedMessageOutlivingItsConnection)
{
    // Keeps the pool's only worker busy. The message is queued at the front,
    // so it would run first if the worker had not yet taken this task: the
    // test waits until it has.
    struct Hold : TaskItem {
        ManualResetEvent* started;
        ManualResetEvent* open;
        int RunTask() override
        {
            started->Set();
            open->Wait(5000ms);
            return 1;
        }
    };
    ManualResetEvent started, open;
    Workcrew pool;
    pool.SetTaskCount(1);
    pool.StartPool();
    Hold* hold = NewTask<Hold>();
    hold->started = &started;
    hold->open = &open;
    ASSERT_EQ(pool.AddTask(hold), 1);
    ASSERT_TRUE(started.Wait(5000ms));
    {
        VqSerialPro port;
        CMiniDCB dcb = com5();
        ASSERT_EQ(port.ConnectSerial(&dcb), 1);
        port.SetTaskPool(pool);
        char text[] = "never";
        ASSERT_EQ(port.SendMsg(text, 5), 1);
    }
    open.Set();
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
    EXPECT_EQ(far_.receive(1, 100ms), "");
}

// Destroys the connection it is registered with from inside OnReceive, as a
// window closing on a reply does.
struct Destroyer : RcvInterface {
    CSerialkit* kit = nullptr;
    std::atomic<int> calls{0};
    std::atomic<bool> returned{false};
    int OnReceive(int, char*, int) override
    {
        if (calls++ == 0) {
            kit->ReleaseVqPtrObject();
            returned = true;
        }
        return 1;
    }
};

TEST_F(SerialkitTest, ReceiverDestroysItsConnectionFromInsideOnReceive)
{
    const int before = threadCount();
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        CSerialkit kit;
        auto* port = static_cast<VqSerialPro*>(kit.CreateVqPtrObject());
        ASSERT_NE(port, nullptr);
        Destroyer destroyer;
        destroyer.kit = &kit;
        Collector after;
        port->RegisterRcvInterface(&destroyer);
        port->RegisterRcvInterface(&after);
        CMiniDCB dcb = com5();
        ASSERT_EQ(port->ConnectSerial(&dcb), 1);
        // More than one block, so the receive thread still has bytes to read
        // when its connection is gone.
        far_.send(std::string(3 * VqSerialPro::kReceiveBlock, 'r'));
        ASSERT_TRUE(waitUntil([&] { return destroyer.returned.load(); }));
        EXPECT_TRUE(waitUntil([&] { return threadCount() == before; })) << "the receive thread ends on its own";
        EXPECT_EQ(destroyer.calls, 1);
        EXPECT_EQ(after.size(), 0u) << "no receiver is called once the connection is destroyed";
        EXPECT_EQ(kit.ReleaseVqPtrObject(), 0);
    }
    // The device is free again.
    VqSerialPro again;
    CMiniDCB dcb = com5();
    EXPECT_EQ(again.ConnectSerial(&dcb), 1);
}

// Closes its connection from inside OnReceive and tries to reopen it there;
// the connection is reopened from outside afterwards.
TEST_F(SerialkitTest, ReceiverClosesItsConnectionAndItIsReopenedOutside)
{
    struct Closer : RcvInterface {
        VqSerialPro* port = nullptr;
        std::atomic<int> closed{-1};
        std::atomic<int> reopened{-1};
        int OnReceive(int, char*, int) override
        {
            if (closed == -1) {
                closed = port->DisConnectSerial();
                CMiniDCB dcb;
                dcb.port = "COM5";
                reopened = port->ConnectSerial(&dcb);
            }
            return 1;
        }
    };
    const int before = threadCount();
    VqSerialPro port;
    Closer closer;
    closer.port = &port;
    Collector c;
    port.RegisterRcvInterface(&closer);
    port.RegisterRcvInterface(&c);
    CMiniDCB dcb = com5();
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    far_.send("first");
    ASSERT_TRUE(waitUntil([&] { return closer.reopened != -1; }));
    EXPECT_EQ(closer.closed, 1);
    EXPECT_EQ(closer.reopened, 0) << "its own receive thread cannot reopen it";
    EXPECT_FALSE(port.IsConnected());

    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    EXPECT_TRUE(waitUntil([&] { return threadCount() == before + 2; })) << "the old receive thread was collected";
    far_.send("second");
    ASSERT_TRUE(waitUntil([&] { return c.size() == 6; }));
    std::lock_guard lock(c.mutex);
    EXPECT_EQ(c.data, "second") << "the closed connection's block went no further";
}

// Two threads close one connection at once: each thread of the connection is
// joined once, exactly one close reports the port open, and both return only
// when the threads have ended.
TEST_F(SerialkitTest, TwoThreadsCloseAtOnce)
{
    const int before = threadCount();
    VqSerialPro port;
    CMiniDCB dcb = com5();
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(port.ConnectSerial(&dcb), 1);
        std::atomic<int> ready{0};
        std::atomic<bool> go{false};
        int results[2] = {-1, -1};
        auto closer = [&](int i) {
            ++ready;
            while (!go) std::this_thread::yield();
            results[i] = port.DisConnectSerial();
        };
        std::thread a(closer, 0), b(closer, 1);
        ASSERT_TRUE(waitUntil([&] { return ready == 2; }));
        go = true;
        a.join();
        b.join();
        EXPECT_EQ(results[0] + results[1], 1);
        EXPECT_TRUE(waitUntil([&] { return threadCount() == before; }));
    }
}

// A receiver closes while another thread's close is joining its receive
// thread: neither waits for the other, and the port reopens.
TEST_F(SerialkitTest, ReceiverClosesWhileAnotherThreadCloses)
{
    struct LateCloser : RcvInterface {
        VqSerialPro* port = nullptr;
        std::atomic<bool> inside{false};
        std::atomic<int> result{-1};
        int OnReceive(int, char*, int) override
        {
            if (inside.exchange(true)) return 1;
            // Waits until the other close has begun, which then joins this thread.
            waitUntil([&] { return !port->IsConnected(); });
            result = port->DisConnectSerial();
            return 1;
        }
    };
    const int before = threadCount();
    VqSerialPro port;
    LateCloser closer;
    closer.port = &port;
    port.RegisterRcvInterface(&closer);
    CMiniDCB dcb = com5();
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    far_.send("x");
    ASSERT_TRUE(waitUntil([&] { return closer.inside.load(); }));
    EXPECT_EQ(port.DisConnectSerial(), 1);
    EXPECT_EQ(closer.result, 0) << "the receiver's close found the port closed";
    EXPECT_TRUE(waitUntil([&] { return threadCount() == before; }));
    EXPECT_EQ(port.ConnectSerial(&dcb), 1);
}

// Lowers the process's descriptor limit so that exactly one more descriptor
// can be opened, and puts the limit back when it goes.
class OneDescriptorLeft {
public:
    OneDescriptorLeft()
    {
        ::getrlimit(RLIMIT_NOFILE, &old_);
        const int lowestFree = ::dup(0);
        if (lowestFree < 0) return;
        ::close(lowestFree);
        rlimit tight = old_;
        tight.rlim_cur = static_cast<rlim_t>(lowestFree) + 1;
        ok_ = ::setrlimit(RLIMIT_NOFILE, &tight) == 0;
    }
    OneDescriptorLeft(const OneDescriptorLeft&) = delete;
    OneDescriptorLeft& operator=(const OneDescriptorLeft&) = delete;
    ~OneDescriptorLeft() { ::setrlimit(RLIMIT_NOFILE, &old_); }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    bool ok_ = false;
};

TEST_F(SerialkitTest, OpenFailsCleanlyWithoutAWakeDescriptor)
{
    const int before = threadCount();
    VqSerialPro port;
    Collector c;
    port.RegisterRcvInterface(&c);
    CMiniDCB dcb;
    dcb.port = far_.slavePath(); // no port map to read on the way
    // Once through first: the sanitizers' first look at a type may need
    // descriptors of their own.
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    ASSERT_EQ(port.DisConnectSerial(), 1);
    int connected = -1;
    bool deviceClosed = false;
    {
        // Nothing that reports or counts under the limit: it needs descriptors.
        OneDescriptorLeft limit;
        ASSERT_TRUE(limit.ok());
        // The device takes the last descriptor; the eventfd finds none.
        connected = port.ConnectSerial(&dcb);
        const int free = ::dup(0);
        deviceClosed = free >= 0;
        if (free >= 0) ::close(free);
    }
    EXPECT_EQ(connected, 0);
    EXPECT_FALSE(port.IsConnected());
    EXPECT_TRUE(deviceClosed) << "the device was closed again";
    EXPECT_EQ(threadCount(), before);
    ASSERT_EQ(port.ConnectSerial(&dcb), 1);
    far_.send("ok");
    EXPECT_TRUE(waitUntil([&] { return c.size() == 2; }));
}

TEST_F(SerialkitTest, FactoryKeepsOneConnection)
{
    CSerialkit kit;
    EXPECT_EQ(kit.ReleaseVqPtrObject(), 0);
    VqPtrObject* made = kit.CreateVqPtrObject();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(kit.CreateVqPtrObject(), made);
    auto* port = static_cast<VqSerialPro*>(made);
    CMiniDCB dcb = com5();
    EXPECT_EQ(port->ConnectSerial(&dcb), 1);
    EXPECT_EQ(kit.ReleaseVqPtrObject(), 1);
    EXPECT_EQ(kit.ReleaseVqPtrObject(), 0);
}

} // namespace
