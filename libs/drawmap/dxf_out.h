// The DXF text itself: group code lines and value lines, and the words of
// the format that the drawing writes.
#pragma once

#include <string>
#include <string_view>

namespace drawmap {

// Group codes the drawing writes.
enum Code : int {
    kStart = 0,       // entity or table entry type, SECTION, EOF
    kText = 1,        // a TEXT's string, a string header value, a dimension text
    kName = 2,        // name of a section, table, entry, block
    kOtherName = 3,   // LTYPE description, STYLE font, DIMENSION style, BLOCK name again
    kBigFont = 4,
    kLinetypeName = 6,
    kStyleName = 7,
    kLayerName = 8,
    kVariable = 9,    // header variable name
    kX = 10,          // first point; 20 and 30 follow for y and z
    kX2 = 11,         // second point
    kX3 = 12,
    kX4 = 13,
    kX5 = 14,
    kHeight = 40,     // also: radius, pattern length, fixed style height
    kReal1 = 41,      // width factor, x scale, arrow size
    kReal2 = 42,
    kReal3 = 43,
    kReal4 = 44,
    kDashLength = 49,
    kAngle = 50,      // rotation, start angle
    kAngle2 = 51,     // oblique angle, end angle
    kColor = 62,
    kFlags = 70,
    kFlags1 = 71,
    kFlags2 = 72,
    kFlags3 = 73,
    kDimTextHeight = 140,
    kDimGap = 147,
};

inline constexpr std::string_view kLineEnd = "\r\n";

void PutCode(std::string& out, int code);
void Put(std::string& out, int code, std::string_view value);
void Put(std::string& out, int code, int value);
// Shortest text that reads back as the same double, with a decimal point.
void PutReal(std::string& out, int code, double value);
// code, code + 10 and code + 20 for x, y and z.
void PutPoint(std::string& out, int code, double x, double y, double z);
// value printed with a fixed number of decimals.
std::string Fixed(double value, int decimals);

// ---- Words of the format -------------------------------------------------------
namespace word {
inline constexpr std::string_view kSection = "SECTION";
inline constexpr std::string_view kEndSection = "ENDSEC";
inline constexpr std::string_view kHeader = "HEADER";
inline constexpr std::string_view kTables = "TABLES";
inline constexpr std::string_view kBlocks = "BLOCKS";
inline constexpr std::string_view kEntities = "ENTITIES";
inline constexpr std::string_view kTable = "TABLE";
inline constexpr std::string_view kEndTable = "ENDTAB";
inline constexpr std::string_view kLayer = "LAYER";
inline constexpr std::string_view kLinetype = "LTYPE";
inline constexpr std::string_view kStyle = "STYLE";
inline constexpr std::string_view kDimStyle = "DIMSTYLE";
inline constexpr std::string_view kPoint = "POINT";
inline constexpr std::string_view kTextEntity = "TEXT";
inline constexpr std::string_view kLine = "LINE";
inline constexpr std::string_view kCircle = "CIRCLE";
inline constexpr std::string_view kArc = "ARC";
inline constexpr std::string_view kSolid = "SOLID";
inline constexpr std::string_view kInsert = "INSERT";
inline constexpr std::string_view kDimension = "DIMENSION";
inline constexpr std::string_view kBlock = "BLOCK";
inline constexpr std::string_view kEndBlock = "ENDBLK";
inline constexpr std::string_view kEof = "EOF";
inline constexpr std::string_view kVersionVariable = "$ACADVER";
inline constexpr std::string_view kVersionR12 = "AC1009";
inline constexpr std::string_view kContinuous = "CONTINUOUS";
inline constexpr std::string_view kContinuousDescription = "Solid line";
inline constexpr std::string_view kByLayer = "BYLAYER";
inline constexpr std::string_view kByBlock = "BYBLOCK";
inline constexpr std::string_view kStandard = "STANDARD";
inline constexpr std::string_view kLayerZero = "0";
inline constexpr std::string_view kDimBlockPrefix = "*D";
inline constexpr char kVariableMark = '$';
inline constexpr char kReservedBlockMark = '*';
// The alignment code of an LTYPE entry: always "A".
inline constexpr int kAlignmentA = 65;
} // namespace word

} // namespace drawmap
