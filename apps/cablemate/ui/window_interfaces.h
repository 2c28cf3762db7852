// What the window asks of its user and desktop beyond message boxes and
// dialogs: file names and opening the help file. The program answers with
// Qt's file dialogs and the desktop; tests answer with a script.
#pragma once

#include "dialog_runner.h"
#include "document_save.h"
#include "transfer_state.h"

#include <optional>
#include <string>

namespace cablemate {

// The name given in the Save As dialog and the file type chosen there.
struct SaveChoice {
    std::string path;
    SaveType type = SaveType::Gsi;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The file to open; nothing on Cancel.
    virtual std::optional<std::string> OpenPath() = 0;
    // The Save As choice, the overwrite question already answered for the
    // name as it will be written; nothing on Cancel.
    virtual std::optional<SaveChoice> SaveAsPath() = 0;
    // The file the traffic log goes to; nothing on Cancel.
    virtual std::optional<std::string> TrafficLogPath() = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;
    // With the desktop's default application; false when none opened it.
    virtual bool Open(const std::string& path) = 0;
};

struct Interactions {
    Messages& messages;
    DialogRunner& runner;
    FileDialogs& files;
    Desktop& desktop;
};

} // namespace cablemate
