#include "convert.h"

#include "reduce_command.h"
#include "fileio/fileio.h"
#include "library_dir.h"
#include "list_file.h"

#include "csv/csv.h"

#include <filesystem>
#include <map>
#include <string_view>

namespace harwick::cli {

namespace {

constexpr std::string_view kCommand = "harwick convert: ";

constexpr harwick::UiText kConverted = "converted %1 point(s) from %2 '%3' to %4 '%5' (precision %6)";
constexpr harwick::UiText kNoKnownKind = "'%1': not a point list of any kind known here (%2)";
constexpr harwick::UiText kKindOr = " or ";
constexpr harwick::UiText kCouldBe = "'%1' could be %2: say which with --from";
constexpr harwick::UiText kUnknownOutputKind =
    "'%1': unknown kind of output (name it .gsi16, .gsi8, .dat, .idx, .csv, .geojson, .xml or .dxf, or give --to)";
constexpr harwick::UiText kNoPointsFound = "'%1': no points found.";
constexpr harwick::UiText kReduceDoesNotApply = "reduce reads GSI jobs and writes one file: %1 does not apply";
constexpr harwick::UiText kBadPrecision = "precision must be 0.001, 0.0001 or 0.00001, not '%1'";
constexpr harwick::UiText kTakesKinds = "%1 takes %2, not '%3'";
constexpr harwick::UiText kBadTextHeight = "--text-height takes a positive number, not '%1'";
constexpr harwick::UiText kOutDirNeedsTo = "--out-dir needs --to KIND";
constexpr harwick::UiText kOutDirNoFiles = "--out-dir converts the FILEs named after it; none is";
constexpr harwick::UiText kConvertTakes = "convert takes an INPUT and an OUTPUT file";
constexpr harwick::UiText kCannotMakeFolder = "cannot make the folder '%1': %2";
constexpr harwick::UiText kMadeAlready = "'%1' is not converted: '%2' is made from '%3' already";
constexpr harwick::UiText kNotConverted = "%1 of %2 file(s) not converted";

void warn(std::ostream& err, std::string_view sentence) { warnLine(err, kCommand, sentence); }

int fail(std::ostream& err, const std::string& message) { return failLine(err, kCommand, message); }

int usage(std::ostream& err, std::string_view problem) { return usageError(err, "convert", problem); }

} // namespace

namespace {

// The input's kind: as asked, as its name says, or as its content shows.
std::optional<pointlist::ListKind> inputKind(const ConvertRequest& request, std::string_view content,
                                             std::ostream& err)
{
    if (request.from) return request.from;
    if (!request.detect) {
        if (std::optional<pointlist::ListKind> named = pointlist::listKindOfPath(request.input)) return named;
    }
    const std::vector<pointlist::ListKind> found = pointlist::candidateListKinds(content);
    if (found.size() == 1) return found.front();
    if (found.empty()) {
        fail(err, Filled(kNoKnownKind, {request.input, pointlist::listKindWords()}));
        return std::nullopt;
    }
    std::string kinds;
    for (const pointlist::ListKind& kind : found) {
        if (!kinds.empty()) kinds += kKindOr;
        kinds += pointlist::listKindName(kind);
    }
    fail(err, Filled(kCouldBe, {request.input, kinds}));
    return std::nullopt;
}

// The output's kind: as asked, or as its name says.
std::optional<pointlist::ListKind> outputKind(const ConvertRequest& request, pointlist::SaveTarget& editorTarget)
{
    editorTarget = pointlist::resolveSavePath(request.output, std::nullopt);
    if (request.to) {
        editorTarget.kind = request.to->editor ? request.to->editor->kind : pointlist::FileKind::Unknown;
        editorTarget.flavour = request.to->editor ? request.to->editor->flavour : std::nullopt;
        return request.to;
    }
    if (editorTarget.kind != pointlist::FileKind::Unknown) {
        return pointlist::ListKind{pointlist::ContentKind{editorTarget.kind, editorTarget.flavour}, std::nullopt};
    }
    return pointlist::listKindOfPath(request.output);
}

} // namespace

std::optional<OutputPlan> planOutput(const ConvertRequest& request, std::ostream& err, std::string_view command)
{
    OutputPlan plan;
    std::optional<pointlist::ListKind> kind = outputKind(request, plan.target);
    if (!kind) {
        failLine(err, command, Filled(kUnknownOutputKind, {request.output}));
        return std::nullopt;
    }
    plan.kind = *kind;
    return plan;
}

int writeList(const ConvertRequest& request, OutputPlan plan, pointlist::Table& table, const ListDone& done,
              const text::LocalDateTime& now, std::ostream& out, std::ostream& err)
{
    const auto failed = [&](std::string_view message) { return failLine(err, done.command, message); };
    const auto warned = [&](std::string_view sentence) { warnLine(err, done.command, sentence); };
    pointlist::SaveTarget& target = plan.target;
    pointlist::ListKind* toKind = &plan.kind;
    std::string error;
    if (request.precision) pointlist::changePrecision(table, *request.precision);
    std::size_t rowsWritten = 0;
    if (toKind->editor) {
        // As the window saves a GSI name that names no flavour.
        if (target.kind == pointlist::FileKind::Gsi && !target.flavour) {
            target.flavour = table.flavour ? table.flavour : pointlist::kDefaultFlavour;
        }
        toKind->editor->flavour = target.flavour;
        pointlist::ExportResult result = pointlist::exportFile(table, target.kind, target.flavour, now);
        if (!platform::replaceFileAtomically(target.path, result.content, error)) return failed(error);
        for (const std::string& loss : pointlist::saveLosses(table, target, result)) warned(loss);
        rowsWritten = result.rowsWritten;
    } else {
        target.path = request.output;
        pointlist::ExchangeExport result = pointlist::exportExchange(table, *toKind->exchange, request.exchange, now);
        if (result.refusal) return failed("'" + request.output + "': " + *result.refusal);
        if (const std::optional<std::string> notWritten = listfile::Write(result, target.path, request.library)) {
            return failed(*notWritten);
        }
        for (const std::string& loss : result.losses) warned(loss);
        rowsWritten = result.rowsWritten;
    }
    out << Filled(done.sentence, {std::to_string(rowsWritten), done.inputKind, request.input,
                                  pointlist::listKindName(*toKind), target.path,
                                  pointlist::info(table.precision).text})
        << '\n';
    return kExitOk;
}

int convert(const ConvertRequest& request, const text::LocalDateTime& now, std::ostream& out, std::ostream& err)
{
    const std::optional<OutputPlan> plan = planOutput(request, err, kCommand);
    if (!plan) return kExitFailed;
    std::string error;
    std::optional<std::string> content = platform::readWholeFile(request.input, error);
    if (!content) return fail(err, error);
    const std::optional<pointlist::ListKind> fromKind = inputKind(request, *content, err);
    if (!fromKind) return kExitFailed;

    pointlist::Table table;
    std::vector<std::string> notes;
    if (fromKind->editor) {
        const pointlist::FileKind kind = fromKind->editor->kind;
        notes = pointlist::importNotes(pointlist::importFile(table, kind, *content), kind);
    } else {
        pointlist::ExchangeImport imported =
            pointlist::importExchange(table, *fromKind->exchange, *content, request.exchange);
        if (imported.refusal) return fail(err, "'" + request.input + "': " + *imported.refusal);
        notes = std::move(imported.notes);
    }
    if (pointlist::exportableRows(table) == 0) {
        std::string why;
        for (const std::string& note : notes) why += " " + note;
        return fail(err, Filled(kNoPointsFound, {request.input}) + why);
    }
    for (const std::string& note : notes) warn(err, note);
    pointlist::ListKind inputShown = *fromKind;
    if (inputShown.editor && inputShown.editor->kind == pointlist::FileKind::Gsi) inputShown.editor->flavour = table.flavour;
    const ListDone done{kCommand, kConverted, std::string(pointlist::listKindName(inputShown))};
    return writeList(request, *plan, table, done, now, out, err);
}

int convertCommand(const std::vector<std::string>& args, bool reducing, std::ostream& out, std::ostream& err)
{
    const auto wrong = [&](std::string_view problem) { return reducing ? reduceUsage(err, problem) : usage(err, problem); };
    bool compare = false;
    bool json = false;

    ConvertRequest request;
    request.library = drawmap::LibrarySearch{libraryDir(drawmap::kLibraryFileName), true};
    std::vector<std::string> files;
    std::optional<std::string> outDir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // "--name value" or "--name=value".
        std::optional<std::string> value;
        const std::size_t equals = a.find('=');
        const std::string name = a.substr(0, equals);
        const auto takeValue = [&]() -> bool {
            if (equals != std::string::npos) {
                value = a.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            }
            return value.has_value();
        };
        if (reducing && (name == "--compare" || name == "--json")) {
            (name == "--compare" ? compare : json) = true;
            continue;
        }
        if (reducing && (name == "--from" || name == "--out-dir")) {
            return wrong(Filled(kReduceDoesNotApply, {name}));
        }
        if (name == "--decimal-comma") {
            request.exchange.csvRead.decimalComma = true;
            request.exchange.csvWrite.decimalComma = true;
            continue;
        }
        if (!name.starts_with("--") || name.size() == 2) {
            files.push_back(a);
            continue;
        }
        if (name != "--precision" && name != "--from" && name != "--to" && name != "--columns" &&
            name != "--delimiter" && name != "--crs" && name != "--text-height" && name != "--out-dir") {
            return wrong(Filled(kUnknownOption, {a}));
        }
        if (!takeValue()) return wrong(Filled(kNeedsValue, {name}));
        if (name == "--precision") {
            request.precision = pointlist::parsePrecision(*value);
            if (!request.precision) return wrong(Filled(kBadPrecision, {*value}));
        } else if (name == "--from" && text::toLower(*value) == "auto") {
            request.detect = true;
        } else if (name == "--from" || name == "--to") {
            std::optional<pointlist::ListKind> kind = pointlist::parseListKind(*value);
            if (!kind) {
                return wrong(Filled(kTakesKinds, {name, pointlist::listKindWords(), *value}));
            }
            (name == "--from" ? request.from : request.to) = kind;
        } else if (name == "--columns") {
            csv::Result<csv::Columns> columns = csv::parseColumns(*value);
            if (!columns.ok()) return wrong(columns.error);
            request.exchange.csvRead.columns = *columns.value;
            request.exchange.csvWrite.columns = *columns.value;
        } else if (name == "--delimiter") {
            csv::Result<char> delimiter = csv::parseDelimiter(*value);
            if (!delimiter.ok()) return wrong(delimiter.error);
            request.exchange.csvRead.delimiter = *delimiter.value;
            request.exchange.csvWrite.delimiter = *delimiter.value;
        } else if (name == "--crs") {
            request.exchange.crs = *value;
        } else if (name == "--text-height") {
            const std::optional<double> height = dxf::parseTextHeight(*value);
            if (!height) return wrong(Filled(kBadTextHeight, {*value}));
            request.exchange.textHeight = *height;
        } else {
            outDir = *value;
        }
    }
    if (reducing) return reduceCommand(request, compare, json, files, text::localNow(), out, err);
    if (outDir) {
        if (!request.to) return wrong(kOutDirNeedsTo);
        if (files.empty()) return wrong(kOutDirNoFiles);
        return convertAll(request, *outDir, files, text::localNow(), out, err);
    }
    if (files.size() != 2) return wrong(kConvertTakes);
    request.input = files[0];
    request.output = files[1];
    return convert(request, text::localNow(), out, err);
}

int convertAll(ConvertRequest request, const std::string& outDir, const std::vector<std::string>& files,
               const text::LocalDateTime& now, std::ostream& out, std::ostream& err)
{
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    if (ec) return fail(err, Filled(kCannotMakeFolder, {outDir, ec.message()}));
    std::size_t failed = 0;
    std::map<std::string, std::string> madeFrom; // output name -> the input that made it
    for (const std::string& file : files) {
        request.input = file;
        std::filesystem::path output = std::filesystem::path(outDir) / std::filesystem::path(file).filename();
        output.replace_extension(std::string(pointlist::listKindExtension(*request.to)));
        request.output = output.string();
        // job.gsi and job.dat both make job.csv: the second must not replace the first.
        const auto [first, isNew] = madeFrom.try_emplace(request.output, file);
        if (!isNew) {
            fail(err, Filled(kMadeAlready, {file, request.output, first->second}));
            ++failed;
            continue;
        }
        if (convert(request, now, out, err) != kExitOk) ++failed;
    }
    if (failed > 0) {
        err << kCommand << Filled(kNotConverted, {std::to_string(failed), std::to_string(files.size())}) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace harwick::cli
