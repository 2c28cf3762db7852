// The line counters the conversions and list dialogs use to decide whether
// the editor's text is a list of the expected shape. Only lines that end with
// CR LF count.
#pragma once

#include <cstddef>
#include <string_view>

namespace cablemate {

// KARD lines: at each line end, when the commas seen so far divided by four
// are not the lines seen so far, that quotient comes back at once (the good
// lines before a bad one). At the end: the line count when the commas are a
// multiple of four, else 0. Empty text: 0.
std::size_t CountKardLines(std::string_view text);

// Code-list lines «number,code»: 0 as soon as the commas so far are not
// exactly one per line, else the line count. Empty text: 0.
std::size_t CountCodeLines(std::string_view text);

} // namespace cablemate
