// The exchange program's dialogs and small windows, behind the interfaces the
// engine talks through. Every widget a caller or a test needs to reach has an
// object name (see below); modal dialogs run their own event loop and can be
// answered through the dialog runner they are given (the tests' scripted one).
//
// Object names:
//   "File Downloading"  downloadDialog: sourceLabel, destinationLabel, fileNameEdit,
//                       formatLabel, formatCombo, okButton, cancelButton
//   "UpLoad File"       uploadDialog: sourceLabel, destinationLabel, jobCombo,
//                       formatCombo, okButton, cancelButton
//   "Input a new name"  newNameDialog: promptLabel, newNameEdit, okButton, cancelButton
//   "Receiving..."      progressDialog: fileTypeLabel, sourceLabel, destinationLabel,
//                       blockLabel, firstBar, secondBar, cancelButton
//   wait window         waitWindow: waitPicture, waitTextLabel, waitPleaseLabel
//   settings            settingsDialog: settingsTabs, portCombo, instrumentCombo,
//                       baudRateCombo, parityCombo, stopBitsCombo, dataBitsCombo,
//                       endmarkCombo, okButton, cancelButton
//   "File Info"         fileInfoDialog: fileNameValue, pathValue, fileTypeValue,
//                       fileFormatValue, sizeValue, dateValue, okButton
//   About box           aboutDialog: aboutTitle, aboutVersion, aboutOwnership, okButton
#pragma once

#include "prompter.h"
#include "qtkit/dialog_runner.h"
#include "transfer_ui.h"
#include "window_interfaces.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace stationmate {

class QtPrompter : public Prompter {
public:
    QtPrompter(QWidget* parent, harwick::qtkit::DialogRunner& runner) : parent_(parent), runner_(runner) {}
    void ShowMessage(std::string_view text, std::string_view caption = {}) override;

private:
    QPointer<QWidget> parent_;
    harwick::qtkit::DialogRunner& runner_;
};

class QtTransferDialogs : public TransferDialogs {
public:
    QtTransferDialogs(QWidget* parent, harwick::qtkit::DialogRunner& runner) : parent_(parent), runner_(runner) {}
    std::optional<std::string> AskDownloadFileName(const DownloadQuestion& q) override;
    bool AskOkCancel(const std::string& text, const std::string& caption) override;
    std::optional<UploadAnswer> AskUploadJob(const UploadQuestion& q) override;
    std::optional<std::string> AskNewName() override;

private:
    QPointer<QWidget> parent_;
    harwick::qtkit::DialogRunner& runner_;
};

// A window of ours that may also be a child of the parent: whichever goes
// first takes it along, and the other must not delete it again.
class OwnedWindow {
public:
    OwnedWindow() = default;
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    ~OwnedWindow() { Reset(); }
    void Reset(QDialog* window = nullptr);
    QDialog* Get() const { return window_.data(); }

private:
    QPointer<QDialog> window_;
};

// The modeless "Receiving..." window; it exists from Open to Close.
class QtProgressView : public ProgressView {
public:
    explicit QtProgressView(QWidget* parent) : parent_(parent) {}
    void Open(const std::string& fileType, const std::string& source, const std::string& destination) override;
    void Show(const std::string& blockText, double firstBar, double secondBar) override;
    void Close() override;
    bool CancelRequested() const override { return cancelRequested_; }
    QDialog* Window() const { return window_.Get(); }

private:
    QPointer<QWidget> parent_;
    OwnedWindow window_;
    bool cancelRequested_ = false;
};

// The modeless wait window shown while a port is listed; it exists from Show
// to Hide and is painted before Show returns, since the listing that follows
// keeps the event loop busy.
class QtWaitIndicator : public WaitIndicator {
public:
    explicit QtWaitIndicator(QWidget* parent) : parent_(parent) {}
    void Show() override;
    void Hide() override;
    QDialog* Window() const { return window_.Get(); }

private:
    QPointer<QWidget> parent_;
    OwnedWindow window_;
};

class QtSettingsAsker : public SettingsAsker {
public:
    QtSettingsAsker(QWidget* parent, harwick::qtkit::DialogRunner& runner) : parent_(parent), runner_(runner) {}
    std::optional<SettingsChoices> AskSettings(const SettingsDialogModel& model) override;
    std::optional<std::string> AskTrafficLogPath() override;

private:
    QPointer<QWidget> parent_;
    harwick::qtkit::DialogRunner& runner_;
};

class QtInfoShower : public InfoShower {
public:
    QtInfoShower(QWidget* parent, harwick::qtkit::DialogRunner& runner) : parent_(parent), runner_(runner) {}
    void ShowFileInfo(const FileInfo& info) override;
    void ShowAbout() override;

private:
    QPointer<QWidget> parent_;
    harwick::qtkit::DialogRunner& runner_;
};

// Starts other programs detached; never waits on them.
class QtDesktop : public Desktop {
public:
    bool Open(const std::string& path) override;
    bool OpenInTextEditor(const std::string& path) override;
};

} // namespace stationmate
