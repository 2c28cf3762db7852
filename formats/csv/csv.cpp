#include "language/ui_text.h"
#include "csv/csv.h"

#include "memory/large_buffer.h"
#include "text/text.h"

#include <algorithm>
#include <array>
#include <string>

namespace harwick::csv {
namespace {

constexpr harwick::UiText kAcceptedColumns =
    "Accepted columns: name, e or easting, n or northing, z or elevation, code (for example name,n,e,z,code).";
constexpr harwick::UiText kNoColumns = "No columns given.";
constexpr harwick::UiText kUnknownColumn = "Unknown column \"";
constexpr harwick::UiText kColumnTwicePrefix = "The column \"";
constexpr harwick::UiText kColumnTwiceSuffix = "\" is given twice.";
constexpr harwick::UiText kBadDelimiter = "The delimiter must be \",\", \";\" or tab.";
constexpr harwick::UiText kDecimalCommaNeedsDelimiter =
    "A decimal comma needs the delimiter \";\" or tab: with \",\" the decimals of a coordinate would be a column "
    "of their own.";
constexpr harwick::UiText kChoices = "Pass the columns (for example name,n,e,z,code), the delimiter (\",\", \";\" "
                                      "or tab) and whether the coordinates have a decimal comma.";
constexpr harwick::UiText kNoLines = "The file holds no lines.";
constexpr harwick::UiText kNoDelimiter =
    "No delimiter (\",\", \";\" or tab) splits the lines into the same number of fields.";
constexpr harwick::UiText kManyDelimiters = "More than one delimiter splits the lines into columns that fit.";
constexpr harwick::UiText kColumnsUnknown =
    "The columns cannot be told apart: no header row names them (name, easting, northing, elevation, code), and "
    "the rows are not five columns of name, easting, northing, elevation and code with numbers in the second to "
    "fourth.";
constexpr harwick::UiText kGivenColumnsPrefix = "The columns given name ";
constexpr harwick::UiText kGivenColumnsMiddle = " fields, but the rows hold ";
constexpr harwick::UiText kLinePrefix = "Line ";
constexpr harwick::UiText kUnclosedQuote = ": a quoted field is not closed.";
constexpr harwick::UiText kTextAfterQuote = ": a quoted field goes on after its closing quote.";
constexpr std::string_view kFieldCountMiddle = ": ";
constexpr harwick::UiText kFieldCountSuffix = " fields where the rows before it have ";
constexpr harwick::UiText kCellPrefix = ": the ";
constexpr harwick::UiText kNotANumber = "\" is not a number.";
constexpr harwick::UiText kNotANumberWithComma = "\" is not a number with a decimal comma.";
constexpr std::string_view kSentenceEnd = ".";
constexpr std::string_view kSpace = " ";
constexpr std::string_view kQuoteOpen = " \"";
constexpr std::string_view kTabWord = "tab";

constexpr char kQuote = '"';
constexpr std::string_view kDoubledQuote = "\"\"";
constexpr std::string_view kOneQuote = "\"";

constexpr std::array<std::string_view, 5> kLongNames = {"name", "easting", "northing", "elevation", "code"};

struct Alias {
    std::string_view word;
    Column column;
};

constexpr std::array<Alias, 8> kChoiceWords = {{{"name", Column::Name},
                                              {"e", Column::Easting},
                                              {"easting", Column::Easting},
                                              {"n", Column::Northing},
                                              {"northing", Column::Northing},
                                              {"z", Column::Elevation},
                                              {"elevation", Column::Elevation},
                                              {"code", Column::Code}}};

// The suite's convention, as in its point rows: Y is the easting, X the northing.
constexpr std::array<Alias, 20> kHeaderWords = {{{"name", Column::Name},
                                                 {"point", Column::Name},
                                                 {"pt", Column::Name},
                                                 {"id", Column::Name},
                                                 {"e", Column::Easting},
                                                 {"east", Column::Easting},
                                                 {"easting", Column::Easting},
                                                 {"y", Column::Easting},
                                                 {"n", Column::Northing},
                                                 {"north", Column::Northing},
                                                 {"northing", Column::Northing},
                                                 {"x", Column::Northing},
                                                 {"z", Column::Elevation},
                                                 {"h", Column::Elevation},
                                                 {"elev", Column::Elevation},
                                                 {"elevation", Column::Elevation},
                                                 {"height", Column::Elevation},
                                                 {"code", Column::Code},
                                                 {"desc", Column::Code},
                                                 {"description", Column::Code}}};

std::size_t indexOf(Column c) { return static_cast<std::size_t>(c); }

bool isCoordinate(Column c) { return c == Column::Easting || c == Column::Northing || c == Column::Elevation; }

bool isDelimiter(char c) { return c == ',' || c == ';' || c == kTab; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == kTab)) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == kTab)) s.remove_suffix(1);
    return s;
}

template <std::size_t N>
std::optional<Column> lookUp(const std::array<Alias, N>& words, std::string_view cell)
{
    const std::string key = text::toLower(trimBlanks(cell));
    for (const Alias& a : words) {
        if (a.word == key) return a.column;
    }
    return std::nullopt;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal: optional sign, digits, at most one decimal mark among
// them. No exponent and no group marks: a surveyor's coordinate never has
// them, and a cell that does is more likely a name or a date.
bool isNumber(std::string_view s, char decimalMark)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == decimalMark) {
        ++i;
        while (i < s.size() && isDigit(s[i])) { ++i; ++digits; }
    }
    return digits > 0 && i == s.size();
}

char decimalMark(bool decimalComma) { return decimalComma ? ',' : '.'; }

std::string lineMessage(std::size_t line, std::string_view what)
{
    return text::concat({kLinePrefix, std::to_string(line), what});
}

std::optional<Column> firstRepeated(const Columns& columns)
{
    std::array<bool, 5> seen{};
    for (Column c : columns) {
        if (seen[indexOf(c)]) return c;
        seen[indexOf(c)] = true;
    }
    return std::nullopt;
}

std::string repeatedMessage(Column c) { return text::concat({kColumnTwicePrefix, columnName(c), kColumnTwiceSuffix}); }

// ---- records ----------------------------------------------------------------

// One field as the file holds it: a quoted field's text is what lies between
// its quotes, its quotes still doubled, so that the common field is a view.
struct Field {
    std::string_view raw;
    bool quoted = false;
};

std::string cellText(const Field& f)
{
    std::string s(f.raw);
    if (f.quoted) text::replaceAll(s, kDoubledQuote, kOneQuote);
    return s;
}

void assignCell(std::string& out, const Field& f)
{
    out.assign(f.raw);
    if (f.quoted && f.raw.find(kQuote) != std::string_view::npos) text::replaceAll(out, kDoubledQuote, kOneQuote);
}

enum class Step { Record, End, Unclosed, TextAfterQuote };

// Walks the records of a file: fields split at the delimiter outside quotes,
// records ended by CR LF, LF or a lone CR outside quotes. Records with nothing
// in any field (blank lines, a spreadsheet's empty rows) are passed over; a
// quoted field, even an empty one, makes a record.
class Records {
public:
    Records(std::string_view content, char delimiter) : s_(content), delimiter_(delimiter)
    {
        if (text::startsWith(s_, text::kUtf8Bom)) s_.remove_prefix(text::kUtf8Bom.size());
    }

    // The next record into fields; line is where it starts, or where the
    // error is.
    Step next(std::vector<Field>& fields, std::size_t& line)
    {
        for (;;) {
            if (pos_ >= s_.size()) return Step::End;
            fields.clear();
            line = line_;
            bool anything = false;
            for (;;) {
                Field f;
                if (pos_ < s_.size() && s_[pos_] == kQuote) {
                    const std::size_t start = pos_ + 1;
                    std::size_t close = start;
                    for (;;) {
                        close = s_.find(kQuote, close);
                        if (close == std::string_view::npos) return Step::Unclosed;
                        if (close + 1 < s_.size() && s_[close + 1] == kQuote) {
                            close += 2;
                            continue;
                        }
                        break;
                    }
                    f = Field{s_.substr(start, close - start), true};
                    countLineEnds(f.raw);
                    pos_ = close + 1;
                    if (pos_ < s_.size() && !endsField(s_[pos_])) {
                        line = line_;
                        return Step::TextAfterQuote;
                    }
                } else {
                    std::size_t i = pos_;
                    while (i < s_.size() && !endsField(s_[i])) ++i;
                    f = Field{s_.substr(pos_, i - pos_), false};
                    pos_ = i;
                }
                anything = anything || f.quoted || !f.raw.empty();
                fields.push_back(f);
                if (pos_ >= s_.size()) break;
                if (s_[pos_] == delimiter_) {
                    ++pos_;
                    continue;
                }
                pos_ += s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n' ? 2 : 1;
                ++line_;
                break;
            }
            if (anything) return Step::Record;
        }
    }

private:
    bool endsField(char c) const { return c == delimiter_ || c == '\n' || c == '\r'; }

    void countLineEnds(std::string_view quoted)
    {
        for (std::size_t i = 0; i < quoted.size(); ++i) {
            if (quoted[i] == '\n' || (quoted[i] == '\r' && (i + 1 == quoted.size() || quoted[i + 1] != '\n'))) {
                ++line_;
            }
        }
    }

    std::string_view s_;
    char delimiter_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

std::string stepMessage(Step step, std::size_t line)
{
    return lineMessage(line, step == Step::Unclosed ? kUnclosedQuote : kTextAfterQuote);
}

// ---- detection --------------------------------------------------------------

using Sample = std::vector<std::vector<Field>>;

// How many rows, from firstRow on, have only numbers or nothing in their
// coordinate cells before the first that does not.
std::size_t rowsFitting(const Sample& sample, std::size_t firstRow, const std::vector<std::optional<Column>>& fields,
                        bool decimalComma)
{
    for (std::size_t r = firstRow; r < sample.size(); ++r) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!fields[i] || !isCoordinate(*fields[i])) continue;
            const std::string cell = cellText(sample[r][i]);
            const std::string_view value = trimBlanks(cell);
            if (!value.empty() && !isNumber(value, decimalMark(decimalComma))) return r - firstRow;
        }
    }
    return sample.size() - firstRow;
}

// The decimal marks to try, the point first: whole numbers fit both, and
// read the same either way.
std::vector<bool> decimalChoices(char delimiter, const ReadOptions& options)
{
    if (options.decimalComma) return {*options.decimalComma};
    if (delimiter == ',') return {false};
    return {false, true};
}

// The choice the sample's coordinates fit longest: all of them when one
// does, else the one the writer of the file most likely meant, for the
// reading to name the first line that does not fit it.
bool pickDecimalComma(const Sample& sample, std::size_t firstRow, const std::vector<std::optional<Column>>& fields,
                      const std::vector<bool>& choices)
{
    bool best = choices.front();
    std::size_t bestRows = 0;
    for (bool comma : choices) {
        const std::size_t rows = rowsFitting(sample, firstRow, fields, comma);
        if (rows == sample.size() - firstRow) return comma;
        if (rows > bestRows) {
            best = comma;
            bestRows = rows;
        }
    }
    return best;
}

bool isAnyNumber(std::string_view cell)
{
    const std::string_view v = trimBlanks(cell);
    return isNumber(v, '.') || isNumber(v, ',');
}

// The first record read as a header row: every cell text that is no number,
// each known name at most once, easting and northing among them.
std::optional<Layout> headerLayout(const std::vector<Field>& first)
{
    Layout layout;
    std::array<bool, 5> seen{};
    for (const Field& f : first) {
        const std::string cell = cellText(f);
        if (isAnyNumber(cell)) return std::nullopt;
        const std::optional<Column> c = lookUp(kHeaderWords, cell);
        if (c) {
            if (seen[indexOf(*c)]) return std::nullopt;
            seen[indexOf(*c)] = true;
        } else {
            layout.ignoredColumns.push_back(cell);
        }
        layout.fields.push_back(c);
    }
    if (!seen[indexOf(Column::Easting)] || !seen[indexOf(Column::Northing)]) return std::nullopt;
    layout.header = true;
    return layout;
}

// With the columns given, the first record is a header row when its cells
// under coordinate columns all hold text that is no number, or, without a
// coordinate column, when each cell names its column.
bool firstIsHeader(const std::vector<Field>& first, const Columns& columns)
{
    bool anyCoordinate = false;
    bool coordinatesAreWords = true;
    bool cellsNameColumns = true;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string cell = cellText(first[i]);
        if (isCoordinate(columns[i])) {
            anyCoordinate = true;
            coordinatesAreWords = coordinatesAreWords && !trimBlanks(cell).empty() && !isAnyNumber(cell);
        }
        cellsNameColumns = cellsNameColumns && lookUp(kHeaderWords, cell) == columns[i];
    }
    return anyCoordinate ? coordinatesAreWords : cellsNameColumns;
}

// Without a header row: name, easting, northing, elevation, code, when
// easting and northing are numbers and the elevation a number or nothing in
// every row of the sample.
bool fitsDefaultOrder(const Sample& sample, bool decimalComma)
{
    const char mark = decimalMark(decimalComma);
    for (const std::vector<Field>& record : sample) {
        for (std::size_t i = 1; i <= 3; ++i) {
            const std::string cell = cellText(record[i]);
            const std::string_view value = trimBlanks(cell);
            if (value.empty() && i == 3) continue;
            if (!isNumber(value, mark)) return false;
        }
    }
    return true;
}

Result<Layout> layoutOf(const Sample& sample, std::size_t fieldCount, char delimiter, const ReadOptions& options)
{
    if (options.decimalComma.value_or(false) && delimiter == ',') {
        return Result<Layout>::failure(std::string(kDecimalCommaNeedsDelimiter));
    }
    const std::vector<bool> choices = decimalChoices(delimiter, options);
    Layout layout;
    layout.delimiter = delimiter;
    if (options.columns) {
        const Columns& columns = *options.columns;
        if (columns.size() != fieldCount) {
            return Result<Layout>::failure(text::concat({kGivenColumnsPrefix, std::to_string(columns.size()),
                                                         kGivenColumnsMiddle, std::to_string(fieldCount),
                                                         kSentenceEnd}));
        }
        layout.fields.assign(columns.begin(), columns.end());
        layout.header = firstIsHeader(sample.front(), columns);
    } else if (std::optional<Layout> named = headerLayout(sample.front())) {
        named->delimiter = delimiter;
        layout = std::move(*named);
    } else if (fieldCount == kDefaultColumns.size()) {
        for (bool comma : choices) {
            if (fitsDefaultOrder(sample, comma)) {
                layout.fields.assign(kDefaultColumns.begin(), kDefaultColumns.end());
                layout.decimalComma = comma;
                return Result<Layout>::success(std::move(layout));
            }
        }
    }
    if (layout.fields.empty()) {
        return Result<Layout>::failure(text::concat({kColumnsUnknown, kSpace, kChoices}));
    }
    layout.decimalComma = pickDecimalComma(sample, layout.header ? 1 : 0, layout.fields, choices);
    return Result<Layout>::success(std::move(layout));
}

// How one delimiter fits a file.
enum class Fit {
    Empty,   // no record at all
    NoSplit, // the delimiter is in no record before the first that breaks
    Broken,  // it splits the records, until one is broken or has a field more or less
    Unfit,   // it splits every record alike, into columns that cannot be told apart
    Fits,
};

struct Candidate {
    Fit fit;
    std::size_t goodRecords; // records read before the first broken one
    Result<Layout> layout;
};

Candidate tryDelimiter(std::string_view content, char delimiter, const ReadOptions& options)
{
    Records records(content, delimiter);
    Sample sample;
    std::vector<Field> fields;
    std::size_t line = 0;
    auto broken = [&](std::string message) {
        const bool splits = sample.empty() || sample.front().size() >= 2;
        return Candidate{splits ? Fit::Broken : Fit::NoSplit, sample.size(),
                         Result<Layout>::failure(std::move(message))};
    };
    while (sample.size() < kDetectionRecords) {
        const Step step = records.next(fields, line);
        if (step == Step::End) break;
        if (step != Step::Record) return broken(stepMessage(step, line));
        if (!sample.empty() && fields.size() != sample.front().size()) {
            return broken(lineMessage(line, text::concat({kFieldCountMiddle, std::to_string(fields.size()),
                                                          kFieldCountSuffix, std::to_string(sample.front().size()),
                                                          kSentenceEnd})));
        }
        sample.push_back(fields);
    }
    if (sample.empty()) return {Fit::Empty, 0, Result<Layout>::failure(std::string(kNoLines))};
    // A delimiter found in no record is no delimiter of the file, unless the
    // user says it is.
    if (!options.delimiter && sample.front().size() < 2) {
        return {Fit::NoSplit, sample.size(), Result<Layout>::failure(text::concat({kNoDelimiter, kSpace, kChoices}))};
    }
    Result<Layout> layout = layoutOf(sample, sample.front().size(), delimiter, options);
    const Fit fit = layout.ok() ? Fit::Fits : Fit::Unfit;
    return {fit, sample.size(), std::move(layout)};
}

// The candidate whose reason a refusal gives: one that splits every record
// but into unknown columns, else the one that read furthest before a record
// broke it.
const Candidate* bestRefused(const std::vector<Candidate>& candidates)
{
    const Candidate* best = nullptr;
    auto better = [](const Candidate& a, const Candidate& b) {
        if (a.fit != b.fit) return a.fit > b.fit;
        return a.goodRecords > b.goodRecords;
    };
    for (const Candidate& c : candidates) {
        if (best == nullptr || better(c, *best)) best = &c;
    }
    return best;
}

} // namespace

std::string_view columnName(Column c) { return kLongNames[indexOf(c)]; }

Result<Columns> parseColumns(std::string_view typed)
{
    if (trimBlanks(typed).empty()) {
        return Result<Columns>::failure(text::concat({kNoColumns, kSpace, kAcceptedColumns}));
    }
    Columns columns;
    for (std::string_view word : text::splitFields(typed, ",")) {
        const std::optional<Column> c = lookUp(kChoiceWords, word);
        if (!c) {
            return Result<Columns>::failure(
                text::concat({kUnknownColumn, trimBlanks(word), kOneQuote, kSentenceEnd, kSpace, kAcceptedColumns}));
        }
        columns.push_back(*c);
    }
    if (std::optional<Column> again = firstRepeated(columns)) return Result<Columns>::failure(repeatedMessage(*again));
    return Result<Columns>::success(std::move(columns));
}

Result<char> parseDelimiter(std::string_view typed)
{
    if (typed.size() == 1 && isDelimiter(typed.front())) return Result<char>::success(typed.front());
    if (text::toLower(trimBlanks(typed)) == kTabWord) return Result<char>::success(kTab);
    return Result<char>::failure(std::string(kBadDelimiter));
}

namespace {

// A field as RFC 4180 writes it: in quotes, its quotes doubled, when it holds
// the delimiter, a quote or a line break.
void appendField(std::string& out, std::string_view value, char delimiter, bool decimalComma)
{
    bool quote = false;
    for (char c : value) {
        if (c == delimiter || c == kQuote || c == '\n' || c == '\r') {
            quote = true;
            break;
        }
    }
    if (!quote && !decimalComma) {
        out.append(value);
        return;
    }
    if (quote) out.push_back(kQuote);
    for (char c : value) {
        if (c == kQuote) out.push_back(kQuote);
        out.push_back(decimalComma && c == '.' ? ',' : c);
    }
    if (quote) out.push_back(kQuote);
}

constexpr std::array<std::string points::PointRow::*, 5> kCells = {
    &points::PointRow::name, &points::PointRow::easting, &points::PointRow::northing, &points::PointRow::elevation,
    &points::PointRow::code};

const std::string& cellOf(const points::PointRow& row, Column c) { return row.*kCells[indexOf(c)]; }
std::string& cellOf(points::PointRow& row, Column c) { return row.*kCells[indexOf(c)]; }

} // namespace

Result<std::string> write(const std::vector<points::PointRow>& rows, const WriteOptions& options)
{
    if (!isDelimiter(options.delimiter)) return Result<std::string>::failure(std::string(kBadDelimiter));
    if (options.decimalComma && options.delimiter == ',') {
        return Result<std::string>::failure(std::string(kDecimalCommaNeedsDelimiter));
    }
    if (options.columns.empty()) {
        return Result<std::string>::failure(text::concat({kNoColumns, kSpace, kAcceptedColumns}));
    }
    if (std::optional<Column> again = firstRepeated(options.columns)) {
        return Result<std::string>::failure(repeatedMessage(*again));
    }
    std::string out;
    // Delimiters, line end and a few quotes per row.
    out.reserve(64 + points::textBytes(rows, options.columns.size() + 8));
    platform::adviseLargeBuffer(out);
    auto appendLine = [&](auto&& fieldOf) {
        for (std::size_t i = 0; i < options.columns.size(); ++i) {
            if (i > 0) out.push_back(options.delimiter);
            fieldOf(options.columns[i]);
        }
        out.append(text::kCrLf);
    };
    if (options.header) {
        appendLine([&](Column c) { appendField(out, columnName(c), options.delimiter, false); });
    }
    for (const points::PointRow& row : rows) {
        // A line of bare delimiters is skipped on reading; an empty quoted
        // first field keeps a row of empty cells a row.
        const bool blank = std::all_of(options.columns.begin(), options.columns.end(),
                                       [&](Column c) { return cellOf(row, c).empty(); });
        std::size_t at = 0;
        appendLine([&](Column c) {
            if (blank && at++ == 0) out.append(2, kQuote);
            appendField(out, cellOf(row, c), options.delimiter, options.decimalComma && isCoordinate(c));
        });
    }
    return Result<std::string>::success(std::move(out));
}

Result<Layout> detectLayout(std::string_view content, const ReadOptions& options)
{
    if (options.delimiter && !isDelimiter(*options.delimiter)) {
        return Result<Layout>::failure(std::string(kBadDelimiter));
    }
    if (options.columns) {
        if (options.columns->empty()) {
            return Result<Layout>::failure(text::concat({kNoColumns, kSpace, kAcceptedColumns}));
        }
        if (std::optional<Column> again = firstRepeated(*options.columns)) {
            return Result<Layout>::failure(repeatedMessage(*again));
        }
    }
    if (options.delimiter) return tryDelimiter(content, *options.delimiter, options).layout;

    std::vector<Candidate> candidates;
    for (char d : {',', ';', kTab}) candidates.push_back(tryDelimiter(content, d, options));
    std::size_t fitting = 0;
    for (const Candidate& c : candidates) fitting += c.fit == Fit::Fits ? 1 : 0;
    if (fitting > 1) return Result<Layout>::failure(text::concat({kManyDelimiters, kSpace, kChoices}));
    const Candidate* best = bestRefused(candidates);
    if (best->fit == Fit::NoSplit) return Result<Layout>::failure(text::concat({kNoDelimiter, kSpace, kChoices}));
    return best->layout;
}

Result<ReadResult> read(std::string_view content, const ReadOptions& options)
{
    Result<Layout> layout = detectLayout(content, options);
    if (!layout.ok()) return Result<ReadResult>::failure(std::move(layout.error));

    ReadResult result;
    result.layout = std::move(*layout.value);
    const Layout& l = result.layout;
    const char mark = decimalMark(l.decimalComma);
    Records records(content, l.delimiter);
    std::vector<Field> fields;
    std::size_t line = 0;
    bool skipHeader = l.header;
    // One row per line end at most: a list of a million points then grows
    // its rows once, not by doubling (each doubling a copy of every row).
    result.rows.reserve(std::max(std::count(content.begin(), content.end(), '\n'),
                                 std::count(content.begin(), content.end(), '\r')) + 1);
    platform::adviseLargeBuffer(result.rows);
    std::string cell;
    for (;;) {
        const Step step = records.next(fields, line);
        if (step == Step::End) break;
        if (step != Step::Record) return Result<ReadResult>::failure(stepMessage(step, line));
        if (fields.size() != l.fields.size()) {
            return Result<ReadResult>::failure(lineMessage(
                line, text::concat({kFieldCountMiddle, std::to_string(fields.size()), kFieldCountSuffix,
                                    std::to_string(l.fields.size()), kSentenceEnd})));
        }
        if (skipHeader) {
            skipHeader = false;
            continue;
        }
        points::PointRow& row = result.rows.emplace_back();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!l.fields[i]) continue;
            const Column c = *l.fields[i];
            std::string& target = cellOf(row, c);
            if (!isCoordinate(c)) {
                assignCell(target, fields[i]);
                continue;
            }
            assignCell(cell, fields[i]);
            const std::string_view value = trimBlanks(cell);
            if (!value.empty() && !isNumber(value, mark)) {
                return Result<ReadResult>::failure(lineMessage(
                    line, text::concat({kCellPrefix, columnName(c), kQuoteOpen, value,
                                        l.decimalComma ? kNotANumberWithComma : kNotANumber})));
            }
            target.assign(value);
            if (l.decimalComma) {
                for (char& ch : target) {
                    if (ch == ',') ch = '.';
                }
            }
        }
    }
    return Result<ReadResult>::success(std::move(result));
}

bool looksLikeCsv(std::string_view content) { return detectLayout(content).ok(); }

} // namespace harwick::csv
