#include "instrument-sim/demo_instrument.h"

#include "instrument-sim/cable_blocks.h"

#include "gsi/gsi.h"
#include "idex/idex.h"
#include "kard/kard.h"
#include "text/text.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace harwick::sim {

namespace {

// The code list as a surveyor keeps it on the PC; the instrument holds the
// IDEX text made from it.
constexpr std::array<const char*, 15> kCodeListSource{{
    "HEADER", "\tVERSION 1.20", "END HEADER", "DEFINITIONS", "\tCODELIST", "\t\tTEMPLATE_ID\t1000",
    "\t\tCODES(Code, Name, OBJTYPE, Shortcut)", "\t\t\"KERB\",\t\"Kerb line\",\tPOINT,\t1;",
    "\t\t\"TREE\",\t\"Tree\",\tPOINT,\t2;", "\t\t\"FENCE\",\t\"Fence\",\tPOINT,\t3;", "\t\tEND CODES",
    "\t\tATTRIBUTES(Attribute, Code, Default, DATATYPE, MANDATORY, HIDDEN)",
    "\t\t\"Species\",\t\"TREE\",\t\"oak\",\tTEXT,\tNO,\tNO;", "\t\tEND ATTRIBUTES", "END DEFINITIONS",
}};

template <std::size_t N>
std::vector<std::string> lines(const std::array<const char*, N>& source)
{
    return {source.begin(), source.end()};
}

constexpr std::array<const char*, 4> kCodes{"KERB", "TREE", "FENCE", ""};

std::vector<std::string> codeListLines()
{
    std::vector<std::string> idexLines;
    idex::ConvertCodeList(lines(kCodeListSource), idexLines, text::LocalDateTime{2026, 5, 14, 9, 12, 44});
    return idexLines;
}

std::string withoutLineEnd(std::string block)
{
    while (!block.empty() && (block.back() == '\n' || block.back() == '\r')) block.pop_back();
    return block;
}

// A control traverse and detail points spread along a street.
struct DemoPoint {
    std::string name;
    std::string code;
    double east = 0, north = 0, height = 0;
};

std::vector<DemoPoint> streetPoints(std::size_t count, double east, double north, int firstName)
{
    std::vector<DemoPoint> points;
    for (std::size_t i = 0; i < count; ++i) {
        const double step = static_cast<double>(i);
        points.push_back({i == 0 ? "STN1" : i == 1 ? "BM7" : std::to_string(firstName + static_cast<int>(i)),
                          kCodes[i % kCodes.size()], east + 6.25 * step + 0.731 * std::sin(step),
                          north + 3.9 * step - 1.2 * std::cos(step), 112.45 - 0.037 * step});
    }
    return points;
}

// The points as GSI-16 blocks in millimetres.
std::vector<std::string> fixpoints(std::size_t count, double east, double north, int firstName)
{
    std::vector<std::string> blocks;
    std::size_t row = 0;
    for (const DemoPoint& p : streetPoints(count, east, north, firstName)) {
        std::string block;
        gsi::appendEditorBlock(block, gsi::Flavour::Gsi16, ++row, p.name, p.code, p.east, p.north, p.height,
                               gsi::kMillimetre);
        blocks.push_back(withoutLineEnd(std::move(block)));
    }
    return blocks;
}

// Job 1's fixpoints: what the cable side sends.
constexpr std::size_t kCablePoints = 36;
constexpr double kCableEast = 21500.0, kCableNorth = 48200.0;
constexpr int kCableFirstName = 100;

// A station set-up followed by angle and distance observations, GSI-8.
std::vector<std::string> measurements(std::size_t count)
{
    std::vector<std::string> blocks;
    std::string station;
    gsi::appendTextWord(station, "110001+", "STN1", gsi::Flavour::Gsi8);
    station += " 84..10+02150000 85..10+04820000 86..10+00112450 88..10+00001580 ";
    blocks.push_back(station);
    for (std::size_t i = 0; i < count; ++i) {
        const auto row = static_cast<int>(i) + 2;
        std::string block;
        gsi::appendTextWord(block, gsi::editorPointHead(static_cast<std::size_t>(row)), std::to_string(100 + row),
                            gsi::Flavour::Gsi8);
        block += ' ';
        gsi::appendTextWord(block, "21.324+", std::to_string((1234567 + 7654321 * static_cast<long>(i)) % 40000000),
                            gsi::Flavour::Gsi8);
        block += ' ';
        gsi::appendTextWord(block, "22.324+", std::to_string(9900000 + 13579 * static_cast<long>(i)),
                            gsi::Flavour::Gsi8);
        block += ' ';
        gsi::appendTextWord(block, "31..00+", std::to_string(12345 + 4321 * static_cast<long>(i)), gsi::Flavour::Gsi8);
        block += " 87..10+00001500 ";
        blocks.push_back(block);
    }
    return blocks;
}

constexpr std::array<const char*, 6> kHalLines{{
    "START,0.000,21500.000,48200.000,57.8142",
    "STRAIGHT,148.350",
    "SPIRAL,60.000,350.000",
    "ARC,212.480,350.000",
    "SPIRAL,60.000,350.000",
    "STRAIGHT,96.115",
}};
constexpr std::array<const char*, 5> kValLines{{
    "POINT,0.000,112.450",
    "PARABOLA,180.000,120.000",
    "POINT,420.000,118.905",
    "PARABOLA,360.000,80.000",
    "POINT,576.945,115.210",
}};

} // namespace

bool SeedDemoInstrument(InstrumentStore& store)
{
    return store.SetSerial(kDemoSerial) && store.SetFormats({"GSI16_Coords"}) &&
           store.PutCodeList(1, "ROADS", codeListLines()) &&
           store.PutJob(1, "NORTHFIELD", fixpoints(kCablePoints, kCableEast, kCableNorth, kCableFirstName),
                        measurements(24)) &&
           store.PutJob(2, "BRIDGE", fixpoints(12, 22480.0, 47910.0, 500), {}) && store.PutJob(3, "", {}, {}) &&
           store.PutAlignment(AlignmentKind::Hal, 1, "ROAD1", lines(kHalLines)) &&
           store.PutAlignment(AlignmentKind::Val, 1, "ROAD1", lines(kValLines));
}

std::string DemoCableText()
{
    std::string text;
    for (const std::string& block : fixpoints(kCablePoints, kCableEast, kCableNorth, kCableFirstName)) {
        text.append(block);
        text.append(text::kCrLf);
    }
    return text;
}

std::string DemoCableKard()
{
    std::string text;
    for (const DemoPoint& p : streetPoints(kCablePoints, kCableEast, kCableNorth, kCableFirstName)) {
        kard::appendCableLine(text, p.name, p.code, p.east, p.north, p.height);
    }
    return text;
}

std::string DemoCableBlocks() { return FrameKardCoordinates(DemoCableKard()).value_or(std::string()); }

} // namespace harwick::sim
