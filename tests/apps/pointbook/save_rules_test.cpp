// The name a save-dialog choice stands for, and the warnings after a save
// that wrote less than the grid holds.
#include "editor_messages.h"
#include "save_rules.h"

#include <gtest/gtest.h>

namespace pointbook {
namespace {

TEST(PointbookSaveRules, TheChosenEntryPutsItsExtensionOnTheName)
{
    struct Case {
        const char* typed;
        std::size_t filter;
        const char* expected;
    };
    const Case cases[] = {
        {"/w/job", kGsi16Filter, "/w/job.gsi16"},
        {"/w/job", kGsi8Filter, "/w/job.gsi8"},
        {"/w/job", kIdxFilter, "/w/job.idx"},
        {"/w/job", kKardFilter, "/w/job.dat"},
        // A ".gsi" typed with a GSI entry chosen is written in that flavour.
        {"/w/job.gsi", kGsi8Filter, "/w/job.gsi8"},
        {"/w/JOB.GSI", kGsi16Filter, "/w/JOB.gsi16"},
        // An extension typed on purpose is kept, known or not.
        {"/w/job.dat", kGsi16Filter, "/w/job.dat"},
        {"/w/job.gsi", kKardFilter, "/w/job.gsi"},
        {"/w/job.txt", kKardFilter, "/w/job.txt"},
        // Dots in folders or in front of a hidden name are no extension.
        {"/w/v1.2/job", kKardFilter, "/w/v1.2/job.dat"},
        {"/w/.job", kIdxFilter, "/w/.job.idx"},
        {"/w/job", kSaveFilters.size(), "/w/job"},
    };
    for (const Case& c : cases) EXPECT_EQ(NameForSaveFilter(c.typed, c.filter), c.expected) << c.typed;
}

// The window's tests see the empty-name stop and the rows past 9999; here,
// the words that GSI-8 cuts and GSI-16 holds.
TEST(PointbookSaveRules, WarnsOfNamesAndValuesThatDoNotFitTheFlavour)
{
    const pointlist::SaveTarget gsi8{"/w/a.gsi", pointlist::FileKind::Gsi, gsi::Flavour::Gsi8};
    const pointlist::SaveTarget gsi16{"/w/a.gsi", pointlist::FileKind::Gsi, gsi::Flavour::Gsi16};
    pointlist::Table table;
    table.rows.push_back({"EIGHTCHR", "1.000", "2.000", "3.000", "NINECHARS"});
    table.rows.push_back({"NINECHARS", "1.000", "2.000", "3.000", ""});

    EXPECT_TRUE(SaveWarnings(table, gsi16, {"", 2, 0}).empty());
    EXPECT_EQ(SaveWarnings(table, gsi8, {"", 2, 3}),
              (std::vector<std::string>{
                  "3 coordinate value(s) have more digits than GSI-8 holds and keep only their rightmost digits.",
                  "2 name(s) or code(s) are longer than the 8 characters GSI-8 holds and keep only their last "
                  "characters."}));
    // Rows not written are not counted again.
    EXPECT_EQ(SaveWarnings(table, gsi8, {"", 1, 0}).size(), 2u);
}

} // namespace
} // namespace pointbook
