// The instrument-sim program as a person runs it next to the suite.

#include "comports/comports.h"
#include "line_client.h"
#include "sim_program.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <string>

namespace harwick::sim {
namespace {

namespace fs = std::filesystem;
using harwick::sim::testing::LineClient;
using testing::SimProgram;

class InstrumentSimProgram : public ::testing::Test {
protected:
    testing::ProgramScratch scratch_{"instrument-sim-program"};
};

TEST_F(InstrumentSimProgram, DemoServesOnItsPortUntilTerminated)
{
    SimProgram program({"--demo", "--port", "COM4"});
    ASSERT_TRUE(program.running());
    const std::string line = program.line();
    const std::optional<std::string> device = platform::DevicePathForPort("COM4");
    ASSERT_TRUE(device) << line;
    EXPECT_EQ(line, "instrument-sim: COM4 -> " + *device);

    LineClient client(*device);
    EXPECT_EQ(client.ask("GET//WI13\r\n"), "13....+00012345\r\n");
    EXPECT_EQ(client.ask("JOB/CONF/LIST\r\n"), "NORTHFIELD,1,36,25\r\n");
    EXPECT_EQ(client.ask("?\r\n"), "BRIDGE,2,12,0\r\n");
    EXPECT_EQ(client.ask("?\r\n"), ",3,0,0\r\n");

    EXPECT_EQ(program.end(SIGTERM), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(scratch_.path() / "config/harwick/ports/COM4")));
}

TEST_F(InstrumentSimProgram, StateSerialAndMisbehaviourFromTheCommandLine)
{
    const fs::path state = scratch_.path() / "state";
    SimProgram program({"--state", state.string(), "--serial", "777", "--wrong", "CONF/182=BAD\\x1A\\r\\n"});
    ASSERT_TRUE(program.running());
    ASSERT_NE(program.line().find("COM1 -> "), std::string::npos);
    EXPECT_TRUE(fs::exists(state / "serial.txt"));

    LineClient client(platform::DevicePathForPort("COM1").value_or("/nonexistent"));
    EXPECT_EQ(client.ask("GET//WI13\r\n"), "13....+00000777\r\n");
    EXPECT_EQ(client.ask("CONF/182\r\n"), "BAD\x1A\r\n");
    EXPECT_EQ(client.ask("JOB/CONF/LIST\r\n"), "\x1A\r\n") << "a fresh state directory holds nothing";
    EXPECT_EQ(program.end(SIGINT), 0);
}

TEST_F(InstrumentSimProgram, BadCommandLineFailsWithOneLine)
{
    SimProgram program({"--port", "COM4"});
    ASSERT_TRUE(program.running());
    EXPECT_EQ(program.line().rfind("instrument-sim: --state DIR is required", 0), 0u);
    EXPECT_EQ(program.end(0), 1);
    EXPECT_FALSE(fs::exists(scratch_.path() / "config")) << "nothing registered";
}

} // namespace
} // namespace harwick::sim
