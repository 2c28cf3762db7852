#include "instrument-sim/demo_instrument.h"
#include "instrument-sim/instrument_sim.h"
#include "instrument-sim/instrument_store.h"

#include "comports/comports.h"
#include "line_client.h"
#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace harwick::sim {
namespace {

namespace fs = std::filesystem;
using harwick::sim::testing::LineClient;
using harwick::testing::ScopedEnv;
using harwick::testing::TempDir;
using harwick::testing::waitUntil;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

class InstrumentSimLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        config_.set((temp_.path() / "config").string());
        ASSERT_TRUE(SeedDemoInstrument(store_));
    }

    std::unique_ptr<InstrumentSim> launch(Misbehaviour misbehave = {}, const std::string& port = "")
    {
        auto sim = std::make_unique<InstrumentSim>(SimOptions{state_, port, std::move(misbehave)});
        std::string error;
        if (!sim->Start(error)) {
            ADD_FAILURE() << "the simulator did not start: " << error;
            return nullptr;
        }
        return sim;
    }

    bool registered(const std::string& name) const { return fs::exists(fs::symlink_status(ports_ / name)); }

    static LineClient connect(const InstrumentSim& sim)
    {
        return LineClient(platform::DevicePathForPort(sim.PortName()).value_or("/nonexistent"));
    }

    ScopedEnv config_{"XDG_CONFIG_HOME"};
    TempDir temp_{"instrument-sim-line"};
    const fs::path state_ = temp_.path() / "state";
    const fs::path ports_ = temp_.path() / "config" / "harwick" / "ports";
    InstrumentStore store_{state_};
};

TEST_F(InstrumentSimLine, RegistersThePortWhileRunning)
{
    auto sim = launch();
    ASSERT_TRUE(sim);
    EXPECT_EQ(sim->PortName(), "COM1");
    EXPECT_EQ(platform::DevicePathForPort("COM1"), sim->DevicePath());
    EXPECT_EQ(sim->DevicePath().rfind("/dev/pts/", 0), 0u);

    auto second = launch();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->PortName(), "COM2") << "the next free name";
    second->Stop();
    EXPECT_FALSE(registered("COM2"));
    EXPECT_TRUE(registered("COM1"));

    sim->Stop();
    sim->Stop();
    EXPECT_FALSE(registered("COM1"));
    EXPECT_FALSE(fs::exists(ports_)) << "the ports directory it made goes again";
}

TEST_F(InstrumentSimLine, KeepsOthersEntriesAndTakesOverStaleOnes)
{
    fs::create_directories(ports_);
    fs::create_symlink("/dev/null", ports_ / "COM5");
    fs::create_symlink("/dev/pts/no-such-terminal", ports_ / "COM6");

    std::string error;
    InstrumentSim taken(SimOptions{state_, "COM5", {}});
    EXPECT_FALSE(taken.Start(error));
    EXPECT_NE(error.find("COM5"), std::string::npos) << error;
    InstrumentSim malformed(SimOptions{state_, "COM05", {}});
    EXPECT_FALSE(malformed.Start(error));

    auto sim = launch({}, "COM6");
    ASSERT_TRUE(sim);
    EXPECT_EQ(platform::DevicePathForPort("COM6"), sim->DevicePath());
    sim->Stop();
    EXPECT_EQ(fs::read_symlink(ports_ / "COM5"), "/dev/null");
    EXPECT_FALSE(registered("COM6"));
    EXPECT_TRUE(fs::exists(ports_)) << "a directory it did not make stays";
}

TEST_F(InstrumentSimLine, AnswersAProgramOnThePort)
{
    auto sim = launch();
    ASSERT_TRUE(sim);
    LineClient line = connect(*sim);
    ASSERT_TRUE(line.valid());
    EXPECT_EQ(line.ask("a\r\n"), "?\r\n");
    EXPECT_EQ(line.ask("c\r\n"), "?\r\n");
    EXPECT_EQ(line.ask("GET//WI13\r\n"), "13....+00012345\r\n");
    EXPECT_EQ(line.ask("JOB/CONF/LIST\r\n"), "NORTHFIELD,1,36,25\r\n");
    EXPECT_EQ(line.ask("?\r\n"), "BRIDGE,2,12,0\r\n");

    // A command that comes in two writes is one command.
    ASSERT_TRUE(line.send("CONF/"));
    ASSERT_TRUE(waitUntil([&] { return sim->CommandsSeen().size() == 5; }));
    ASSERT_TRUE(line.send("182\r\nCONF/137\r\n"));
    EXPECT_EQ(line.receive(22), "0182/0031\r\n0137/0001\r\n");
    EXPECT_EQ(sim->CommandsSeen(), (std::vector<std::string>{"a\r\n", "c\r\n", "GET//WI13\r\n", "JOB/CONF/LIST\r\n",
                                                            "?\r\n", "CONF/182\r\n", "CONF/137\r\n"}));
}

TEST_F(InstrumentSimLine, ClosingThePortDropsAnUnfinishedUpload)
{
    auto sim = launch();
    ASSERT_TRUE(sim);
    const auto before = store_.GetJob(1)->fixpoints;
    {
        LineClient line = connect(*sim);
        EXPECT_EQ(line.ask("JOB/SND/COORD/1\r\n"), "?\r\n");
        EXPECT_EQ(line.ask("*110001+0000000000000NEW 81..10+0000000000001000 \r\n"), "?\r\n");
    }
    ASSERT_TRUE(waitUntil([&] { return sim->PortCloses() == 1; }));
    LineClient again = connect(*sim);
    EXPECT_EQ(again.ask("CONF/182\r\n"), "0182/0031\r\n") << "commands are commands again";
    EXPECT_EQ(again.ask("\x1A\r\n"), "@E127\r\n") << "there is no upload left to end";
    EXPECT_EQ(store_.GetJob(1)->fixpoints, before);
}

TEST_F(InstrumentSimLine, FallsSilentAfterNCommands)
{
    Misbehaviour m;
    m.silentAfterCommands = 2;
    auto sim = launch(m);
    ASSERT_TRUE(sim);
    LineClient line = connect(*sim);
    EXPECT_EQ(line.ask("a\r\n"), "?\r\n");
    EXPECT_EQ(line.ask("c\r\n"), "?\r\n");
    ASSERT_TRUE(line.send("CONF/182\r\n"));
    ASSERT_TRUE(waitUntil([&] { return sim->CommandsSeen().size() == 3; }));
    EXPECT_EQ(line.receive(1, milliseconds(300)), "");
}

TEST_F(InstrumentSimLine, WrongReplyIsSentAndTheCommandNotCarriedOut)
{
    Misbehaviour m;
    m.wrongReplies["JOB/ERASE/COORD/1"] = "@W999\r\n";
    m.wrongReplies["CONF/182"] = "0182/0032\r\n";
    auto sim = launch(m);
    ASSERT_TRUE(sim);
    LineClient line = connect(*sim);
    EXPECT_EQ(line.ask("CONF/182\r\n"), "0182/0032\r\n");
    EXPECT_EQ(line.ask("CONF/137\r\n"), "0137/0001\r\n");
    EXPECT_EQ(line.ask("JOB/ERASE/COORD/1\r\n"), "@W999\r\n");
    EXPECT_EQ(store_.GetJob(1)->fixpoints.size(), 36u);
    EXPECT_EQ(line.ask("JOB/ERASE/COORD/2\r\n"), "?\r\n");
    EXPECT_TRUE(store_.GetJob(2)->fixpoints.empty());
}

TEST_F(InstrumentSimLine, SplitRepliesArriveInPiecesWithPauses)
{
    Misbehaviour m;
    m.splitEvery = 4;
    m.splitPause = milliseconds(200);
    auto sim = launch(m);
    ASSERT_TRUE(sim);
    LineClient line = connect(*sim);
    const auto start = Clock::now();
    ASSERT_TRUE(line.send("CONF/182\r\n"));
    EXPECT_EQ(line.receive(11), "0182/0031\r\n");
    EXPECT_GE(Clock::now() - start, milliseconds(400)) << "three pieces, two pauses";
    EXPECT_GE(line.reads(), 2);
}

TEST_F(InstrumentSimLine, BytesAfterTheLineEndComeWithTheReply)
{
    Misbehaviour m;
    m.bytesAfterCrLf = "XY";
    auto sim = launch(m);
    ASSERT_TRUE(sim);
    LineClient line = connect(*sim);
    ASSERT_TRUE(line.send("CONF/182\r\n"));
    EXPECT_EQ(line.receive(13), "0182/0031\r\nXY");
    EXPECT_EQ(line.receive(1, milliseconds(100)), "");
}

TEST_F(InstrumentSimLine, PacedReplyTakesAtLeastItsLineTime)
{
    Misbehaviour m;
    m.paceBaud = 1200;
    auto sim = launch(m);
    ASSERT_TRUE(sim);
    LineClient line = connect(*sim);
    const auto start = Clock::now();
    EXPECT_EQ(line.ask("GET//WI13\r\n"), "13....+00012345\r\n");
    EXPECT_GE(Clock::now() - start, milliseconds(17 * 10 * 1000 / 1200));
}

TEST_F(InstrumentSimLine, HangsUpMidDownloadAndComesBack)
{
    Misbehaviour m;
    m.hangUpAfterRecords = 2;
    auto sim = launch(m);
    ASSERT_TRUE(sim);
    const auto fixpoints = store_.GetJob(1)->fixpoints;
    {
        LineClient line = connect(*sim);
        EXPECT_EQ(line.ask("JOB/RCV/COORDS/1\r\n"), "?\r\n");
        EXPECT_EQ(line.ask("?\r\n"), fixpoints[0] + "\r\n");
        EXPECT_EQ(line.ask("?\r\n"), fixpoints[1] + "\r\n");
        EXPECT_EQ(line.ask("?\r\n"), "");
        EXPECT_TRUE(line.hungUp());
    }
    const bool back = waitUntil([&] {
        LineClient again = connect(*sim);
        return again.valid() && again.ask("a\r\n") == "?\r\n";
    });
    EXPECT_TRUE(back) << "the port answers again on " << sim->DevicePath();
    EXPECT_EQ(platform::DevicePathForPort(sim->PortName()), sim->DevicePath());
    EXPECT_EQ(store_.GetJob(1)->fixpoints, fixpoints);
}

TEST_F(InstrumentSimLine, StopEndsAReplyInProgressAndClosesTheLine)
{
    Misbehaviour m;
    m.paceBaud = 110;  // 20 bytes take almost two seconds
    auto sim = launch(m);
    ASSERT_TRUE(sim);
    LineClient line = connect(*sim);
    ASSERT_TRUE(line.send("JOB/CONF/LIST\r\n"));
    ASSERT_FALSE(line.receive(1).empty()) << "the reply has begun";
    sim->Stop();
    EXPECT_FALSE(registered("COM1"));
    line.receive(100);
    EXPECT_TRUE(line.hungUp());
}

} // namespace
} // namespace harwick::sim
