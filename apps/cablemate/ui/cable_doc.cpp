#include "cable_doc.h"

#include "cable_messages.h"
#include "conversions.h"
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
constexpr std::string_view kGsiExtension = "gsi";
constexpr std::string_view kKardExtension = "dat";
constexpr std::string_view kCrLf = "\r\n";

// The extension as the Save As dialog gives it, compared exactly: "GSI" is
// neither kind.
std::string ExtensionOf(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return extension.empty() ? extension : extension.substr(1);
}

// Whether the file can be written: made when missing, an existing file left
// as it is (it is replaced whole later, or not at all).
bool CanCreate(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::size_t CountLineEnds(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find(kCrLf); at != std::string_view::npos; at = text.find(kCrLf, at + kCrLf.size()))
        ++count;
    return count;
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
        target_ = *asked;
    }
    const std::filesystem::path target = *target_;
    if (!CanCreate(target)) {
        interactions_.messages.ShowMessage(kSaveFileFalse);
        return;
    }
    const std::string extension = ExtensionOf(target);
    if (extension == kGsiExtension) {
        SaveText(target, view_.Bytes());
    } else if (extension == kKardExtension) {
        SaveKard(target, view_.Bytes());
    } else {
        // Another extension gets the (empty or untouched) file only.
        target_.reset();
    }
}

void CCablemateDoc::SaveText(const std::filesystem::path& target, const std::string& text) {
    if (text.empty()) {
        interactions_.messages.ShowMessage(kNoData);
        interactions_.messages.ShowMessage(kInvarilData);
        return;
    }
    std::string error;
    if (!harwick::platform::replaceFileAtomically(target, text, error)) {
        interactions_.messages.ShowMessage(kSaveFileFalse);
        return;
    }
    target_.reset();
    Remember(target.string());
}

void CCablemateDoc::SaveKard(const std::filesystem::path& target, const std::string& text) {
    WaitForSave();
    SaveAsProgressDialog dialog(view_.window());
    dialog.SetLineCount(CountLineEnds(text));
    // The worker never waits for the window: it reports back to the
    // window's thread, where the messages are shown and the save target lives.
    auto done = [this, target](SaveOutcome outcome) {
        if (outcome == SaveOutcome::NoData) {
            interactions_.messages.ShowMessage(kNoData);
            interactions_.messages.ShowMessage(kInvarilData);
        } else if (outcome == SaveOutcome::CannotCreate) {
            interactions_.messages.ShowMessage(kSaveFileFalse);
        } else {
            target_.reset();
            Remember(target.string());
        }
    };
    saver_ = std::jthread([this, &dialog, target, text, done] {
        const SaveOutcome outcome = GsiToKardSave(text, target, [&dialog] { dialog.Step(); });
        if (outcome == SaveOutcome::Saved) dialog.Finish();
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
