#include "line_counts.h"

namespace cablemate {

namespace {
constexpr std::size_t kKardCommas = 4;
}

std::size_t CountKardLines(std::string_view text) {
    std::size_t lines = 0, commas = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ',') {
            ++commas;
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++lines;
            ++i;
            if (commas / kKardCommas != lines) return commas / kKardCommas;
        }
    }
    return commas % kKardCommas == 0 ? lines : 0;
}

std::size_t CountCodeLines(std::string_view text) {
    std::size_t lines = 0, commas = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ',') {
            ++commas;
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++lines;
            ++i;
            if (commas != lines) return 0;
        }
    }
    return lines;
}

} // namespace cablemate
