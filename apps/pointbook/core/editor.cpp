#include "editor.h"

#include "save_rules.h"

#include "fileio/fileio.h"
#include "list_file.h"
#include "pointlist/reduced.h"
#include "reduce/reduce.h"
#include "text/text.h"

#include <filesystem>
#include <utility>

namespace pointbook {

namespace {

using harwick::text::concat;
using pointlist::FileKind;

constexpr std::string_view kReasonSeparator = ": ";
constexpr std::string_view kFullStop = ".";
constexpr std::string_view kSentenceBreak = "\n";
constexpr std::string_view kBullet = "\n- ";

} // namespace

PointEditor::PointEditor(GridHost& grid, Prompter& prompter, FileChooser& files, drawmap::LibrarySearch library)
    : grid_(grid), prompter_(prompter), files_(files), library_(std::move(library))
{
}

void PointEditor::Open()
{
    if (std::optional<std::string> path = files_.OpenPath()) OpenFile(*path);
}

bool PointEditor::OpenFile(const std::string& path)
{
    std::string error;
    const std::optional<std::string> content = harwick::platform::readWholeFile(path, error);
    if (!content) {
        prompter_.ShowMessage(concat({kCannotOpen, path, kReasonSeparator, error, kSentenceBreak, kGridKept}));
        return false;
    }
    // The path is matched without regard to case, as the editor always has;
    // the file keeps the name it has on disk. A name that says no kind is
    // read as what its content shows, when that is one kind.
    std::optional<pointlist::ListKind> kind = pointlist::listKindOfPath(path);
    const bool named = kind.has_value();
    if (!kind) {
        const std::vector<pointlist::ListKind> found = pointlist::candidateListKinds(*content);
        if (found.size() > 1) {
            std::string kinds;
            for (const pointlist::ListKind& k : found) {
                if (!kinds.empty()) kinds += kCouldBeOr;
                kinds += pointlist::listKindName(k);
            }
            prompter_.ShowMessage(concat({path, kCouldBe, kinds, kNameTheKind, kSentenceBreak, kGridKept}));
            return false;
        }
        if (found.empty()) {
            prompter_.ShowMessage(concat({path, kNotAPointFile, kSentenceBreak, kGridKept}));
            return false;
        }
        kind = found.front();
    }
    // KARD and IDX keep the precision and flavour the editor had.
    pointlist::Table table;
    table.precision = grid_.Points().precision;
    table.flavour = flavour_;
    std::vector<std::string> notes;
    std::optional<harwick::csv::WriteOptions> csvLayout;
    bool computed = false;
    if (kind->editor && kind->editor->kind == FileKind::Gsi && AskToCompute(path, *content)) {
        const harwick::reduce::Reduction reduction = harwick::reduce::reduceJob(*content);
        pointlist::takeReduction(table, reduction);
        notes = pointlist::reductionNotes(reduction);
        computed = true;
    } else if (kind->editor) {
        const FileKind fileKind = kind->editor->kind;
        notes = pointlist::importNotes(pointlist::importFile(table, fileKind, *content), fileKind);
    } else {
        pointlist::ExchangeImport imported = pointlist::importExchange(table, *kind->exchange, *content, {});
        if (imported.refusal) {
            prompter_.ShowMessage(
                concat({kCannotOpen, path, kReasonSeparator, *imported.refusal, kSentenceBreak, kGridKept}));
            return false;
        }
        notes = std::move(imported.notes);
        csvLayout = std::move(imported.csvLayout);
    }
    if (table.rows.empty()) {
        std::string text = concat({kNoPointsFound, path, kFullStop});
        for (const std::string& n : notes) text += concat({kSentenceBreak, n});
        prompter_.ShowMessage(concat({text, kSentenceBreak, kGridKept}));
        return false;
    }
    // Saving computed points over the job would lose its measurements.
    currentPath_ = computed ? std::string() : path;
    flavour_ = table.flavour;
    currentKind_ = named ? std::nullopt : kind;
    if (csvLayout) exchangeOptions_.csvWrite = std::move(*csvLayout);
    std::string status = concat({kOpenedPrefix, path, kStatusSeparator, std::to_string(table.rows.size()), kPointsSuffix});
    for (const std::string& n : notes) status += concat({" ", n});
    if (computed) status += kComputedUntitled;
    grid_.ReplacePoints(std::move(table));
    grid_.ShowStatus(status);
    return true;
}

bool PointEditor::AskToCompute(const std::string& path, std::string_view content)
{
    const std::size_t measured = harwick::reduce::measuredWithoutCoordinates(content);
    if (measured == 0) return false;
    return prompter_.AskYesNo(concat({path, kMeasuredHolds, std::to_string(measured),
                                      measured == 1 ? kMeasuredBlock : kMeasuredBlocks, kComputeQuestion}));
}

bool PointEditor::Save()
{
    grid_.CommitPendingEdit();
    if (currentPath_.empty()) return SaveAs();
    return Write(DestinationOf(currentPath_));
}

bool PointEditor::SaveAs()
{
    grid_.CommitPendingEdit();
    const std::optional<SaveChoice> choice = files_.SavePath();
    if (!choice) return false;
    const Destination destination = DestinationOf(NameForSaveFilter(choice->path, choice->filter));
    if (destination.target.kind != FileKind::Unknown || destination.exchange) {
        std::error_code ec;
        if (std::filesystem::exists(destination.target.path, ec) &&
            !prompter_.AskYesNo(concat({destination.target.path, kAlreadyExists}))) {
            return false;
        }
    }
    return Write(destination);
}

Destination PointEditor::DestinationOf(const std::string& path) const
{
    Destination destination{pointlist::resolveSavePath(path, flavour_), std::nullopt};
    if (destination.target.kind != FileKind::Unknown) return destination;
    std::optional<pointlist::ListKind> kind = pointlist::listKindOfPath(path);
    // The file opened under a name that says no kind is saved as what it was.
    if (!kind && path == currentPath_) kind = currentKind_;
    if (kind && kind->editor) {
        destination.target.kind = kind->editor->kind;
    } else if (kind) {
        destination.exchange = kind->exchange;
    }
    return destination;
}

bool PointEditor::Write(Destination destination)
{
    pointlist::SaveTarget& target = destination.target;
    // Nothing is created for a name of no known kind: an empty file would
    // look like a saved job.
    if (target.kind == FileKind::Unknown && !destination.exchange) {
        prompter_.ShowMessage(concat({target.path, kUnknownSaveKind}));
        return false;
    }
    const pointlist::Table& points = grid_.Points();
    const harwick::text::LocalDateTime now = harwick::text::localNow();
    pointlist::ExchangeExport made;
    if (destination.exchange) {
        made = pointlist::exportExchange(points, *destination.exchange, exchangeOptions_, now);
        if (made.refusal) {
            prompter_.ShowMessage(concat({kCannotSave, target.path, kReasonSeparator, *made.refusal}));
            return false;
        }
    } else {
        if (target.kind == FileKind::Gsi && !target.flavour) target.flavour = pointlist::kDefaultFlavour;
        pointlist::ExportResult result = pointlist::exportFile(points, target.kind, target.flavour, now);
        made.losses = pointlist::saveLosses(points, target, result);
        made.content = std::move(result.content);
        made.rowsWritten = result.rowsWritten;
    }
    // Asked before writing: afterwards the old file would already be gone.
    if (!made.losses.empty()) {
        std::string text = concat({target.path, kWouldHoldLess});
        for (const std::string& loss : made.losses) text += concat({kBullet, loss});
        if (!prompter_.AskYesNo(concat({text, kSaveAnyway}))) {
            grid_.ShowStatus(kNotSaved);
            return false;
        }
    }
    if (const std::optional<std::string> error = harwick::listfile::Write(made, target.path, library_)) {
        prompter_.ShowMessage(concat({kCannotSave, target.path, kReasonSeparator, *error}));
        return false;
    }
    currentPath_ = target.path;
    if (destination.exchange) {
        currentKind_ = pointlist::ListKind{std::nullopt, destination.exchange};
    } else {
        flavour_ = target.flavour;
        currentKind_ = pointlist::ListKind{pointlist::ContentKind{target.kind, target.flavour}, std::nullopt};
    }
    grid_.ShowStatus(
        concat({kSavedPrefix, target.path, kStatusSeparator, std::to_string(made.rowsWritten), kPointsSuffix}));
    return true;
}

} // namespace pointbook
