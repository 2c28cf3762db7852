#include "ui_text.h"

#include "catalogues.h"

#include <QString>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace harwick {
namespace {

// Every entry of the catalogues sits in this one context.
constexpr const char* kContext = "harwick";

constexpr std::string_view kEnglishName = "en";
constexpr std::string_view kChineseName = "zh";
constexpr std::string_view kOriginalName = "original";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::optional<Language> Named(std::string_view name) {
    const std::string lower = Lower(name);
    if (lower == kOriginalName) return Language::Original;
    // "zh", "zh_CN", "zh-Hans": Chinese; "en", "en_GB": English.
    if (lower.starts_with(kChineseName)) return Language::Chinese;
    if (lower.starts_with(kEnglishName)) return Language::English;
    return std::nullopt;
}

std::optional<std::string_view> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string_view(value);
}

// One catalogue a language, loaded on first use, and the texts found in it.
// A found text is kept for the rest of the run, so the views handed out stay
// valid whichever language comes next.
class Catalogues {
public:
    std::string_view Find(Language language, const char* source) {
        if (language == Language::Original || *source == '\0') return source;
        const std::lock_guard lock(mutex_);
        auto& found = found_[Index(language)];
        if (const auto it = found.find(source); it != found.end()) return it->second;
        std::optional<std::string> entry = EntryLocked(language, source);
        return found.emplace(source, entry ? std::move(*entry) : std::string(source)).first->second;
    }

    std::optional<std::string> Entry(Language language, std::string_view source) {
        if (language == Language::Original) return std::nullopt;
        const std::lock_guard lock(mutex_);
        return EntryLocked(language, std::string(source).c_str());
    }

private:
    static std::size_t Index(Language language) { return language == Language::Chinese ? 1 : 0; }

    std::optional<std::string> EntryLocked(Language language, const char* source) {
        QTranslator& translator = Loaded(language);
        const QString text = translator.translate(kContext, source);
        if (text.isEmpty()) return std::nullopt;
        return text.toStdString();
    }

    QTranslator& Loaded(Language language) {
        std::unique_ptr<QTranslator>& slot = translators_[Index(language)];
        if (!slot) {
            slot = std::make_unique<QTranslator>();
            const CatalogueData data = language == Language::Chinese ? ChineseCatalogue() : EnglishCatalogue();
            // A catalogue that does not load leaves every text in its source wording.
            (void)slot->load(data.bytes, static_cast<int>(data.size));
        }
        return *slot;
    }

    std::mutex mutex_;
    std::array<std::unique_ptr<QTranslator>, 2> translators_;
    // Keyed by the source's address: every UiText's source is a literal.
    std::array<std::unordered_map<const char*, std::string>, 2> found_;
};

Catalogues& TheCatalogues() {
    static Catalogues catalogues;
    return catalogues;
}

std::atomic<int> chosen{-1};

} // namespace

Language LanguageFor(std::optional<std::string_view> override, std::optional<std::string_view> lcAll,
                     std::optional<std::string_view> lcMessages, std::optional<std::string_view> lang) {
    if (override) {
        if (const std::optional<Language> named = Named(*override)) return *named;
    }
    for (const std::optional<std::string_view>& locale : {lcAll, lcMessages, lang}) {
        if (!locale || locale->empty()) continue;
        return Lower(*locale).starts_with(kChineseName) ? Language::Chinese : Language::English;
    }
    return Language::English;
}

Language CurrentLanguage() {
    int value = chosen.load();
    if (value < 0) {
        const Language fromEnvironment = LanguageFor(Environment("HARWICK_LANGUAGE"), Environment("LC_ALL"),
                                                     Environment("LC_MESSAGES"), Environment("LANG"));
        int expected = -1;
        chosen.compare_exchange_strong(expected, static_cast<int>(fromEnvironment));
        value = chosen.load();
    }
    return static_cast<Language>(value);
}

void UseLanguage(Language language) { chosen.store(static_cast<int>(language)); }

std::string_view QtCatalogueLocale(Language language) {
    return language == Language::Chinese ? std::string_view("zh_CN") : std::string_view();
}

std::optional<std::string> CatalogueEntry(Language language, std::string_view source) {
    return TheCatalogues().Entry(language, source);
}

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size()) {
                out.append(*(arguments.begin() + index));
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

std::string_view UiText::View() const { return TheCatalogues().Find(CurrentLanguage(), source_); }

} // namespace harwick
