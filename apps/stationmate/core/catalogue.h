// What the instrument holds, listed into the device tree under its port:
// code lists, jobs with their fixpoint and measurement block counts, output
// formats (read but not shown) and road alignments.
#pragma once

#include "device_tree.h"
#include "link.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stationmate {

inline constexpr std::string_view kCodeListsGroup = "CodeLists";
inline constexpr std::string_view kJobsGroup = "Jobs";
inline constexpr std::string_view kFormatsGroup = "Formats";
inline constexpr std::string_view kRoadHalsGroup = "RoadHals";
inline constexpr std::string_view kRoadValsGroup = "RoadVals";
inline constexpr std::string_view kCodeListPrefix = "Codelist ";
inline constexpr std::string_view kJobPrefix = "Job ";
inline constexpr std::string_view kHalPrefix = "Hal ";
inline constexpr std::string_view kValPrefix = "Val ";
inline constexpr std::string_view kFixpointsPrefix = "Fixpoints: ";
inline constexpr std::string_view kMeasurementsPrefix = "Measurement Data: ";
inline constexpr std::string_view kBlocksSuffix = " Blocks";
inline constexpr std::string_view kTitleSeparator = ": ";
inline constexpr std::string_view kEmptyJobName = "<empty>";

// The records of a pulled list: the collected replies cut at every CR LF,
// less the last two pieces (the end marker and the empty rest) and any other
// end marker.
std::vector<std::string> RecordsOf(std::string_view collected);

// Node titles made from a record's comma-separated fields.
std::string CodeListTitle(std::string_view record);
std::string JobTitle(std::string_view record);
std::string FixpointsTitle(std::string_view count);
std::string MeasurementsTitle(std::string_view count);
std::string AlignmentTitle(std::string_view prefix, std::string_view record);
// Field i of a record, empty beyond its end.
std::string RecordField(std::string_view record, std::size_t i);

// The records of the last listing as the instrument sent them, per group
// in listing order (formats too, which the tree leaves out), with the
// serial number from the identification.
struct CatalogueRecords {
    std::string serial;
    std::vector<std::pair<std::string_view, std::vector<std::string>>> groups; // group title, records
    const std::vector<std::string>* group(std::string_view title) const;
};

class Catalogue {
public:
    Catalogue(InstrumentLink& link, Prompter& prompter, WaitIndicator& wait);

    // Lists the instrument behind the port node into it.
    bool ListDevice(DeviceNode& port);
    // The tree's "about to expand" notification for node (already expanded
    // nodes are about to collapse and are left alone).
    void OnExpanding(DeviceNode& node, bool expanded);
    // The Update command: the listed port goes back to its placeholder and is
    // listed again at its next expansion. True when a node should collapse.
    bool Update();

    DeviceNode* ListedPortNode() const { return listedPort_; }
    // What the last ListDevice read, as far as it got.
    const CatalogueRecords& Records() const { return records_; }
    bool RefreshPending() const { return refreshPending_; }
    // Reads one list; nothing after a time-out (the port is closed then).
    std::optional<std::vector<std::string>> ReadList(std::string_view command, bool reportTimeOut);

private:
    bool listGroups(DeviceNode& port);
    void insertRecord(DeviceNode& group, std::string_view groupTitle, std::string_view record);

    InstrumentLink& link_;
    Prompter& prompter_;
    WaitIndicator& wait_;
    DeviceNode* listedPort_ = nullptr;
    bool refreshPending_ = true;
    CatalogueRecords records_;
};

} // namespace stationmate
