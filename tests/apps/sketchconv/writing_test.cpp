// OK and what it writes: the sample files through the real library, the
// font height, the library missing or incomplete, the save dialog cancelled,
// replacing a drawing, and the About box.
#include "suite_version.h"
#include "dialog_fixture.h"

#include <QLabel>

#include <cstdio>

namespace sketchconv::testing {
namespace {

namespace fs = std::filesystem;
using drawmap::testing::EzdxfView;

std::size_t FilesIn(const fs::path& dir)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// Every label stands one metre east and north of its point.
void ExpectLabelsBesideTheirPoints(const EzdxfView& view)
{
    const std::vector<std::string> points = view.Lines("point ");
    const std::vector<std::string> texts = view.Lines("text ");
    ASSERT_EQ(points.size(), texts.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        double x = 0, y = 0, z = 0, tx = 0, ty = 0;
        ASSERT_EQ(std::sscanf(points[i].c_str(), "point POINT %lf %lf %lf", &x, &y, &z), 3) << points[i];
        ASSERT_EQ(std::sscanf(texts[i].c_str(), "text ANNOTATION %lf %lf", &tx, &ty), 2) << texts[i];
        EXPECT_DOUBLE_EQ(tx, x + 1.0) << texts[i];
        EXPECT_DOUBLE_EQ(ty, y + 1.0) << texts[i];
    }
}

TEST_F(SketchconvTest, SampleFilesGiveOnePointAndOneLabelPerPoint)
{
    const std::pair<const char*, const char*> samples[] = {
        {"job-north-gsi16.gsi", "point POINT 2150.0005 4820.0002 112.44999694824219"},
        {"job-north-gsi8.gsi", "point POINT 2150.0 4820.0 112.44999694824219"},
    };
    for (auto [sample, first] : samples) {
        SCOPED_TRACE(sample);
        MakeDialog(DRAWMAP_DIR);
        prompter.messages.clear();
        fs::remove(Dir() / "out.dxf");
        const EzdxfView view = Convert(Sample(sample));
        ASSERT_EQ(view.status, 0) << view.printed;
        EXPECT_TRUE(view.Has("audit 0 0")) << view.printed;
        const std::size_t points = Dialog().Converter().Points().size();
        EXPECT_EQ(points, 10u);
        EXPECT_EQ(view.Lines("point POINT ").size(), points) << view.printed;
        EXPECT_EQ(view.Lines("text ANNOTATION ").size(), points) << view.printed;
        ExpectLabelsBesideTheirPoints(view);
        EXPECT_EQ(view.Lines("point ").front(), first) << view.printed;
        EXPECT_TRUE(LastMessage().starts_with("Writing dxf file done,10 Point convert ok!")) << LastMessage();
    }
    // The GSI-8 job's code blocks carry no position.
    EXPECT_EQ(Dialog().Converter().Read().withoutCoordinates, 5);
    EXPECT_TRUE(LastMessage().ends_with(" 5 blocks without coordinates were skipped.")) << LastMessage();
}

TEST_F(SketchconvTest, FontHeightSetsEveryLabelsHeight)
{
    const EzdxfView view = Convert(Sample("job-north-gsi16.gsi"), 3);
    ASSERT_EQ(view.status, 0) << view.printed;
    const std::vector<std::string> texts = view.Lines("text ");
    ASSERT_EQ(texts.size(), 10u);
    for (const std::string& text : texts) {
        double x = 0, y = 0, height = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "text ANNOTATION %lf %lf %lf", &x, &y, &height), 3) << text;
        EXPECT_EQ(height, 3.0) << text;
    }
}

TEST_F(SketchconvTest, LibraryMissingOrLackingAnEntryPointGivesTheError)
{
    const fs::path gsi = Sample("job-north-gsi16.gsi");
    const fs::path empty = Dir() / "empty";
    fs::create_directory(empty);
    for (const fs::path& dir : {empty, fs::path(STUB_PARTIAL_DIR)}) {
        SCOPED_TRACE(dir.string());
        MakeDialog(dir);
        prompter.messages.clear();
        Browse(gsi);
        ClickOk(Dir() / "out.dxf");
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].caption, "tip");
        EXPECT_EQ(prompter.messages[0].text, "Error while writing dxf file!");
        EXPECT_FALSE(fs::exists(Dir() / "out.dxf"));
        EXPECT_FALSE(Dialog().isVisible());
    }
    // With all 28 names the same stand-in counts as loaded.
    MakeDialog(STUB_COMPLETE_DIR);
    Browse(gsi);
    ClickOk(Dir() / "out.dxf");
    EXPECT_EQ(LastMessage(), "Writing dxf file done,10 Point convert ok!");
}

TEST_F(SketchconvTest, UnwritableDrawingGivesTheError)
{
    Browse(Sample("job-north-gsi16.gsi"));
    ClickOk(Dir() / "no-such-dir" / "out.dxf");
    EXPECT_EQ(LastMessage(), "Error while writing dxf file!");
    EXPECT_EQ(FilesIn(Dir()), 0u);
}

TEST_F(SketchconvTest, CancellingTheSaveDialogEndsWithoutWriting)
{
    Browse(Sample("job-north-gsi16.gsi"));
    files.save.push_back(std::nullopt);
    Widget<QPushButton>(kOkButtonName).click();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(Dialog().result(), QDialog::Rejected);
    EXPECT_EQ(FilesIn(Dir()), 0u);
}

TEST_F(SketchconvTest, WithoutPointsTheDrawingHasLayersOnly)
{
    ClickOk(Dir() / "empty");
    EXPECT_EQ(LastMessage(), "Writing dxf file done,0 Point convert ok!");
    const EzdxfView view = drawmap::testing::ReadWithEzdxf(Dir() / "empty.dxf");
    ASSERT_EQ(view.status, 0) << view.printed;
    EXPECT_TRUE(view.Has("layer SYMBOL 5 CONTINUOUS")) << view.printed;
    EXPECT_TRUE(view.Lines("point ").empty());
}

TEST_F(SketchconvTest, ReplacingADrawingAsksFirst)
{
    const fs::path dxf = Write("old.dxf", "old");
    Browse(Sample("job-north-gsi16.gsi"));
    // No asks for another name; Cancel there ends without writing.
    files.save = {(Dir() / "old").string(), std::nullopt};
    prompter.answers = {false};
    Widget<QPushButton>(kOkButtonName).click();
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(prompter.questions[0].starts_with(dxf.string() + " already exists.")) << prompter.questions[0];
    EXPECT_EQ(harwick::testing::ReadFile(dxf), "old");

    MakeDialog(DRAWMAP_DIR);
    Browse(Sample("job-north-gsi16.gsi"));
    prompter.answers = {true};
    ClickOk(dxf);
    EXPECT_EQ(prompter.questions.size(), 2u);
    EXPECT_EQ(drawmap::testing::ReadWithEzdxf(dxf).Lines("point ").size(), 10u);
}

TEST_F(SketchconvTest, AboutShowsTheProgramAndItsVersion)
{
    std::vector<std::string> seen;
    runner.Then([&seen](QDialog& about) {
        seen.push_back(about.windowTitle().toStdString());
        for (const QLabel* label : about.findChildren<QLabel*>()) seen.push_back(label->text().toStdString());
        return static_cast<int>(QDialog::Accepted);
    });
    Widget<QPushButton>(kAboutButtonName).click();
    EXPECT_EQ(seen, (std::vector<std::string>{"About sketchconv", "sketchconv", "Version 1.2",
                                                std::string(harwick::kSuiteVersionLine)}));
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Dialog().windowTitle().toStdString(), "GSI to DXF");
}

} // namespace
} // namespace sketchconv::testing
