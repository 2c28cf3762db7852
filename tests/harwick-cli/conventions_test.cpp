// What every harwick command shares: one help and the version, each
// command's usage on --help, a wrong command line told in one line with
// exit 2, options as "--name value" or "--name=value", JSON that parses
// and progress that is drawn only where it is asked for.
#include "command_line.h"
#include "harwick.h"
#include "json_out.h"
#include "progress_line.h"
#include "suite_version.h"

#include "language_scope.h"
#include "scratch.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <atomic>
#include <sstream>

namespace harwick::cli {
namespace {

using namespace std::chrono_literals;

struct Ran {
    int exit;
    std::string out;
    std::string err;
};

Ran harwick(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    std::istringstream in;
    const int exit = run(args, out, err, {in, {}});
    return {exit, out.str(), err.str()};
}

const std::vector<std::string> kCommandNames = {"convert", "reduce", "station", "cable", "ports", "usb"};

TEST(CommandLineHelp, OneHelpListsEveryCommandAndNothingIsAnError)
{
    const Ran help = harwick({"--help"});
    EXPECT_EQ(help.exit, kExitOk);
    EXPECT_EQ(help.err, "");
    EXPECT_TRUE(help.out.starts_with("usage: harwick ")) << help.out;
    for (const std::string& name : kCommandNames) {
        EXPECT_NE(help.out.find("\n  " + name + " "), std::string::npos) << name << " is not listed:\n" << help.out;
    }
    EXPECT_EQ(harwick({"-h"}).out, help.out);
    EXPECT_EQ(harwick({"help"}).out, help.out);

    // Nothing at all: the same list, but on stderr and as a wrong command line.
    const Ran nothing = harwick({});
    EXPECT_EQ(nothing.exit, kExitUsage);
    EXPECT_EQ(nothing.out, "");
    EXPECT_EQ(nothing.err, help.out);
}

// The help, every command's usage and a wrong command line in each language:
// English without a Chinese character, Chinese in Chinese, and the command
// and option names the same in both.
TEST(CommandLineHelp, HelpAndErrorsSpeakTheUsersLanguage)
{
    using harwick::testing::HasChinese;
    for (const harwick::Language language : {harwick::Language::English, harwick::Language::Chinese}) {
        const harwick::testing::LanguageScope scope(language);
        std::vector<Ran> said{harwick({"--help"}), harwick({"station", "COM1", "fly"}), harwick({"convert", "a.gsi"})};
        for (const std::string& name : kCommandNames) said.push_back(harwick({name, "--help"}));
        for (const Ran& ran : said) {
            const std::string text = ran.out + ran.err;
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(HasChinese(text), language == harwick::Language::Chinese) << text;
        }
        for (const std::string& name : kCommandNames) {
            EXPECT_NE(said[0].out.find("\n  " + name + " "), std::string::npos) << said[0].out;
        }
        EXPECT_NE(said[1].err.find("'harwick station --help'"), std::string::npos) << said[1].err;
        EXPECT_EQ(said[1].exit, kExitUsage);
    }
}

TEST(CommandLineHelp, EachCommandGivesItsUsageWhereverHelpIsAsked)
{
    for (const std::string& name : kCommandNames) {
        const std::string usage = CommandUsage(name);
        EXPECT_TRUE(usage.starts_with("usage: harwick " + name)) << usage;
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {name, "--help"}, {name, "-h"}, {"help", name}, {name, "list", "COM1", "--help"}}) {
            const Ran ran = harwick(args);
            EXPECT_EQ(ran.exit, kExitOk) << name << ": " << ran.err;
            EXPECT_EQ(ran.out, usage) << name;
            EXPECT_EQ(ran.err, "") << name;
        }
    }
    EXPECT_NE(CommandUsage("station").find("--log FILE writes every chunk"), std::string::npos);
    EXPECT_EQ(CommandUsage("frobnicate"), "");
}

TEST(CommandLineHelp, VersionIsTheSuitesOwn)
{
    for (const char* option : {"--version", "-V"}) {
        const Ran ran = harwick({option});
        EXPECT_EQ(ran.exit, kExitOk);
        EXPECT_EQ(ran.out, "harwick " + std::string(kSuiteVersion) + "\n");
    }
    EXPECT_FALSE(kSuiteVersion.empty());
}

// None of these reaches a file, a port or the instrument: each is refused
// for what it says.
TEST(CommandLineErrors, EveryWrongCommandLineIsOneLineAndExitTwo)
{
    const std::vector<std::vector<std::string>> wrong = {
        {"frobnicate"},
        {"--frobnicate"},
        {"help", "frobnicate"},
        {"convert"},
        {"convert", "in.gsi"},
        {"convert", "in.gsi", "out.csv", "extra"},
        {"convert", "--fast", "in.gsi", "out.csv"},
        {"convert", "--precision", "0.01", "in.gsi", "out.csv"},
        {"convert", "in.gsi", "out.csv", "--to"},
        {"convert", "--out-dir", "d", "in.gsi"},
        {"reduce"},
        {"reduce", "--from", "csv", "in.gsi", "out.csv"},
        {"station"},
        {"station", "fly", "COM3"},
        {"station", "list"},
        {"station", "list", "COMX"},
        {"station", "list", "COM3", "extra"},
        {"station", "list", "COM3", "--timeout", "0"},
        {"station", "list", "COM3", "--timeout=soon"},
        {"station", "list", "COM3", "--timeout"},
        {"station", "list", "COM3", "--yes=please"},
        {"station", "list", "COM3", "--fast"},
        {"station", "download", "COM3", "job", "1", "everything", "x.gsi"},
        {"station", "download", "COM3", "job", "1", "fixpoints", "x.gsi", "--json"},
        {"station", "upload", "COM3", "up.gsi", "--job", "-1"},
        {"station", "upload", "COM3"},
        {"station", "erase", "COM3", "hal", "1"},
        {"cable"},
        {"cable", "fly"},
        {"cable", "convert", "sideways", "missing.dat", "out.dxf"},
        {"cable", "convert", "code-blocks", "in.txt"},
        {"cable", "convert", "code-blocks", "in.txt", "out.txt", "--quiet"},
        {"cable", "send", "COM3"},
        {"cable", "send", "COM3", "in.dat", "--blocks", "rows"},
        {"cable", "receive", "COM3", "out.txt", "--blocks", "coords"},
        {"cable", "receive", "COM3", "out.txt", "--log"},
        {"cable", "receive", "nowhere", "out.txt"},
        {"ports", "extra"},
        {"ports", "map", "COM1"},
        {"ports", "map", "COM1", "/dev/null", "--json"},
        {"usb"},
        {"usb", "lst"},
        {"usb", "add", "0a1b:c2d3", "--json"},
    };
    const harwick::testing::TempDir scratch("harwick-conventions");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(scratch.path());
    for (const std::vector<std::string>& args : wrong) {
        std::string shown;
        for (const std::string& a : args) shown += a + " ";
        const Ran ran = harwick(args);
        EXPECT_EQ(ran.exit, kExitUsage) << shown << "\n" << ran.err;
        EXPECT_EQ(ran.out, "") << shown;
        EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << shown << "\n" << ran.err;
        const bool command = std::find(kCommandNames.begin(), kCommandNames.end(), args[0]) != kCommandNames.end();
        const std::string invoked = command ? "harwick " + args[0] : "harwick";
        EXPECT_TRUE(ran.err.starts_with(invoked + ": ")) << shown << "\n" << ran.err;
        EXPECT_TRUE(ran.err.ends_with("; see '" + invoked + " --help'\n")) << shown << "\n" << ran.err;
    }
    std::filesystem::current_path(before);
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path())) << "a refused command line left something behind";
}

TEST(CommandLineOptions, ValuesComeAlikeWithBlankOrEqualsAndAnywhere)
{
    const OptionReader reader({"--log", "--job"}, {"--quiet"});
    const OptionReader::Read apart = reader.read({"send", "--log", "a.log", "COM1", "--quiet", "--job", "2"});
    const OptionReader::Read joined = reader.read({"--log=a.log", "send", "COM1", "--job=2", "--quiet"});
    for (const OptionReader::Read* read : {&apart, &joined}) {
        EXPECT_EQ(read->problem, "");
        EXPECT_EQ(read->words, (std::vector<std::string>{"send", "COM1"}));
        EXPECT_EQ(read->value("--log"), "a.log");
        EXPECT_EQ(read->value("--job"), "2");
        EXPECT_TRUE(read->has("--quiet"));
        EXPECT_FALSE(read->has("--verbose"));
    }
    // A value may start with a dash or be empty; the last one given counts.
    const OptionReader::Read odd = reader.read({"--job", "-1", "--log=", "--log=b.log"});
    EXPECT_EQ(odd.value("--job"), "-1");
    EXPECT_EQ(odd.value("--log"), "b.log");
    EXPECT_EQ(reader.read({"--log="}).value("--log"), "");

    EXPECT_EQ(reader.read({"--quiet=yes"}).problem, "--quiet takes no value");
    EXPECT_EQ(reader.read({"COM1", "--job"}).problem, "--job needs a value");
    EXPECT_EQ(reader.read({"--jobs", "2"}).problem, "unknown option '--jobs'");
    // A lone "-" or "--" is a word (standard input, end of options in other tools).
    EXPECT_EQ(reader.read({"-", "--"}).words, (std::vector<std::string>{"-", "--"}));
}

QJsonDocument parsed(const std::string& text)
{
    QJsonParseError error;
    QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << text;
    return document;
}

TEST(JsonOutput, NestedDocumentParsesBackAndTextStaysValid)
{
    JsonOut json;
    json.beginObject();
    json.key("name").string("quote \" backslash \\ tab \t bell \x07 end");
    json.key("latin1").string("Stra\xDF" "e");
    json.key("utf8").string("Stra\xC3\x9F" "e");
    json.key("empty").beginArray().endArray();
    json.key("items").beginArray();
    json.beginObject().key("n").number(-42).key("ok").boolean(true).key("none").null().endObject();
    json.digits("0012").digits("1a").digits("").digits("-3").digits("99999999999999999999");
    json.endArray();
    json.endObject();
    const std::string text = json.text();
    EXPECT_TRUE(text.ends_with("}\n"));

    const QJsonObject root = parsed(text).object();
    EXPECT_EQ(root["name"].toString().toStdString(), "quote \" backslash \\ tab \t bell \x07 end");
    // A byte that is no UTF-8 is taken as Latin-1; UTF-8 stays as it is.
    EXPECT_EQ(root["latin1"].toString(), QStringLiteral("Stra\u00DFe"));
    EXPECT_EQ(root["utf8"].toString(), QStringLiteral("Stra\u00DFe"));
    EXPECT_TRUE(root["empty"].toArray().isEmpty());
    const QJsonArray items = root["items"].toArray();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[0].toObject()["n"].toInt(), -42);
    EXPECT_TRUE(items[0].toObject()["ok"].toBool());
    EXPECT_TRUE(items[0].toObject()["none"].isNull());
    EXPECT_EQ(items[1].toInt(), 12);
    for (int i = 2; i < 6; ++i) EXPECT_TRUE(items[i].isNull()) << i;
}

TEST(ProgressText, SaysCountsBytesRateTimeAndWhatIsLeft)
{
    EXPECT_EQ(ProgressText("blocks", {12, 14200, 500, std::nullopt}, 13s),
              "12 of 500 blocks, 14.2 kB, 1.1 kB/s, 0:13 elapsed, about 8:49 left");
    // By bytes where their total is known: lines differ in length.
    EXPECT_EQ(ProgressText("lines", {10, 2500000, 100, 5000000}, 3723s),
              "10 of 100 lines, 2.5 MB, 672 B/s, 1:02:03 elapsed, about 1:02:03 left");
    // Without a total nothing is guessed; within the first second no rate.
    EXPECT_EQ(ProgressText("lines", {3, 512, std::nullopt, std::nullopt}, 400ms), "3 lines, 512 B, 0:00 elapsed");
    EXPECT_EQ(ProgressText("blocks", {0, 0, 40, std::nullopt}, 5s), "0 of 40 blocks, 0 B, 0 B/s, 0:05 elapsed");
    EXPECT_EQ(ProgressText("blocks", {40, 4000, 40, std::nullopt}, 5s), "40 of 40 blocks, 4.0 kB, 800 B/s, 0:05 elapsed");
}

// The progress line drawn into a stream, its sample counted so that the test
// waits on drawings, not on time.
struct DrawnLine {
    std::ostringstream stream;
    std::atomic<int> samples{0};
    std::atomic<std::size_t> units{7};

    ProgressLine::Sample sample()
    {
        return [this] {
            ++samples;
            return ProgressCounts{units, 1500, std::nullopt, std::nullopt};
        };
    }
};

TEST(ProgressLine, DrawsInPlaceOnATerminalAndWipesItselfAtTheEnd)
{
    DrawnLine drawn;
    {
        ProgressLine line(drawn.stream, {true, 0}, true, "lines", drawn.sample(), 5ms);
        ASSERT_TRUE(harwick::testing::waitUntil([&] { return drawn.samples >= 2; }, 10s));
        drawn.units = 8;
        const int seen = drawn.samples;
        ASSERT_TRUE(harwick::testing::waitUntil([&] { return drawn.samples > seen; }, 10s));
        line.Say(drawn.stream, "a message");
        line.Stop();
    }
    const std::string text = drawn.stream.str();
    EXPECT_TRUE(text.starts_with("\r7 lines, 1.5 kB")) << text;
    EXPECT_NE(text.find("\r8 lines, 1.5 kB"), std::string::npos) << text;
    // The message goes on a line of its own, the progress wiped with blanks first.
    const std::size_t message = text.find("a message\n");
    ASSERT_NE(message, std::string::npos) << text;
    EXPECT_EQ(text.substr(message - 2, 2), " \r") << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    // Whatever was drawn after it is wiped at the end: the terminal is left clean.
    const std::string after = text.substr(message + 10);
    if (!after.empty()) {
        EXPECT_TRUE(after.ends_with(" \r")) << after;
    }
}

TEST(ProgressLine, NothingIsWrittenWhereItIsNotAskedForOrIsNoTerminal)
{
    for (const auto& [terminal, shown] : {std::pair{true, false}, std::pair{false, true}}) {
        DrawnLine drawn;
        {
            ProgressLine line(drawn.stream, {terminal, 80}, shown, "blocks", drawn.sample(), 1ms);
            line.Say(drawn.stream, "said");
        }
        EXPECT_EQ(drawn.stream.str(), "said\n");
        EXPECT_EQ(drawn.samples, 0);
    }
}

TEST(ProgressLine, ALineWiderThanTheTerminalIsCutToFit)
{
    DrawnLine drawn;
    drawn.units = 123456789;
    {
        ProgressLine line(drawn.stream, {true, 20}, true, "lines", drawn.sample(), 1ms);
        ASSERT_TRUE(harwick::testing::waitUntil([&] { return drawn.samples >= 1; }, 10s));
    }
    const std::string text = drawn.stream.str();
    EXPECT_TRUE(text.starts_with("\r123456789 lines, 1.\r")) << text;
}

} // namespace
} // namespace harwick::cli
