#include "idex/idex.h"

#include "crf/crf.h"

#include <string_view>
#include <unordered_map>

namespace harwick::idex {

namespace {

constexpr std::string_view kLayerNo = "0";
constexpr std::string_view kHideAlways = "NO";

std::string codeLine(std::size_t codeNo, const crf::CodeRecord& c)
{
    std::string s = "      " + std::to_string(codeNo) + ",";
    s += "  \"" + c.Code + "\",";
    s += "   \"" + c.Name + "\",";
    s += "\t" + c.OBJTYPE + ",";
    s += "\t" + std::string(kLayerNo) + ",";
    s += "\t" + c.Shortcut + ";";
    return s;
}

std::string attributeLine(const crf::AttributeRecord& a, const std::string& codeNo)
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
std::unordered_map<std::string, std::string> codeNumbers(const std::vector<crf::CodeRecord>& codes)
{
    std::unordered_map<std::string, std::string> numbers;
    for (std::size_t i = 0; i < codes.size(); ++i) numbers.try_emplace(codes[i].Code, std::to_string(i + 1));
    return numbers;
}

} // namespace

bool ConvertCodeList(const std::vector<std::string>& input, std::vector<std::string>& output,
                     const text::LocalDateTime& now)
{
    crf::Reader reader(crf::Reader::Dialect::IdexConversion);
    for (const std::string& line : input) reader.feed(line);
    if (!reader.sawVersion()) return false;
    const crf::CodeList& r = reader.list();

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
    for (const crf::AttributeRecord& a : r.attributes) {
        auto it = numbers.find(a.Code);
        output.push_back(attributeLine(a, it == numbers.end() ? std::string() : it->second));
    }
    output.emplace_back("\t\tEND ATTRIBUTES");
    output.emplace_back("\tEND CODELIST");
    output.emplace_back("END DEFINITIONS");
    return true;
}

} // namespace harwick::idex
