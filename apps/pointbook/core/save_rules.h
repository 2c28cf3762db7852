// What Save makes of the user's choice: the name a save-dialog entry stands
// for.
#pragma once

#include "formats_alias.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pointbook {

// The name for the save dialog's entry (an index into kSaveFilters): a name
// typed without an extension gets the entry's; a ".gsi" name typed with a GSI
// entry chosen gets that entry's pseudo-extension, so the chosen flavour is
// written. Any other name, or an entry out of range, keeps the name as typed.
std::string NameForSaveFilter(std::string_view chosen, std::size_t filter);

} // namespace pointbook
