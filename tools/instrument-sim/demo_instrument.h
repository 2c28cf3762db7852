// A realistic instrument to try the suite on: a serial number, a code list,
// three jobs (one an empty slot) with GSI fixpoints and measurement data, an
// output format, and one horizontal and one vertical road alignment.
#pragma once

#include "instrument-sim/instrument_store.h"

#include <string>

namespace harwick::sim {

inline constexpr const char* kDemoSerial = "12345";

// Writes the demo objects into store, replacing objects of the same numbers.
[[nodiscard]] bool SeedDemoInstrument(InstrumentStore& store);

// What the demo instrument sends over its cable: job 1's fixpoints as GSI-16
// lines (USB, protocol None), the same points as KARD lines, and those
// framed as the coordinate block stream (protocol Ack/Nak).
std::string DemoCableText();
std::string DemoCableKard();
std::string DemoCableBlocks();

} // namespace harwick::sim
