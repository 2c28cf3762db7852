#include "crf/crf.h"

#include "text/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace harwick::crf {
namespace {

std::vector<std::string> fieldsOf(const CodeRecord& c)
{
    return {c.CodeNo, c.Code, c.Name, c.OBJTYPE, c.LayerNo, c.Shortcut};
}

std::vector<std::string> fieldsOf(const AttributeRecord& a)
{
    return {a.Attribute, a.DATATYPE, a.CodeNo,   a.Code,      a.ListNo,    a.MANDATORY,
            a.Default,   a.RangeLow, a.RangeHigh, a.HIDDEN, a.HIDEALWAYS};
}

// An attribute as the 1.20 layout carries it: Attribute, Code, Default,
// DATATYPE, MANDATORY, HIDDEN; the other fields stay empty.
std::vector<std::string> attribute(std::string name, std::string code, std::string value)
{
    return {std::move(name), "TEXT", "", std::move(code), "", "NO", std::move(value), "", "", "NO", ""};
}

CodeEntry entry(std::string code, std::string shortcut, std::array<std::string, kAttributesPerCode> defaults = {})
{
    return CodeEntry{std::move(code), std::move(shortcut), std::move(defaults)};
}

const std::string kRoadsFile = "HEADER\r\n"
                               "\tVERSION 1.20\r\n"
                               "\tSYSTEM\t\"QRX700\"\r\n"
                               "END HEADER\r\n"
                               "DEFINITIONS\r\n"
                               "\tCODELIST\r\n"
                               "\t\tNAME\t\"ROADS\"\r\n"
                               "\t\tTEMPLATE_ID\t1000\r\n"
                               "\t\tCODES(Code, Name, OBJTYPE, Shortcut)\r\n"
                               "\t\t\"KERB\",\t\"\",\tPOINT,\t1;\r\n"
                               "\t\tEND CODES\r\n"
                               "\t\tATTRIBUTES(Attribute, Code, Default, DATATYPE, MANDATORY, HIDDEN)\r\n"
                               "\t\t\"Info1\",\t\"KERB\",\t\"east\",\tTEXT,\tNO,\tNO;\r\n"
                               "\t\t\"Info2\",\t\"KERB\",\t\"\",\tTEXT,\tNO,\tNO;\r\n"
                               "\t\t\"Info3\",\t\"KERB\",\t\"\",\tTEXT,\tNO,\tNO;\r\n"
                               "\t\t\"Info4\",\t\"KERB\",\t\"\",\tTEXT,\tNO,\tNO;\r\n"
                               "\t\t\"Info5\",\t\"KERB\",\t\"\",\tTEXT,\tNO,\tNO;\r\n"
                               "\t\t\"Info6\",\t\"KERB\",\t\"\",\tTEXT,\tNO,\tNO;\r\n"
                               "\t\t\"Info7\",\t\"KERB\",\t\"\",\tTEXT,\tNO,\tNO;\r\n"
                               "\t\t\"Info8\",\t\"KERB\",\t\"\",\tTEXT,\tNO,\tNO;\r\n"
                               "\t\tEND ATTRIBUTES\r\n"
                               "\tEND CODELIST\r\n"
                               "END DEFINITIONS\r\n";

TEST(CrfWrite, WritesTheRoadsListByteForByte)
{
    EXPECT_EQ(write("ROADS", {entry("KERB", "1", {"east"})}), kRoadsFile);
}

TEST(CrfWrite, AttributesFollowTheCodeOrderEightPerCode)
{
    const std::string file = write("L", {entry("A", "1", {"a1", "", "", "", "", "", "", "a8"}), entry("B", "2")});
    const std::vector<std::string> lines = text::splitLines(file);
    ASSERT_EQ(lines.size(), 9u + 2 + 2 + 16 + 3);
    EXPECT_EQ(lines[9], "\t\t\"A\",\t\"\",\tPOINT,\t1;");
    EXPECT_EQ(lines[10], "\t\t\"B\",\t\"\",\tPOINT,\t2;");
    EXPECT_EQ(lines[13], "\t\t\"Info1\",\t\"A\",\t\"a1\",\tTEXT,\tNO,\tNO;");
    EXPECT_EQ(lines[20], "\t\t\"Info8\",\t\"A\",\t\"a8\",\tTEXT,\tNO,\tNO;");
    EXPECT_EQ(lines[21], "\t\t\"Info1\",\t\"B\",\t\"\",\tTEXT,\tNO,\tNO;");
    EXPECT_EQ(lines[28], "\t\t\"Info8\",\t\"B\",\t\"\",\tTEXT,\tNO,\tNO;");
}

TEST(CrfRead, ReadsTheRoadsListIntoRecords)
{
    for (const std::string& file : {kRoadsFile, [] {
                                        std::string lf = kRoadsFile;
                                        text::replaceAll(lf, "\r\n", "\n");
                                        return lf;
                                    }()}) {
        const CodeList list = read(file);
        EXPECT_EQ(list.name, "ROADS");
        EXPECT_EQ(list.templateId, "1000");
        ASSERT_EQ(list.codes.size(), 1u);
        EXPECT_EQ(fieldsOf(list.codes[0]), (std::vector<std::string>{"", "KERB", "", "POINT", "", "1"}));
        ASSERT_EQ(list.attributes.size(), kAttributesPerCode);
        EXPECT_EQ(fieldsOf(list.attributes[0]), attribute("Info1", "KERB", "east"));
        EXPECT_EQ(fieldsOf(list.attributes[7]), attribute("Info8", "KERB", ""));
    }
}

TEST(CrfRead, WithoutVersionLineTheListIsEmpty)
{
    std::string file = kRoadsFile;
    text::replaceAll(file, "VERSION 1.20", "VERSION 1.10");
    const CodeList list = read(file);
    EXPECT_EQ(list.name, "");
    EXPECT_EQ(list.templateId, "");
    EXPECT_TRUE(list.codes.empty());
    EXPECT_TRUE(list.attributes.empty());
}

TEST(CrfRead, LinesBeforeTheVersionLineAreSkipped)
{
    const CodeList list = read("CODES(Code, Name, OBJTYPE, Shortcut)\n"
                               "\"EARLY\",\"\",POINT,9;\n"
                               "\tVERSION 1.20\n"
                               "\"STILLOUT\",\"\",POINT,8;\n"
                               "\t\tCODES(Code, Name, OBJTYPE, Shortcut)\n"
                               "\t\t\"IN\",\t\"\",\tPOINT,\t7;\n");
    ASSERT_EQ(list.codes.size(), 1u);
    EXPECT_EQ(list.codes[0].Code, "IN");
}

TEST(CrfRead, BlanksAndNameKeyAreRemoved)
{
    std::array<std::string, kAttributesPerCode> defaults{};
    defaults[2] = "north side";
    const std::string file = write("NAMES1", {entry("BIG KERB", "1 2", defaults)});
    EXPECT_NE(file.find("\t\t\"Info3\",\t\"BIG KERB\",\t\"north side\",\tTEXT,\tNO,\tNO;\r\n"), std::string::npos);

    const CodeList list = read(file);
    EXPECT_EQ(list.name, "S1");
    ASSERT_EQ(list.codes.size(), 1u);
    EXPECT_EQ(list.codes[0].Code, "BIGKERB");
    EXPECT_EQ(list.codes[0].Shortcut, "12");
    ASSERT_EQ(list.attributes.size(), kAttributesPerCode);
    EXPECT_EQ(fieldsOf(list.attributes[2]), attribute("Info3", "BIGKERB", "northside"));
}

TEST(CrfRead, SecondCodesSectionAppends)
{
    std::string file = kRoadsFile;
    text::replaceAll(file, "\t\tEND CODES\r\n",
                     "\t\tEND CODES\r\n"
                     "\t\tCODES(Code, Name, OBJTYPE, Shortcut)\r\n"
                     "\t\t\"LAMP\",\t\"\",\tPOINT,\t2;\r\n"
                     "\t\tEND CODES\r\n");
    const CodeList list = read(file);
    ASSERT_EQ(list.codes.size(), 2u);
    EXPECT_EQ(list.codes[0].Code, "KERB");
    EXPECT_EQ(list.codes[1].Code, "LAMP");
    EXPECT_EQ(list.codes[1].Shortcut, "2");
    EXPECT_EQ(list.attributes.size(), kAttributesPerCode);
}

TEST(CrfRead, ShortRecordLinesGiveEmptyFields)
{
    const CodeList list = read("\tVERSION 1.20\n"
                               "\t\tCODES(Code, Name, OBJTYPE, Shortcut)\n"
                               "\t\t\"ONLY\";\n"
                               "\t\tEND CODES\n"
                               "\t\tATTRIBUTES(Attribute, Code, Default, DATATYPE, MANDATORY, HIDDEN)\n"
                               "\t\t\"Info1\",\t\"ONLY\";\n");
    ASSERT_EQ(list.codes.size(), 1u);
    EXPECT_EQ(fieldsOf(list.codes[0]), (std::vector<std::string>{"", "ONLY", "", "", "", ""}));
    ASSERT_EQ(list.attributes.size(), 1u);
    EXPECT_EQ(fieldsOf(list.attributes[0]),
              (std::vector<std::string>{"Info1", "", "", "ONLY", "", "", "", "", "", "", ""}));
}

TEST(CrfRoundTrip, GeneratedListsReadBackInOrder)
{
    std::vector<CodeEntry> codes;
    for (int i = 0; i < 40; ++i) {
        std::array<std::string, kAttributesPerCode> defaults{};
        for (std::size_t a = 0; a < kAttributesPerCode; ++a) {
            if ((i + static_cast<int>(a)) % 3 != 0) defaults[a] = "v" + std::to_string(i) + "_" + std::to_string(a);
        }
        codes.push_back(entry("C" + std::to_string(i * 7), std::to_string(i % 10), defaults));
    }
    const std::string file = write("SITE_42", codes);
    for (std::size_t at = file.find('\n'); at != std::string::npos; at = file.find('\n', at + 1)) {
        ASSERT_TRUE(at > 0 && file[at - 1] == '\r') << "bare LF at " << at;
    }

    const CodeList list = read(file);
    EXPECT_EQ(list.name, "SITE_42");
    EXPECT_EQ(list.templateId, "1000");
    ASSERT_EQ(list.codes.size(), codes.size());
    ASSERT_EQ(list.attributes.size(), codes.size() * kAttributesPerCode);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(fieldsOf(list.codes[i]), (std::vector<std::string>{"", codes[i].code, "", "POINT", "", codes[i].shortcut}));
        for (std::size_t a = 0; a < kAttributesPerCode; ++a) {
            EXPECT_EQ(fieldsOf(list.attributes[i * kAttributesPerCode + a]),
                      attribute("Info" + std::to_string(a + 1), codes[i].code, codes[i].defaults[a]));
        }
    }
}

} // namespace
} // namespace harwick::crf
