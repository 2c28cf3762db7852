// The language a user gets, and the texts the catalogues give.
#include "language/ui_text.h"

#include "language_scope.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace harwick {
namespace {

using harwick::testing::HasChinese;
using harwick::testing::LanguageScope;

// Texts of the programs, one in each source language, with their catalogue entries.
constexpr UiText kEnglishSource = "Timeout!";
constexpr UiText kChineseSource = "通讯结束!";

TEST(Language, TheEnvironmentChoosesIt) {
    struct Case {
        std::optional<std::string_view> override, lcAll, lcMessages, lang;
        Language expected;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, Language::English},
        {std::nullopt, std::nullopt, std::nullopt, "zh_CN.UTF-8", Language::Chinese},
        {std::nullopt, std::nullopt, std::nullopt, "zh_TW.UTF-8", Language::Chinese},
        {std::nullopt, std::nullopt, std::nullopt, "de_DE.UTF-8", Language::English},
        {std::nullopt, std::nullopt, std::nullopt, "C", Language::English},
        // LC_ALL wins over LC_MESSAGES, which wins over LANG; an empty one is not set.
        {std::nullopt, "en_GB.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8", Language::English},
        {std::nullopt, "", "zh_CN.UTF-8", "en_US.UTF-8", Language::Chinese},
        {std::nullopt, std::nullopt, "fr_FR.UTF-8", "zh_CN.UTF-8", Language::English},
        // HARWICK_LANGUAGE wins when it names a language, in any case.
        {"original", "zh_CN.UTF-8", std::nullopt, std::nullopt, Language::Original},
        {"EN", std::nullopt, std::nullopt, "zh_CN.UTF-8", Language::English},
        {"zh", std::nullopt, std::nullopt, "en_US.UTF-8", Language::Chinese},
        {"zh_CN", std::nullopt, std::nullopt, std::nullopt, Language::Chinese},
        {"klingon", std::nullopt, std::nullopt, "zh_CN.UTF-8", Language::Chinese},
        {"", std::nullopt, std::nullopt, std::nullopt, Language::English},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LanguageFor(c.override, c.lcAll, c.lcMessages, c.lang), c.expected)
            << c.override.value_or("-") << " " << c.lcAll.value_or("-") << " " << c.lcMessages.value_or("-") << " "
            << c.lang.value_or("-");
    }
}

TEST(Language, EachLanguageSpeaksOneLanguage) {
    {
        const LanguageScope scope(Language::English);
        EXPECT_EQ(std::string_view(kEnglishSource), "Timeout!");
        EXPECT_FALSE(HasChinese(kChineseSource.View())) << kChineseSource.View();
        EXPECT_FALSE(kChineseSource.View().empty());
    }
    {
        const LanguageScope scope(Language::Chinese);
        EXPECT_TRUE(HasChinese(kEnglishSource.View())) << kEnglishSource.View();
        EXPECT_EQ(std::string_view(kChineseSource), "通讯结束!");
    }
    {
        const LanguageScope scope(Language::Original);
        EXPECT_EQ(std::string_view(kEnglishSource), "Timeout!");
        EXPECT_EQ(std::string_view(kChineseSource), "通讯结束!");
        EXPECT_EQ(kChineseSource.View().data(), kChineseSource.Source().data()) << "the source itself, not a copy";
    }
    // The catalogues are in the program: no file needs to be found for them.
    EXPECT_TRUE(CatalogueEntry(Language::English, "通讯结束!").has_value());
    EXPECT_TRUE(CatalogueEntry(Language::Chinese, "Timeout!").has_value());
    EXPECT_FALSE(CatalogueEntry(Language::Chinese, "a text no program writes").has_value());
    EXPECT_FALSE(CatalogueEntry(Language::Original, "Timeout!").has_value());
}

TEST(Language, ATextStaysValidWhenTheLanguageChanges) {
    std::string_view english;
    {
        const LanguageScope scope(Language::English);
        english = kChineseSource.View();
    }
    const std::string kept(english);
    {
        const LanguageScope scope(Language::Chinese);
        (void)kChineseSource.View();
        (void)kEnglishSource.View();
    }
    EXPECT_EQ(english, kept);
    EXPECT_EQ(english.data()[english.size()], '\0') << "data() ends with a NUL for C interfaces";
}

TEST(Language, FilledPutsTheValuesWhereThePatternSays) {
    EXPECT_EQ(Filled("cannot open %1: %2", {"job.gsi", "no such file"}), "cannot open job.gsi: no such file");
    EXPECT_EQ(Filled("%2 中的 %1 行", {"3", "job.gsi"}), "job.gsi 中的 3 行");
    // A value's own "%1" is not read again; a "%" without a digit, or without a value, stays.
    EXPECT_EQ(Filled("%1 and %2", {"%2", "x"}), "%2 and x");
    EXPECT_EQ(Filled("100% of %1, %3", {"it"}), "100% of it, %3");
    EXPECT_EQ(Filled("ends with %", {}), "ends with %");
}

// The window's thread and transfer threads read texts at once.
TEST(Language, TextsAreReadFromManyThreads) {
    const LanguageScope scope(Language::Chinese);
    std::vector<std::thread> readers;
    std::vector<std::string> seen(4);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        readers.emplace_back([&seen, i] {
            for (int n = 0; n < 200; ++n) seen[i] = std::string(i % 2 == 0 ? kEnglishSource : kChineseSource);
        });
    }
    for (std::thread& t : readers) t.join();
    EXPECT_EQ(seen[0], seen[2]);
    EXPECT_EQ(seen[1], "通讯结束!");
}

} // namespace
} // namespace harwick
