#include "framekit.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

// Inputs and outputs live in heap blocks of exactly their size, so that under
// AddressSanitizer a single byte read or written past them fails the test.
std::vector<char> exact(const std::string& bytes) { return {bytes.begin(), bytes.end()}; }
std::vector<unsigned char> exactBytes(const std::string& bytes) { return {bytes.begin(), bytes.end()}; }
std::string str(const std::vector<char>& v) { return {v.begin(), v.end()}; }
std::string str(const std::vector<unsigned char>& v) { return {v.begin(), v.end()}; }
std::string padded(const std::string& s, std::size_t size) { return s + std::string(size - s.size(), '\0'); }

// Deterministic pseudo-random values.
struct Lcg {
    unsigned int state = 12345;
    unsigned int next() { return state = state * 1103515245u + 12345u; }
};

TEST(FramekitHead, CutsHeadUpToEndFlagAfterSpaces)
{
    struct Case { std::string text; char endFlag; int result; std::string head; };
    const Case cases[] = {
        {"  AB*C", '*', 4, "AB"}, {"*X", '*', 0, ""},   {"   *", '*', 3, ""}, {"AB CD", ' ', 2, "AB"},
        {"   ", '*', -2, ""},     {"", '*', -2, ""},    {"ABC", '*', -2, ""},
        {"AB\0*"s, '*', -2, ""}, // the flag lies past the terminator
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<char> text = exact(c.text + '\0');
        char head[12] = "OLD-HEAD-XY"; // a previous head is cleared
        EXPECT_EQ(CFramekit::GetMsgHead(head, text.data(), c.endFlag), c.result);
        EXPECT_EQ(std::string(head, sizeof head), padded(c.head, sizeof head));
    }
}

TEST(FramekitHead, WritesNoTerminatorAndIgnoresNullArguments)
{
    char head[5] = {'\0', 'z', 'z', 'z', 'z'};
    EXPECT_EQ(CFramekit::GetMsgHead(head, "AB*", '*'), 2);
    EXPECT_EQ(std::string(head, 5), "ABzzz");

    char kept[] = "KEEP";
    EXPECT_EQ(CFramekit::GetMsgHead(nullptr, "A*", '*'), 0);
    EXPECT_EQ(CFramekit::GetMsgHead(kept, nullptr, '*'), 0);
    EXPECT_EQ(CFramekit::GetMsgHead(kept, "A*", '\0'), 0);
    EXPECT_STREQ(kept, "KEEP");
}

TEST(FramekitMerge, PutsFrontAheadOfDataInPlace)
{
    char front[] = "AB";
    char data[16] = "0123456789\0xyzw"; // the shift is shorter than the data: the move must run backwards
    EXPECT_EQ(CFramekit::MergerData(front, 2, data, 10), 1);
    EXPECT_EQ(std::string(data, 16), "AB0123456789\0zw\0"s);
    EXPECT_EQ(std::string(front, 3), std::string(3, '\0'));

    char front2[] = "XY";
    char empty[4] = {'\0', 'q', 'q', 'q'};
    EXPECT_EQ(CFramekit::MergerData(front2, 2, empty, 0), 1);
    EXPECT_EQ(std::string(empty, 4), "XY\0q"s);
}

TEST(FramekitMerge, NegativeLengthsMoveNothing)
{
    char front[] = "XY";
    std::vector<char> data = exact("abcdef");
    EXPECT_EQ(CFramekit::MergerData(front, 2, data.data(), -1), 1); // front copied over, data not moved
    EXPECT_EQ(str(data), "XYcdef");
    EXPECT_EQ(CFramekit::MergerData(front, -3, data.data(), 6), 1);
    EXPECT_EQ(str(data), "XYcdef");
}

TEST(FramekitSection, CutsFirstSectionFromSplitToSplit)
{
    struct Case { std::string split; std::string text; int maxLen; int result; std::string section; };
    const Case cases[] = {
        {"#", "#ABC#DEF", 8, 5, "#ABC#"},
        {"#", "  #A#tail", 9, 5, "#A#"},       // leading spaces counted in the result
        {"$$", "$$$", 3, 3, "$$$"},            // closing search starts one after the opening
        {"\r\n", "\r\nP1\r\nP2", 8, 6, "\r\nP1\r\n"},
        {"#", "#A\0B#"s, 5, 5, "#A\0B#"s},      // zero bytes inside maxLen are data
        {"#", " ABC#", 5, 0, ""},
        {"#", "   ", 3, 0, ""},
        {"#", "", 0, 0, ""},
        {"#", "#ABC", 4, -2, "#ABC"},
        {"#", "#AB#", 3, 4, "#AB#"},           // a closing split may start at maxLen itself
        {"#", "#ABC#", 3, -2, "#ABC"},
        {"#", "#AB\0#"s, 3, -2, "#AB"},         // the split past the terminator is never seen
        {"<>", "<>AB<", 5, -2, "<>AB<"},       // closing split cut off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<char> text = exact(c.text + '\0');
        char section[16] = "stale section";
        EXPECT_EQ(CFramekit::GetFirstDataSec(c.split.c_str(), text.data(), c.maxLen, section), c.result);
        EXPECT_EQ(std::string(section, sizeof section), padded(c.section, sizeof section));
    }
}

TEST(FramekitSection, NullArgumentsGiveMinusOneAfterClearing)
{
    char section[8] = "stale";
    EXPECT_EQ(CFramekit::GetFirstDataSec(nullptr, "#A#", 3, section), -1);
    EXPECT_EQ(std::string(section, 8), std::string(8, '\0'));
    EXPECT_EQ(CFramekit::GetFirstDataSec("#", nullptr, 3, section), -1);
    EXPECT_EQ(CFramekit::GetFirstDataSec("#", "#A#", 3, nullptr), -1);
}

TEST(FramekitChecksum, XorsAllBytes)
{
    struct Case { std::string bytes; int len; int sum; };
    const Case cases[] = {
        {"\x01\x02\x03", 3, 0x00}, {"\xA5", 1, 0xA5}, {"\xFF\x0F", 2, 0xF0}, {"##AB", 4, 0x03},
        {"\x01\x02", 1, 0x01},     {"", 0, 0},        {"\x7F", -3, 0},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> data = exactBytes(c.bytes);
        EXPECT_EQ(CFramekit::GetChecksum(data.data(), c.len), c.sum) << c.bytes;
    }
}

TEST(FramekitSecContent, TakesContentOnlyWhenChecksumMatches)
{
    struct Case { std::string section; int contentStart; int result; std::string content; };
    const Case cases[] = {
        {"##AB*03##", 2, 1, "AB"},
        {"##AB*03##", 0, 1, "##AB"},
        {"##AB*03##", 4, 1, ""},    // nothing between start and separator
        {"##AB-03xy", 2, 1, "AB"},  // separator and closing delimiter are not examined
        {"#n*4d##", 1, 1, "n"},     // lower-case checksum digits
        {"##AB* 3##", 2, 1, "AB"},  // read like strtol: leading blank,
        {"##AB*3Z##", 2, 1, "AB"},  // ... stops at a non-digit
        {"##AB*04##", 2, 0, ""},
        {"##AB*30##", 2, 0, ""},
        {"##AB*ZZ##", 2, 0, ""},    // no digits reads as 0
        {"##AC*03##", 2, 0, ""},    // the content itself is covered
        {"##AB*03##", 5, 0, ""},    // contentStart past the separator
        {"##AB*03##", -1, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section + " from " + std::to_string(c.contentStart));
        const int len = static_cast<int>(c.section.size());
        std::vector<char> section = exact(c.section);
        unsigned char content[8];
        std::memset(content, 'q', sizeof content);
        EXPECT_EQ(CFramekit::GetSecContent(section.data(), len, c.contentStart, content, len - 5), c.result);
        EXPECT_EQ(std::string(content, content + sizeof content), c.content + std::string(8 - c.content.size(), 'q'));
    }
}

TEST(FramekitSecContent, RejectsWhatIsNoSectionOrTooSmallWork)
{
    std::vector<char> section = exact("##AB*03##");
    unsigned char content[4] = {'q', 'q', 'q', 'q'};
    EXPECT_EQ(CFramekit::GetSecContent(section.data(), 0, 0, content, 64), 0);
    EXPECT_EQ(CFramekit::GetSecContent(section.data(), 4, 0, content, 64), 0);
    EXPECT_EQ(CFramekit::GetSecContent(section.data(), 9, 2, content, 3), 0);
    EXPECT_EQ(std::string(content, content + 4), "qqqq");
    EXPECT_EQ(CFramekit::GetSecContent(section.data(), 9, 2, content, 1 << 20), 1);
}

// Runs a test in a directory whose path has exactly the given length.
class ScopedDeepDirectory {
public:
    explicit ScopedDeepDirectory(std::size_t length)
    {
        std::string base = (fs::temp_directory_path() / "framekit-XXXXXX").string();
        if (::mkdtemp(base.data()) == nullptr) {
            ADD_FAILURE() << "no temporary directory";
            return;
        }
        root_ = fs::canonical(base);
        std::string path = root_.string();
        if (path.size() + 2 > length) {
            ADD_FAILURE() << "temporary directory too long: " << path;
            return;
        }
        while (length - path.size() > 200) {
            path += "/" + std::string(100, 'd');
        }
        path += "/" + std::string(length - path.size() - 1, 'e');
        fs::create_directories(path);
        fs::current_path(path);
        path_ = path;
    }
    ~ScopedDeepDirectory()
    {
        fs::current_path(saved_);
        if (!root_.empty()) {
            fs::remove_all(root_);
        }
    }
    const std::string& path() const { return path_; }

private:
    fs::path saved_ = fs::current_path();
    fs::path root_;
    std::string path_;
};

TEST(FramekitPath, WritesCurrentDirectoryThatFitsElseEmpty)
{
    for (std::size_t length : {259u, 260u, 400u}) {
        SCOPED_TRACE(length);
        ScopedDeepDirectory dir(length);
        ASSERT_EQ(dir.path().size(), length);
        std::vector<char> buffer(framekit::kPathCapacity, 'p');
        char* path = buffer.data();
        EXPECT_EQ(CFramekit::ReturnFilePath(&path), 1);
        EXPECT_EQ(path, buffer.data());
        EXPECT_EQ(std::string(path), length < 260 ? dir.path() : "");
    }
}

TEST(FramekitTrim, SkipsOnlyLeadingSpaces)
{
    struct Case { const char* text; long moved; };
    for (const Case& c : {Case{"   ab", 3}, Case{"", 0}, Case{"   ", 3}, Case{"\tx", 0}, Case{"a  ", 0}}) {
        char* cursor = const_cast<char*>(c.text);
        EXPECT_EQ(CFramekit::LeftTrimeSec(&cursor), 1);
        EXPECT_EQ(cursor - c.text, c.moved) << '"' << c.text << '"';
    }
}

TEST(FramekitEndFlag, FindsLastFlagWhollyWithinLength)
{
    struct Case { std::string data; int len; std::string flag; int result; };
    const Case cases[] = {
        {"AB#CD#E", 7, "#", 4},
        {"ABCDEFG", 7, "#", -10},
        {"#ABC", 4, "#", -1},
        {"AB\r\nCD\r\n", 8, "\r\n", 5},
        {"A##", 3, "##", 0},
        {"##", 2, "##", -1},
        {"AB#CD", 2, "#", -10},   // only the first len characters count
        {"ABC#", 4, "#X", -10},   // flag cut off at the end
        {"ABC##", 4, "##", -10},  // a flag reaching past len does not match
        {"ABC", 3, "", 1},        // an empty flag occurs at len - 1
        {"", 0, "#", -10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data + " / " + c.flag);
        std::vector<char> data = exact(c.data); // no terminator after the data
        EXPECT_EQ(CFramekit::ReturnEndFlagPos(data.data(), c.len, c.flag.c_str()), c.result);
    }
}

TEST(FramekitLength, ReadsPositiveHexadecimalNumbers)
{
    struct Case { const char* text; int result; };
    const Case cases[] = {
        {"1A", 26},  {"ff", 255}, {" 10", 16}, {"10xyz", 16}, {"0x1F", 31}, {"+7", 7},
        {"0", -1},   {"", -1},    {"zz", -1},  {"-5", -1},
        {"7FFFFFFF", INT_MAX},    {"100000000", INT_MAX}, // saturates, never wraps negative
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CFramekit::CharContentToLen(c.text), c.result) << c.text;
    }
}

TEST(FramekitBytes, ByteToIntReadsBigEndian)
{
    struct Case { std::string bytes; int n; unsigned int value; };
    const Case cases[] = {
        {"\x12\x34\x56", 3, 0x123456u}, {"\x12\x34\x56", 5, 0xFFFFFFFFu}, {"\x12", 1, 0x12u},
        {"\xFF\xFF\xFF\xFF", 4, 0xFFFFFFFFu}, {"\x80\0\0\x01"s, 4, 0x80000001u}, {"", 0, 0u}, {"", -1, 0u},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes = exactBytes(c.bytes);
        EXPECT_EQ(CFramekit::ByteToInt(bytes.data(), c.n), c.value) << "n=" << c.n;
    }
}

TEST(FramekitBytes, IntToByteWritesLowBytesMostSignificantFirst)
{
    const std::string expected[] = {"\x78", "\x56\x78", "\x34\x56\x78", "\x12\x34\x56\x78"};
    for (int n = 1; n <= 4; ++n) {
        std::vector<unsigned char> out(static_cast<std::size_t>(n), 0xEE);
        CFramekit::IntToByte(0x12345678u, out.data(), n);
        EXPECT_EQ(str(out), expected[n - 1]) << "n=" << n;
    }
    std::vector<unsigned char> two(2, 0xEE);
    CFramekit::IntToByte(0x12345678u, two.data());
    EXPECT_EQ(str(two), "\x56\x78");
    for (int n : {0, -1, 5}) {
        std::vector<unsigned char> untouched(8, 0xEE);
        CFramekit::IntToByte(0x12345678u, untouched.data(), n);
        EXPECT_EQ(untouched, std::vector<unsigned char>(8, 0xEE)) << "n=" << n;
    }
}

TEST(FramekitBytes, IntToByteAndByteToIntAreInverse)
{
    Lcg random;
    for (int i = 0; i < 5000; ++i) {
        const unsigned int value = random.next();
        for (int n = 1; n <= 4; ++n) {
            const unsigned int mask = n == 4 ? 0xFFFFFFFFu : (1u << (8 * n)) - 1;
            std::vector<unsigned char> out(static_cast<std::size_t>(n));
            CFramekit::IntToByte(value, out.data(), n);
            ASSERT_EQ(CFramekit::ByteToInt(out.data(), n), value & mask) << value << " n=" << n;
        }
        unsigned char pair[2];
        unsigned char pairOfThree[2];
        CFramekit::IntToByte(value, pair);
        CFramekit::IntToByte(value, pairOfThree, 2);
        ASSERT_EQ(std::memcmp(pair, pairOfThree, 2), 0) << value;
    }
}

TEST(FramekitHex, BytesToUpperCaseTextWithoutTerminator)
{
    struct Case { std::string bytes; std::string text; };
    for (const Case& c : {Case{"\x00\xFF"s, "00FF"}, Case{"\x3A", "3A"}, Case{"\x9B\xC4\x7E\x01", "9BC47E01"}}) {
        std::vector<unsigned char> bytes = exactBytes(c.bytes);
        std::vector<char> text(c.text.size(), 'p');
        EXPECT_EQ(CFramekit::HexBytes2String(bytes.data(), text.data(), static_cast<int>(bytes.size())),
                  static_cast<int>(c.text.size()));
        EXPECT_EQ(str(text), c.text);
    }
    char untouched[] = "pp";
    EXPECT_EQ(CFramekit::HexBytes2String(nullptr, untouched, 0), 0);
    EXPECT_EQ(CFramekit::HexBytes2String(nullptr, untouched, -3), -6);
    EXPECT_STREQ(untouched, "pp");
}

TEST(FramekitHex, TextToBytesReadsNothingPastLength)
{
    struct Case { std::string text; int len; int result; std::string bytes; };
    const Case cases[] = {
        {"0A1B", 4, 2, "\x0A\x1B"},
        {"a0F9", 4, 2, "\xA0\xF9"}, // the high half takes either case
        {"0a", 2, 1, "\x2A"},       // ... the low half only upper case
        {"ABC", 3, 1, "\xAB\xC9"},  // odd: the last digit pairs with a zero character
        {"1", 1, 0, "\xD9"},
        {"", 0, 0, ""},
        {"12", -1, 0, ""},
        {"12", -3, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " len " + std::to_string(c.len));
        std::vector<char> text = exact(c.text); // no terminator after the digits
        std::vector<unsigned char> bytes(c.bytes.empty() ? 1 : c.bytes.size(), 0xEE);
        EXPECT_EQ(CFramekit::String2HexBytes(text.data(), bytes.data(), c.len), c.result);
        EXPECT_EQ(str(bytes), c.bytes.empty() ? "\xEE" : c.bytes);
    }
}

TEST(FramekitHex, RoundTripThroughText)
{
    Lcg random;
    for (int n = 0; n <= 40; ++n) {
        std::vector<unsigned char> bytes(static_cast<std::size_t>(n));
        for (unsigned char& b : bytes) {
            b = static_cast<unsigned char>(random.next() >> 16);
        }
        std::vector<char> text(2 * bytes.size());
        ASSERT_EQ(CFramekit::HexBytes2String(bytes.data(), text.data(), n), 2 * n);
        std::vector<unsigned char> back(bytes.size());
        ASSERT_EQ(CFramekit::String2HexBytes(text.data(), back.data(), 2 * n), n);
        EXPECT_EQ(back, bytes) << str(text);
    }
}

TEST(FramekitLeftData, MovesTailFromLastFlagIntoRest)
{
    struct Case { std::string buffer; std::string flag; int result; std::string rest; std::string after; };
    const Case cases[] = {
        {"AB#CD#EF", "#", 5, "#EF#", "AB#CD#\0\0"s},
        {"L1\r\nL2\r\npart", "\r\n", 6, "\r\npart\r\n", "L1\r\nL2\r\n\0\0\0\0"s},
        {"AB#", "#", 2, "##", "AB#"},          // buffer already ends with the flag
        {"ABCD", "#", 0, "ABCD#", "#\0\0\0"s}, // no flag: all is tail, the flag goes in front
        {"#ABC", "#", 0, "#ABC#", "#\0\0\0"s}, // flag at 0 counts as none
        {"AB", "AB", 0, "ABAB", "AB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.buffer);
        std::vector<char> buffer = exact(c.buffer); // no terminator after the data
        std::vector<char> rest(c.rest.size(), 'p');
        EXPECT_EQ(CFramekit::GetLeftData(buffer.data(), static_cast<int>(buffer.size()), rest.data(), 0,
                                         c.flag.c_str()),
                  c.result);
        EXPECT_EQ(str(rest), c.rest);
        EXPECT_EQ(str(buffer), c.after);
    }
}

TEST(FramekitLeftData, BufferShorterThanFlagIsLeftAlone)
{
    std::vector<char> buffer = exact("AB");
    char rest[8] = "rest";
    EXPECT_EQ(CFramekit::GetLeftData(buffer.data(), 2, rest, 8, "ABC"), 0);
    EXPECT_EQ(CFramekit::GetLeftData(buffer.data(), -1, rest, 8, "#"), 0);
    EXPECT_EQ(str(buffer), "AB");
    EXPECT_STREQ(rest, "rest");
}

TEST(FramekitSplitEnd, MovesPastFirstSplitWithinSteps)
{
    struct Case { const char* label; std::string text; int maxSteps; std::string split; int result; long cursor; };
    const Case cases[] = {
        {"after two characters", "  xx$$yy", 5, "$$", 2, 6},
        {"at once: 0, cursor moved past it", "  $$yy", 0, "$$", 0, 4},
        {"not found: 0, cursor on first non-space", "  abc", 2, "$$", 0, 2},
        {"beyond maxSteps", "abc$$", 2, "$$", 0, 0},
        {"at maxSteps", "abc$$", 3, "$$", 3, 5},
        {"across a zero byte", "a\0$$b"s, 4, "$$", 2, 4},
        {"negative maxSteps", "  $$", -1, "$$", 0, 2},
        {"empty split", "x", 0, "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<char> text = exact(c.text + '\0');
        char* cursor = text.data();
        EXPECT_EQ(CFramekit::TryMovetoFirstSplitEnd(&cursor, c.maxSteps, c.split.c_str()), c.result);
        EXPECT_EQ(cursor - text.data(), c.cursor);
    }
}

} // namespace
