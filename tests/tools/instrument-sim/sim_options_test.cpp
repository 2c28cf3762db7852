#include "instrument-sim/sim_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace harwick::sim {
namespace {

using Args = std::vector<std::string>;

std::optional<ProgramOptions> parse(const Args& args)
{
    std::string error;
    auto options = ParseArguments(args, error);
    EXPECT_EQ(options.has_value(), error.empty()) << error;
    return options;
}

std::string parseError(const Args& args)
{
    std::string error;
    EXPECT_FALSE(ParseArguments(args, error));
    return error;
}

TEST(InstrumentSimOptions, EveryOptionReachesTheSimulator)
{
    const auto o = parse({"--state", "/tmp/s", "--port=COM3", "--serial", "00042", "--silent-after", "5",
                          "--wrong", "CONF/182=0182/0032\\r\\n", "--wrong", "?=\\x1a\\r\\n", "--split", "3",
                          "--split-pause", "40", "--after-crlf", "junk", "--baud", "1200", "--hang-up-after", "0",
                          "--end-on-last-line"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->sim.stateDir, "/tmp/s");
    EXPECT_EQ(o->sim.portName, "COM3");
    EXPECT_EQ(o->serial, "00042");
    const Misbehaviour& m = o->sim.misbehave;
    EXPECT_EQ(m.silentAfterCommands, 5);
    EXPECT_EQ(m.wrongReplies.size(), 2u);
    EXPECT_EQ(m.wrongReplies.at("CONF/182"), "0182/0032\r\n");
    EXPECT_EQ(m.wrongReplies.at("?"), "\x1A\r\n");
    EXPECT_EQ(m.splitEvery, 3u);
    EXPECT_EQ(m.splitPause, std::chrono::milliseconds(40));
    EXPECT_EQ(m.bytesAfterCrLf, "junk");
    EXPECT_EQ(m.paceBaud, 1200);
    EXPECT_EQ(m.hangUpAfterRecords, 0);
    EXPECT_TRUE(m.endMarkerOnLastLine);
    EXPECT_FALSE(o->demo);
}

TEST(InstrumentSimOptions, DemoAndHelpNeedNoStateDirectory)
{
    const auto demo = parse({"--demo"});
    ASSERT_TRUE(demo);
    EXPECT_TRUE(demo->demo);
    EXPECT_TRUE(demo->sim.stateDir.empty());
    EXPECT_EQ(demo->sim.misbehave.silentAfterCommands, std::nullopt);
    ASSERT_TRUE(parse({"--help"}));
    EXPECT_TRUE(parse({"--help"})->help);
}

TEST(InstrumentSimOptions, BadCommandLinesSayWhatIsWrong)
{
    EXPECT_NE(parseError({}).find("--state"), std::string::npos);
    EXPECT_NE(parseError({"--demo", "--colour"}).find("--colour"), std::string::npos);
    EXPECT_NE(parseError({"--demo", "--port"}).find("needs a value"), std::string::npos);
    for (const Args& bad : {Args{"--demo", "--serial", "12a"}, Args{"--demo", "--silent-after", "-1"},
                            Args{"--demo", "--baud", "0"}, Args{"--demo", "--split", "x"},
                            Args{"--demo", "--wrong", "no-equals"}, Args{"--demo", "--wrong", "=REPLY"},
                            Args{"--demo", "--after-crlf", "\\q"}, Args{"--state", ""}}) {
        EXPECT_NE(parseError(bad).find("bad value"), std::string::npos) << bad[1] << ' ' << bad.back();
    }
}

TEST(InstrumentSimOptions, EscapesBecomeTheirBytes)
{
    EXPECT_EQ(Unescape("a\\r\\n"), "a\r\n");
    EXPECT_EQ(Unescape("\\x1A\\x1a\\x00|\\t\\\\"), std::string("\x1A\x1A\0|\t\\", 6));
    EXPECT_EQ(Unescape("plain = text"), "plain = text");
    for (const char* bad : {"\\", "\\x", "\\x1", "\\xg0", "\\q", "end\\"}) {
        EXPECT_EQ(Unescape(bad), std::nullopt) << bad;
    }
}

TEST(InstrumentSimOptions, HelpDocumentsEveryOptionAndTheLayout)
{
    const std::string help = HelpText();
    for (const char* word : {"--state", "--port", "--serial", "--silent-after", "--wrong", "--split ",
                             "--split-pause", "--after-crlf", "--baud", "--hang-up-after", "--end-on-last-line",
                             "--demo", "--help", "serial.txt", "formats.txt", "codelists/<n>/lines.txt",
                             "jobs/<n>/fixpoints.gsi", "jobs/<n>/measurements.gsi", "hal/<n>", "val/<n>", "@E127"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

} // namespace
} // namespace harwick::sim
