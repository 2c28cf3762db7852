// How worker threads reach the window's thread. Work is handed over under a
// plain mutex and taken by a timer of the window's thread, rather than
// posted through Qt's event queue: the hand-over then is in our code, where
// the thread checker sees it, and the worker never touches a widget.
#pragma once

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <future>
#include <mutex>

namespace cablemate {

class UiMailbox : public QObject {
public:
    // How often the window's thread looks for work.
    static constexpr int kPollMs = 15;

    // Made on the window's thread, which then runs the work.
    explicit UiMailbox(QObject* parent = nullptr);

    // Runs task on the window's thread, at once when called there.
    void Post(std::function<void()> task);

    // Runs task on the window's thread and waits for its result. The window
    // must keep its events running meanwhile (it does, modal loops included).
    template <typename T>
    T Call(std::function<T()> task) {
        if (OnWindowThread()) return task();
        auto promise = std::make_shared<std::promise<T>>();
        std::future<T> result = promise->get_future();
        Post([promise, task = std::move(task)] { promise->set_value(task()); });
        return result.get();
    }

    bool OnWindowThread() const;

    // Runs what is waiting now (the timer does this by itself).
    void Drain();

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
    QTimer timer_;
};

} // namespace cablemate
