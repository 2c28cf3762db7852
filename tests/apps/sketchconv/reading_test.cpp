// "..." and what the drawing then holds: the example block, the decimals
// each unit keeps, the single-precision elevation in the label, the 500-byte
// line buffer, blocks without a full position, and which files are read.
#include "dialog_fixture.h"

namespace sketchconv::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExampleBlock =
    "*110012+0000000000000P12 81..10+0000000000100000 82..10+0000000000200000 83..10+0000000000010000 ";

TEST_F(SketchconvTest, ExampleBlockGivesThePointAndItsLabel)
{
    const fs::path gsi = Write("example.gsi", kExampleBlock);
    const drawmap::testing::EzdxfView view = Convert(gsi);
    ASSERT_EQ(view.status, 0) << view.printed;
    EXPECT_TRUE(view.Has("audit 0 0")) << view.printed;
    EXPECT_TRUE(view.Has("point POINT 100.0 200.0 10.0")) << view.printed;
    EXPECT_TRUE(view.Has("text ANNOTATION 101.0 201.0 1.0 0.0 STANDARD 256 |P12  10.0000")) << view.printed;
    for (const LayerEntry& layer : kLayers) {
        const std::string line = "layer " + std::string(layer.name) + " " + std::to_string(layer.color) + " CONTINUOUS";
        EXPECT_TRUE(view.Has(line)) << line << "\nin:\n" << view.printed;
    }
    EXPECT_EQ(Widget<QLineEdit>(kPathFieldName).text().toStdString(), gsi.string());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "tip");
    EXPECT_EQ(prompter.messages[0].text, "Writing dxf file done,1 Point convert ok!");
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Information);
    // OK ends the program.
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(Dialog().result(), QDialog::Accepted);
}

TEST_F(SketchconvTest, EachUnitKeepsItsDecimalsAndTheLabelShowsTheSinglePrecisionElevation)
{
    const fs::path gsi = Write("units.gsi",
                               // 1/10 mm easting, 1/100 mm northing, 1234.5678 m elevation
                               "*110001+00000000000000P1 81..16+0000000012345678 82..18+0000000012345678 "
                               "83..16+0000000012345678 \r\n"
                               // 1/1000 ft and 1/10000 ft, negative elevation in mm
                               "110002+000000P2 81..11+00001234 82..17+00012345 83..10-00001500 \r\n");
    const drawmap::testing::EzdxfView view = Convert(gsi);
    ASSERT_EQ(view.status, 0) << view.printed;
    for (const char* line : {
             "point POINT 1234.5678 123.45678 1234.5677490234375",
             "text ANNOTATION 1235.5678 124.45678 1.0 0.0 STANDARD 256 |P1  1234.5677",
             "point POINT 0.3761 0.37628 -1.5",
             "text ANNOTATION 1.3761 1.37628 1.0 0.0 STANDARD 256 |P2  -1.5000",
         }) {
        EXPECT_TRUE(view.Has(line)) << line << "\nin:\n" << view.printed;
    }
}

TEST_F(SketchconvTest, LineOf600BytesLosesItsFirst500)
{
    std::string lost = "*110001+0000000000000LOST 81..10+0000000000009000 82..10+0000000000009000 "
                       "83..10+0000000000009000 ";
    lost.resize(500, 'Z');
    std::string kept = "110002+00000KEPT 81..10+00001000 82..10+00002000 83..10+00003000 ";
    kept.resize(100, ' ');
    const fs::path gsi =
        Write("long.gsi", lost + kept + "\r\n110003+00000NEXT 81..10+00004000 82..10+00005000 83..10+00006000 \r\n");
    const drawmap::testing::EzdxfView view = Convert(gsi);
    ASSERT_EQ(view.status, 0) << view.printed;
    EXPECT_EQ(view.Lines("point ").size(), 2u) << view.printed;
    EXPECT_TRUE(view.Has("point POINT 1.0 2.0 3.0")) << view.printed;
    EXPECT_TRUE(view.Has("point POINT 4.0 5.0 6.0")) << view.printed;
    EXPECT_EQ(view.printed.find("LOST"), std::string::npos) << view.printed;
}

TEST_F(SketchconvTest, BlocksThatAreNoPointAreSkippedAndTwoDPointsDrawnAtZero)
{
    const fs::path gsi = Write("gaps.gsi", "110001+000000P1 81..10+00001000 82..10+00002000 83..10+00003000 \r\n"
                                           "110002+000000P2 81..10+00007000 82..10+00008000 \r\n"
                                           "410003+0000KERB \r\n"
                                           "110004+000000S1 21.324+09000000 22.324+09000000 31..00+00012345 \r\n"
                                           "81..10+00001000 82..10+00001000 83..10+00001000 \r\n"
                                           "110006+000000P6 81..10+00004000 82..10+--------\r\n"
                                           "110007+000000P7 81..10+00004000 82..10+00005000 83..10+00006000 \r\n");
    const drawmap::testing::EzdxfView view = Convert(gsi);
    ASSERT_EQ(view.status, 0) << view.printed;
    const std::vector<std::string> texts = view.Lines("text ");
    ASSERT_EQ(texts.size(), 3u) << view.printed;
    EXPECT_TRUE(texts[0].ends_with("|P1  3.0000")) << texts[0];
    // A point without elevation stands at 0, labelled with its name only.
    EXPECT_TRUE(texts[1].ends_with("|P2")) << texts[1];
    EXPECT_TRUE(texts[2].ends_with("|P7  6.0000")) << texts[2];
    EXPECT_EQ(view.Lines("point "), (std::vector<std::string>{"point POINT 1.0 2.0 3.0", "point POINT 7.0 8.0 0.0",
                                                              "point POINT 4.0 5.0 6.0"}))
        << view.printed;
    EXPECT_EQ(LastMessage(), "Writing dxf file done,3 Point convert ok! "
                             "3 blocks without coordinates were skipped. 1 block without a point name was skipped.");
}

TEST_F(SketchconvTest, OnlyFilesWithTheGsiExtensionAreRead)
{
    const std::string block(kExampleBlock);
    Browse(Write("first.gsi", block));
    ASSERT_EQ(Dialog().Converter().Points().size(), 1u);

    // Another extension empties the points and says nothing.
    const fs::path text = Write("points.txt", block);
    Browse(text);
    EXPECT_TRUE(Dialog().Converter().Points().empty());
    EXPECT_EQ(Widget<QLineEdit>(kPathFieldName).text().toStdString(), text.string());
    EXPECT_TRUE(prompter.messages.empty());

    // The extension counts in any case; ".gsi16" is another extension.
    Browse(Write("POINTS.GSI", block + "\r\n" + block));
    EXPECT_EQ(Dialog().Converter().Points().size(), 2u);
    Browse(Write("points.gsi16", block));
    EXPECT_TRUE(Dialog().Converter().Points().empty());

    // A file that cannot be opened keeps the points read before.
    Browse(Write("again.gsi", block));
    const fs::path missing = Dir() / "missing.gsi";
    Browse(missing);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Open File False!");
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Dialog().Converter().Points().size(), 1u);
    EXPECT_EQ(Widget<QLineEdit>(kPathFieldName).text().toStdString(), missing.string());

    // Cancelling the file choice changes nothing.
    files.open.push_back(std::nullopt);
    Widget<QPushButton>(kBrowseButtonName).click();
    EXPECT_EQ(Dialog().Converter().Points().size(), 1u);
    EXPECT_EQ(Widget<QLineEdit>(kPathFieldName).text().toStdString(), missing.string());
}

} // namespace
} // namespace sketchconv::testing
