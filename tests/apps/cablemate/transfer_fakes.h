// The window's side of a transfer, answered by the test: an editor that
// records what it was shown and a message box that records its texts and can
// act on one (pressing Enter on the simulated instrument when the prompt
// asks for it). Both are called from the transfer's thread.
#pragma once

#include "transfer_state.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace cablemate::testing {

class RecordingEditor : public Editor {
public:
    explicit RecordingEditor(std::string text = {}) : text_(std::move(text)) {}

    std::string Text() override {
        std::lock_guard lock(mutex_);
        return text_;
    }
    void Show(std::string text) override {
        std::lock_guard lock(mutex_);
        text_ = std::move(text);
        ++shows_;
    }
    void SetBusy(bool busy) override {
        std::lock_guard lock(mutex_);
        busy_ = busy;
        busyChanges_.push_back(busy);
    }

    std::string Shown() {
        std::lock_guard lock(mutex_);
        return text_;
    }
    bool Busy() {
        std::lock_guard lock(mutex_);
        return busy_;
    }
    std::vector<bool> BusyChanges() {
        std::lock_guard lock(mutex_);
        return busyChanges_;
    }
    int Shows() {
        std::lock_guard lock(mutex_);
        return shows_;
    }

private:
    std::mutex mutex_;
    std::string text_;
    bool busy_ = false;
    std::vector<bool> busyChanges_;
    int shows_ = 0;
};

class RecordingMessages : public Messages {
public:
    // Runs when a message with exactly this text is shown, before it "closes".
    void On(std::string text, std::function<void()> action) {
        std::lock_guard lock(mutex_);
        actions_.emplace_back(std::move(text), std::move(action));
    }
    void ShowMessage(std::string_view text) override {
        std::vector<std::function<void()>> toRun;
        {
            std::lock_guard lock(mutex_);
            shown_.emplace_back(text);
            for (auto& [match, action] : actions_)
                if (match == text) toRun.push_back(action);
        }
        for (auto& action : toRun) action();
    }
    std::vector<std::string> Shown() {
        std::lock_guard lock(mutex_);
        return shown_;
    }

private:
    std::mutex mutex_;
    std::vector<std::string> shown_;
    std::vector<std::pair<std::string, std::function<void()>>> actions_;
};

} // namespace cablemate::testing
