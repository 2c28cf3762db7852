// The code list behind the editor: the checks on a new cell text, a new code
// born from the entry row, removal, the attributes of a file laid out as the
// editor writes it or otherwise, and saving only whole files under a .crf name.
#include "code_book.h"
#include "code_list_file.h"
#include "feature_texts.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace featurebook {
namespace {

namespace crf = harwick::crf;
namespace fs = std::filesystem;
using harwick::testing::ReadFile;
using harwick::testing::WriteFile;

CodeBook WithCodes(std::initializer_list<const char*> codes)
{
    CodeBook book("SITE", "Ann");
    for (const char* code : codes) book.SetCode(book.Count(), code);
    return book;
}

TEST(FeatureCodeBook, ShortcutsAreAtMostTwoDigits)
{
    for (const char* good : {"", "7", "12", "00"}) EXPECT_EQ(CodeBook::CheckShortcut(good), Refusal::None) << good;
    for (const char* bad : {"A1", "1 ", "-1", "1.5", "123a"})
        EXPECT_EQ(CodeBook::CheckShortcut(bad), Refusal::NotANumber) << bad;
    EXPECT_EQ(CodeBook::CheckShortcut("123"), Refusal::TooLong);
    EXPECT_EQ(RefusalMessage(Refusal::NotANumber), "Input number");
    EXPECT_EQ(RefusalMessage(Refusal::TooLong), "There must be two numbers!!");
    EXPECT_EQ(RefusalMessage(Refusal::IllegalCodeName), "Illegal code name!!");
    EXPECT_TRUE(RefusalMessage(Refusal::None).empty());
}

TEST(FeatureCodeBook, CodeMustBeUniqueAndKeepableByTheFile)
{
    const CodeBook book = WithCodes({"KERB", "TREE"});
    EXPECT_EQ(book.CheckCode(1, "KERB"), Refusal::IllegalCodeName);
    EXPECT_EQ(book.CheckCode(book.Count(), "TREE"), Refusal::IllegalCodeName);
    // A code may be typed again into its own row, and differs by case.
    EXPECT_EQ(book.CheckCode(0, "KERB"), Refusal::None);
    EXPECT_EQ(book.CheckCode(1, "kerb"), Refusal::None);
    for (const char* lost : {"MH 1", "MH\t1", "MH\"1", "MH,1", "MH;1"})
        EXPECT_EQ(book.CheckCode(book.Count(), lost), Refusal::IllegalCodeName) << lost;
}

TEST(FeatureCodeBook, EntryRowGivesBirthWithTheShortcutTypedBefore)
{
    CodeBook book("SITE", "Ann");
    book.SetShortcut(0, "5");
    EXPECT_EQ(book.Shortcut(0), "5");
    EXPECT_EQ(book.SetCode(0, ""), CodeChange::Nothing);
    EXPECT_EQ(book.Count(), 0u);
    EXPECT_EQ(book.SetCode(0, "MH"), CodeChange::Born);
    ASSERT_EQ(book.Count(), 1u);
    EXPECT_EQ(book.At(0).code, "MH");
    EXPECT_EQ(book.At(0).shortcut, "5");
    EXPECT_TRUE(book.IsEntryRow(1));
    EXPECT_EQ(book.Shortcut(1), "");
    EXPECT_EQ(book.CodeText(1), "");
    EXPECT_EQ(book.SetCode(0, "MH2"), CodeChange::Renamed);
    EXPECT_EQ(book.At(0).code, "MH2");
    EXPECT_EQ(book.Count(), 1u);
}

TEST(FeatureCodeBook, RemovingTakesTheCodeWithItsAttributes)
{
    CodeBook book = WithCodes({"A", "B", "C"});
    book.SetDefault(1, 0, "b1");
    book.SetDefault(2, 7, "c8");
    book.SetShortcut(3, "9");
    EXPECT_TRUE(book.Remove(1));
    ASSERT_EQ(book.Count(), 2u);
    EXPECT_EQ(book.At(1).code, "C");
    EXPECT_EQ(book.At(1).defaults[7], "c8");
    // The entry row is emptied, never removed.
    EXPECT_FALSE(book.Remove(2));
    EXPECT_EQ(book.Count(), 2u);
    EXPECT_EQ(book.Shortcut(2), "");
    EXPECT_FALSE(book.Remove(7));
    // A code of the same name starts with empty attributes.
    EXPECT_EQ(book.SetCode(2, "B"), CodeChange::Born);
    EXPECT_EQ(book.At(2).defaults[0], "");
}

TEST(FeatureCodeBook, FileAttributesGoToTheirCodes)
{
    CodeBook written = WithCodes({"KERB", "TREE", "KERB2"});
    written.SetName("ROADS");
    written.SetShortcut(0, "1");
    written.SetDefault(0, 0, "east");
    written.SetDefault(2, 7, "last");
    const CodeBook read = CodeBook::FromList(crf::read(written.FileText()));
    EXPECT_EQ(read.Name(), "ROADS");
    EXPECT_EQ(read.Author(), "");
    EXPECT_EQ(read.FileText(), written.FileText());

    // Attributes out of order, one missing, one of an unknown code: each
    // found by its code and slot name.
    crf::CodeList shuffled;
    shuffled.codes = {{"", "A", "", "POINT", "", "1"}, {"", "B", "", "POINT", "", "2"}};
    auto attribute = [](const char* name, const char* code, const char* value) {
        crf::AttributeRecord a;
        a.Attribute = name;
        a.Code = code;
        a.Default = value;
        return a;
    };
    shuffled.attributes = {attribute("Info2", "B", "b2"), attribute("Info1", "A", "a1"),
                           attribute("Info1", "X", "x1"), attribute("Info8", "B", "b8"),
                           attribute("Info1", "A", "second")};
    const CodeBook matched = CodeBook::FromList(shuffled);
    ASSERT_EQ(matched.Count(), 2u);
    EXPECT_EQ(matched.At(0).defaults, (Defaults{"a1", "", "", "", "", "", "", ""}));
    EXPECT_EQ(matched.At(1).defaults, (Defaults{"", "b2", "", "", "", "", "", "b8"}));
    EXPECT_EQ(matched.At(1).shortcut, "2");

    // Eight per code in code order match by position, whatever their names.
    crf::CodeList renamed;
    renamed.codes = shuffled.codes;
    for (const char* code : {"A", "B"}) {
        for (std::size_t slot = 0; slot < kInfoSlots; ++slot) {
            renamed.attributes.push_back(attribute(slot == 0 ? "Height" : "Note", code,
                                                   (std::string(code) + std::to_string(slot)).c_str()));
        }
    }
    const CodeBook positional = CodeBook::FromList(renamed);
    EXPECT_EQ(positional.At(0).defaults, (Defaults{"A0", "A1", "A2", "A3", "A4", "A5", "A6", "A7"}));
    EXPECT_EQ(positional.At(1).defaults[7], "B7");
}

TEST(FeatureCodeBook, SameCodeTwiceInAFileKeepsBothAttributeSets)
{
    crf::CodeList twice;
    twice.codes = {{"", "A", "", "POINT", "", "1"}, {"", "A", "", "POINT", "", "2"}};
    for (const char* value : {"first", "second"}) {
        for (std::size_t slot = 0; slot < kInfoSlots; ++slot) {
            crf::AttributeRecord a;
            a.Attribute = "Info" + std::to_string(slot + 1);
            a.Code = "A";
            a.Default = slot == 0 ? value : "";
            twice.attributes.push_back(a);
        }
    }
    const CodeBook book = CodeBook::FromList(twice);
    EXPECT_EQ(book.At(0).defaults[0], "first");
    EXPECT_EQ(book.At(1).defaults[0], "second");
}

TEST(FeatureCodeListFile, SavesOnlyUnderACrfNameAndNeverInPlace)
{
    harwick::testing::TempDir dir("featurebook-file");
    const CodeBook book = WithCodes({"A"});
    std::string error;
    const fs::path text = dir.path() / "list.txt";
    EXPECT_EQ(SaveCodeList(book, text, error), SaveStatus::NotACodeListName);
    EXPECT_FALSE(fs::exists(text));
    EXPECT_EQ(SaveFailureMessage(SaveStatus::NotACodeListName, text, error),
              std::string(kNotSavedNotCrf) + text.string());

    // The name's case does not matter, and the path is kept as chosen.
    const fs::path upper = dir.path() / "Roads.CRF";
    WriteFile(upper, "old list");
    const fs::path link = dir.path() / "link.crf";
    fs::create_hard_link(upper, link);
    ASSERT_EQ(SaveCodeList(book, upper, error), SaveStatus::Saved) << error;
    EXPECT_EQ(ReadFile(upper), book.FileText());
    EXPECT_FALSE(fs::exists(dir.path() / "roads.crf"));
    // A new file took the name: the old one was not cut short and rewritten.
    EXPECT_EQ(ReadFile(link), "old list");

    const fs::path missing = dir.path() / "no-such-folder" / "a.crf";
    EXPECT_EQ(SaveCodeList(book, missing, error), SaveStatus::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(SaveFailureMessage(SaveStatus::Failed, missing, "why"),
              std::string(kNotSaved) + missing.string() + ": why");
}

TEST(FeatureCodeListFile, OpensWhatWasSavedAndRefusesWhatIsNoCodeList)
{
    harwick::testing::TempDir dir("featurebook-open");
    CodeBook book = WithCodes({"A", "B"});
    book.SetDefault(1, 3, "four");
    std::string error;
    const fs::path path = dir.path() / "site.crf";
    ASSERT_EQ(SaveCodeList(book, path, error), SaveStatus::Saved);
    const std::optional<CodeBook> back = OpenCodeList(path, error);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->FileText(), book.FileText());
    EXPECT_EQ(back->Author(), "");

    EXPECT_FALSE(OpenCodeList(dir.path() / "gone.crf", error));
    EXPECT_FALSE(error.empty());
    // A file of some other kind, or of another version, is refused: read as
    // an empty list, a Save would write that over it.
    const std::pair<const char*, std::string_view> refused[] = {
        {"just text\r\n", kNotACodeList},
        {"HEADER\r\n\tVERSION 2.00\r\nEND HEADER\r\n\t\tCODES(Code, Name, OBJTYPE, Shortcut)\r\n", kOtherVersion},
        {"HEADER\r\n\tVERSION 1.20\r\nEND HEADER\r\nLAYERS\r\n", kNotACodeList},
    };
    for (const auto& [text, why] : refused) {
        WriteFile(dir.path() / "other.crf", text);
        error.clear();
        EXPECT_FALSE(OpenCodeList(dir.path() / "other.crf", error)) << text;
        EXPECT_EQ(error, why) << text;
    }
    EXPECT_EQ(OpenFailureMessage(dir.path() / "other.crf", kNotACodeList),
              std::string(kNotOpened) + (dir.path() / "other.crf").string() + ": " + std::string(kNotACodeList));
    // A 1.20 list with no codes yet is a list.
    WriteFile(dir.path() / "empty.crf", CodeBook("E", "").FileText());
    EXPECT_TRUE(OpenCodeList(dir.path() / "empty.crf", error));
}

} // namespace
} // namespace featurebook
