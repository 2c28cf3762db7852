#include "command_line.h"

#include <algorithm>

namespace harwick::cli {

namespace {

constexpr std::string_view kProgram = "harwick";
// %1 is the program, or the program and its command.
constexpr harwick::UiText kUsageProblem = "%1: %2; see '%1 --help'";
constexpr harwick::UiText kWarning = "warning: %1";
constexpr harwick::UiText kTakesNoValue = "%1 takes no value";

bool among(const std::vector<std::string_view>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

int usageError(std::ostream& err, std::string_view command, std::string_view problem)
{
    const std::string invoked = command.empty() ? std::string(kProgram) : std::string(kProgram) + " " + std::string(command);
    err << Filled(kUsageProblem, {invoked, problem}) << '\n';
    return kExitUsage;
}

int failLine(std::ostream& err, std::string_view command, std::string_view message)
{
    err << command << message << '\n';
    return kExitFailed;
}

void warnLine(std::ostream& err, std::string_view command, std::string_view sentence)
{
    err << command << Filled(kWarning, {sentence}) << '\n';
}

bool asksForHelp(const std::vector<std::string>& args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

std::optional<OptionWord> optionWord(std::string_view word)
{
    if (word.size() <= 2 || !word.starts_with("--")) return std::nullopt;
    const std::size_t equals = word.find('=');
    if (equals == std::string_view::npos) return OptionWord{std::string(word), std::nullopt};
    return OptionWord{std::string(word.substr(0, equals)), std::string(word.substr(equals + 1))};
}

bool OptionReader::Read::has(std::string_view name) const
{
    return std::find(switches.begin(), switches.end(), name) != switches.end() || value(name).has_value();
}

std::optional<std::string> OptionReader::Read::value(std::string_view name) const
{
    std::optional<std::string> last;
    for (const auto& [option, given] : values) {
        if (option == name) last = given;
    }
    return last;
}

OptionReader::Read OptionReader::read(const std::vector<std::string>& args) const
{
    Read r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::optional<OptionWord> option = optionWord(args[i]);
        if (!option) {
            r.words.push_back(args[i]);
            continue;
        }
        if (among(switches_, option->name)) {
            if (option->value) {
                r.problem = Filled(kTakesNoValue, {option->name});
                return r;
            }
            r.switches.push_back(option->name);
            continue;
        }
        if (!among(valueOptions_, option->name)) {
            r.problem = Filled(kUnknownOption, {args[i]});
            return r;
        }
        if (option->value) {
            r.values.emplace_back(option->name, *option->value);
        } else if (i + 1 < args.size()) {
            r.values.emplace_back(option->name, args[++i]);
        } else {
            r.problem = Filled(kNeedsValue, {option->name});
            return r;
        }
    }
    return r;
}

} // namespace harwick::cli
