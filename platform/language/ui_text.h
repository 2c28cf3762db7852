// The texts a user reads, in one language at a time.
//
// A UiText is written once, in the program's own wording (its source). Where
// it is read, it gives that wording in the chosen language: English, Chinese,
// or the source itself ("original", the wording exactly as written). Only
// texts a person reads are UiTexts; file contents, settings keys and the
// instrument's protocol stay plain strings, so no language ever reaches them.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace harwick {

enum class Language { English, Chinese, Original };

class UiText {
public:
    // Implicit, so that a constant is a UiText initialised with "=" and a
    // string literal: the form scripts/translations.py collects.
    constexpr UiText(const char* source) noexcept : source_(source) {}
    constexpr UiText() noexcept = default;

    // The text in the chosen language; valid for the rest of the run.
    std::string_view View() const;
    operator std::string_view() const { return View(); }
    constexpr std::string_view Source() const noexcept { return source_; }

    std::size_t size() const { return View().size(); }
    bool empty() const { return View().empty(); }
    // The text in the chosen language, ending with a NUL.
    const char* data() const { return View().data(); }

    friend bool operator==(const UiText& text, std::string_view other) { return text.View() == other; }
    friend std::ostream& operator<<(std::ostream& out, const UiText& text) { return out << text.View(); }

private:
    const char* source_ = "";
};

// The pattern with %1 … %9 replaced by the arguments, in one pass: a
// sentence is translated whole, and each language puts the values where its
// word order wants them. A "%" not followed by a digit stays as it is.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The language a user with this environment gets: HARWICK_LANGUAGE (en, zh or
// original) when it names one, else Chinese for a Chinese locale (the first of
// LC_ALL, LC_MESSAGES and LANG that is set) and English for any other.
Language LanguageFor(std::optional<std::string_view> override, std::optional<std::string_view> lcAll,
                     std::optional<std::string_view> lcMessages, std::optional<std::string_view> lang);

// The process's language: from the environment on first use, unless chosen.
Language CurrentLanguage();
void UseLanguage(Language language);

// Qt's own catalogue name for the language ("zh_CN"), empty where Qt's own
// English texts serve.
std::string_view QtCatalogueLocale(Language language);

// What the lookup finds for a source in a language, without the fallback to
// the source: empty where the catalogue has no finished entry.
std::optional<std::string> CatalogueEntry(Language language, std::string_view source);

} // namespace harwick
