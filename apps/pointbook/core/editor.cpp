#include "editor.h"

#include "save_rules.h"

#include "fileio/fileio.h"
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

PointEditor::PointEditor(GridHost& grid, Prompter& prompter, FileChooser& files)
    : grid_(grid), prompter_(prompter), files_(files)
{
}

void PointEditor::Open()
{
    if (std::optional<std::string> path = files_.OpenPath()) OpenFile(*path);
}

bool PointEditor::OpenFile(const std::string& path)
{
    // The path is matched without regard to case, as the editor always has;
    // the file keeps the name it has on disk.
    const FileKind kind = pointlist::kindOfPath(path);
    if (kind == FileKind::Unknown) {
        prompter_.ShowMessage(concat({path, kNotAPointFile, kSentenceBreak, kGridKept}));
        return false;
    }
    std::string error;
    const std::optional<std::string> content = harwick::platform::readWholeFile(path, error);
    if (!content) {
        prompter_.ShowMessage(concat({kCannotOpen, path, kReasonSeparator, error, kSentenceBreak, kGridKept}));
        return false;
    }
    // KARD and IDX keep the precision and flavour the editor had.
    pointlist::Table table;
    table.precision = grid_.Points().precision;
    table.flavour = flavour_;
    const pointlist::ImportReport report = pointlist::importFile(table, kind, *content);
    const std::vector<std::string> notes = pointlist::importNotes(report, kind);
    if (table.rows.empty()) {
        std::string text = concat({kNoPointsFound, path, kFullStop});
        for (const std::string& n : notes) text += concat({kSentenceBreak, n});
        prompter_.ShowMessage(concat({text, kSentenceBreak, kGridKept}));
        return false;
    }
    currentPath_ = path;
    flavour_ = table.flavour;
    std::string status = concat({kOpenedPrefix, path, kStatusSeparator, std::to_string(table.rows.size()), kPointsSuffix});
    for (const std::string& n : notes) status += concat({" ", n});
    grid_.ReplacePoints(std::move(table));
    grid_.ShowStatus(status);
    return true;
}

bool PointEditor::Save()
{
    grid_.CommitPendingEdit();
    if (currentPath_.empty()) return SaveAs();
    return Write(pointlist::resolveSavePath(currentPath_, flavour_));
}

bool PointEditor::SaveAs()
{
    grid_.CommitPendingEdit();
    const std::optional<SaveChoice> choice = files_.SavePath();
    if (!choice) return false;
    const pointlist::SaveTarget target =
        pointlist::resolveSavePath(NameForSaveFilter(choice->path, choice->filter), flavour_);
    if (target.kind != FileKind::Unknown) {
        std::error_code ec;
        if (std::filesystem::exists(target.path, ec) &&
            !prompter_.AskYesNo(concat({target.path, kAlreadyExists}))) {
            return false;
        }
    }
    return Write(target);
}

bool PointEditor::Write(pointlist::SaveTarget target)
{
    // Nothing is created for a name of no known kind: an empty file would
    // look like a saved job.
    if (target.kind == FileKind::Unknown) {
        prompter_.ShowMessage(concat({target.path, kUnknownSaveKind}));
        return false;
    }
    if (target.kind == FileKind::Gsi && !target.flavour) target.flavour = pointlist::kDefaultFlavour;
    const pointlist::Table& points = grid_.Points();
    const pointlist::ExportResult result =
        pointlist::exportFile(points, target.kind, target.flavour, harwick::text::localNow());
    // Asked before writing: afterwards the old file would already be gone.
    if (const std::vector<std::string> losses = pointlist::saveLosses(points, target, result); !losses.empty()) {
        std::string text = concat({target.path, kWouldHoldLess});
        for (const std::string& loss : losses) text += concat({kBullet, loss});
        if (!prompter_.AskYesNo(concat({text, kSaveAnyway}))) {
            grid_.ShowStatus(kNotSaved);
            return false;
        }
    }
    std::string error;
    if (!harwick::platform::replaceFileAtomically(target.path, result.content, error)) {
        prompter_.ShowMessage(concat({kCannotSave, target.path, kReasonSeparator, error}));
        return false;
    }
    currentPath_ = target.path;
    flavour_ = target.flavour;
    grid_.ShowStatus(
        concat({kSavedPrefix, target.path, kStatusSeparator, std::to_string(result.rowsWritten), kPointsSuffix}));
    return true;
}

} // namespace pointbook
