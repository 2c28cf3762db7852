#include "harwick.h"

#include "cable.h"
#include "command_line.h"
#include "convert.h"
#include "library_dir.h"
#include "ports.h"
#include "reduce_command.h"
#include "station.h"
#include "suite_version.h"
#include "traffic.h"
#include "usb.h"
#include "usbpipe.h"

#include <algorithm>
#include <array>

namespace harwick::cli {

namespace {

struct Command {
    std::string_view name;
    harwick::UiText summary;
    harwick::UiText usage;
    harwick::UiText more; // a second part of the usage, shared with another command
};

constexpr harwick::UiText kConvertSummary =
    "convert point lists between GSI, KARD, IDX, CSV, GeoJSON, LandXML and DXF";
constexpr harwick::UiText kReduceSummary = "compute points from the measurements of a GSI job";
constexpr harwick::UiText kStationSummary =
    "list, download, upload and erase the instrument's memory over a COM port";
constexpr harwick::UiText kCableSummary =
    "receive and send over USB or a COM port, and the cable program's conversions";
constexpr harwick::UiText kPortsSummary = "list the serial ports present by COM name, and name a device COMn";
constexpr harwick::UiText kUsbSummary = "list USB instruments and whether you may open them, and allow one";

constexpr std::array kCommands{
    Command{"convert", kConvertSummary, kConvertUsage, {}},
    Command{"reduce", kReduceSummary, kReduceUsage, {}},
    Command{"station", kStationSummary, kStationUsage, kLogUsage},
    Command{"cable", kCableSummary, kCableUsage, kLogUsage},
    Command{"ports", kPortsSummary, kPortsUsage, {}},
    Command{"usb", kUsbSummary, kUsbUsage, {}},
};

constexpr harwick::UiText kHelpHead =
    "usage: harwick [--version] [--help] COMMAND [ARGUMENTS]\n"
    "\n"
    "The Harwick survey suite's command line: point lists, and the instrument\n"
    "over its cable.\n"
    "\n"
    "Commands:\n";
constexpr harwick::UiText kHelpTail =
    "\n"
    "'harwick COMMAND --help' (or 'harwick help COMMAND') gives a command's usage.\n"
    "Exit status: 0 done, 1 failed (the reason on stderr), 2 a wrong command line.\n";
constexpr harwick::UiText kNoCommand = "no command '%1'";
constexpr harwick::UiText kUnknownCommand = "unknown command '%1'";

const Command* findCommand(std::string_view name)
{
    const auto at = std::find_if(kCommands.begin(), kCommands.end(), [name](const Command& c) { return c.name == name; });
    return at == kCommands.end() ? nullptr : &*at;
}

} // namespace

std::string TopLevelHelp()
{
    std::string text(kHelpHead);
    for (const Command& c : kCommands) {
        std::string line = "  " + std::string(c.name);
        line.resize(12, ' ');
        text += line + std::string(c.summary) + "\n";
    }
    return text + std::string(kHelpTail);
}

std::string CommandUsage(std::string_view command)
{
    const Command* c = findCommand(command);
    if (c == nullptr) return {};
    return std::string(c->usage) + std::string(c->more);
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Console console)
{
    if (args.empty()) {
        err << TopLevelHelp();
        return kExitUsage;
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        if (first == "help" && args.size() > 1) {
            const std::string usage = CommandUsage(args[1]);
            if (usage.empty()) return usageError(err, {}, Filled(kNoCommand, {args[1]}));
            out << usage;
            return kExitOk;
        }
        out << TopLevelHelp();
        return kExitOk;
    }
    if (first == "--version" || first == "-V") {
        out << "harwick " << kSuiteVersion << '\n';
        return kExitOk;
    }
    if (findCommand(first) == nullptr) {
        if (optionWord(first) || first.starts_with('-')) return usageError(err, {}, Filled(kUnknownOption, {first}));
        return usageError(err, {}, Filled(kUnknownCommand, {first}));
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (asksForHelp(rest)) {
        out << CommandUsage(first);
        return kExitOk;
    }
    if (first == "convert" || first == "reduce") return convertCommand(rest, first == "reduce", out, err);
    if (first == "station") return station(rest, out, err, console.terminal);
    if (first == "cable") {
        return cable(rest, {console.in, out, err}, libraryDir(usbpipe::kLibraryFileName), console.terminal);
    }
    if (first == "ports") return ports(rest, out, err);
    return usb(rest, out, err);
}

} // namespace harwick::cli
