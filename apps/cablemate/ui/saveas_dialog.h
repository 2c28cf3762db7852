// "Saveas": the progress of a Save As to a ".dat" file while a worker thread
// converts the text. The worker calls Step() for each line end it passes and
// Finish() when it is done; both are safe from any thread, since they only
// leave word for the dialog's own thread, whose timer takes it. The caller
// joins its worker before the dialog goes away.
#pragma once

#include <QDialog>
#include <QTimer>

#include <atomic>

#include <cstddef>

class QProgressBar;

namespace cablemate {

class SaveAsProgressDialog : public QDialog {
public:
    explicit SaveAsProgressDialog(QWidget* parent = nullptr);

    // The bar's range 0..n, on the dialog's thread before the worker starts.
    // The bar keeps the old program's 16-bit range: above kMaxRange lines it
    // runs 0..kMaxRange and the steps are scaled, so that the last line end
    // still fills it.
    void SetLineCount(std::size_t n);
    void Step();
    // Fills the bar and closes the dialog with Accepted.
    void Finish();

    int Value() const;
    int Maximum() const;

    // A conversion that finished before the dialog was run does not leave it
    // waiting for a close that has already happened.
    int exec() override;
    void open() override;

    static constexpr std::size_t kMaxRange = 65535;

private:
    void Advance();
    void Complete();

    // What the worker asked for; the window's timer applies it.
    void TakeWorkerNews();

    QProgressBar* bar_;
    QTimer* poll_;
    std::atomic<std::size_t> pendingSteps_{0};
    std::atomic<bool> finishAsked_{false};
    std::size_t lineCount_ = 0;
    std::size_t steps_ = 0;
    bool finished_ = false;
};

} // namespace cablemate
