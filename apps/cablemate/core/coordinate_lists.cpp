#include "coordinate_lists.h"

#include "line_counts.h"
#include "cable_messages.h"

#include "text/text.h"

#include <cmath>

namespace cablemate {

namespace {

constexpr std::string_view kCrLf = harwick::text::kCrLf;
constexpr char kComma = ',';
constexpr std::string_view kCommaText = ",";

constexpr std::string_view kTitleName = "点名";
constexpr std::string_view kTitleCode = "编码";
constexpr std::string_view kTitleEasting = "坐标E";
constexpr std::string_view kTitleNorthing = "坐标N";
constexpr std::string_view kTitleElevation = "坐标Z";
constexpr std::string_view kTitleCodeNumber = "编号";

// Decimals of "%f".
constexpr int kCorrectionDecimals = 6;

std::string slot(std::string_view text, std::size_t limit = kCoordinateSlot) { return std::string(FitSlot(text, limit)); }

void appendJoined(std::string& out, const std::string* cells, std::size_t count, std::size_t limit)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) out.push_back(kComma);
        out.append(FitSlot(cells[i], limit));
    }
    out.append(kCrLf);
}

// One corrected line «f1,f2,x',y',z'» CR LF; false when the line is not
// exactly five fields.
bool appendCorrectedLine(std::string& out, std::string_view line, double oldConstant, double newConstant)
{
    std::array<std::string_view, kPointFields> f;
    if (harwick::text::splitFieldsInto(line, kCommaText, f) != kPointFields) return false;
    const double x = harwick::text::readNumber(f[2]);
    const double y = harwick::text::readNumber(f[3]);
    const double z = harwick::text::readNumber(f[4]);
    // hypot: the squares of far-off coordinates would overflow.
    const double d = std::hypot(x, y, z);
    const double corrected = d - oldConstant + newConstant;
    out.append(f[0]);
    out.push_back(kComma);
    out.append(f[1]);
    for (const double v : {x, y, z}) {
        out.push_back(kComma);
        // A point at the instrument has no direction to move along: it stays.
        harwick::text::appendFixed(out, d == 0.0 ? v : v * (corrected / d), kCorrectionDecimals);
    }
    out.append(kCrLf);
    return true;
}

} // namespace

// ---- Shared line handling -----------------------------------------------------------

std::optional<std::string_view> NextCrLfLine(std::string_view text, std::size_t& pos)
{
    if (pos >= text.size()) return std::nullopt;
    const std::size_t end = text.find(kCrLf, pos);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = text.substr(pos, end - pos);
    pos = end + kCrLf.size();
    return line;
}

std::optional<std::array<std::string_view, kPointFields>> SplitPointLine(std::string_view line)
{
    std::array<std::string_view, kPointFields> fields;
    for (std::size_t i = 0; i + 1 < kPointFields; ++i) {
        const std::size_t comma = line.find(kComma);
        if (comma == std::string_view::npos) return std::nullopt;
        fields[i] = line.substr(0, comma);
        line.remove_prefix(comma + 1);
    }
    fields[kPointFields - 1] = line;
    return fields;
}

std::string_view FitSlot(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit) return text;
    std::size_t cut = limit;
    // Back off over continuation bytes so that no character is left half.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) --cut;
    return text.substr(0, cut);
}

// ---- Coordinate list ------------------------------------------------------------------

CoordinateTable BuildCoordinateTable(std::string_view editor, EditFormat format)
{
    const std::size_t n = CountKardLines(editor);
    CoordinateTable table;
    table.reserve(n);
    std::size_t pos = 0;
    while (table.size() < n) {
        const std::optional<std::string_view> line = NextCrLfLine(editor, pos);
        if (!line) break;
        const auto f = SplitPointLine(*line);
        if (!f) break;
        if (format == EditFormat::Kard300) {
            table.push_back({slot((*f)[0]), slot((*f)[1]), slot((*f)[2]), slot((*f)[3]), slot((*f)[4])});
        } else {
            table.push_back({slot((*f)[0]), slot((*f)[4]), slot((*f)[1]), slot((*f)[2]), slot((*f)[3])});
        }
    }
    return table;
}

std::vector<CoordinateRow> CoordinateRows(const CoordinateTable& table, EditFormat format)
{
    std::vector<CoordinateRow> rows;
    rows.reserve(table.size());
    for (const CoordinateRecord& r : table) {
        if (format == EditFormat::Kard300) {
            rows.push_back({r.name, r.code, r.c1, r.c2, r.c3});
        } else {
            rows.push_back({r.name, r.c1, r.c2, r.c3, r.code});
        }
    }
    return rows;
}

std::array<std::string_view, kPointFields> CoordinateColumnTitles(EditFormat format)
{
    if (format == EditFormat::Kard300) return {kTitleName, kTitleCode, kTitleNorthing, kTitleEasting, kTitleElevation};
    return {kTitleName, kTitleEasting, kTitleNorthing, kTitleElevation, kTitleCode};
}

CoordinateRow RowFromFields(const PointFields& p, EditFormat format)
{
    if (format == EditFormat::Kard300) {
        return {slot(p.name), slot(p.code), slot(p.easting), slot(p.northing), slot(p.elevation)};
    }
    return {slot(p.name), slot(p.easting), slot(p.northing), slot(p.elevation), slot(p.code)};
}

PointFields FieldsFromRow(const CoordinateRow& row, EditFormat format)
{
    if (format == EditFormat::Kard300) {
        return {slot(row[0]), slot(row[2]), slot(row[3]), slot(row[4]), slot(row[1])};
    }
    return {slot(row[0]), slot(row[1]), slot(row[2]), slot(row[3]), slot(row[4])};
}

std::string CoordinateListText(const std::vector<CoordinateRow>& rows)
{
    std::string out;
    for (const CoordinateRow& row : rows) appendJoined(out, row.data(), row.size(), kCoordinateSlot);
    return out;
}

// ---- Code list --------------------------------------------------------------------------

CodeTable BuildCodeTable(std::string_view editor)
{
    const std::size_t n = CountCodeLines(editor);
    CodeTable table;
    table.reserve(n);
    std::size_t pos = 0;
    while (table.size() < n) {
        const std::optional<std::string_view> line = NextCrLfLine(editor, pos);
        if (!line) break;
        const std::size_t comma = line->find(kComma);
        if (comma == std::string_view::npos) break;
        table.push_back({slot(line->substr(0, comma), kCodeNumberWidth), slot(line->substr(comma + 1), kCodeTextWidth)});
    }
    return table;
}

std::vector<CodeRow> CodeRows(const CodeTable& table)
{
    std::vector<CodeRow> rows;
    rows.reserve(table.size());
    for (const CodeRecord& r : table) rows.push_back({r.number, r.code});
    return rows;
}

std::array<std::string_view, 2> CodeColumnTitles() { return {kTitleCodeNumber, kTitleCode}; }

CodeRow CodeRowFromFields(std::string_view number, std::string_view code)
{
    return {slot(number, kCodeCell), slot(code, kCodeCell)};
}

std::string CodeListText(const std::vector<CodeRow>& rows)
{
    std::string out;
    for (const CodeRow& row : rows) appendJoined(out, row.data(), row.size(), kCodeCell);
    return out;
}

std::string_view CheckNewRow(std::string_view name, std::string_view code)
{
    if (name.empty()) return kNameEmpty;
    if (code.empty()) return kCodeEmpty;
    return {};
}

// ---- Coordinate correction --------------------------------------------------------------

CorrectionResult CorrectCoordinates(std::string_view editor, double oldConstant, double newConstant,
                                    const Refresh& refresh)
{
    CorrectionResult result;
    // "%f" of a typical coordinate is a few characters longer than its text.
    result.text.reserve(editor.size() + editor.size() / 2);
    RefreshThrottle throttle(refresh);
    std::size_t pos = 0;
    for (;;) {
        const std::size_t lineStart = pos;
        const std::optional<std::string_view> line = NextCrLfLine(editor, pos);
        if (!line) break;
        if (!appendCorrectedLine(result.text, *line, oldConstant, newConstant)) {
            result.message = kInvalidSourceData;
            pos = lineStart;
            break;
        }
        throttle.Offer(result.text);
    }
    // The lines that were not corrected (from a bad line on, or a last line
    // without its line end) stay as they were instead of vanishing from the
    // editor.
    result.text.append(editor.substr(pos));
    return result;
}

} // namespace cablemate
