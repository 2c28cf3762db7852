// The window's interactions answered by a test: dialogs handled in order by
// scripted handlers (which fill a dialog in and press its buttons instead of
// a person), file names from a list, and a desktop that records.
#pragma once

#include "transfer_fakes.h"
#include "window_interfaces.h"

#include <QDialog>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace cablemate::testing {

class ScriptedRunner : public DialogRunner {
public:
    using Handler = std::function<int(QDialog&)>;
    void Then(Handler handler) { handlers_.push_back(std::move(handler)); }
    int Run(QDialog& dialog) override {
        titles_.push_back(dialog.windowTitle().toStdString());
        if (handlers_.empty()) return QDialog::Rejected;
        Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        return handler(dialog);
    }
    const std::vector<std::string>& Titles() const { return titles_; }
    bool Done() const { return handlers_.empty(); }

private:
    std::deque<Handler> handlers_;
    std::vector<std::string> titles_;
};

class ScriptedFiles : public FileDialogs {
public:
    std::deque<std::string> open, saveAs;
    std::optional<std::string> OpenPath() override { return Next(open); }
    std::optional<std::string> SaveAsPath() override { return Next(saveAs); }

private:
    static std::optional<std::string> Next(std::deque<std::string>& paths) {
        if (paths.empty()) return std::nullopt;
        std::string path = paths.front();
        paths.pop_front();
        return path;
    }
};

class RecordingDesktop : public Desktop {
public:
    std::vector<std::string> opened;
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
};

struct ScriptedInteractions {
    RecordingMessages messages;
    ScriptedRunner runner;
    ScriptedFiles files;
    RecordingDesktop desktop;
    Interactions Get() { return Interactions{messages, runner, files, desktop}; }
};

} // namespace cablemate::testing
