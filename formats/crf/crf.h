// Code lists in the "VERSION 1.20" text layout (.crf): which feature codes a
// surveyor may attach to a point, a short cut per code, eight attributes per
// code with default values.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::crf {

inline constexpr std::size_t kAttributesPerCode = 8;

struct CodeRecord {
    std::string CodeNo;
    std::string Code;
    std::string Name;
    std::string OBJTYPE;
    std::string LayerNo;
    std::string Shortcut;
};

struct AttributeRecord {
    std::string Attribute;
    std::string DATATYPE;
    std::string CodeNo;
    std::string Code;
    std::string ListNo;
    std::string MANDATORY;
    std::string Default;
    std::string RangeLow;
    std::string RangeHigh;
    std::string HIDDEN;
    std::string HIDEALWAYS;
};

struct CodeList {
    std::string name;
    std::string templateId;
    std::vector<CodeRecord> codes;
    std::vector<AttributeRecord> attributes;
};

// What the editor writes per code.
struct CodeEntry {
    std::string code;
    std::string shortcut;
    std::array<std::string, kAttributesPerCode> defaults;
};

// Markers of the layout, shared with the IDEX conversion that reads it too.
inline constexpr std::string_view kVersionMarker = "VERSION 1.20";
inline constexpr std::string_view kTemplateIdKey = "TEMPLATE_ID";
inline constexpr std::string_view kCodesHeader = "CODES(Code, Name, OBJTYPE, Shortcut)";
inline constexpr std::string_view kCodesEnd = "END CODES";
inline constexpr std::string_view kAttributesHeader =
    "ATTRIBUTES(Attribute, Code, Default, DATATYPE, MANDATORY, HIDDEN)";
inline constexpr std::string_view kAttributesEnd = "END ATTRIBUTES";

// The whole file, every line ending CR LF.
std::string write(std::string_view name, const std::vector<CodeEntry>& codes);

// Reads a code list a line at a time; lines that fit nothing are ignored and
// reading never fails. Two readers of the layout exist and differ in two ways
// that files already rely on: the feature-code editor skips the "VERSION 1.20"
// line itself and takes the list's name, while the conversion to IDEX passes
// the version line on through the other tests and takes no name (so a NAME
// line inside a section is a record to it).
class Reader {
public:
    enum class Dialect { Editor, IdexConversion };

    explicit Reader(Dialect dialect) : dialect_(dialect) {}

    void feed(std::string_view line);

    // Whether a line holding "VERSION 1.20" has been fed.
    bool sawVersion() const { return version_; }
    // Whether a code section header has been fed after it: a file without
    // one holds no code list, whatever else it holds.
    bool sawCodes() const { return codes_; }
    const CodeList& list() const { return list_; }
    CodeList take() { return std::move(list_); }

private:
    Dialect dialect_;
    bool version_ = false;
    bool codes_ = false;
    bool inCodes_ = false;
    bool inAttributes_ = false;
    CodeList list_;
};

// The feature-code editor's reading of a whole file's text. Lines before
// "VERSION 1.20" are skipped.
CodeList read(std::string_view file);

// Why a file's text is not a code list the editor can open, or nothing when
// it is one: a VERSION 1.20 header and a code section. Other versions and
// other files (an instrument's own list stored by a download) are refused
// rather than read as an empty list that a Save would write over them.
enum class Refusal { OtherVersion, NotACodeList };
std::optional<Refusal> refusalOf(std::string_view file);

} // namespace harwick::crf
