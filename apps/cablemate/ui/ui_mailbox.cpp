#include "ui_mailbox.h"

#include <QThread>

namespace cablemate {

UiMailbox::UiMailbox(QObject* parent) : QObject(parent) {
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &UiMailbox::Drain);
    timer_.start();
}

bool UiMailbox::OnWindowThread() const { return QThread::currentThread() == thread(); }

void UiMailbox::Post(std::function<void()> task) {
    if (OnWindowThread()) return task();
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
}

void UiMailbox::Drain() {
    // One task at a time, outside the lock: a task may open a modal box,
    // whose own loop drains the tasks that come meanwhile.
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(mutex_);
            if (tasks_.empty()) return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

} // namespace cablemate
