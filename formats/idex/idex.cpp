#include "idex/idex.h"

#include "crf/crf.h"

#include <string_view>
#include <unordered_map>

namespace harwick::idex {

namespace {

constexpr std::string_view kLayerNo = "0";
constexpr std::string_view kHideAlways = "NO";

struct InputCode {
    std::string Code, Name, OBJTYPE, Shortcut;
};

struct InputAttribute {
    std::string Attribute, Code, Default, DATATYPE, MANDATORY, HIDDEN;
};

struct Reading {
    bool version = false;
    bool inCodes = false;
    bool inAttributes = false;
    std::string templateId;
    std::vector<InputCode> codes;
    std::vector<InputAttribute> attributes;
};

bool has(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }

std::string field(const std::vector<std::string>& f, std::size_t i) { return i < f.size() ? f[i] : std::string(); }

void readLine(Reading& r, const std::string& line)
{
    if (has(line, crf::kVersionMarker)) r.version = true;
    if (!r.version) return;
    if (has(line, "\tTEMPLATE_ID\t")) {
        std::string id = line;
        text::replaceAll(id, crf::kTemplateIdKey, "");
        text::removeChars(id, " \t");
        r.templateId = std::move(id);
    } else if (has(line, crf::kCodesHeader)) {
        r.inCodes = true;
    } else if (has(line, crf::kCodesEnd)) {
        r.inCodes = false;
    } else if (r.inCodes) {
        std::vector<std::string> f = crf::cleanRecordFields(line);
        r.codes.push_back({field(f, 0), field(f, 1), field(f, 2), field(f, 3)});
    } else if (has(line, crf::kAttributesHeader)) {
        r.inAttributes = true;
    } else if (has(line, crf::kAttributesEnd)) {
        r.inAttributes = false;
    } else if (r.inAttributes) {
        std::vector<std::string> f = crf::cleanRecordFields(line);
        r.attributes.push_back({field(f, 0), field(f, 1), field(f, 2), field(f, 3), field(f, 4), field(f, 5)});
    }
}

std::string codeLine(std::size_t codeNo, const InputCode& c)
{
    std::string s = "      " + std::to_string(codeNo) + ",";
    s += "  \"" + c.Code + "\",";
    s += "   \"" + c.Name + "\",";
    s += "\t" + c.OBJTYPE + ",";
    s += "\t" + std::string(kLayerNo) + ",";
    s += "\t" + c.Shortcut + ";";
    return s;
}

std::string attributeLine(const InputAttribute& a, const std::string& codeNo)
{
    std::string s = "\t\t\t\"" + a.Attribute + "\",";
    s += "\t" + a.DATATYPE + ",";
    s += "\t" + codeNo + ",";
    s += "\t\"" + a.Code + "\",";
    s += "\t,"; // ListNo
    s += "\t" + a.MANDATORY + ",";
    s += "\t\"" + a.Default + "\",";
    s += "\t,"; // RangeLow
    s += "\t,"; // RangeHigh
    s += "\t" + a.HIDDEN + ",";
    s += "\t" + std::string(kHideAlways) + ";";
    return s;
}

// CodeNo by Code: the position of the first code that has it.
std::unordered_map<std::string, std::string> codeNumbers(const std::vector<InputCode>& codes)
{
    std::unordered_map<std::string, std::string> numbers;
    for (std::size_t i = 0; i < codes.size(); ++i) numbers.try_emplace(codes[i].Code, std::to_string(i + 1));
    return numbers;
}

} // namespace

bool ConvertCodeList(const std::vector<std::string>& input, std::vector<std::string>& output,
                     const text::LocalDateTime& now)
{
    Reading r;
    for (const std::string& line : input) readLine(r, line);
    if (!r.version) return false;

    output.insert(output.end(), {
        "HEADER",
        "  VERSION      1.31",
        "  SYSTEM       \"IDEX Converter, Version 1.0\"",
        "END HEADER",
        "DEFINITIONS",
        "  LAYERS (LayerNo,Name)",
        "  END LAYERS",
        "  CHOICELIST (ListNo,Element)",
        "  END CHOICELIST",
        "  CODELIST",
        "    NAME         \"TPSCodeL\"",
        "    AUTHOR       \"\"",
        "    DATE         " + text::formatStamp(now),
        "    TEMPLAET_ID  " + r.templateId,
        "    CODES (CodeNo,Code,Name,OBJTYPE,LayerNo,Shortcut)",
    });
    for (std::size_t i = 0; i < r.codes.size(); ++i) output.push_back(codeLine(i + 1, r.codes[i]));
    output.emplace_back("\t\tEND CODES");
    output.emplace_back("\t\tATTRIBUTES(Attribute,DATATYPE,CodeNo,Code,ListNo,MANDATORY,Default,RangeLow,RangeHigh,"
                        "HIDDEN,HIDEALWAYS)");
    const std::unordered_map<std::string, std::string> numbers = codeNumbers(r.codes);
    for (const InputAttribute& a : r.attributes) {
        auto it = numbers.find(a.Code);
        output.push_back(attributeLine(a, it == numbers.end() ? std::string() : it->second));
    }
    output.emplace_back("\t\tEND ATTRIBUTES");
    output.emplace_back("\tEND CODELIST");
    output.emplace_back("END DEFINITIONS");
    return true;
}

} // namespace harwick::idex
