#include "profile/profile.h"

#include "scratch.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace harwick::platform {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNoneValue = "!*&*none-value*&!*";

// A settings file after a surveyor's hand edit: LF and CR LF mixed, blanks,
// quotes, comments, a stray line, a repeated key, a repeated section and no
// line end at the end.
const std::string kHandEdited =
    "orphan=before any header\n"
    "; cable settings\r\n"
    "[Com]\n"
    "  Port = COM3 \t\r\n"
    "Quoted=\"  spaced  \"\n"
    "Single='x'\n"
    "Mismatched=\"x'\n"
    "Lone=\"\n"
    "Empty=\n"
    "just text\n"
    ";Commented=1\n"
    "=no name\n"
    "Dup=first\n"
    "DUP=second\n"
    "Rate=1.5\n"
    "Neg= -42x\n"
    "Plus=+3\n"
    "Word=fast\n"
    "Num=\"15\"\n"
    "Huge=4294967297\n"
    "\n"
    " [ Usb ] trailing words\r\n"
    "Delay=800\n"
    "[com]\n"
    "Extra=only in the second\n"
    "[Last\n"
    "x=1";

// "a\0b\0\0" as a string, final NUL included.
std::string nulList(std::initializer_list<std::string> items)
{
    std::string list;
    for (const std::string& item : items) list += item + '\0';
    return list + '\0';
}

class Profile : public ::testing::Test {
protected:
    void put(const std::string& content) const { std::ofstream(file_, std::ios::binary) << content; }
    std::string bytes() const
    {
        std::ifstream in(file_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    harwick::testing::TempDir temp_{"harwick-profile"};
    const fs::path dir_ = temp_.path();
    const std::string file_ = (dir_ / "qtr_cfg.ini").string();
};

TEST_F(Profile, ReadsStringsFromAHandEditedFile)
{
    put(kHandEdited);
    struct Case {
        const char* section;
        const char* key;
        const char* defaultValue;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"Com", "Port", "d", "COM3"},
        {"COM", "PORT", "d", "COM3"},
        {" com\t", " port ", "d", "COM3"},
        {"Com", "Quoted", "d", "  spaced  "},
        {"Com", "Single", "d", "x"},
        {"Com", "Mismatched", "d", "\"x'"},
        {"Com", "Lone", "d", "\""},
        {"Com", "Empty", "d", ""},
        {"Com", "just text", "d", "d"},
        {"Com", ";Commented", "d", "d"},
        {"Com", "Dup", "d", "first"},
        {"Usb", "Delay", "d", "800"},
        {"Com", "Extra", "d", "d"},   // only the first [Com] counts
        {"Last", "x", "d", "d"},      // "[Last" without "]" is no header
        {"Com", "orphan", "d", "d"},  // keys before any header belong nowhere
        {"Nowhere", "Port", "dflt \t ", "dflt"},
        {"Nowhere", "Port", nullptr, ""},
    };
    for (const Case& c : cases) {
        std::array<char, 2048> buffer {};
        const int n = GetPrivateProfileString(c.section, c.key, c.defaultValue, buffer.data(), 2048, file_);
        EXPECT_EQ(std::string(buffer.data()), c.expected) << c.section << "/" << c.key;
        EXPECT_EQ(n, static_cast<int>(c.expected.size())) << c.section << "/" << c.key;
    }
    EXPECT_EQ(profile::readString(file_, "com", "empty"), std::optional<std::string>(""));
    EXPECT_EQ(profile::readString(file_, "com", "missing"), std::nullopt);
}

// Settings files edited elsewhere: LF alone and a lone CR end lines too.
TEST_F(Profile, ReadsFilesWithAnyLineEnd)
{
    for (const std::string eol : {"\n", "\r"}) {
        put("[Com]" + eol + "Port=COM4" + eol + "Delay=5" + eol + "[Usb]" + eol + "Delay=7");
        EXPECT_EQ(profile::readString(file_, "Com", "Port"), std::optional<std::string>("COM4"));
        EXPECT_EQ(profile::readString(file_, "Com", "Delay"), std::optional<std::string>("5"));
        EXPECT_EQ(profile::readString(file_, "Usb", "Delay"), std::optional<std::string>("7"));
    }
}

TEST_F(Profile, ReadsIntegersFromTheirLeadingDigits)
{
    put(kHandEdited);
    const std::vector<std::pair<const char*, int>> cases = {
        {"Port", 0}, {"Rate", 1}, {"Neg", -42}, {"Plus", 3},     {"Word", 0},
        {"Num", 15}, {"Huge", 1}, {"Empty", 7}, {"Missing", 7}, {"just text", 7},
    };
    for (const auto& [key, expected] : cases) EXPECT_EQ(GetPrivateProfileInt("Com", key, 7, file_), expected) << key;
    EXPECT_EQ(GetPrivateProfileInt("usb", "DELAY", 7, file_), 800);
}

TEST_F(Profile, ListsSectionsKeysAndEntries)
{
    put(kHandEdited);
    std::array<char, 6000> buffer {};

    int n = GetPrivateProfileSectionNames(buffer.data(), 2048, file_);
    EXPECT_EQ(std::string(buffer.data(), n + 1), nulList({"Com", "Usb", "com"}));
    n = GetPrivateProfileString(nullptr, "Port", "d", buffer.data(), 2048, file_);
    EXPECT_EQ(std::string(buffer.data(), n + 1), nulList({"Com", "Usb", "com"}));

    n = GetPrivateProfileSection("COM", buffer.data(), 6000, file_);
    EXPECT_EQ(std::string(buffer.data(), n + 1),
              nulList({"Port=COM3", "Quoted=\"  spaced  \"", "Single='x'", "Mismatched=\"x'", "Lone=\"", "Empty=",
                       "Dup=first", "DUP=second", "Rate=1.5", "Neg=-42x", "Plus=+3", "Word=fast", "Num=\"15\"",
                       "Huge=4294967297"}));

    n = GetPrivateProfileString("usb", nullptr, "d", buffer.data(), 2048, file_);
    EXPECT_EQ(std::string(buffer.data(), n + 1), nulList({"Delay"}));

    n = GetPrivateProfileSection("Nowhere", buffer.data(), 6000, file_);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(std::string(buffer.data(), 2), std::string(2, '\0'));
}

TEST_F(Profile, WritesChangeOnlyTheirLinesAndEndEveryLineWithCrLf)
{
    const std::string before = "; top\n[A]\nkey = old \n; closing comment\n\n[B]\r\nx=1";
    struct Case {
        const char* what;
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"replace keeps the key's spelling", before, "a", "KEY", "new",
         "; top\r\n[A]\r\nkey=new\r\n; closing comment\r\n\r\n[B]\r\nx=1\r\n"},
        {"new key after the section's last key", before, "A", "k2", "v 2",
         "; top\r\n[A]\r\nkey = old \r\nk2=v 2\r\n; closing comment\r\n\r\n[B]\r\nx=1\r\n"},
        {"new section at the end", before, "C", "z", "9",
         "; top\r\n[A]\r\nkey = old \r\n; closing comment\r\n\r\n[B]\r\nx=1\r\n[C]\r\nz=9\r\n"},
        {"delete key", before, "a", "Key", nullptr, "; top\r\n[A]\r\n; closing comment\r\n\r\n[B]\r\nx=1\r\n"},
        {"delete section up to the next header", before, "a", nullptr, nullptr, "; top\r\n[B]\r\nx=1\r\n"},
        {"delete the last section", before, "B", nullptr, nullptr,
         "; top\r\n[A]\r\nkey = old \r\n; closing comment\r\n\r\n"},
        {"new key in a section without keys", "[A]\n\n[B]\nx=1\n", "A", "k", "v", "[A]\r\nk=v\r\n\r\n[B]\r\nx=1\r\n"},
        {"every section of the name deleted", "[a]\nx=1\n[b]\ny=2\n[A]\nz=3\n", "A", nullptr, nullptr,
         "[b]\r\ny=2\r\n"},
        {"every line of the key deleted", "[a]\nk=1\nK=2\nj=3\n[b]\nk=4\n", "a", "k", nullptr,
         "[a]\r\nj=3\r\n[b]\r\nk=4\r\n"},
        {"first section and first key replaced", "[a]\nk=1\nk=2\n[a]\nk=3\n", "A", "K", "9",
         "[a]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\n"},
        {"keys before any header untouched", "k=1\n[a]\nj=2\n", "a", "k", "5", "k=1\r\n[a]\r\nj=2\r\nk=5\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[a]\nk=1\n", "A", "k", "2", "\xEF\xBB\xBF[a]\r\nk=2\r\n"},
        {"empty value", "[a]\nk=1\n", "a", "k", "", "[a]\r\nk=\r\n"},
    };
    for (const Case& c : cases) {
        put(c.before);
        EXPECT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, file_)) << c.what;
        EXPECT_EQ(bytes(), c.after) << c.what;
    }
}

TEST_F(Profile, WritingNothingNewLeavesTheFileAsItIs)
{
    EXPECT_TRUE(WritePrivateProfileString("A", "k", nullptr, file_));
    EXPECT_TRUE(WritePrivateProfileString("A", nullptr, nullptr, file_));
    EXPECT_FALSE(fs::exists(file_));

    const std::string lf = "[A]\nk = 1\n";
    put(lf);
    EXPECT_TRUE(WritePrivateProfileString("a", "K", "1", file_));
    EXPECT_TRUE(WritePrivateProfileString("a", "other", nullptr, file_));
    EXPECT_TRUE(WritePrivateProfileString("B", nullptr, nullptr, file_));
    EXPECT_EQ(bytes(), lf);
}

TEST_F(Profile, RefusesWhatTheFileCouldNotGiveBackAndReportsFailures)
{
    const std::string content = "[A]\r\nk=1\r\n";
    put(content);
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    for (const Case& c : std::vector<Case>{{nullptr, "k", "v"},
                                           {"A", "a=b", "v"},
                                           {"A", ";k", "v"},
                                           {"A", "[k", "v"},
                                           {"A", " ", "v"},
                                           {"A", "k", "1\r\nj=2"},
                                           {"A]B", "k", "v"},
                                           {"", "k", "v"}}) {
        errno = 0;
        EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, file_)) << c.key;
        EXPECT_EQ(errno, EINVAL) << c.key;
    }
    EXPECT_EQ(bytes(), content);

    errno = 0;
    EXPECT_FALSE(WritePrivateProfileString("A", "k", "v", (dir_ / "no-such-dir" / "x.ini").string()));
    EXPECT_EQ(errno, ENOENT);

    // A settings file that exists but cannot be read is not replaced by the
    // few lines of one edit. Root reads any file, so a link loop stands in.
    fs::create_symlink("loop.ini", dir_ / "loop.ini");
    errno = 0;
    EXPECT_FALSE(WritePrivateProfileString("A", "k", "v", (dir_ / "loop.ini").string()));
    EXPECT_EQ(errno, ELOOP);
    EXPECT_TRUE(fs::is_symlink(dir_ / "loop.ini"));

    fs::create_directory(dir_ / "folder.ini");
    std::string error;
    EXPECT_FALSE(profile::writeString(dir_ / "folder.ini", "A", "k", "v", error));
    EXPECT_NE(error.find("folder.ini"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.ini"));
}

TEST_F(Profile, MissingFileReadsAsDefaultsAndIsCreatedByAWrite)
{
    std::array<char, 64> buffer;
    buffer.fill('#');
    EXPECT_EQ(GetPrivateProfileSectionNames(buffer.data(), 64, file_), 0);
    EXPECT_EQ(std::string(buffer.data(), 3), std::string("\0\0#", 3));
    EXPECT_EQ(GetPrivateProfileSection("A", buffer.data(), 64, file_), 0);
    EXPECT_EQ(GetPrivateProfileString("A", "k", "dflt", buffer.data(), 64, file_), 4);
    EXPECT_STREQ(buffer.data(), "dflt");
    EXPECT_EQ(GetPrivateProfileInt("A", "k", -5, file_), -5);
    EXPECT_FALSE(fs::exists(file_));

    EXPECT_TRUE(WritePrivateProfileString("S", "k", "v", file_));
    EXPECT_EQ(bytes(), "[S]\r\nk=v\r\n");
}

// The settings dialog deletes its section and writes every key again; the
// reader then takes the values by position.
TEST_F(Profile, SavingASettingsGroupRoundTripsInKeyOrder)
{
    put("[QTRUSBSETTING]\nUSBRevRowDelay=800\nUSBRevTimeOut=10000\n[QTRCOMSETTING]\nBaudrate=9600\nCOMPort=COM2\n");
    ASSERT_TRUE(WritePrivateProfileString("QTRCOMSETTING", nullptr, nullptr, file_));
    const std::vector<std::pair<const char*, const char*>> keys = {
        {"COMPort", "COM1"}, {"Baudrate", "19200"}, {"CheckBit", "0"},       {"DataBit", "8"},
        {"Protol", "0"},     {"ReceiveTimeOut", "10000"}, {"RowDelay", "800"}, {"StopBit", "0"}};
    std::string expected = "[QTRUSBSETTING]\r\nUSBRevRowDelay=800\r\nUSBRevTimeOut=10000\r\n[QTRCOMSETTING]\r\n";
    std::vector<std::string> lines;
    for (const auto& [key, value] : keys) {
        ASSERT_TRUE(WritePrivateProfileString("QTRCOMSETTING", key, value, file_));
        expected += std::string(key) + "=" + value + "\r\n";
        lines.push_back(std::string(key) + "=" + value);
    }
    EXPECT_EQ(bytes(), expected);

    std::array<char, 6000> buffer {};
    const int n = GetPrivateProfileSection("QTRCOMSETTING", buffer.data(), 6000, file_);
    std::string list;
    for (const std::string& line : lines) list += line + '\0';
    EXPECT_EQ(std::string(buffer.data(), n + 1), list + '\0');
}

// The "only when the key exists" write mode asks with a default that no real
// value can equal.
TEST_F(Profile, SentinelDefaultTellsAMissingKeyFromAnEmptyOne)
{
    std::array<char, 2048> buffer {};
    const int sentinelLength = static_cast<int>(std::strlen(kNoneValue));
    EXPECT_EQ(GetPrivateProfileString("QTRCOMSETTING", "COMPort", kNoneValue, buffer.data(), 2048, file_),
              sentinelLength);
    EXPECT_STREQ(buffer.data(), kNoneValue);

    ASSERT_TRUE(WritePrivateProfileString("QTRCOMSETTING", "COMPort", "", file_));
    EXPECT_EQ(GetPrivateProfileString("QTRCOMSETTING", "COMPort", kNoneValue, buffer.data(), 2048, file_), 0);
    EXPECT_STREQ(buffer.data(), "");

    ASSERT_TRUE(WritePrivateProfileString("QTRCOMSETTING", "COMPort", nullptr, file_));
    EXPECT_EQ(GetPrivateProfileString("QTRCOMSETTING", "COMPort", kNoneValue, buffer.data(), 2048, file_),
              sentinelLength);
    EXPECT_STREQ(buffer.data(), kNoneValue);
}

TEST_F(Profile, ListsCutToTheCallersBuffersEndWithTwoNuls)
{
    std::string content;
    for (int i = 0; i < 200; ++i) content += "[Section" + std::to_string(1000 + i) + "]\r\n"; // 12 bytes listed each
    content += "[Big]\r\n";
    for (int i = 0; i < 500; ++i) content += "Key" + std::to_string(1000 + i) + "=value\r\n"; // 14 bytes listed each
    put(content);

    std::array<char, 6000> buffer {};
    EXPECT_EQ(GetPrivateProfileSectionNames(buffer.data(), 2048, file_), 2046);
    EXPECT_EQ(std::string(buffer.data(), 12), std::string("Section1000\0", 12));
    EXPECT_EQ(std::string(buffer.data() + 2040, 8), std::string("Sectio\0\0", 8));

    EXPECT_EQ(GetPrivateProfileSection("big", buffer.data(), 6000, file_), 5998);
    EXPECT_EQ(std::string(buffer.data() + 5992, 8), std::string("Key142\0\0", 8));

    put("[Big]\r\nKey=value\r\n");
    EXPECT_EQ(GetPrivateProfileSection("big", buffer.data(), 6000, file_), 10);
}

TEST_F(Profile, TinyBuffersAreNeverWrittenPast)
{
    put("[ab]\r\n[c]\r\n[S]\r\nk=abcdef\r\n");
    struct Case {
        int size;
        int names;           // result of listing "ab\0c\0S\0\0"
        std::string namesOut;
        int string;          // result of reading "abcdef"
    };
    const std::vector<Case> cases = {
        {0, 0, "", 0},
        {1, 0, std::string("\0", 1), 0},
        {2, 0, std::string("\0\0", 2), 1},
        {3, 1, std::string("a\0\0", 3), 2},
        {5, 3, std::string("ab\0\0\0", 5), 4},
        {8, 7, std::string("ab\0c\0S\0\0", 8), 6},
        {9, 7, std::string("ab\0c\0S\0\0", 8), 6},
    };
    for (const Case& c : cases) {
        std::array<char, 32> buffer;
        buffer.fill('#');
        EXPECT_EQ(GetPrivateProfileSectionNames(buffer.data(), c.size, file_), c.names) << c.size;
        EXPECT_EQ(std::string(buffer.data(), c.namesOut.size()), c.namesOut) << c.size;
        EXPECT_EQ(buffer[c.namesOut.size()], '#') << c.size;

        buffer.fill('#');
        EXPECT_EQ(GetPrivateProfileString("S", "k", "", buffer.data(), c.size, file_), c.string) << c.size;
        if (c.size > 0) {
            EXPECT_EQ(std::string(buffer.data()), std::string("abcdef").substr(0, c.string)) << c.size;
        }
        EXPECT_EQ(buffer[static_cast<std::size_t>(c.size)], '#') << c.size;
    }
    EXPECT_EQ(GetPrivateProfileSectionNames(nullptr, 100, file_), 0);
    EXPECT_EQ(GetPrivateProfileSection("S", nullptr, 100, file_), 0);
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", nullptr, 100, file_), 0);
    std::array<char, 4> one {'#', '#', '#', '#'};
    EXPECT_EQ(GetPrivateProfileSection("S", one.data(), -1, file_), 0);
    EXPECT_EQ(one[0], '#');
}

TEST_F(Profile, ConcurrentWritersLoseNoKey)
{
    auto writer = [this](const char* prefix) {
        for (int i = 0; i < 40; ++i) {
            const std::string key = prefix + std::to_string(i);
            EXPECT_TRUE(WritePrivateProfileString("S", key.c_str(), "1", file_));
        }
    };
    std::thread first(writer, "a");
    std::thread second(writer, "b");
    first.join();
    second.join();
    EXPECT_EQ(profile::section(file_, "S").size(), 80u);
}

} // namespace
} // namespace harwick::platform
