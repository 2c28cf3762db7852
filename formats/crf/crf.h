// Code lists in the "VERSION 1.20" text layout (.crf): which feature codes a
// surveyor may attach to a point, a short cut per code, eight attributes per
// code with default values.
#pragma once

#include <array>
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

// Reads a file's text. Lines before "VERSION 1.20" are skipped; lines that fit
// nothing are ignored; reading never fails.
CodeList read(std::string_view file);

// A code or attribute line as both readers clean it: tabs, double quotes,
// blanks and semicolons removed, then cut at every comma.
std::vector<std::string> cleanRecordFields(std::string_view line);

} // namespace harwick::crf
