#include "gsi/gsi.h"
#include "text/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace harwick::gsi {
namespace {

using Words = std::vector<std::string_view>;

std::string editorBlock(Flavour f, std::size_t row, std::string_view name, std::string_view code, double e, double n,
                        double h, LengthUnit unit)
{
    std::string out;
    appendEditorBlock(out, f, row, name, code, e, n, h, unit);
    return out;
}

// ---- Writing --------------------------------------------------------------

TEST(GsiWrite, EditorBlockGsi8ByteForByte)
{
    EXPECT_EQ(editorBlock(Flavour::Gsi8, 1, "P12", "TREE", 1234.5678, 20.5, 0.0, kMillimetre),
              "110001+00000P12 71....+0000TREE 81..10+01234568 82..10+00020500 83..10+00000000 \r\n");
}

TEST(GsiWrite, EditorBlockGsi16ByteForByte)
{
    EXPECT_EQ(editorBlock(Flavour::Gsi16, 7, "P12", "TREE", 1234.5678, 20.5, -1.5, kTenthMillimetre),
              "*110007+0000000000000P12 71....+000000000000TREE 81..16+0000000012345678 "
              "82..16+0000000000205000 83..16-0000000000015000 \r\n");
}

TEST(GsiWrite, EditorPointHeadCarriesRowUpToFourDigits)
{
    EXPECT_EQ(editorPointHead(1), "110001+");
    EXPECT_EQ(editorPointHead(9999), "119999+");
    EXPECT_EQ(editorPointHead(10000), "11....+");
}

TEST(GsiWrite, TextWordsFillWithZerosOrKeepRightmost)
{
    std::string out;
    appendTextWord(out, "110001+", "POINT12345", Flavour::Gsi8);
    EXPECT_EQ(out, "110001+INT12345");
    out.clear();
    appendTextWord(out, kExchangePointHead, "ABCDEFGHIJKLMNOPQRST", Flavour::Gsi16);
    EXPECT_EQ(out, "*11....+EFGHIJKLMNOPQRST");
    out.clear();
    appendTextWord(out, kEditorCodeHead, "", Flavour::Gsi8);
    EXPECT_EQ(out, "71....+00000000");
}

struct LengthWordCase {
    std::string_view index;
    LengthUnit unit;
    double metres;
    Flavour flavour;
    std::string_view word;
    bool fits;
};

TEST(GsiWrite, LengthWordSignUnitAndWidth)
{
    const double nan = std::nan("");
    const LengthWordCase cases[] = {
        {kElevation, kMillimetre, -1.5, Flavour::Gsi8, "83..10-00001500", true},
        {kEasting, kMillimetre, 0.0, Flavour::Gsi8, "81..10+00000000", true},
        {kEasting, kMillimetre, -0.0, Flavour::Gsi8, "81..10+00000000", true},
        // The sign follows the value, even when its steps round to nothing.
        {kEasting, kMillimetre, -0.0004, Flavour::Gsi8, "81..10-00000000", true},
        {kEasting, kMillimetre, 123.456, Flavour::Gsi16, "81..10+0000000000123456", true},
        {kNorthing, kTenthMillimetre, 5678.1234, Flavour::Gsi8, "82..16+56781234", true},
        {kNorthing, kHundredthMillimetre, -1.23456, Flavour::Gsi16, "82..18-0000000000123456", true},
        {kEasting, kMillimetre, 99999.999, Flavour::Gsi8, "81..10+99999999", true},
        {kEasting, kMillimetre, 123456.789, Flavour::Gsi8, "81..10+23456789", false},
        {kEasting, kHundredthMillimetre, -1000.0, Flavour::Gsi8, "81..18-00000000", false},
        // No number at all cannot be written either: zeros, reported.
        {kEasting, kMillimetre, nan, Flavour::Gsi8, "81..10+00000000", false},
    };
    for (const LengthWordCase& c : cases) {
        std::string out;
        EXPECT_EQ(appendLengthWord(out, c.index, c.unit, c.metres, c.flavour), c.fits) << c.word;
        EXPECT_EQ(out, c.word);
    }
}

TEST(GsiWrite, LengthDigitsAreThoseOfPrintfWholeNumbers)
{
    const LengthUnit units[] = {kMillimetre, kTenthMillimetre, kHundredthMillimetre};
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> sixteenths(-2'000'000, 2'000'000);
    std::uniform_real_distribution<double> any(-5e5, 5e5);
    char digits[64];
    for (int i = 0; i < 3000; ++i) {
        // Odd sixteenths of a metre are exact halves of a millimetre, where rounding shows.
        double metres = i % 2 ? sixteenths(rng) / 16.0 : any(rng);
        const LengthUnit& unit = units[i % 3];
        std::snprintf(digits, sizeof digits, "%.0f", std::fabs(metres * unit.stepsPerMetre));
        std::string expected(kElevation);
        expected += "..";
        expected += unit.pair;
        expected += metres < 0 ? '-' : '+';
        text::appendRightAligned(expected, digits, 16, '0');
        std::string out;
        appendLengthWord(out, kElevation, unit, metres, Flavour::Gsi16);
        ASSERT_EQ(out, expected) << metres;
    }
}

TEST(GsiWrite, EditorBlockCountsValuesThatDidNotFit)
{
    std::string out;
    EXPECT_EQ(appendEditorBlock(out, Flavour::Gsi8, 1, "P", "", 123456.789, 1.0, -100000.0, kMillimetre), 2);
    EXPECT_EQ(out, "110001+0000000P 71....+00000000 81..10+23456789 82..10+00001000 83..10-00000000 \r\n");
    out.clear();
    EXPECT_EQ(appendEditorBlock(out, Flavour::Gsi16, 1, "P", "", 123456.789, 1.0, -100000.0, kMillimetre), 0);
    // Beyond any number of steps: zeros, and counted as not fitting.
    out.clear();
    EXPECT_EQ(appendEditorBlock(out, Flavour::Gsi16, 1, "P", "", 1e305, -1e305, 0.0, kHundredthMillimetre), 2);
    EXPECT_NE(out.find(" 81..18+0000000000000000 82..18+0000000000000000 "), std::string::npos) << out;
}

// ---- Flavour and splitting ---------------------------------------------

enum class Reader { Editor, Exchange, BlankSeparated };

struct MarkCase {
    std::string_view line;
    Reader reader;
    Flavour flavour;
    std::string_view body;
};

TEST(GsiRead, EachReaderRecognisesGsi16ItsOwnWay)
{
    const MarkCase cases[] = {
        {"*110001+0000000000000P12 ", Reader::Editor, Flavour::Gsi16, "110001+0000000000000P12 "},
        {"110001+00000P12 ", Reader::Editor, Flavour::Gsi8, "110001+00000P12 "},
        // "*11" anywhere marks GSI-16, and the first character goes whatever it is.
        {"X71....+000*11TREE ", Reader::Editor, Flavour::Gsi16, "71....+000*11TREE "},
        {"*410001+000000000000TREE ", Reader::Editor, Flavour::Gsi8, "*410001+000000000000TREE "},
        {"*410001+000000000000TREE ", Reader::Exchange, Flavour::Gsi16, "410001+000000000000TREE "},
        {"*110001+0000000000000P12 ", Reader::Exchange, Flavour::Gsi16, "110001+0000000000000P12 "},
        {"410001+0000TREE ", Reader::Exchange, Flavour::Gsi8, "410001+0000TREE "},
        {"*110012+0000000000000P12 ", Reader::BlankSeparated, Flavour::Gsi16, "110012+0000000000000P12 "},
        {" *110012+0000000000000P12 ", Reader::BlankSeparated, Flavour::Gsi8, " *110012+0000000000000P12 "},
        {"*41....+000000000000TREE ", Reader::BlankSeparated, Flavour::Gsi16, "41....+000000000000TREE "},
        {"", Reader::Editor, Flavour::Gsi8, ""},
        {"", Reader::BlankSeparated, Flavour::Gsi8, ""},
    };
    for (const MarkCase& c : cases) {
        MarkedBlock m = c.reader == Reader::BlankSeparated ? markBlankSeparated(c.line)
                        : markFixedStride(c.line, c.reader == Reader::Editor ? FixedStrideReader::Editor
                                                                             : FixedStrideReader::Exchange);
        EXPECT_EQ(m.flavour, c.flavour) << c.line;
        EXPECT_EQ(m.body, c.body) << c.line;
    }
}

TEST(GsiRead, FixedStrideNeedsEachWordsSeparator)
{
    EXPECT_EQ(splitFixedStride("110001+00000P12 81..10+00001234 ", Flavour::Gsi8),
              (Words{"110001+00000P12", "81..10+00001234"}));
    // A last word without its separator (trailing blanks stripped) is read;
    // a last piece cut short comes back as it is, for the decoders to refuse.
    EXPECT_EQ(splitFixedStride("110001+00000P12 81..10+00001234", Flavour::Gsi8),
              (Words{"110001+00000P12", "81..10+00001234"}));
    EXPECT_EQ(splitFixedStride("110001+00000P12 81..10+0000", Flavour::Gsi8), (Words{"110001+00000P12", "81..10+0000"}));
    // The stride ignores what the characters are: the separator may be anything.
    EXPECT_EQ(splitFixedStride("110001+00000P12x81..10+00001234;", Flavour::Gsi8),
              (Words{"110001+00000P12", "81..10+00001234"}));
    EXPECT_EQ(splitFixedStride("110001+0000000000000P12 81..10+0000000000001234", Flavour::Gsi16),
              (Words{"110001+0000000000000P12", "81..10+0000000000001234"}));
    EXPECT_EQ(splitFixedStride("110001+00000P12 ", Flavour::Gsi16), Words{"110001+00000P12 "});
    EXPECT_EQ(splitFixedStride("", Flavour::Gsi8), Words{});
}

TEST(GsiRead, BlankSeparatedSkipsShortPiecesAndStopsAtThePieceLimit)
{
    EXPECT_EQ(splitBlankSeparated("110001+00000P12 81..10+00001234", kDrawingMaxPieces),
              (Words{"110001+00000P12", "81..10+00001234"}));
    EXPECT_EQ(splitBlankSeparated("  110001+P12  ab 81..10+1234 ", kDrawingMaxPieces),
              (Words{"110001+P12", "81..10+1234"}));
    EXPECT_EQ(splitBlankSeparated("123456 1234567", kDrawingMaxPieces), (Words{"1234567"}));

    // Short and empty pieces count towards the limit.
    std::string line(9, ' ');
    line += "83..10+00001500";
    EXPECT_EQ(splitBlankSeparated(line, kCableMaxPieces), (Words{"83..10+00001500"}));
    line.insert(0, " ");
    EXPECT_EQ(splitBlankSeparated(line, kCableMaxPieces), Words{});
    EXPECT_EQ(splitBlankSeparated(line, kDrawingMaxPieces), (Words{"83..10+00001500"}));
}

// ---- Decoding values -----------------------------------------------------

struct LengthCase {
    std::string_view word;
    std::optional<double> metres; // nothing: the word carries no usable value
    int decimals = 3;
};

TEST(GsiRead, LengthTakesTheUnitFromTheSixthCharacterAlone)
{
    const LengthCase cases[] = {
        // Whatever the input mode (fifth character): ".", "0"-"9".
        {"81..00+00001234", 1.234, 3},
        {"81..10+00001234", 1.234, 3},
        {"81...0+00001234", 1.234, 3},
        {"81..20+00001234", 1.234, 3},
        {"81..06+00001234", 0.1234, 4},
        {"81..16+00001234", 0.1234, 4},
        {"81..38+00001234", 0.01234, 5},
        {"81..18+00001234", 0.01234, 5},
        // The international foot: 1000 x 1/1000 ft and 10000 x 1/10000 ft are 0.3048 m.
        {"81..11+00001000", 0.3048, 4},
        {"81..01+00001000", 0.3048, 4},
        {"81..17+00010000", 0.3048, 5},
        {"82..17-12345678", -376.29626544, 5}, // 1234.5678 ft
        {"83..10-00001500", -1.5, 3},
        {"83..10-00000000", 0.0, 3},
        {"81..10+0000000000123456", 123.456, 3},
        {"82..18-0000000012345678", -123.45678, 5},
        // The fifth character says nothing: "46" is 1/10 mm, not 123456 m.
        {"82..46+00123456", 12.3456, 4},
        // Unit digits that name no unit: no value, never the bare number.
        {"82..42+00123456", std::nullopt},
        {"81..12+00001234", std::nullopt},
        {"81..1.+00001234", std::nullopt},
        // Placeholders, cut short, not digits, no sign.
        {"81..00+--------", std::nullopt},
        {"81..10+        ", std::nullopt},
        {"81..10+0000----", std::nullopt},
        {"81..10+0001234", std::nullopt},
        {"81..10+", std::nullopt},
        {"81..10+0000A234", std::nullopt},
        {"81..10 00001234", std::nullopt},
        {"81..10*00001234", std::nullopt},
    };
    for (const LengthCase& c : cases) {
        const std::optional<Length> l = decodeLength(c.word, Flavour::Gsi8);
        ASSERT_EQ(l.has_value(), c.metres.has_value()) << c.word;
        if (!l) continue;
        EXPECT_NEAR(l->metres, *c.metres, 1e-12) << c.word;
        EXPECT_EQ(l->decimals, c.decimals) << c.word;
    }
    // A piece of hundreds of digits is no length, not infinity.
    EXPECT_FALSE(decodeLength("81..10+" + std::string(400, '9'), Flavour::Gsi8));
    // GSI-16 data is sixteen characters: eight is a word cut short.
    EXPECT_FALSE(decodeLength("81..10+00001234", Flavour::Gsi16));
    EXPECT_EQ(decodeLength("81..10+0000000000001234", Flavour::Gsi16)->metres, 1.234);
}

TEST(GsiRead, EveryReaderGivesAWordTheSameValue)
{
    // The editor, the drawing converter, the exchange download and the cable
    // conversion read one file; the drawing must land where the editor shows it.
    for (std::string_view word : {"81..11+12345678", "81..06+00001234", "81..17-00010000", "81..08+00000001"}) {
        SCOPED_TRACE(word);
        const std::string line = "110001+00000P12 " + std::string(word) + " 82..10+00001000 ";
        const double metres = decodeLength(word, Flavour::Gsi8)->metres;
        const int decimals = decodeLength(word, Flavour::Gsi8)->decimals;
        EXPECT_DOUBLE_EQ(*readEditorBlock(line).easting, metres);
        EXPECT_EQ(readEditorBlock(line).finestDecimals, decimals);
        EXPECT_DOUBLE_EQ(*readDrawingBlock(line).easting, text::readNumber(text::formatFixed(metres, decimals)));
        EXPECT_EQ(decodeCableLength(word, Flavour::Gsi8), text::formatFixed(metres, decimals));
    }
    EXPECT_EQ(decodeCableLength("81..06+00001234", Flavour::Gsi8), "0.1234");
    EXPECT_EQ(decodeCableLength("83..00-00001500", Flavour::Gsi8), "-1.500");
    EXPECT_EQ(decodeCableLength("84..10+0000000000123456", Flavour::Gsi16), "123.456");
    for (std::string_view index : {"81", "82", "83", "84", "85", "86"}) {
        const std::string word = std::string(index) + "..00+--------";
        EXPECT_EQ(decodeCableLength(word, Flavour::Gsi8), std::nullopt) << word;
    }
}

TEST(GsiRead, BlankSeparatedTextWords)
{
    EXPECT_EQ(decodeBlankSeparatedText("110001+00000P12"), "P12");
    EXPECT_EQ(decodeBlankSeparatedText("41....+0000TREE"), "TREE");
    EXPECT_EQ(decodeBlankSeparatedText("71....+00000000"), "");
    EXPECT_EQ(decodeBlankSeparatedText("110001+P10"), "P10");
    EXPECT_EQ(decodeBlankSeparatedText("11....+ABCDEFGHIJKLMNOPQRSTUVW"), "ABCDEFGHIJKLMNOPQRS");
}

// ---- Reading blocks ------------------------------------------------------

TEST(GsiRead, EditorReadsItsOwnExampleBlock)
{
    EditorBlock b = readEditorBlock("110001+00000P12 71....+0000TREE 81..10+01234568 82..10+00020500 83..10+00000000 ");
    EXPECT_EQ(b.flavour, Flavour::Gsi8);
    EXPECT_EQ(b.name, "P12");
    EXPECT_EQ(b.code, "TREE");
    EXPECT_DOUBLE_EQ(*b.easting, 1234.568);
    EXPECT_DOUBLE_EQ(*b.northing, 20.5);
    EXPECT_DOUBLE_EQ(*b.elevation, 0.0);
    EXPECT_EQ(b.finestDecimals, 3);
}

TEST(GsiRead, EditorBlockEdgeCases)
{
    EditorBlock gsi16 = readEditorBlock("*110012+0000000000000P12 81..10+0000000000100000 "
                                        "82..10+0000000000200000 83..10+0000000000010000 ");
    EXPECT_EQ(gsi16.flavour, Flavour::Gsi16);
    EXPECT_EQ(gsi16.name, "P12");
    EXPECT_EQ(gsi16.code, std::nullopt);
    EXPECT_DOUBLE_EQ(*gsi16.easting, 100.0);
    EXPECT_DOUBLE_EQ(*gsi16.northing, 200.0);
    EXPECT_DOUBLE_EQ(*gsi16.elevation, 10.0);

    EditorBlock zeros = readEditorBlock("110001+00000000 71....+00000000 ");
    EXPECT_EQ(zeros.name, "0");
    EXPECT_EQ(zeros.code, "");

    // The last word lacks its separator and is read all the same; 84 is not
    // a word the editor reads.
    EditorBlock stripped = readEditorBlock("110001+00000P12 84..10+00001234 83..10+00001500");
    EXPECT_EQ(stripped.name, "P12");
    EXPECT_FALSE(stripped.easting || stripped.northing);
    EXPECT_DOUBLE_EQ(*stripped.elevation, 1.5);

    // Cut off mid-word: the value is not there, and is not 0.
    EditorBlock cut = readEditorBlock("110001+00000P12 81..10+00001234 82..10+00002345 83..10+000");
    EXPECT_DOUBLE_EQ(*cut.northing, 2.345);
    EXPECT_FALSE(cut.elevation);

    // The finest unit decides, not the last one read.
    EditorBlock mixed = readEditorBlock("81..18+00001000 82..11+00001234 83..10+00000001 ");
    EXPECT_DOUBLE_EQ(*mixed.easting, 0.01);
    EXPECT_DOUBLE_EQ(*mixed.northing, 1.234 * 0.3048);
    EXPECT_EQ(mixed.finestDecimals, 5);

    EditorBlock empty = readEditorBlock("");
    EXPECT_FALSE(empty.name || empty.code || empty.easting || empty.finestDecimals);
}

TEST(GsiRead, DrawingBlockEdgeCases)
{
    DrawingBlock b = readDrawingBlock("*110012+0000000000000P12 81..10+0000000000100000 "
                                      "82..10+0000000000200000 83..10+0000000000010000 ");
    EXPECT_EQ(b.name, "P12");
    EXPECT_DOUBLE_EQ(*b.easting, 100.0);
    EXPECT_DOUBLE_EQ(*b.northing, 200.0);
    EXPECT_DOUBLE_EQ(*b.elevation, 10.0);

    DrawingBlock cut = readDrawingBlock("110001+00000P12 71....+0000TREE 83..10+00001500");
    EXPECT_EQ(cut.code, "TREE");
    EXPECT_DOUBLE_EQ(*cut.elevation, 1.5);
    EXPECT_FALSE(cut.easting || cut.northing);

    // Without word 11 a block names no point.
    EXPECT_EQ(readDrawingBlock("81..10+00001234 ").name, std::nullopt);
    EXPECT_FALSE(readDrawingBlock("110001+00000P12 81..10+0001 ").easting);
    EXPECT_EQ(readDrawingBlock("110001+00000000 71....+00000000 ").name, "0");
    EXPECT_EQ(readDrawingBlock("110001+00000000 71....+00000000 ").code, "");
}

TEST(GsiRead, DrawingLinesEndAtEveryCrAndLf)
{
    EXPECT_EQ(splitDrawingLines("110001+00000P1 \r\n110002+00000P2 \n110003+00000P3 \r110004+00000P4"),
              (Words{"110001+00000P1 ", "110002+00000P2 ", "110003+00000P3 ", "110004+00000P4"}));
    EXPECT_EQ(splitDrawingLines("123456\r\n\r\n1234567\n"), (Words{"1234567"}));
    EXPECT_EQ(splitDrawingLines(""), Words{});
}

TEST(GsiRead, DrawingLineBufferDropsEveryFullBuffer)
{
    const std::string block = "*110012+0000000000000P12 81..10+0000000000100000 ";
    std::string tail = block + std::string(100 - block.size(), 'x');

    // 600 characters without a line end: the first 500 are gone.
    std::string line(500, '9');
    EXPECT_EQ(splitDrawingLines(line + tail), Words{tail});
    EXPECT_EQ(splitDrawingLines(std::string(1000, '9') + tail + "\r\n110002+00000P2 "),
              (Words{tail, "110002+00000P2 "}));

    std::string longest(kDrawingLineBuffer - 1, '9');
    EXPECT_EQ(splitDrawingLines(longest + "\n"), Words{longest});

    const std::string file = line + block + "\r\n";
    std::vector<std::string_view> lines = splitDrawingLines(file);
    ASSERT_EQ(lines.size(), 1u);
    DrawingBlock b = readDrawingBlock(lines[0]);
    EXPECT_EQ(b.name, "P12");
    EXPECT_DOUBLE_EQ(*b.easting, 100.0);
}

// ---- Round trips ---------------------------------------------------------

struct Point {
    std::string name;
    std::string code;
    double e, n, h;
};

std::string randomText(std::mt19937& rng, std::size_t maxLength)
{
    static constexpr std::string_view first = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_#";
    static constexpr std::string_view rest = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-_+";
    std::uniform_int_distribution<std::size_t> length(1, maxLength);
    std::size_t n = length(rng);
    std::string s(1, first[std::uniform_int_distribution<std::size_t>(0, first.size() - 1)(rng)]);
    while (s.size() < n) s.push_back(rest[std::uniform_int_distribution<std::size_t>(0, rest.size() - 1)(rng)]);
    return s;
}

TEST(GsiRoundTrip, EditorBlocksReadBackWithinOneStep)
{
    const LengthUnit units[] = {kMillimetre, kTenthMillimetre, kHundredthMillimetre};
    const int decimals[] = {3, 4, 5};
    std::mt19937 rng(7);
    for (Flavour f : {Flavour::Gsi8, Flavour::Gsi16}) {
        for (int u = 0; u < 3; ++u) {
            const LengthUnit unit = units[u];
            // The largest magnitude whose steps fit the width (GSI-16: what a double holds to the step).
            const double limit = f == Flavour::Gsi8 ? 99999999.0 / unit.stepsPerMetre : 1e6;
            std::uniform_real_distribution<double> value(-limit, limit);
            std::vector<Point> points;
            std::string file;
            for (std::size_t row = 1; row <= 300; ++row) {
                Point p{randomText(rng, dataWidth(f)), row % 5 == 0 ? "" : randomText(rng, dataWidth(f)),
                        value(rng), value(rng), row % 7 == 0 ? 0.0 : value(rng)};
                ASSERT_EQ(appendEditorBlock(file, f, row, p.name, p.code, p.e, p.n, p.h, unit), 0);
                points.push_back(std::move(p));
            }
            const double tolerance = 0.5 / unit.stepsPerMetre + 1e-9;
            std::string lfOnly = file;
            text::replaceAll(lfOnly, "\r\n", "\n");
            for (const std::string* input : {&file, &lfOnly}) {
                std::vector<std::string> lines = text::splitLines(*input);
                ASSERT_EQ(lines.size(), points.size());
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    const Point& p = points[i];
                    SCOPED_TRACE(lines[i]);
                    EditorBlock b = readEditorBlock(lines[i]);
                    EXPECT_EQ(b.flavour, f);
                    EXPECT_EQ(b.name, p.name);
                    EXPECT_EQ(b.code, p.code);
                    EXPECT_NEAR(*b.easting, p.e, tolerance);
                    EXPECT_NEAR(*b.northing, p.n, tolerance);
                    EXPECT_NEAR(*b.elevation, p.h, tolerance);
                    EXPECT_EQ(b.finestDecimals, decimals[u]);

                    // The drawing converter reads the same file to the same values.
                    DrawingBlock d = readDrawingBlock(lines[i]);
                    EXPECT_EQ(d.name, p.name);
                    EXPECT_EQ(d.code, p.code);
                    EXPECT_NEAR(*d.easting, *b.easting, 1e-9);
                    EXPECT_NEAR(*d.northing, *b.northing, 1e-9);
                    EXPECT_NEAR(*d.elevation, *b.elevation, 1e-9);
                }
            }
        }
    }
}

TEST(GsiRoundTrip, EveryWrittenLineEndsWithSeparatorAndCrLf)
{
    std::string file;
    for (std::size_t row = 1; row <= 20; ++row) {
        appendEditorBlock(file, row % 2 ? Flavour::Gsi8 : Flavour::Gsi16, row, "P", "C", 1.0, 2.0, 3.0,
                          kMillimetre);
    }
    std::size_t lf = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] != '\n') continue;
        ++lf;
        ASSERT_GE(i, 2u);
        EXPECT_EQ(file.substr(i - 2, 2), " \r");
    }
    EXPECT_EQ(lf, 20u);
    EXPECT_EQ(file.back(), '\n');
}

} // namespace
} // namespace harwick::gsi
