#include "names.h"

#include "dxf_out.h"

#include <algorithm>
#include <cmath>

namespace drawmap {

namespace {

bool NameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '$' || c == '-' ||
           c == '_';
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// DEL and the C0 controls; bytes from 0x80 up are 8-bit text.
bool ControlCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}

} // namespace

std::optional<std::string> SymbolName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxNameLength) return std::nullopt;
    if (!std::all_of(name.begin(), name.end(), NameCharacter)) return std::nullopt;
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
    return upper;
}

std::optional<std::string> VariableName(std::string_view name)
{
    if (name.size() < 2 || name.front() != word::kVariableMark) return std::nullopt;
    return SymbolName(name);
}

bool ValidText(std::string_view text)
{
    return text.size() <= kMaxTextLength && std::none_of(text.begin(), text.end(), ControlCharacter);
}

bool AllFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

} // namespace drawmap
