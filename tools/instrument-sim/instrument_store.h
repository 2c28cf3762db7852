// The simulated instrument's memory: a directory of plain files, so that a
// test (or a person) seeds it with an editor and reads back what an upload
// stored or an erase removed.
//
// Layout under the state directory (every text file ends its lines with
// CR LF; LF alone is read as well):
//
//   serial.txt                   the serial number, digits, on one line
//   formats.txt                  one output-format name per line; a format's
//                                number is its line, counting from 1
//   codelists/<n>/name.txt       code list n: its name on one line
//   codelists/<n>/lines.txt      its lines as the instrument sends them
//   jobs/<n>/name.txt            job n: its name; empty for an empty slot
//   jobs/<n>/fixpoints.gsi       its fixpoints, one GSI block per line
//   jobs/<n>/measurements.gsi    its measurement data, one GSI block per line
//   hal/<n>/name.txt, lines.txt  horizontal alignment n
//   val/<n>/name.txt, lines.txt  vertical alignment n
//
// <n> is a number in decimal without leading zeros; other entries are
// ignored. A missing file reads as empty. The number of lines of an object is
// the block count the catalogue reports for it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace harwick::sim {

struct Job {
    int number = 0;
    std::string name;  // empty: an empty job slot
    std::vector<std::string> fixpoints;
    std::vector<std::string> measurements;
};

struct CodeList {
    int number = 0;
    std::string name;
    std::vector<std::string> lines;
};

enum class AlignmentKind { Hal, Val };

struct Alignment {
    AlignmentKind kind = AlignmentKind::Hal;
    int number = 0;
    std::string name;
    std::vector<std::string> lines;
};

// Every setter returns false when the directory could not be written; what
// was there before then stays as it was, file by file.
class InstrumentStore {
public:
    explicit InstrumentStore(std::filesystem::path dir);

    const std::filesystem::path& Dir() const { return dir_; }

    [[nodiscard]] bool SetSerial(const std::string& digits);
    std::string Serial() const;  // "" when none was set

    [[nodiscard]] bool SetFormats(const std::vector<std::string>& names);
    std::vector<std::string> Formats() const;

    [[nodiscard]] bool PutJob(int number, const std::string& name, const std::vector<std::string>& fixpoints,
                              const std::vector<std::string>& measurements);
    // These three make an empty slot first when job number does not exist.
    [[nodiscard]] bool SetJobName(int number, const std::string& name);
    [[nodiscard]] bool SetJobFixpoints(int number, const std::vector<std::string>& fixpoints);
    [[nodiscard]] bool SetJobMeasurements(int number, const std::vector<std::string>& measurements);
    // The job becomes an empty slot: no name, no data; its number stays.
    [[nodiscard]] bool EmptyJob(int number);
    [[nodiscard]] bool RemoveJob(int number);
    std::optional<Job> GetJob(int number) const;
    std::vector<Job> Jobs() const;  // by number

    [[nodiscard]] bool PutCodeList(int number, const std::string& name, const std::vector<std::string>& lines);
    [[nodiscard]] bool RemoveCodeList(int number);
    std::optional<CodeList> GetCodeList(int number) const;
    std::vector<CodeList> CodeLists() const;  // by number

    [[nodiscard]] bool PutAlignment(AlignmentKind kind, int number, const std::string& name,
                                    const std::vector<std::string>& lines);
    [[nodiscard]] bool RemoveAlignment(AlignmentKind kind, int number);
    std::optional<Alignment> GetAlignment(AlignmentKind kind, int number) const;
    std::vector<Alignment> Alignments(AlignmentKind kind) const;  // by number

private:
    std::filesystem::path dir_;
};

} // namespace harwick::sim
