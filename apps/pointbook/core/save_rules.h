// What Save makes of the user's choice and what it tells the user after
// writing: the name a save-dialog entry stands for, and the warnings about
// anything the written file holds less of than the grid.
#pragma once

#include "formats_alias.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pointbook {

// The name for the save dialog's entry (an index into kSaveFilters): a name
// typed without an extension gets the entry's; a ".gsi" name typed with a GSI
// entry chosen gets that entry's pseudo-extension, so the chosen flavour is
// written. Any other name, or an entry out of range, keeps the name as typed.
std::string NameForSaveFilter(std::string_view chosen, std::size_t filter);

// The flavour written for a GSI target that names none: GSI-16, which holds
// every name, code and coordinate the grid can hold at any precision.
inline constexpr gsi::Flavour kDefaultFlavour = gsi::Flavour::Gsi16;

// One sentence per way the file holds less than the grid: rows after the
// first row without a name, block numbers beyond 9999, values and texts
// that did not fit the GSI words. Empty when the file holds everything.
std::vector<std::string> SaveWarnings(const pointlist::Table& table, const pointlist::SaveTarget& target,
                                      const pointlist::ExportResult& result);

} // namespace pointbook
