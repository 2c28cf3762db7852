// A test's language for its own scope: the texts in that language while it
// lives, the original texts again when it ends (every other test expects them).
#pragma once

#include "language/ui_text.h"

#include <cstddef>
#include <string_view>

namespace harwick::testing {

class LanguageScope {
public:
    explicit LanguageScope(Language language) { UseLanguage(language); }
    ~LanguageScope() { UseLanguage(Language::Original); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// Whether UTF-8 text holds a Chinese character (CJK ideographs, CJK and
// full-width punctuation).
inline bool HasChinese(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0xE3 || lead > 0xEF) continue;
        const unsigned code = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                              (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
        if ((code >= 0x3000 && code <= 0x303F) || (code >= 0x3400 && code <= 0x9FFF) ||
            (code >= 0xFF00 && code <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

} // namespace harwick::testing
