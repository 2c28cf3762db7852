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
//    unit) and the cable transfer program (up to 10 pieces, millimetres only).
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

// Metres per foot as the coordinate editor and exchange program reckon it.
inline constexpr double kEditorFootMetres = 0.30480370641307;
// Feet per metre as the drawing converter reckons it.
inline constexpr double kDrawingFeetPerMetre = 3.28083989501312;

// Pieces of a line each blank-separated reader looks at, at most.
inline constexpr std::size_t kDrawingMaxPieces = 100;
inline constexpr std::size_t kCableMaxPieces = 10;
// Blank-separated readers skip pieces shorter than this.
inline constexpr std::size_t kMinWordLength = 7;
// Blank-separated readers keep at most this many characters of a text word.
inline constexpr std::size_t kMaxTextLength = 19;

// ---- Splitting ------------------------------------------------------------

// Fixed stride: while at least W + 8 characters remain, the first W + 7 are a
// word and W + 8 are consumed. A last word without its separator is not read.
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

// ---- Fixed-stride decoding (coordinate editor, exchange program) ----------

// Text of a word 11, 41 or 71: everything after its first "+", leading "0"s
// removed. A word without "+" gives "".
std::string_view decodeEditorText(std::string_view word);

// A length word 81-86: the data after the word's first "+", or after its first
// "-" (negated) when there is no "+", scaled by the unit pair at positions 5-6:
// "00"/"10" mm, "16" 1/10 mm, "18" 1/100 mm, "11" 1/1000 ft, "17" 1/10000 ft;
// any other pair leaves the number unscaled.
double decodeEditorLength(std::string_view word);

// The metric precision a word's unit pair names, in decimals: 3 for "00" and
// "10", 4 for "16", 5 for "18"; nothing for feet and anything else.
std::optional<int> metricDecimals(std::string_view word);

// What the coordinate editor takes from one line.
struct EditorBlock {
    Flavour flavour = Flavour::Gsi8;
    std::optional<std::string> name;      // word 11; "0" when its data is all zeros
    std::optional<std::string> code;      // word 71
    std::optional<double> easting;        // word 81, metres
    std::optional<double> northing;       // word 82
    std::optional<double> elevation;      // word 83
    std::optional<int> metricDecimals;    // from the last metric value word
};

EditorBlock readEditorBlock(std::string_view line);

// ---- Blank-separated decoding --------------------------------------------

// Drawing converter and cable program text word: up to kMaxTextLength
// characters from position 8, leading "0"s removed.
std::string decodeBlankSeparatedText(std::string_view word);

// Drawing converter length: unit digit at position 6 alone; sign from
// position 7; held with 3, 4 or 5 decimals by unit and read back, so the
// value keeps only those decimals.
struct DrawingLength {
    double metres = 0.0;
    int decimals = 3;
};
DrawingLength decodeDrawingLength(std::string_view word);

// What the drawing converter takes from one line.
struct DrawingBlock {
    std::string name;                // word 11; "0" when empty or missing
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

// Cable program length: millimetres only, "%.3f" text with the sign of
// position 7. The placeholders "8x..00+--------" carry no value: nothing.
std::optional<std::string> decodeCableLength(std::string_view word);

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
// by one blank, then CR LF; "*" in front for GSI-16. Returns how many of the
// three values did not fit the data width.
int appendEditorBlock(std::string& out, Flavour f, std::size_t row, std::string_view name, std::string_view code,
                      double easting, double northing, double elevation, LengthUnit unit);

// The exchange program's GSI-16 point block: "*11....+" word, 81, 82, 83 in
// millimetres, each followed by one blank; no line end.
void appendExchangePointBlock(std::string& out, std::string_view name, double easting, double northing,
                              double elevation);

} // namespace harwick::gsi
