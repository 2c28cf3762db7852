// The dialogs and the progress window of the transfers, as the engine needs
// them. The window implements them with Qt dialogs; tests and the command
// line answer them directly.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace stationmate {

// "File Downloading": names the file a node is saved as.
struct DownloadQuestion {
    std::string source;      // the node's device-tree path
    std::string destination; // the folder
    std::string fileName;    // proposed
    bool offerFormats = false; // job data: "GSI", "IDEX", KARD
};

// "UpLoad File": which job receives fixpoints.
struct UploadQuestion {
    std::string source;            // "Fixpoints File: " + the file's path
    std::vector<std::string> jobs; // the titles of the listed jobs
    std::optional<int> preselected; // list position
};
struct UploadAnswer {
    int position = -1; // -1: OK without a choice
    std::string title;
};

class TransferDialogs {
public:
    virtual ~TransferDialogs() = default;
    // The file name chosen (a format choice already applied), nothing when cancelled.
    virtual std::optional<std::string> AskDownloadFileName(const DownloadQuestion& q) = 0;
    // OK (true) or Cancel.
    virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
    virtual std::optional<UploadAnswer> AskUploadJob(const UploadQuestion& q) = 0;
    // "Input a new name"; nothing when cancelled.
    virtual std::optional<std::string> AskNewName() = 0;
};

// The "Receiving..." window: a block counter and two bars.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void Open(const std::string& fileType, const std::string& source, const std::string& destination) = 0;
    // counter as shown after "Block:", first bar 0..1 and second bar 0..1 of their ranges
    virtual void Show(const std::string& blockText, double firstBar, double secondBar) = 0;
    virtual void Close() = 0;
    // The user pressed CANCEL since Open: the transfer stops at the next reply.
    virtual bool CancelRequested() const { return false; }
    // For views that count: the blocks and their bytes so far, after each
    // step, and what an upload is going to send before its first.
    virtual void Counted(std::size_t /*blocks*/, std::size_t /*bytes*/) {}
    virtual void Expected(std::size_t /*blocks*/, std::size_t /*bytes*/) {}
};

// The progress counter: each step adds one block.
class Progress {
public:
    explicit Progress(ProgressView& view) : view_(view) {}
    void Open(const std::string& fileType, const std::string& source, const std::string& destination);
    void Step(std::size_t bytes = 0);
    void Expect(std::size_t blocks, std::size_t bytes) { view_.Expected(blocks, bytes); }
    void Close();
    double Count() const { return count_; }
    bool CancelRequested() const { return open_ && view_.CancelRequested(); }

private:
    ProgressView& view_;
    double count_ = 0;
    std::size_t bytes_ = 0;
    bool open_ = false;
};

} // namespace stationmate
