// Points computed from a job's measurements, as rows of the point list that
// the coordinate editor shows and `harwick reduce` writes.
#pragma once

#include "pointlist/pointlist.h"
#include "reduce/reduce.h"

#include <optional>
#include <string>
#include <vector>

namespace harwick::pointlist {

// Fills the table (emptied first) with the reduction's points. Every
// coordinate is written with the precision asked for, else with the
// decimals of the finest unit among the points, which then sets the
// table's precision; the GSI flavour is the job's.
void takeReduction(Table& table, const reduce::Reduction& reduction, std::optional<Precision> precision = {});

// What the reduction did, for the user: the points computed from
// measurements and from the origin, those the instrument gave, the blocks
// skipped. Counts only; each skipped block's line and reason are in the
// reduction.
std::vector<std::string> reductionNotes(const reduce::Reduction& reduction);

// "line 12: a direction but no distance"
std::string skippedText(const reduce::Skipped& skipped);

} // namespace harwick::pointlist
