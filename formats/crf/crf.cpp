#include "crf/crf.h"

#include "text/text.h"

#include <cstdio>

namespace harwick::crf {

namespace {

constexpr std::string_view kNameKey = "NAME";
constexpr std::string_view kVersionKey = "VERSION";
constexpr std::string_view kTemplateId = "1000";
constexpr std::string_view kSystem = "QRX700";
constexpr std::string_view kObjectType = "POINT";
constexpr std::string_view kAttributeTail = ",\tTEXT,\tNO,\tNO;";

void line(std::string& out, std::string_view tabs, std::string_view body)
{
    out.append(tabs);
    out.append(body);
    out.append(text::kCrLf);
}

void quoted(std::string& out, std::string_view s)
{
    out.push_back('"');
    out.append(s);
    out.push_back('"');
}

void appendCodeLine(std::string& out, const CodeEntry& c)
{
    out.append("\t\t");
    quoted(out, c.code);
    out.append(",\t\"\",\t");
    out.append(kObjectType);
    out.append(",\t");
    out.append(c.shortcut);
    out.append(";");
    out.append(text::kCrLf);
}

void appendAttributeLine(std::string& out, std::size_t number, const CodeEntry& c)
{
    out.append("\t\t\"Info");
    out.append(std::to_string(number));
    out.append("\",\t");
    quoted(out, c.code);
    out.append(",\t");
    quoted(out, c.defaults[number - 1]);
    out.append(kAttributeTail);
    out.append(text::kCrLf);
}

std::string tabbed(std::string_view key)
{
    std::string s("\t");
    s.append(key);
    s.push_back('\t');
    return s;
}

std::string field(const std::vector<std::string>& f, std::size_t i) { return i < f.size() ? f[i] : std::string(); }

// A code or attribute line cleaned as both readers clean it: tabs, double
// quotes, blanks and semicolons removed, then cut at every comma.
std::vector<std::string> cleanRecordFields(std::string_view line)
{
    std::string cleaned(line);
    text::removeChars(cleaned, "\t\" ;");
    std::vector<std::string> fields;
    for (std::string_view f : text::splitFields(cleaned, ",")) fields.emplace_back(f);
    return fields;
}

} // namespace

std::string write(std::string_view name, const std::vector<CodeEntry>& codes)
{
    std::string out;
    line(out, "", "HEADER");
    line(out, "\t", kVersionMarker);
    out.append("\tSYSTEM\t");
    quoted(out, kSystem);
    out.append(text::kCrLf);
    line(out, "", "END HEADER");
    line(out, "", "DEFINITIONS");
    line(out, "\t", "CODELIST");
    out.append("\t\t");
    out.append(kNameKey);
    out.push_back('\t');
    quoted(out, name);
    out.append(text::kCrLf);
    out.append("\t\t");
    out.append(kTemplateIdKey);
    out.push_back('\t');
    line(out, "", kTemplateId);
    line(out, "\t\t", kCodesHeader);
    for (const CodeEntry& c : codes) appendCodeLine(out, c);
    line(out, "\t\t", kCodesEnd);
    line(out, "\t\t", kAttributesHeader);
    for (const CodeEntry& c : codes) {
        for (std::size_t i = 1; i <= kAttributesPerCode; ++i) appendAttributeLine(out, i, c);
    }
    line(out, "\t\t", kAttributesEnd);
    line(out, "\t", "END CODELIST");
    line(out, "", "END DEFINITIONS");
    return out;
}

void Reader::feed(std::string_view l)
{
    static const std::string nameKey = tabbed(kNameKey);
    static const std::string templateKey = tabbed(kTemplateIdKey);
    if (!version_) {
        version_ = text::contains(l, kVersionMarker);
        if (!version_ || dialect_ == Dialect::Editor) return;
    }
    if (dialect_ == Dialect::Editor && text::contains(l, nameKey)) {
        std::string name(l);
        text::replaceAll(name, kNameKey, "");
        text::removeChars(name, " \t\"\r\n");
        list_.name = std::move(name);
    } else if (text::contains(l, templateKey)) {
        std::string id(l);
        text::replaceAll(id, kTemplateIdKey, "");
        text::removeChars(id, " \t");
        list_.templateId = std::move(id);
    } else if (text::contains(l, kCodesHeader)) {
        inCodes_ = true;
        codes_ = true;
    } else if (text::contains(l, kCodesEnd)) {
        inCodes_ = false;
    } else if (inCodes_) {
        std::vector<std::string> f = cleanRecordFields(l);
        list_.codes.push_back(CodeRecord{{}, field(f, 0), field(f, 1), field(f, 2), {}, field(f, 3)});
    } else if (text::contains(l, kAttributesHeader)) {
        inAttributes_ = true;
    } else if (text::contains(l, kAttributesEnd)) {
        inAttributes_ = false;
    } else if (inAttributes_) {
        std::vector<std::string> f = cleanRecordFields(l);
        AttributeRecord a;
        a.Attribute = field(f, 0);
        a.Code = field(f, 1);
        a.Default = field(f, 2);
        a.DATATYPE = field(f, 3);
        a.MANDATORY = field(f, 4);
        a.HIDDEN = field(f, 5);
        list_.attributes.push_back(std::move(a));
    }
}

CodeList read(std::string_view file)
{
    Reader reader(Reader::Dialect::Editor);
    text::forEachLine(file, [&](std::string_view line) { reader.feed(line); });
    return reader.take();
}

std::optional<Refusal> refusalOf(std::string_view file)
{
    Reader reader(Reader::Dialect::Editor);
    bool someVersion = false;
    text::forEachLine(file, [&](std::string_view line) {
        reader.feed(line);
        someVersion = someVersion || text::contains(line, kVersionKey);
    });
    if (!reader.sawVersion()) return someVersion ? Refusal::OtherVersion : Refusal::NotACodeList;
    if (!reader.sawCodes()) return Refusal::NotACodeList;
    return std::nullopt;
}

} // namespace harwick::crf
