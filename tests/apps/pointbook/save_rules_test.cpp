// The name a save-dialog choice stands for.
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

} // namespace
} // namespace pointbook
