// The editor's file commands: Open, Save and SaveAs, with the state they
// keep (the current path and the GSI flavour Save writes). The editor talks
// to its user and to the grid through the small interfaces below, which the
// window implements with Qt and the tests with scripted answers.
#pragma once

#include "editor_messages.h"

#include "formats_alias.h"

#include "drawmap_binding.h"
#include "pointlist/exchange.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pointbook {

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void ShowMessage(std::string_view text) = 0;
    // true for Yes.
    virtual bool AskYesNo(std::string_view text) = 0;
};

// The save dialog's answer: the name as the user typed or picked it, and
// which of kSaveFilters was chosen.
struct SaveChoice {
    std::string path;
    std::size_t filter = kGsi16Filter;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // An existing file to open; nothing on Cancel.
    virtual std::optional<std::string> OpenPath() = 0;
    // Nothing on Cancel. The editor asks about overwriting itself, because
    // the name it writes is not always the name the dialog saw.
    virtual std::optional<SaveChoice> SavePath() = 0;
};

// The grid as the editor sees it.
class GridHost {
public:
    virtual ~GridHost() = default;
    virtual const pointlist::Table& Points() const = 0;
    virtual void ReplacePoints(pointlist::Table table) = 0;
    // Puts a cell edit still in progress into the grid.
    virtual void CommitPendingEdit() = 0;
    // The window's status line: what the last Open or Save did.
    virtual void ShowStatus(std::string_view text) = 0;
};

// Where a save goes: one of the editor's own kinds, or a list other tools
// read; neither when the name says no kind the editor writes.
struct Destination {
    pointlist::SaveTarget target;
    std::optional<pointlist::ExchangeKind> exchange;
};

class PointEditor {
public:
    // library: where the drawing library is, for saving drawings.
    PointEditor(GridHost& grid, Prompter& prompter, FileChooser& files, drawmap::LibrarySearch library = {});

    // Asks for a file and opens it.
    void Open();
    // Reads the file into the grid: its kind as its name says, else as its
    // content shows. A file that cannot be read, is of no kind the editor
    // knows (or could be more than one) or holds no point leaves the grid and
    // the current path as they were, and the user is told. The status line
    // says how many points were read and what was passed over. true when
    // opened.
    bool OpenFile(const std::string& path);

    // Writes the grid to the current path, asking for one when there is none.
    bool Save();
    // Asks for a name (and about replacing an existing file), then writes.
    // A file that would hold less than the grid (values or names that do not
    // fit, rows left out) is written only when the user says so.
    bool SaveAs();

    // Empty until a file was opened or saved.
    const std::string& CurrentPath() const { return currentPath_; }
    std::optional<gsi::Flavour> Flavour() const { return flavour_; }

private:
    // Whether a GSI job's measured blocks without coordinates are to be
    // computed into points; asked only when it holds any.
    bool AskToCompute(const std::string& path, std::string_view content);
    Destination DestinationOf(const std::string& path) const;
    bool Write(Destination destination);

    GridHost& grid_;
    Prompter& prompter_;
    FileChooser& files_;
    std::string currentPath_;
    std::optional<gsi::Flavour> flavour_;
    // The kind of the current file when its name does not say it.
    std::optional<pointlist::ListKind> currentKind_;
    // How lists for other tools are written: a CSV file is written back in
    // the layout of the last one opened.
    pointlist::ExchangeOptions exchangeOptions_;
    drawmap::LibrarySearch library_;
};

} // namespace pointbook
