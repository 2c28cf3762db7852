#include "language/ui_text.h"
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

constexpr harwick::UiText kTitleName = "点名";
constexpr harwick::UiText kTitleCode = "编码";
constexpr harwick::UiText kTitleEasting = "坐标E";
constexpr harwick::UiText kTitleNorthing = "坐标N";
constexpr harwick::UiText kTitleElevation = "坐标Z";
constexpr harwick::UiText kTitleCodeNumber = "编号";

// Decimals of "%f".
constexpr int kCorrectionDecimals = 6;

std::string slot(std::string_view text, std::size_t limit = kCoordinateSlot) { return std::string(FitSlot(text, limit)); }

void appendJoined(std::string& out, const std::string* cells, std::size_t count, std::size_t limit)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) out.push_back(kComma);
        out.append(FitSlot(cells[i], limit));
    }
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

// ---- The text behind a list ----------------------------------------------------------

std::string WriteListBack(const ListLines& source, const std::vector<std::string>& bodies, const RowOrigins& origins)
{
    std::size_t rowLines = 0;
    std::size_t lastRowLine = source.lines.size();
    for (std::size_t i = 0; i < source.lines.size(); ++i) {
        if (source.lines[i].row) {
            ++rowLines;
            lastRowLine = i;
        }
    }
    // Where each row of the opened list went; nothing once deleted.
    std::vector<std::optional<std::size_t>> now(rowLines);
    for (std::size_t i = 0; i < origins.size(); ++i) {
        if (origins[i] && *origins[i] < now.size()) now[*origins[i]] = i;
    }
    struct Piece {
        std::string_view body;
        std::string_view end;
    };
    std::vector<Piece> pieces;
    pieces.reserve(source.lines.size() + bodies.size());
    const auto addNewRows = [&] {
        for (std::size_t i = 0; i < origins.size(); ++i) {
            if (!origins[i]) pieces.push_back({bodies[i], source.lineEnd});
        }
    };
    for (std::size_t i = 0; i < source.lines.size(); ++i) {
        const ListLines::Line& line = source.lines[i];
        if (!line.row) {
            pieces.push_back({line.body, line.end});
        } else if (const std::optional<std::size_t> row = now[*line.row]) {
            pieces.push_back({bodies[*row], line.end});
        }
        if (i == lastRowLine) addNewRows();
    }
    if (rowLines == 0) addNewRows();
    std::string out;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        out.append(pieces[k].body);
        // A last line without a line end that is no longer last gets one.
        out.append(pieces[k].end.empty() && k + 1 < pieces.size() ? std::string_view(source.lineEnd) : pieces[k].end);
    }
    return out;
}

std::string KeptLinesMessage(const ListLines& source, std::size_t rows)
{
    if (source.keptAside == 0) return {};
    if (rows == 0) return std::string(kListShowsNoLine);
    return std::string(kListKeepsLines) + std::to_string(source.keptAside) + ".";
}

namespace {

// Splits the text into its lines; rowOf(body) tells whether a line is a row
// (and stores it), every other line is kept as it is.
template <typename RowOf>
ListLines SplitListLines(std::string_view editor, RowOf&& rowOf)
{
    ListLines out;
    bool endSeen = false;
    std::size_t rows = 0;
    harwick::text::forEachTextLine(editor, [&](const harwick::text::TextLine& l) {
        if (!endSeen && !l.end.empty()) {
            out.lineEnd = std::string(l.end);
            endSeen = true;
        }
        ListLines::Line line{std::string(l.body), std::string(l.end), std::nullopt};
        if (rowOf(l.body)) {
            line.row = rows++;
        } else if (l.body.find_first_not_of(" \t") != std::string_view::npos) {
            ++out.keptAside;
        }
        out.lines.push_back(std::move(line));
    });
    return out;
}

bool FitsWhole(std::string_view field, std::size_t limit) { return field.size() <= limit; }

} // namespace

// ---- Coordinate list ------------------------------------------------------------------

ListSource<CoordinateTable> ReadCoordinateList(std::string_view editor, EditFormat format)
{
    ListSource<CoordinateTable> source;
    source.lines = SplitListLines(editor, [&](std::string_view body) {
        std::array<std::string_view, kPointFields> f;
        if (harwick::text::splitFieldsInto(body, kCommaText, f) != kPointFields) return false;
        for (const std::string_view field : f) {
            if (!FitsWhole(field, kCoordinateSlot)) return false;
        }
        // Every field fits its cell whole: nothing is cut.
        const auto cell = [&f](std::size_t i) { return std::string(f[i]); };
        if (format == EditFormat::Kard300) {
            source.table.push_back({cell(0), cell(1), cell(2), cell(3), cell(4)});
        } else {
            source.table.push_back({cell(0), cell(4), cell(1), cell(2), cell(3)});
        }
        return true;
    });
    return source;
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

std::string CoordinateRowText(const CoordinateRow& row)
{
    std::string out;
    appendJoined(out, row.data(), row.size(), kCoordinateSlot);
    return out;
}

// ---- Code list --------------------------------------------------------------------------

ListSource<CodeTable> ReadCodeList(std::string_view editor)
{
    ListSource<CodeTable> source;
    source.lines = SplitListLines(editor, [&](std::string_view body) {
        std::array<std::string_view, 2> f;
        if (harwick::text::splitFieldsInto(body, kCommaText, f) != f.size()) return false;
        if (!FitsWhole(f[0], kCodeNumberWidth) || !FitsWhole(f[1], kCodeTextWidth)) return false;
        source.table.push_back({std::string(f[0]), std::string(f[1])});
        return true;
    });
    return source;
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

std::string CodeRowText(const CodeRow& row)
{
    std::string out;
    appendJoined(out, row.data(), row.size(), kCodeCell);
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
    // Every line is corrected, the last one too when nothing ends it.
    std::string storage;
    editor = harwick::text::withCrLfLineEnds(editor, storage);
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
    // The lines that were not corrected (from a bad line on) stay as they
    // were instead of vanishing from the editor.
    result.text.append(editor.substr(pos));
    return result;
}

} // namespace cablemate
