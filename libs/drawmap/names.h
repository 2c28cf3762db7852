// What the drawing accepts as a name or a text, as R12 defines them.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace drawmap {

// R12 names: 1 to 31 letters, digits, "$", "-" or "_".
inline constexpr std::size_t kMaxNameLength = 31;
// Longest text a TEXT entity or a header string holds.
inline constexpr std::size_t kMaxTextLength = 255;

// The name in upper case, as the drawing stores it, or nothing when it is not
// a valid R12 name.
std::optional<std::string> SymbolName(std::string_view name);

// A header variable: "$" and a valid name, in upper case.
std::optional<std::string> VariableName(std::string_view name);

// At most kMaxTextLength bytes, none of them a control character (a line
// end would break the file's line structure).
bool ValidText(std::string_view text);

// No value is infinite or not a number.
bool AllFinite(std::initializer_list<double> values);

} // namespace drawmap
