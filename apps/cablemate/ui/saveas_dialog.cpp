#include "saveas_dialog.h"

#include "dialog_texts.h"
#include "dialog_widgets.h"

#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace cablemate {

SaveAsProgressDialog::SaveAsProgressDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(dialogs::ToQ(kSaveAsTitle));
    auto* layout = new QVBoxLayout(this);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progressBar"));
    constexpr int kBarWidth = 300;
    bar_->setMinimumWidth(kBarWidth);
    bar_->setRange(0, 0);
    bar_->setValue(0);
    layout->addWidget(bar_);
    QPushButton* ok = dialogs::NamedButton(kOkText, QStringLiteral("okButton"), this);
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Step and Finish come from the converting worker; the window's thread
    // looks for them, so the worker never touches the dialog.
    constexpr int kPollMs = 15;
    poll_ = new QTimer(this);
    connect(poll_, &QTimer::timeout, this, &SaveAsProgressDialog::TakeWorkerNews);
    poll_->start(kPollMs);
}

void SaveAsProgressDialog::SetLineCount(std::size_t n)
{
    lineCount_ = n;
    steps_ = 0;
    bar_->setRange(0, static_cast<int>(std::min(n, kMaxRange)));
    bar_->setValue(0);
}

void SaveAsProgressDialog::Step()
{
    ++pendingSteps_;
}

void SaveAsProgressDialog::Finish()
{
    finishAsked_ = true;
}

void SaveAsProgressDialog::TakeWorkerNews()
{
    // The finish flag is read first: every step before it is then counted.
    const bool finish = finishAsked_.load();
    for (std::size_t steps = pendingSteps_.exchange(0); steps > 0 && steps_ < lineCount_; --steps) Advance();
    if (finish && !finished_) Complete();
}

int SaveAsProgressDialog::Value() const
{
    return bar_->value();
}

int SaveAsProgressDialog::Maximum() const
{
    return bar_->maximum();
}

int SaveAsProgressDialog::exec()
{
    TakeWorkerNews();
    if (finished_) {
        setResult(QDialog::Accepted);
        return QDialog::Accepted;
    }
    return QDialog::exec();
}

void SaveAsProgressDialog::open()
{
    TakeWorkerNews();
    if (finished_) {
        done(QDialog::Accepted);
        return;
    }
    QDialog::open();
}

void SaveAsProgressDialog::Advance()
{
    // A bar stays full once it is: a worker that passes more line ends than
    // were counted does not wrap it.
    steps_ = std::min(steps_ + 1, lineCount_);
    const auto scaled = static_cast<std::uint64_t>(steps_) * bar_->maximum() / std::max<std::size_t>(lineCount_, 1);
    bar_->setValue(static_cast<int>(scaled));
}

void SaveAsProgressDialog::Complete()
{
    finished_ = true;
    bar_->setValue(bar_->maximum());
    accept();
}

} // namespace cablemate
