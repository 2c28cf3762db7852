// What every harwick command shares: how a wrong command line and a failure
// are told, how help is asked for, and how option words are read.
#pragma once

#include "exit_codes.h"
#include "language/ui_text.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::cli {

// One line on err: "harwick COMMAND: problem; see 'harwick COMMAND --help'",
// and kExitUsage. An empty command is the program itself.
int usageError(std::ostream& err, std::string_view command, std::string_view problem);

// One line on err after the command's prefix ("harwick convert: "): a
// failure, whose exit code is returned, or a warning.
int failLine(std::ostream& err, std::string_view command, std::string_view message);
void warnLine(std::ostream& err, std::string_view command, std::string_view sentence);

// The problems of a command line that more than one command tells.
inline constexpr harwick::UiText kUnknownOption = "unknown option '%1'";
inline constexpr harwick::UiText kNeedsValue = "%1 needs a value";
inline constexpr harwick::UiText kUnexpectedWord = "unexpected '%1'";
inline constexpr harwick::UiText kJsonIsForList = "--json is for list";

// Whether a word of args asks for help (--help or -h).
bool asksForHelp(const std::vector<std::string>& args);

// An option word: "--log=x" is the option "--log" with the value "x"; any
// other word starting with "--" is an option without a value yet.
struct OptionWord {
    std::string name;
    std::optional<std::string> value;
};
std::optional<OptionWord> optionWord(std::string_view word);

// Reads the options of a command line, in any order among its other words:
// values given as "--name value" or "--name=value", switches alone.
class OptionReader {
public:
    OptionReader(std::vector<std::string_view> valueOptions, std::vector<std::string_view> switches)
        : valueOptions_(std::move(valueOptions)), switches_(std::move(switches)) {}

    struct Read {
        std::vector<std::string> words; // the words that are no options, in order
        std::vector<std::pair<std::string, std::string>> values;
        std::vector<std::string> switches;
        std::string problem; // set: the command line is wrong
        bool has(std::string_view name) const;
        std::optional<std::string> value(std::string_view name) const; // the last one given
    };
    Read read(const std::vector<std::string>& args) const;

private:
    std::vector<std::string_view> valueOptions_;
    std::vector<std::string_view> switches_;
};

} // namespace harwick::cli
