// The CSV reader with its detection, and what it read written again and
// read back: a list the reader takes must survive its own writer.
#include "csv/csv.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace harwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto read = csv::read(input);
    if (csv::looksLikeCsv(input) != csv::detectLayout(input).ok()) std::abort();
    if (!read.ok() || read.value->rows.empty()) return 0;
    csv::WriteOptions options;
    options.delimiter = read.value->layout.delimiter;
    options.decimalComma = read.value->layout.decimalComma;
    const auto written = csv::write(read.value->rows, options);
    if (!written.ok()) std::abort();
    const auto again = csv::read(*written.value);
    if (!again.ok() || again.value->rows != read.value->rows) std::abort();
    return 0;
}
