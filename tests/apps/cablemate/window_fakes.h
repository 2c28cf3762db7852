// The window's interactions answered by a test: dialogs handled in order by
// scripted steps (which fill a dialog in and press its buttons instead of
// a person), file names from scripted answers, and a desktop that records.
#pragma once

#include "answers.h"
#include "scripted_runner.h"
#include "transfer_fakes.h"
#include "window_interfaces.h"

#include <string>
#include <vector>

namespace cablemate::testing {

using harwick::testing::Answers;
using harwick::testing::ScriptedRunner;

class ScriptedFiles : public FileDialogs {
public:
    Answers<std::optional<std::string>> open{"a file to open"};
    Answers<std::optional<SaveChoice>> saveAs{"a name to save as"};
    Answers<std::optional<std::string>> trafficLog{"a file for the traffic log"};
    std::optional<std::string> OpenPath() override { return open.Next(); }
    std::optional<SaveChoice> SaveAsPath() override { return saveAs.Next(); }
    std::optional<std::string> TrafficLogPath() override { return trafficLog.Next(); }
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
