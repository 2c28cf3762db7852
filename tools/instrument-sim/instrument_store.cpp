#include "instrument-sim/instrument_store.h"

#include "fileio/fileio.h"
#include "text/text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace harwick::sim {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSerialFile = "serial.txt";
constexpr const char* kFormatsFile = "formats.txt";
constexpr const char* kNameFile = "name.txt";
constexpr const char* kLinesFile = "lines.txt";
constexpr const char* kFixpointsFile = "fixpoints.gsi";
constexpr const char* kMeasurementsFile = "measurements.gsi";
constexpr const char* kCodeListsDir = "codelists";
constexpr const char* kJobsDir = "jobs";

const char* alignmentDir(AlignmentKind kind) { return kind == AlignmentKind::Hal ? "hal" : "val"; }

std::vector<std::string> readLines(const fs::path& file)
{
    std::string error;
    const std::optional<std::string> content = platform::readWholeFile(file, error);
    return content ? text::splitLines(*content) : std::vector<std::string>{};
}

std::string readFirstLine(const fs::path& file)
{
    std::vector<std::string> lines = readLines(file);
    return lines.empty() ? std::string() : std::move(lines.front());
}

bool writeLines(const fs::path& file, const std::vector<std::string>& lines)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) return false;
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += text::kCrLf;
    }
    std::string error;
    return platform::replaceFileAtomically(file, content, error);
}

bool writeLine(const fs::path& file, const std::string& line) { return writeLines(file, {line}); }

// Only the plain spelling of a number names an object, so that "07" and "7"
// can never be two entries for one number.
std::optional<int> objectNumber(const std::string& entry)
{
    if (entry.empty() || entry.front() == '-' || (entry.size() > 1 && entry.front() == '0')) return std::nullopt;
    int number = 0;
    const auto [end, ec] = std::from_chars(entry.data(), entry.data() + entry.size(), number);
    if (ec != std::errc() || end != entry.data() + entry.size()) return std::nullopt;
    return number;
}

std::vector<int> objectNumbers(const fs::path& group)
{
    std::vector<int> numbers;
    std::error_code ec;
    for (fs::directory_iterator it(group, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_directory(ec)) continue;
        if (const auto number = objectNumber(it->path().filename().string())) numbers.push_back(*number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool isDirectory(const fs::path& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool removeObject(const fs::path& path)
{
    std::error_code ec;
    fs::remove_all(path, ec);
    return !ec;
}

} // namespace

InstrumentStore::InstrumentStore(fs::path dir) : dir_(std::move(dir)) {}

bool InstrumentStore::SetSerial(const std::string& digits) { return writeLine(dir_ / kSerialFile, digits); }

std::string InstrumentStore::Serial() const { return readFirstLine(dir_ / kSerialFile); }

bool InstrumentStore::SetFormats(const std::vector<std::string>& names)
{
    return writeLines(dir_ / kFormatsFile, names);
}

std::vector<std::string> InstrumentStore::Formats() const { return readLines(dir_ / kFormatsFile); }

bool InstrumentStore::PutJob(int number, const std::string& name, const std::vector<std::string>& fixpoints,
                             const std::vector<std::string>& measurements)
{
    const fs::path job = dir_ / kJobsDir / std::to_string(number);
    return writeLine(job / kNameFile, name) && writeLines(job / kFixpointsFile, fixpoints) &&
           writeLines(job / kMeasurementsFile, measurements);
}

bool InstrumentStore::SetJobName(int number, const std::string& name)
{
    if (!GetJob(number)) return PutJob(number, name, {}, {});
    return writeLine(dir_ / kJobsDir / std::to_string(number) / kNameFile, name);
}

bool InstrumentStore::SetJobFixpoints(int number, const std::vector<std::string>& fixpoints)
{
    if (!GetJob(number)) return PutJob(number, "", fixpoints, {});
    return writeLines(dir_ / kJobsDir / std::to_string(number) / kFixpointsFile, fixpoints);
}

bool InstrumentStore::SetJobMeasurements(int number, const std::vector<std::string>& measurements)
{
    if (!GetJob(number)) return PutJob(number, "", {}, measurements);
    return writeLines(dir_ / kJobsDir / std::to_string(number) / kMeasurementsFile, measurements);
}

bool InstrumentStore::EmptyJob(int number) { return PutJob(number, "", {}, {}); }

bool InstrumentStore::RemoveJob(int number) { return removeObject(dir_ / kJobsDir / std::to_string(number)); }

std::optional<Job> InstrumentStore::GetJob(int number) const
{
    const fs::path job = dir_ / kJobsDir / std::to_string(number);
    if (!isDirectory(job)) return std::nullopt;
    return Job{number, readFirstLine(job / kNameFile), readLines(job / kFixpointsFile),
               readLines(job / kMeasurementsFile)};
}

std::vector<Job> InstrumentStore::Jobs() const
{
    std::vector<Job> jobs;
    for (int number : objectNumbers(dir_ / kJobsDir)) {
        if (auto job = GetJob(number)) jobs.push_back(std::move(*job));
    }
    return jobs;
}

bool InstrumentStore::PutCodeList(int number, const std::string& name, const std::vector<std::string>& lines)
{
    const fs::path list = dir_ / kCodeListsDir / std::to_string(number);
    return writeLine(list / kNameFile, name) && writeLines(list / kLinesFile, lines);
}

bool InstrumentStore::RemoveCodeList(int number)
{
    return removeObject(dir_ / kCodeListsDir / std::to_string(number));
}

std::optional<CodeList> InstrumentStore::GetCodeList(int number) const
{
    const fs::path list = dir_ / kCodeListsDir / std::to_string(number);
    if (!isDirectory(list)) return std::nullopt;
    return CodeList{number, readFirstLine(list / kNameFile), readLines(list / kLinesFile)};
}

std::vector<CodeList> InstrumentStore::CodeLists() const
{
    std::vector<CodeList> lists;
    for (int number : objectNumbers(dir_ / kCodeListsDir)) {
        if (auto list = GetCodeList(number)) lists.push_back(std::move(*list));
    }
    return lists;
}

bool InstrumentStore::PutAlignment(AlignmentKind kind, int number, const std::string& name,
                                   const std::vector<std::string>& lines)
{
    const fs::path alignment = dir_ / alignmentDir(kind) / std::to_string(number);
    return writeLine(alignment / kNameFile, name) && writeLines(alignment / kLinesFile, lines);
}

bool InstrumentStore::RemoveAlignment(AlignmentKind kind, int number)
{
    return removeObject(dir_ / alignmentDir(kind) / std::to_string(number));
}

std::optional<Alignment> InstrumentStore::GetAlignment(AlignmentKind kind, int number) const
{
    const fs::path alignment = dir_ / alignmentDir(kind) / std::to_string(number);
    if (!isDirectory(alignment)) return std::nullopt;
    return Alignment{kind, number, readFirstLine(alignment / kNameFile), readLines(alignment / kLinesFile)};
}

std::vector<Alignment> InstrumentStore::Alignments(AlignmentKind kind) const
{
    std::vector<Alignment> alignments;
    for (int number : objectNumbers(dir_ / alignmentDir(kind))) {
        if (auto alignment = GetAlignment(kind, number)) alignments.push_back(std::move(*alignment));
    }
    return alignments;
}

} // namespace harwick::sim
