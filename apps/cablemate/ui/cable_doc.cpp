#include "cable_doc.h"

#include "cable_messages.h"
#include "conversions.h"
#include "document_save.h"
#include "saveas_dialog.h"
#include "window_texts.h"

#include "fileio/fileio.h"
#include "profile/profile.h"


#include <fcntl.h>
#include <unistd.h>

namespace cablemate {

namespace {

namespace profile = harwick::platform::profile;

constexpr std::string_view kRecentSection = "Recent File List";
constexpr std::string_view kRecentKey = "File";
// Whether the file can be written without making or changing anything: an
// existing file that opens for writing, or a missing one in a folder that
// takes new files. A save that then has nothing to write leaves no trace.
bool CanCreate(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        // A folder does not open for writing.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return false;
        ::close(fd);
        return true;
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    return std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace

CCablemateDoc::CCablemateDoc(CCablemateView& view, Interactions interactions, std::filesystem::path recentFile)
    : view_(view), interactions_(interactions), recentFile_(std::move(recentFile)) {
    for (std::size_t i = 1; i <= kRecentFiles; ++i) {
        const auto file = profile::readString(recentFile_, kRecentSection, std::string(kRecentKey) + std::to_string(i));
        if (file && !file->empty()) recent_.push_back(*file);
    }
}

CCablemateDoc::~CCablemateDoc() { WaitForSave(); }

void CCablemateDoc::WaitForSave() {
    if (saver_.joinable()) saver_.join();
}

void CCablemateDoc::New() { view_.SetBytes({}); }

bool CCablemateDoc::Open(const std::string& path) {
    std::string chosen = path;
    if (chosen.empty()) {
        auto asked = interactions_.files.OpenPath();
        if (!asked) return false;
        chosen = *asked;
    }
    std::string error;
    auto bytes = harwick::platform::readWholeFile(chosen, error);
    if (!bytes) {
        // Our own words: the framework's own message for a file that does not open.
        interactions_.messages.ShowMessage(std::string(kCannotOpenFile) + chosen);
        return false;
    }
    view_.SetBytes(std::move(*bytes));
    Remember(chosen);
    return true;
}

void CCablemateDoc::SaveAs() {
    if (!target_) {
        auto asked = interactions_.files.SaveAsPath();
        if (!asked) return;
        target_ = WithTypeExtension(asked->path, asked->type);
    }
    const std::filesystem::path target = *target_;
    const std::string text = view_.Bytes();
    if (text.empty()) {
        // The target stays for the next Save As, once there is text.
        interactions_.messages.ShowMessage(kNoData);
        interactions_.messages.ShowMessage(kInvarilData);
        return;
    }
    if (!CanCreate(target)) {
        // Forgotten, so that the next Save As asks for another name.
        target_.reset();
        interactions_.messages.ShowMessage(kSaveFileFalse);
        return;
    }
    switch (FormatForPath(target)) {
    case SaveFormat::AsText: Write(target, SaveContent{text, {}}); break;
    case SaveFormat::Kard: SaveKard(target, text); break;
    case SaveFormat::Dxf: Write(target, DxfContent(text)); break;
    }
}

void CCablemateDoc::Write(const std::filesystem::path& target, const SaveContent& content) {
    target_.reset();
    for (const std::string_view message : content.messages) interactions_.messages.ShowMessage(message);
    if (!content.bytes) return;
    std::string error;
    if (!harwick::platform::replaceFileAtomically(target, *content.bytes, error)) {
        interactions_.messages.ShowMessage(kSaveFileFalse);
        return;
    }
    Remember(target.string());
}

void CCablemateDoc::SaveKard(const std::filesystem::path& target, const std::string& text) {
    WaitForSave();
    target_.reset();
    SaveAsProgressDialog dialog(view_.window());
    dialog.SetLineCount(CountLineEnds(text));
    // The worker never waits for the window: it reports back to the
    // window's thread, where the messages are shown and the file remembered.
    auto done = [this, target](SaveOutcome outcome) {
        if (outcome == SaveOutcome::NothingToWrite) {
            interactions_.messages.ShowMessage(kNothingToSaveAsKard);
        } else if (outcome == SaveOutcome::CannotCreate) {
            interactions_.messages.ShowMessage(kSaveFileFalse);
        } else if (outcome == SaveOutcome::Saved) {
            Remember(target.string());
        }
    };
    saver_ = std::jthread([this, &dialog, target, text, done] {
        const SaveOutcome outcome = GsiToKardSave(text, target, [&dialog] { dialog.Step(); });
        // The dialog closes itself whatever came of it: a save that wrote
        // nothing says so in a message of its own.
        dialog.Finish();
        view_.Mailbox().Post([done, outcome] { done(outcome); });
    });
    interactions_.runner.Run(dialog);
    // The dialog may be closed by hand while the worker still converts; it
    // must not go before the worker has let go of it.
    WaitForSave();
}

void CCablemateDoc::Remember(const std::string& path) {
    std::erase(recent_, path);
    recent_.push_front(path);
    while (recent_.size() > kRecentFiles) recent_.pop_back();
    StoreRecent();
}

void CCablemateDoc::StoreRecent() const {
    std::string error;
    std::error_code ec;
    std::filesystem::create_directories(recentFile_.parent_path(), ec);
    for (std::size_t i = 0; i < kRecentFiles; ++i) {
        const std::string key = std::string(kRecentKey) + std::to_string(i + 1);
        if (i < recent_.size()) {
            profile::writeString(recentFile_, kRecentSection, key, recent_[i], error);
        } else {
            profile::removeKey(recentFile_, kRecentSection, key, error);
        }
    }
}

} // namespace cablemate
