// GSI, the instrument's line-oriented record format: one block per line, each
// block a row of fixed-width words (index, information field, sign, data,
// separator blank). GSI-8 words carry 8 data characters, GSI-16 words 16 and
// the block opens with "*".
//
// The suite's programs read GSI in slightly different ways, and files already
// written by each of them rely on their own way; the variants are named here:
//  - fixed stride: the coordinate editor, and the exchange program, which also
//    takes "*41" as the GSI-16 mark;
//  - blank separated: the drawing converter (up to 100 pieces, decimals kept by
//    unit) and the cable transfer program (up to 10 pieces).
// What a length word is worth is the same for all of them (decodeLength):
// instruments and other programs write every unit and input-mode digit, and
// a drawing must land where the editor shows the points.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::gsi {

enum class Flavour { Gsi8, Gsi16 };

// Data characters per word.
constexpr std::size_t dataWidth(Flavour f) { return f == Flavour::Gsi16 ? 16 : 8; }

// The mark in front of the first word of a GSI-16 block.
inline constexpr char kGsi16Mark = '*';
inline constexpr char kSeparator = ' ';

// Word indices the suite uses.
inline constexpr std::string_view kPointNumber = "11";
inline constexpr std::string_view kCodeBlock = "41";
inline constexpr std::string_view kPointCode = "71";
inline constexpr std::string_view kEasting = "81";
inline constexpr std::string_view kNorthing = "82";
inline constexpr std::string_view kElevation = "83";
inline constexpr std::string_view kStationEasting = "84";
inline constexpr std::string_view kStationNorthing = "85";
inline constexpr std::string_view kStationHeight = "86";
// Measurement words.
inline constexpr std::string_view kHorizontalDirection = "21";
inline constexpr std::string_view kZenithAngle = "22";
inline constexpr std::string_view kOrientation = "25";
inline constexpr std::string_view kSlopeDistance = "31";
inline constexpr std::string_view kHorizontalDistance = "32";
inline constexpr std::string_view kHeightDifference = "33";
inline constexpr std::string_view kReflectorHeight = "87";
inline constexpr std::string_view kInstrumentHeight = "88";

// The foot of every GSI foot unit: the international foot, exactly.
inline constexpr double kInternationalFootMetres = 0.3048;

// Pieces of a line each blank-separated reader looks at, at most.
inline constexpr std::size_t kDrawingMaxPieces = 100;
inline constexpr std::size_t kCableMaxPieces = 10;
// Blank-separated readers skip pieces shorter than this.
inline constexpr std::size_t kMinWordLength = 7;
// Blank-separated readers keep at most this many characters of a text word.
inline constexpr std::size_t kMaxTextLength = 19;

// ---- Splitting ------------------------------------------------------------

// Fixed stride: the first W + 7 characters are a word, then its separator is
// passed over, until the line ends. A last word without its separator (files
// whose trailing blanks were stripped) is read like any other; a last piece
// shorter than a word (a file cut off mid-block) comes back as it is, and the
// decoders find no value in it.
std::vector<std::string_view> splitFixedStride(std::string_view block, Flavour f);

// Blank separated: the line cut at every single blank, at most maxPieces
// pieces looked at, pieces shorter than kMinWordLength dropped.
std::vector<std::string_view> splitBlankSeparated(std::string_view line, std::size_t maxPieces);

// A block ready for splitting: its flavour and its words' text without the
// GSI-16 mark.
struct MarkedBlock {
    Flavour flavour = Flavour::Gsi8;
    std::string_view body;
};

// Which fixed-stride reader is asking: the exchange program also takes a line
// holding "*41" (a GSI-16 code block) as GSI-16.
enum class FixedStrideReader { Editor, Exchange };

// Fixed-stride readers: GSI-16 when "*11" (or, for the exchange program,
// "*41") occurs anywhere in the line; the line's first character is then
// dropped, whatever it is.
MarkedBlock markFixedStride(std::string_view line, FixedStrideReader reader);

// Blank-separated readers: GSI-16 when the first character is "*", which is
// dropped.
MarkedBlock markBlankSeparated(std::string_view line);

// The word's index (its first two characters), or "" for a shorter word.
std::string_view wordIndex(std::string_view word);

// ---- Decoding -------------------------------------------------------------

// One step of a length word, named by the word's unit digit (its sixth
// character; the fifth, the input mode, says nothing about the value):
// 0 = 1 mm, 6 = 1/10 mm, 8 = 1/100 mm, 1 = 1/1000 ft, 7 = 1/10000 ft.
struct StepUnit {
    double stepsPerUnit; // steps per metre, or per foot for the foot units
    double unitMetres;   // 1, or kInternationalFootMetres
    int decimals;        // decimals of metres that show the step
};
std::optional<StepUnit> stepUnit(char unitDigit);

// A value word's parts: its unit digit (the sixth character), its sign and
// its data as a whole number of steps. Nothing for a sign that is neither
// "+" nor "-", or data that is placeholders ("-" or blanks), not all digits,
// or cut short (fewer characters than the flavour's data width).
struct WordValue {
    char unitDigit = 0;
    bool negative = false;
    double steps = 0;
};
std::optional<WordValue> wordValue(std::string_view word, Flavour f);

// A length word's value in metres, and the decimals its unit shows.
struct Length {
    double metres = 0.0;
    int decimals = 3;
};

// Words 81-86. Nothing when the word carries no usable value: an unknown
// unit digit, a sign that is neither "+" nor "-", or data that is
// placeholders ("-" or blanks), not all digits, or cut short (fewer
// characters than the flavour's data width). Never a number in place of a
// value that is not there.
std::optional<Length> decodeLength(std::string_view word, Flavour f);

// ---- Fixed-stride decoding (coordinate editor, exchange program) ----------

// Text of a word 11, 41 or 71: everything after its first "+", leading "0"s
// removed. A word without "+" gives "".
std::string_view decodeEditorText(std::string_view word);

// What the coordinate editor takes from one line.
struct EditorBlock {
    Flavour flavour = Flavour::Gsi8;
    std::optional<std::string> name;      // word 11; "0" when its data is all zeros
    std::optional<std::string> code;      // word 71
    std::optional<double> easting;        // word 81, metres
    std::optional<double> northing;       // word 82
    std::optional<double> elevation;      // word 83
    std::optional<int> finestDecimals;    // of the finest unit among the values read
};

EditorBlock readEditorBlock(std::string_view line);

// ---- Blank-separated decoding --------------------------------------------

// Drawing converter and cable program text word: up to kMaxTextLength
// characters from position 8, leading "0"s removed.
std::string decodeBlankSeparatedText(std::string_view word);

// What the drawing converter takes from one line. Lengths keep only the
// decimals their unit shows, as the converter always held them.
struct DrawingBlock {
    std::optional<std::string> name; // word 11; "0" when its data is all zeros
    std::string code;                // word 71
    std::optional<double> easting;   // word 81
    std::optional<double> northing;  // word 82
    std::optional<double> elevation; // word 83
};
DrawingBlock readDrawingBlock(std::string_view line);

// The drawing converter's line buffer: lines end at every CR and every LF;
// a line that reaches the buffer size without an end is dropped and
// collection starts again; lines shorter than kMinWordLength are skipped.
inline constexpr std::size_t kDrawingLineBuffer = 500;
std::vector<std::string_view> splitDrawingLines(std::string_view file);

// Cable program length: "%.3f" text for millimetres, and as many decimals as
// a finer unit shows; nothing for a word without a usable value
// (decodeLength), the placeholders "8x..00+--------" among them.
std::optional<std::string> decodeCableLength(std::string_view word, Flavour f);

// ---- Writing --------------------------------------------------------------

// A value's unit: the unit pair written at positions 5-6 and the number of
// steps per metre.
struct LengthUnit {
    std::string_view pair;
    double stepsPerMetre;
};
inline constexpr LengthUnit kMillimetre{"10", 1000.0};
inline constexpr LengthUnit kTenthMillimetre{"16", 10000.0};
inline constexpr LengthUnit kHundredthMillimetre{"18", 100000.0};

// Appends head followed by text filled on the left with "0" to the data
// width (a longer text keeps its rightmost characters).
void appendTextWord(std::string& out, std::string_view head, std::string_view text, Flavour f);

// Appends a length word: index, "..", unit pair, sign ("+" for zero and
// above), and the whole number of steps filled with "0" to the data width.
// Returns false when the steps needed more digits than the width, in which
// case the rightmost digits were written.
bool appendLengthWord(std::string& out, std::string_view index, LengthUnit unit, double metres, Flavour f);

// Head of the coordinate editor's point-number word for a 1-based row:
// "11", the row as four digits, "+". Rows past 9999 carry "...." (no number).
std::string editorPointHead(std::size_t row);

inline constexpr std::string_view kEditorCodeHead = "71....+";
inline constexpr std::string_view kExchangePointHead = "*11....+";

// The coordinate editor's block: point number, code, 81, 82, 83, each followed
// by one blank, then CR LF; "*" in front for GSI-16. A value the point does
// not have writes no word (a 2D point has no 83). Returns how many of the
// values did not fit the data width.
int appendEditorBlock(std::string& out, Flavour f, std::size_t row, std::string_view name, std::string_view code,
                      std::optional<double> easting, std::optional<double> northing, std::optional<double> elevation,
                      LengthUnit unit);

// The exchange program's GSI-16 point block: "*11....+" word, 81, 82, 83 in
// millimetres, each followed by one blank; no line end.
void appendExchangePointBlock(std::string& out, std::string_view name, double easting, double northing,
                              double elevation);

} // namespace harwick::gsi
