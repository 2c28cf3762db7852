// The editor's file commands: Open, Save and SaveAs, with the state they
// keep (the current path and the GSI flavour Save writes). The editor talks
// to its user and to the grid through the small interfaces below, which the
// window implements with Qt and the tests with scripted answers.
#pragma once

#include "editor_messages.h"

#include "formats_alias.h"

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

class PointEditor {
public:
    PointEditor(GridHost& grid, Prompter& prompter, FileChooser& files);

    // Asks for a file and opens it.
    void Open();
    // Reads the file into the grid. A file that cannot be read, is of no
    // kind the editor knows or holds no point leaves the grid and the
    // current path as they were, and the user is told. The status line says
    // how many points were read and how many blocks or lines were skipped.
    // true when opened.
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
    bool Write(pointlist::SaveTarget target);

    GridHost& grid_;
    Prompter& prompter_;
    FileChooser& files_;
    std::string currentPath_;
    std::optional<gsi::Flavour> flavour_;
};

} // namespace pointbook
