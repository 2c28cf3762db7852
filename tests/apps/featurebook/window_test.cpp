// The window's commands: New and CodeName with their dialogs, About, Open of
// the sample list, Save and SaveAs with the file they leave.
#include "window_fixture.h"

#include "feature_texts.h"
#include "window_texts.h"

#include "text/text.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <filesystem>

namespace featurebook::testing {
namespace {

namespace fs = std::filesystem;
using harwick::testing::Press;
using harwick::testing::ReadFile;
using harwick::testing::WriteFile;

const fs::path kSample = fs::path(HARWICK_SOURCE_DIR) / "samples" / "roads.crf";

ScriptedRunner::DialogStep FillNewList(const char* name, const char* author)
{
    return [name, author](QDialog& dialog) {
        Find<QLineEdit>(dialog, "codeNameEdit")->setText(name);
        Find<QLineEdit>(dialog, "authorEdit")->setText(author);
        Find<QPushButton>(dialog, "okButton")->click();
        return dialog.result();
    };
}

TEST_F(FeaturebookWindow, HasItsTitleMenusAndAnEmptyList)
{
    EXPECT_EQ(Window().windowTitle(), "Harwick Codelist Manager");
    for (const char* entry : {"New", "Open", "Save", "SaveAs", "Exit"}) EXPECT_NE(Window().Entry("File", entry), nullptr);
    EXPECT_NE(Window().Entry("Options", "CodeName"), nullptr);
    EXPECT_NE(Window().Entry("Help", "About"), nullptr);
    EXPECT_EQ(Grid().Codes().rowCount(), 1);
    EXPECT_EQ(Grid().Codes().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Code");
    EXPECT_EQ(Grid().Codes().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Short Cut");
    EXPECT_EQ(SheetLabels(), (std::vector<QString>{"Code"}));

    runner.Then(Press("okButton"));
    Window().Entry("Help", "About")->trigger();
    EXPECT_EQ(runner.Titles(), (std::vector<std::string>{"About Harwick Codelist Manager"}));
    Window().Entry("File", "Exit")->trigger();
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(FeaturebookWindow, NewAndCodeNameNameTheList)
{
    TypeCodes({"OLD"});
    runner.Then(Press("cancelButton"));
    Window().Entry("File", "New")->trigger();
    EXPECT_EQ(TreeCodes(), (std::vector<QString>{"OLD"}));

    runner.Then(FillNewList("SITE", "Ann Surveyor"));
    Window().Entry("File", "New")->trigger();
    EXPECT_EQ(runner.Titles().back(), "New code name");
    EXPECT_EQ(Tree().Root()->text(0), "SITE");
    EXPECT_TRUE(TreeCodes().empty());
    EXPECT_EQ(SheetLabels(), (std::vector<QString>{"CodeSITE"}));
    EXPECT_EQ(Grid().Codes().rowCount(), 1);
    EXPECT_EQ(Window().AuthorLabel().text(), "Author: Ann Surveyor");

    std::string offered;
    runner.Then([&offered](QDialog& dialog) {
        auto* edit = Find<QLineEdit>(dialog, "newNameEdit");
        offered = edit->text().toStdString();
        edit->setText("ROADS");
        Find<QPushButton>(dialog, "okButton")->click();
        return dialog.result();
    });
    Window().Entry("Options", "CodeName")->trigger();
    EXPECT_EQ(runner.Titles().back(), "Rename CodeList");
    EXPECT_EQ(offered, "SITE");
    EXPECT_EQ(Tree().Root()->text(0), "ROADS");
    EXPECT_EQ(Grid().SheetLabel(0), "CodeROADS");
    EXPECT_EQ(Window().Book().Name(), "ROADS");
    runner.Then([](QDialog& dialog) {
        Find<QLineEdit>(dialog, "newNameEdit")->setText("IGNORED");
        Find<QPushButton>(dialog, "cancelButton")->click();
        return dialog.result();
    });
    Window().Entry("Options", "CodeName")->trigger();
    EXPECT_EQ(Window().Book().Name(), "ROADS");
    EXPECT_EQ(Grid().SheetLabel(0), "CodeROADS");
}

TEST_F(FeaturebookWindow, OpenShowsEveryCodeAndDefaultOfTheSample)
{
    runner.Then(FillNewList("SITE", "Ann"));
    Window().NewList();
    files.open = {kSample.string()};
    Window().Entry("File", "Open")->trigger();
    EXPECT_EQ(Window().CurrentPath(), kSample.string());
    EXPECT_EQ(Window().AuthorLabel().text(), "");
    EXPECT_EQ(Tree().Root()->text(0), "ROADS");
    const std::vector<QString> codes{"KERB", "TREE", "FENCE", "MH"};
    EXPECT_EQ(TreeCodes(), codes);
    EXPECT_EQ(SheetLabels(), (std::vector<QString>{"CodeROADS", "KERB", "TREE", "FENCE", "MH"}));
    EXPECT_EQ(Grid().CurrentSheet(), 0);
    ASSERT_EQ(Grid().Codes().rowCount(), 5);
    const std::vector<QString> firstDefaults{"east", "oak", "timber", "sewer"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(CodeCell(row, kCodeColumn), codes[row]);
        EXPECT_EQ(CodeCell(row, kShortcutColumn), QString::number(row + 1));
        EXPECT_EQ(Tree().CodeItem(row)->childCount(), 8);
        ClickCode(row);
        EXPECT_EQ(Grid().CurrentSheet(), row + 1);
        EXPECT_EQ(DefaultShown(0), firstDefaults[row]) << row;
        for (int slot = 1; slot < 8; ++slot) EXPECT_EQ(DefaultShown(slot), "") << row << "," << slot;
    }
    // Saved again unchanged, the list is the same file.
    const fs::path copy = dir_.path() / "copy.crf";
    files.save = {copy.string()};
    Window().Entry("File", "SaveAs")->trigger();
    EXPECT_EQ(ReadFile(copy), ReadFile(kSample));
    EXPECT_EQ(Window().CurrentPath(), copy.string());
}

TEST_F(FeaturebookWindow, OpenOfAnUnreadableFileKeepsTheList)
{
    TypeCodes({"KEEP"});
    files.open = {(dir_.path() / "gone.crf").string()};
    Window().OpenList();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(harwick::text::startsWith(messages.shown[0], kNotOpened)) << messages.shown[0];
    EXPECT_EQ(TreeCodes(), (std::vector<QString>{"KEEP"}));
    EXPECT_EQ(Window().CurrentPath(), "");
}

TEST_F(FeaturebookWindow, OpenOfAnotherVersionKeepsTheListAndItsPath)
{
    const fs::path mine = dir_.path() / "roads.crf";
    fs::copy_file(kSample, mine);
    files.open = {mine.string()};
    Window().OpenList();
    const std::vector<QString> codes = TreeCodes();
    ASSERT_FALSE(codes.empty());

    // A list of another version, as another program or an instrument keeps it.
    const fs::path theirs = dir_.path() / "instrument.crf";
    fs::copy_file(fs::path(HARWICK_SOURCE_DIR) / "tests/data/field/version2.crf", theirs);
    const std::string theirBytes = ReadFile(theirs);
    files.open = {theirs.string()};
    Window().OpenList();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], std::string(kNotOpened) + theirs.string() + ": " + std::string(kOtherVersion));
    EXPECT_EQ(TreeCodes(), codes);
    EXPECT_EQ(Window().CurrentPath(), mine.string());

    // Save writes the list on screen to its own file, never the refused one.
    Window().Entry("File", "Save")->trigger();
    EXPECT_EQ(ReadFile(mine), ReadFile(kSample));
    EXPECT_EQ(ReadFile(theirs), theirBytes);
}

TEST_F(FeaturebookWindow, SavedListWithCodesAAndB)
{
    runner.Then(FillNewList("SITE", "Ann"));
    Window().NewList();
    TypeCodes({"A", "B"});
    TypeShortcut(0, "1");
    TypeShortcut(1, "22");
    ClickCode(0);
    TypeDefault(0, "a one");
    ClickCode(1);
    TypeDefault(7, "b8");

    const fs::path path = dir_.path() / "site.crf";
    files.save = {path.string()};
    Window().Entry("File", "Save")->trigger();
    EXPECT_EQ(files.save.Asked(), 1);
    const std::vector<std::string> lines = harwick::text::splitLines(ReadFile(path));
    std::vector<std::string> codeLines, attributeLines;
    for (const std::string& line : lines) {
        if (harwick::text::contains(line, "POINT")) codeLines.push_back(line);
        if (harwick::text::startsWith(line, "\t\t\"Info")) attributeLines.push_back(line);
    }
    EXPECT_EQ(codeLines, (std::vector<std::string>{"\t\t\"A\",\t\"\",\tPOINT,\t1;", "\t\t\"B\",\t\"\",\tPOINT,\t22;"}));
    ASSERT_EQ(attributeLines.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) {
        const std::string code = i < 8 ? "\"A\"" : "\"B\"";
        EXPECT_TRUE(harwick::text::contains(attributeLines[i], ",\t" + code + ",\t")) << attributeLines[i];
        EXPECT_TRUE(harwick::text::startsWith(attributeLines[i], "\t\t\"Info" + std::to_string(i % 8 + 1) + "\""));
    }
    EXPECT_EQ(attributeLines[0], "\t\t\"Info1\",\t\"A\",\t\"a one\",\tTEXT,\tNO,\tNO;");
    EXPECT_EQ(attributeLines[15], "\t\t\"Info8\",\t\"B\",\t\"b8\",\tTEXT,\tNO,\tNO;");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "\t\tNAME\t\"SITE\""), lines.end());

    // Save again writes to the same file without asking, as a new file.
    const fs::path link = dir_.path() / "before.crf";
    fs::create_hard_link(path, link);
    TypeDefault(7, "changed");
    Window().Save();
    EXPECT_EQ(files.save.Asked(), 1);
    EXPECT_TRUE(harwick::text::contains(ReadFile(path), "\"changed\""));
    EXPECT_TRUE(harwick::text::contains(ReadFile(link), "\"b8\""));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FeaturebookWindow, SaveAsToATextNameWritesNothingAndSaysSo)
{
    TypeCodes({"A"});
    const fs::path existing = dir_.path() / "notes.txt";
    WriteFile(existing, "keep me");
    const fs::path fresh = dir_.path() / "list.txt";
    files.save = {existing.string(), fresh.string()};
    Window().SaveAs();
    Window().Entry("File", "SaveAs")->trigger();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{std::string(kNotSavedNotCrf) + existing.string(),
                                                        std::string(kNotSavedNotCrf) + fresh.string()}));
    EXPECT_EQ(ReadFile(existing), "keep me");
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_EQ(Window().CurrentPath(), "");
    // With no file yet, Save asks for a name again.
    files.save.push_back(std::nullopt);
    Window().Save();
    EXPECT_EQ(files.save.Asked(), 3);
}

} // namespace
} // namespace featurebook::testing
