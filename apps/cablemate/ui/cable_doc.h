// CCablemateDoc: the document is the editor's text. New empties it, Open
// shows a file's bytes unchanged, Save As writes the text as it is (".gsi"
// and any other name), as KARD lines (".dat", behind the "Saveas" progress
// dialog) or as a DXF drawing (".dxf"). Files are replaced whole: a failed
// save never leaves half a file, and a save with nothing to write says so
// and leaves the file as it was.
#pragma once

#include "cable_view.h"
#include "document_save.h"
#include "window_interfaces.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

namespace cablemate {

class CCablemateDoc {
public:
    // The recent-file list keeps this many entries.
    static constexpr std::size_t kRecentFiles = 4;

    // recentFile: where the recent-file list is kept between runs.
    CCablemateDoc(CCablemateView& view, Interactions interactions, std::filesystem::path recentFile);
    ~CCablemateDoc();  // waits for a conversion that still writes

    void New();
    // Asks for the file when path is empty. False when nothing was opened.
    bool Open(const std::string& path = {});
    void SaveAs();

    // The save target that the last Save As dialog chose and no save has
    // used up yet: kept only while the editor was empty.
    const std::optional<std::filesystem::path>& PendingTarget() const { return target_; }
    const std::deque<std::string>& RecentFiles() const { return recent_; }
    // Waits for the KARD conversion of a Save As to end.
    void WaitForSave();

private:
    void Remember(const std::string& path);
    void Write(const std::filesystem::path& target, const SaveContent& content);
    void SaveKard(const std::filesystem::path& target, const std::string& text);
    void StoreRecent() const;

    CCablemateView& view_;
    Interactions interactions_;
    std::filesystem::path recentFile_;
    std::deque<std::string> recent_;
    std::optional<std::filesystem::path> target_;
    std::jthread saver_;
};

} // namespace cablemate
