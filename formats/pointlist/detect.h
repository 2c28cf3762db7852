// What a point list is, told from its content when its name does not say:
// GSI-8, GSI-16, KARD or IDX. A file that reads as more than one kind is
// ambiguous and a converter must ask which one is meant.
#pragma once

#include "pointlist/pointlist.h"

#include <optional>
#include <string_view>
#include <vector>

namespace harwick::pointlist {

struct ContentKind {
    FileKind kind = FileKind::Unknown;
    std::optional<gsi::Flavour> flavour; // for GSI

    bool operator==(const ContentKind&) const = default;
};

// Every kind the content reads as; empty when none, more than one when the
// content alone cannot decide. Blank lines and line ends of any form do not
// count; a file cut off in its last line still counts as what came before.
std::vector<ContentKind> candidateKinds(std::string_view content);

// "GSI-16", "GSI-8", "KARD", "IDX".
std::string_view kindName(const ContentKind& kind);

} // namespace harwick::pointlist
