#include "idex/idex.h"

#include "crf/crf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace harwick::idex {
namespace {

constexpr text::LocalDateTime kMarch7{2006, 3, 7, 14, 5, 9};

const std::vector<std::string> kHeaderLines = {
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
    "    DATE         07-03-2006/14:05:09.0",
};

// A .crf list's lines as the upload reads them, with the lines of codes and
// attributes given.
std::vector<std::string> crfLines(const std::vector<std::string>& codes, const std::vector<std::string>& attributes)
{
    std::vector<std::string> lines = {"HEADER",        "\tVERSION 1.20",      "\tSYSTEM\t\"QRX700\"",
                                      "END HEADER",    "DEFINITIONS",         "\tCODELIST",
                                      "\t\tNAME\t\"ROADS\"", "\t\tTEMPLATE_ID\t1000", "\t\tCODES(Code, Name, OBJTYPE, Shortcut)"};
    lines.insert(lines.end(), codes.begin(), codes.end());
    lines.push_back("\t\tEND CODES");
    lines.push_back("\t\tATTRIBUTES(Attribute, Code, Default, DATATYPE, MANDATORY, HIDDEN)");
    lines.insert(lines.end(), attributes.begin(), attributes.end());
    lines.push_back("\t\tEND ATTRIBUTES");
    lines.push_back("\tEND CODELIST");
    lines.push_back("END DEFINITIONS");
    return lines;
}

// The output lines from the CODES header on, after the fixed header checked once.
std::vector<std::string> convertedBody(const std::vector<std::string>& input)
{
    std::vector<std::string> out;
    EXPECT_TRUE(ConvertCodeList(input, out, kMarch7));
    if (out.size() < kHeaderLines.size() + 1) return {};
    return {out.begin() + static_cast<std::ptrdiff_t>(kHeaderLines.size()) + 1, out.end()};
}

TEST(ConvertCodeList, WritesTheWholeIdexList)
{
    const std::vector<std::string> input =
        crfLines({"\t\t\"KERB\",\t\"\",\tPOINT,\t1;", "\t\t\"T01\",\t\"Big Tree\",\tPOINT,\tT;"},
                 {"\t\t\"Info1\",\t\"KERB\",\t\"east side\",\tTEXT,\tNO,\tNO;",
                  "\t\t\"Info2\",\t\"T01\",\t\"\",\tTEXT,\tYES,\tYES;"});
    std::vector<std::string> expected = kHeaderLines;
    expected.insert(expected.end(),
                    {
                        "    TEMPLAET_ID  1000",
                        "    CODES (CodeNo,Code,Name,OBJTYPE,LayerNo,Shortcut)",
                        "      1,  \"KERB\",   \"\",\tPOINT,\t0,\t1;",
                        "      2,  \"T01\",   \"BigTree\",\tPOINT,\t0,\tT;",
                        "\t\tEND CODES",
                        "\t\tATTRIBUTES(Attribute,DATATYPE,CodeNo,Code,ListNo,MANDATORY,Default,RangeLow,RangeHigh,"
                        "HIDDEN,HIDEALWAYS)",
                        "\t\t\t\"Info1\",\tTEXT,\t1,\t\"KERB\",\t,\tNO,\t\"eastside\",\t,\t,\tNO,\tNO;",
                        "\t\t\t\"Info2\",\tTEXT,\t2,\t\"T01\",\t,\tYES,\t\"\",\t,\t,\tYES,\tNO;",
                        "\t\tEND ATTRIBUTES",
                        "\tEND CODELIST",
                        "END DEFINITIONS",
                    });
    std::vector<std::string> out = {"kept"};
    ASSERT_TRUE(ConvertCodeList(input, out, kMarch7));
    expected.insert(expected.begin(), "kept");
    EXPECT_EQ(out, expected);
}

TEST(ConvertCodeList, ThirdCodeGetsCodeNumberThree)
{
    const std::vector<std::string> body = convertedBody(crfLines(
        {"\t\t\"A\",\t\"\",\tPOINT,\t1;", "\t\t\"B\",\t\"\",\tPOINT,\t2;", "\t\t\"T01\",\t\"Tree\",\tPOINT,\tT;"}, {}));
    ASSERT_GE(body.size(), 4u);
    EXPECT_EQ(body[3], "      3,  \"T01\",   \"Tree\",\tPOINT,\t0,\tT;");
}

TEST(ConvertCodeList, AttributeCodeNumbers)
{
    // The attribute's CodeNo comes from the first code of that Code; a Code no
    // code line has leaves it empty.
    const std::vector<std::string> body = convertedBody(
        crfLines({"\t\t\"A\",\t\"\",\tPOINT,\t1;", "\t\t\"DUP\",\t\"\",\tPOINT,\t2;", "\t\t\"DUP\",\t\"\",\tPOINT,\t3;"},
                 {"\t\t\"Info1\",\t\"DUP\",\t\"\",\tTEXT,\tNO,\tNO;", "\t\t\"Info1\",\t\"NOPE\",\t\"x\",\tTEXT,\tNO,\tNO;",
                  "\t\t\"Info2\",\t\"A\",\t\"\",\tTEXT,\tNO,\tNO;"}));
    ASSERT_EQ(body.size(), 4u + 2 + 3 + 3);
    EXPECT_EQ(body[6], "\t\t\t\"Info1\",\tTEXT,\t2,\t\"DUP\",\t,\tNO,\t\"\",\t,\t,\tNO,\tNO;");
    EXPECT_EQ(body[7], "\t\t\t\"Info1\",\tTEXT,\t,\t\"NOPE\",\t,\tNO,\t\"x\",\t,\t,\tNO,\tNO;");
    EXPECT_EQ(body[8], "\t\t\t\"Info2\",\tTEXT,\t1,\t\"A\",\t,\tNO,\t\"\",\t,\t,\tNO,\tNO;");
}

TEST(ConvertCodeList, WithoutVersionNothingIsWritten)
{
    std::vector<std::string> input = crfLines({"\t\t\"A\",\t\"\",\tPOINT,\t1;"}, {});
    input[1] = "\tVERSION 1.30";
    std::vector<std::string> out = {"kept"};
    EXPECT_FALSE(ConvertCodeList(input, out, kMarch7));
    EXPECT_EQ(out, std::vector<std::string>{"kept"});
    EXPECT_FALSE(ConvertCodeList({}, out, kMarch7));
    EXPECT_EQ(out, std::vector<std::string>{"kept"});
}

TEST(ConvertCodeList, LinesBeforeTheVersionAreIgnored)
{
    std::vector<std::string> input = {"\t\tTEMPLATE_ID\t55", "CODES(Code, Name, OBJTYPE, Shortcut)",
                                      "\"EARLY\",\"\",POINT,9;", "END CODES"};
    const std::vector<std::string> rest = crfLines({"\t\t\"A\",\t\"\",\tPOINT,\t1;"}, {});
    input.insert(input.end(), rest.begin(), rest.end());
    std::vector<std::string> out;
    ASSERT_TRUE(ConvertCodeList(input, out, kMarch7));
    ASSERT_GT(out.size(), kHeaderLines.size() + 3);
    EXPECT_EQ(out[kHeaderLines.size()], "    TEMPLAET_ID  1000");
    EXPECT_EQ(out[kHeaderLines.size() + 2], "      1,  \"A\",   \"\",\tPOINT,\t0,\t1;");
    EXPECT_EQ(out[kHeaderLines.size() + 3], "\t\tEND CODES");
}

TEST(ConvertCodeList, ConvertsWhatTheCodeEditorWrites)
{
    std::array<std::string, crf::kAttributesPerCode> defaults{};
    defaults[7] = "last";
    const std::string file = crf::write("ROADS", {{"KERB", "1", {}}, {"LAMP", "2", defaults}});
    std::vector<std::string> out;
    ASSERT_TRUE(ConvertCodeList(text::splitLines(file), out, kMarch7));

    ASSERT_EQ(out.size(), kHeaderLines.size() + 2 + 2 + 2 + 16 + 3);
    EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(kHeaderLines.size())),
              kHeaderLines);
    EXPECT_EQ(out[kHeaderLines.size()], "    TEMPLAET_ID  1000");
    EXPECT_EQ(out[kHeaderLines.size() + 3], "      2,  \"LAMP\",   \"\",\tPOINT,\t0,\t2;");
    EXPECT_EQ(out[kHeaderLines.size() + 6], "\t\t\t\"Info1\",\tTEXT,\t1,\t\"KERB\",\t,\tNO,\t\"\",\t,\t,\tNO,\tNO;");
    EXPECT_EQ(out[kHeaderLines.size() + 21], "\t\t\t\"Info8\",\tTEXT,\t2,\t\"LAMP\",\t,\tNO,\t\"last\",\t,\t,\tNO,\tNO;");
}

} // namespace
// The editor and the conversion read the same layout but differ where a NAME
// line sits inside the codes, and on the version line itself.
TEST(ConvertCodeList, ReadsTheLayoutAsTheUploadAlwaysHas)
{
    std::vector<std::string> input =
        crfLines({"\t\t\"KERB\",\t\"\",\tPOINT,\t1;", "\tNAME\tX", "\t\t\"MH\",\t\"\",\tPOINT,\t2;"}, {});
    std::vector<std::string> body = convertedBody(input);
    ASSERT_GE(body.size(), 4u); // body[0] is the CODES header
    EXPECT_EQ(body[2], "      2,  \"NAMEX\",   \"\",\t,\t0,\t;");
    EXPECT_EQ(body[3], "      3,  \"MH\",   \"\",\tPOINT,\t0,\t2;");

    std::string file;
    for (const std::string& line : input) file += line + "\r\n";
    crf::CodeList edited = crf::read(file);
    ASSERT_EQ(edited.codes.size(), 2u);
    EXPECT_EQ(edited.name, "X");

    std::vector<std::string> out;
    ASSERT_TRUE(ConvertCodeList({"VERSION 1.20 CODES(Code, Name, OBJTYPE, Shortcut)", "\"A1\",\"\",POINT,9;"}, out,
                                kMarch7));
    EXPECT_NE(std::find(out.begin(), out.end(), "      1,  \"A1\",   \"\",\tPOINT,\t0,\t9;"), out.end());
}

} // namespace harwick::idex
