// Files from other systems: the repository's samples with LF alone and with
// a lone CR (as older instruments write) read exactly as their CR LF copies,
// in every reader that takes them.
#include "crf/crf.h"
#include "idx/idx.h"
#include "jobdata/jobdata.h"
#include "pointlist/pointlist.h"
#include "text/text.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace harwick {
namespace {

std::string Sample(const char* name)
{
    return testing::ReadFile(std::filesystem::path(HARWICK_SOURCE_DIR) / "samples" / name);
}

// The sample with CR LF, LF alone and CR alone.
std::vector<std::string> Copies(const std::string& sample)
{
    const std::string crlf = text::withCrLfLineEnds(sample);
    std::string lf = crlf, cr = crlf;
    text::replaceAll(lf, "\r\n", "\n");
    text::replaceAll(cr, "\r\n", "\r");
    return {crlf, lf, cr};
}

using Cells = std::vector<std::tuple<std::string, std::string, std::string, std::string, std::string>>;

Cells Imported(pointlist::FileKind kind, const std::string& content)
{
    pointlist::Table table;
    pointlist::importFile(table, kind, content);
    Cells cells;
    for (const auto& r : table.rows) cells.emplace_back(r.name, r.easting, r.northing, r.elevation, r.code);
    return cells;
}

TEST(LineEnds, PointFilesReadAlikeWhateverTheirLineEnds)
{
    for (const auto& [name, kind] : {std::pair{"job-north-gsi8.gsi", pointlist::FileKind::Gsi},
                                     std::pair{"job-north-gsi16.gsi", pointlist::FileKind::Gsi},
                                     std::pair{"site-points.dat", pointlist::FileKind::Kard},
                                     std::pair{"creek-feet.idx", pointlist::FileKind::Idx}}) {
        SCOPED_TRACE(name);
        const std::vector<std::string> copies = Copies(Sample(name));
        const Cells expected = Imported(kind, copies[0]);
        ASSERT_GT(expected.size(), 1u);
        for (std::size_t i = 1; i < copies.size(); ++i) EXPECT_EQ(Imported(kind, copies[i]), expected) << i;
    }
    const std::vector<std::string> idx = Copies(Sample("creek-feet.idx"));
    for (const std::string& copy : idx) EXPECT_EQ(idx::readPoints(copy).size(), idx::readPoints(idx[0]).size());
    const std::vector<std::string> job = Copies(Sample("job-north-gsi8.gsi"));
    for (const std::string& copy : job) EXPECT_EQ(jobdata::KardFromJobData(copy), jobdata::KardFromJobData(job[0]));
}

TEST(LineEnds, CodeListsReadAlikeWhateverTheirLineEnds)
{
    const std::vector<std::string> copies = Copies(Sample("roads.crf"));
    const crf::CodeList expected = crf::read(copies[0]);
    ASSERT_FALSE(expected.codes.empty());
    for (const std::string& copy : copies) {
        const crf::CodeList list = crf::read(copy);
        EXPECT_EQ(list.name, expected.name);
        ASSERT_EQ(list.codes.size(), expected.codes.size());
        EXPECT_EQ(list.attributes.size(), expected.attributes.size());
        for (std::size_t i = 0; i < list.codes.size(); ++i) {
            EXPECT_EQ(list.codes[i].Code, expected.codes[i].Code);
            EXPECT_EQ(list.codes[i].Name, expected.codes[i].Name);
        }
    }
}

} // namespace
} // namespace harwick
