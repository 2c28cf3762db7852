// Throughput of the point-file readers and writers on large jobs. Each case
// runs at two sizes, ten times apart, so that the cost per byte can be seen to
// stay flat as the job grows.
#include "fileio/fileio.h"
#include "gsi/gsi.h"
#include "list_file.h"
#include "idx/idx.h"
#include "jobdata/jobdata.h"
#include "kard/kard.h"
#include "pointlist/exchange.h"
#include "pointlist/pointlist.h"
#include "survey_rows.h"
#include "text/text.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <unistd.h>
#include <random>
#include <string>
#include <vector>

using namespace harwick;

namespace {

struct Point {
    std::string name;
    std::string code;
    double easting;
    double northing;
    double elevation;
};

const std::vector<Point>& points(std::size_t n)
{
    static std::map<std::size_t, std::vector<Point>> cache;
    auto [it, inserted] = cache.try_emplace(n);
    if (inserted) {
        std::mt19937_64 rng(n);
        std::uniform_real_distribution<double> plane(-50000.0, 950000.0);
        std::uniform_real_distribution<double> height(-50.0, 3000.0);
        const char* codes[] = {"", "KERB", "TREE", "FENCE", "MH"};
        it->second.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            it->second.push_back(Point{"P" + std::to_string(i + 1), codes[i % 5], plane(rng), plane(rng), height(rng)});
        }
    }
    return it->second;
}

const std::string& gsi16Text(std::size_t n)
{
    static std::map<std::size_t, std::string> cache;
    auto [it, inserted] = cache.try_emplace(n);
    if (inserted) {
        std::size_t row = 0;
        for (const Point& p : points(n)) {
            gsi::appendEditorBlock(it->second, gsi::Flavour::Gsi16, ++row, p.name, p.code, p.easting, p.northing,
                                   p.elevation, gsi::kMillimetre);
        }
    }
    return it->second;
}

const std::string& kardText(std::size_t n)
{
    static std::map<std::size_t, std::string> cache;
    auto [it, inserted] = cache.try_emplace(n);
    if (inserted) {
        for (const Point& p : points(n)) kard::appendCableLine(it->second, p.name, p.code, p.easting, p.northing, p.elevation);
    }
    return it->second;
}

std::vector<idx::IdxPoint> idxPoints(std::size_t n)
{
    std::vector<idx::IdxPoint> out;
    out.reserve(n);
    for (const Point& p : points(n)) {
        out.push_back(idx::IdxPoint{p.name, p.code, text::formatFixed(p.easting, 3), text::formatFixed(p.northing, 3),
                                    text::formatFixed(p.elevation, 3)});
    }
    return out;
}

using bench::kWhen;
using bench::setBytes;

// ---- GSI-16 -----------------------------------------------------------------

void BM_Gsi16WriteEditor(benchmark::State& state)
{
    const auto& pts = points(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        out.reserve(pts.size() * 130);
        std::size_t row = 0;
        for (const Point& p : pts) {
            gsi::appendEditorBlock(out, gsi::Flavour::Gsi16, ++row, p.name, p.code, p.easting, p.northing,
                                   p.elevation, gsi::kMillimetre);
        }
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    setBytes(state, bytes);
}

void BM_Gsi16WriteExchange(benchmark::State& state)
{
    const auto& pts = points(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        out.reserve(pts.size() * 100);
        for (const Point& p : pts) {
            gsi::appendExchangePointBlock(out, p.name, p.easting, p.northing, p.elevation);
            out.append(text::kCrLf);
        }
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    setBytes(state, bytes);
}

void BM_Gsi16ReadEditor(benchmark::State& state)
{
    const std::string& in = gsi16Text(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        double sum = 0;
        text::forEachLine(in, [&](std::string_view line) { sum += gsi::readEditorBlock(line).easting.value_or(0); });
        benchmark::DoNotOptimize(sum);
    }
    setBytes(state, in.size());
}

// The editor's whole import into its grid rows. The table is filled once
// before timing and kept, as a window keeps its grid, so what is measured is
// the reading and not the kernel handing out fresh pages for a new grid
// (160 MB of cells for a million points).
void BM_Gsi16ImportEditor(benchmark::State& state)
{
    const std::string& in = gsi16Text(static_cast<std::size_t>(state.range(0)));
    pointlist::Table table;
    pointlist::importFile(table, pointlist::FileKind::Gsi, in);
    for (auto _ : state) {
        pointlist::importFile(table, pointlist::FileKind::Gsi, in);
        benchmark::DoNotOptimize(table.rows.data());
    }
    setBytes(state, in.size());
}

void BM_Gsi16ReadDrawing(benchmark::State& state)
{
    const std::string& in = gsi16Text(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        double sum = 0;
        for (std::string_view line : gsi::splitDrawingLines(in)) sum += gsi::readDrawingBlock(line).easting.value_or(0);
        benchmark::DoNotOptimize(sum);
    }
    setBytes(state, in.size());
}

void BM_Gsi16ReadCable(benchmark::State& state)
{
    const std::string& in = gsi16Text(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::size_t chars = 0;
        text::forEachLine(in, [&](std::string_view line) {
            gsi::MarkedBlock marked = gsi::markBlankSeparated(line);
            for (std::string_view word : gsi::splitBlankSeparated(marked.body, gsi::kCableMaxPieces)) {
                std::string_view index = gsi::wordIndex(word);
                if (index == gsi::kPointNumber) chars += gsi::decodeBlankSeparatedText(word).size();
                else if (index >= gsi::kEasting && index <= gsi::kStationHeight)
                    chars += gsi::decodeCableLength(word, marked.flavour).value_or(std::string()).size();
            }
        });
        benchmark::DoNotOptimize(chars);
    }
    setBytes(state, in.size());
}

void BM_Gsi16ToKardExchange(benchmark::State& state)
{
    const std::string& in = gsi16Text(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string out = jobdata::KardFromJobData(in);
        benchmark::DoNotOptimize(out.data());
    }
    setBytes(state, in.size());
}

// ---- KARD -------------------------------------------------------------------

void BM_KardReadLines(benchmark::State& state)
{
    const std::string& in = kardText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::size_t chars = 0;
        text::forEachLine(in, [&](std::string_view line) {
            if (std::optional<kard::KardPoint> p = kard::readLine(line)) chars += p->easting.size();
        });
        benchmark::DoNotOptimize(chars);
    }
    setBytes(state, in.size());
}

void BM_KardImportEditor(benchmark::State& state)
{
    const std::string& in = kardText(static_cast<std::size_t>(state.range(0)));
    pointlist::Table table;
    pointlist::importFile(table, pointlist::FileKind::Kard, in);
    for (auto _ : state) {
        pointlist::importFile(table, pointlist::FileKind::Kard, in);
        benchmark::DoNotOptimize(table.rows.data());
    }
    setBytes(state, in.size());
}

void BM_KardWriteCable(benchmark::State& state)
{
    const auto& pts = points(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        out.reserve(pts.size() * 48);
        for (const Point& p : pts) kard::appendCableLine(out, p.name, p.code, p.easting, p.northing, p.elevation);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    setBytes(state, bytes);
}

void BM_KardWriteEditor(benchmark::State& state)
{
    pointlist::Table table;
    pointlist::importFile(table, pointlist::FileKind::Kard, kardText(static_cast<std::size_t>(state.range(0))));
    std::size_t bytes = 0;
    for (auto _ : state) {
        pointlist::ExportResult r = pointlist::exportFile(table, pointlist::FileKind::Kard, std::nullopt, kWhen);
        bytes = r.content.size();
        benchmark::DoNotOptimize(r.content.data());
    }
    setBytes(state, bytes);
}

void BM_KardToGsi16Upload(benchmark::State& state)
{
    const std::string& in = kardText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::size_t bytes = 0;
        text::forEachLine(in, [&](std::string_view line) { bytes += jobdata::KardLineToGsi16(line).size(); });
        benchmark::DoNotOptimize(bytes);
    }
    setBytes(state, in.size());
}

// ---- IDX --------------------------------------------------------------------

void BM_IdxWrite(benchmark::State& state)
{
    const std::vector<idx::IdxPoint> pts = idxPoints(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out = idx::write(pts, kWhen);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    setBytes(state, bytes);
}

void BM_IdxRead(benchmark::State& state)
{
    const std::string in = idx::write(idxPoints(static_cast<std::size_t>(state.range(0))), kWhen);
    for (auto _ : state) {
        std::vector<idx::IdxPoint> pts = idx::readPoints(in);
        benchmark::DoNotOptimize(pts.data());
    }
    setBytes(state, in.size());
}

} // namespace

// A GSI-16 job to each exchange format and back, one `harwick convert` at a
// time. To: the editor's import, the exchange writer, the file written (a
// drawing through the real libdrawmap.so). Back: the file read, the exchange
// reader, the editor's GSI-16 export, the file written. Arg 1: 0 CSV,
// 1 GeoJSON, 2 LandXML, 3 DXF.
namespace {

std::filesystem::path benchFile(std::string_view what)
{
    return std::filesystem::temp_directory_path() /
           ("harwick-bench-" + std::to_string(::getpid()) + "-" + std::string(what));
}

const drawmap::LibrarySearch kDrawmap{DRAWMAP_DIR, false};

// The exchange file of a GSI-16 job, written; false when it was not.
bool convertTo(const std::string& gsi16, pointlist::ExchangeKind kind, const std::filesystem::path& file)
{
    pointlist::Table table;
    pointlist::importFile(table, pointlist::FileKind::Gsi, gsi16);
    const pointlist::ExchangeExport out = pointlist::exportExchange(table, kind, {}, kWhen);
    return !out.refusal && !listfile::Write(out, file.string(), kDrawmap);
}

} // namespace

void BM_Gsi16ToExchange(benchmark::State& state)
{
    const std::string& in = gsi16Text(static_cast<std::size_t>(state.range(0)));
    const auto kind = static_cast<pointlist::ExchangeKind>(state.range(1));
    const std::filesystem::path file = benchFile("to");
    for (auto _ : state) {
        if (!convertTo(in, kind, file)) {
            state.SkipWithError("the exchange file was not written");
            break;
        }
    }
    std::filesystem::remove(file);
    setBytes(state, in.size());
}
BENCHMARK(BM_Gsi16ToExchange)
    ->ArgsProduct({{1000000}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

void BM_ExchangeToGsi16(benchmark::State& state)
{
    const std::string& gsi16 = gsi16Text(static_cast<std::size_t>(state.range(0)));
    const auto kind = static_cast<pointlist::ExchangeKind>(state.range(1));
    const std::filesystem::path file = benchFile("exchange");
    const std::filesystem::path back = benchFile("back.gsi");
    if (!convertTo(gsi16, kind, file)) state.SkipWithError("the exchange file was not written");
    for (auto _ : state) {
        std::string error;
        const std::optional<std::string> content = platform::readWholeFile(file, error);
        pointlist::Table table;
        if (!content || pointlist::importExchange(table, kind, *content, {}).refusal) {
            state.SkipWithError("the exchange file was refused");
            break;
        }
        const pointlist::ExportResult out =
            pointlist::exportFile(table, pointlist::FileKind::Gsi, gsi::Flavour::Gsi16, kWhen);
        if (!platform::replaceFileAtomically(back, out.content, error)) {
            state.SkipWithError("the GSI-16 file was not written");
            break;
        }
    }
    std::filesystem::remove(file);
    std::filesystem::remove(back);
    setBytes(state, gsi16.size());
}
BENCHMARK(BM_ExchangeToGsi16)
    ->ArgsProduct({{1000000}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

#define HARWICK_SIZES(bm, small) BENCHMARK(bm)->Arg(small)->Arg((small) * 10)->Unit(benchmark::kMillisecond)

HARWICK_SIZES(BM_Gsi16WriteEditor, 100000);
HARWICK_SIZES(BM_Gsi16WriteExchange, 100000);
HARWICK_SIZES(BM_Gsi16ReadEditor, 100000);
HARWICK_SIZES(BM_Gsi16ImportEditor, 100000);
HARWICK_SIZES(BM_Gsi16ReadDrawing, 100000);
HARWICK_SIZES(BM_Gsi16ReadCable, 100000);
HARWICK_SIZES(BM_Gsi16ToKardExchange, 100000);
HARWICK_SIZES(BM_KardReadLines, 100000);
HARWICK_SIZES(BM_KardImportEditor, 100000);
HARWICK_SIZES(BM_KardWriteCable, 100000);
HARWICK_SIZES(BM_KardWriteEditor, 100000);
HARWICK_SIZES(BM_KardToGsi16Upload, 100000);
HARWICK_SIZES(BM_IdxWrite, 10000);
HARWICK_SIZES(BM_IdxRead, 10000);
