// The program's start, in the order it has always had: one instance only
// (a second start ends at once, silently), the USB library loaded and bound
// ("Load Library Failed!" and the end when it cannot be loaded), the
// settings read, the window shown maximised; a file named on the command
// line is opened as the document.
#pragma once

#include "cable_app.h"
#include "main_frame.h"
#include "usb_binding.h"
#include "window_interfaces.h"

#include "runtime/runtime.h"

#include <QStringList>

#include <filesystem>
#include <memory>
#include <string>

namespace cablemate {

struct StartupEnvironment {
    std::filesystem::path programDir;  // where libusbpipe.so is looked for first
    std::string settingsFile;          // "./qtr_cfg.ini" for the program
    QStringList arguments;             // after the program's name
};

enum class StartOutcome { Running, AlreadyRunning, LibraryMissing };

class CablemateProgram {
public:
    // Nothing, with outcome set, when the program is to end at once.
    static std::unique_ptr<CablemateProgram> Start(const StartupEnvironment& environment, Interactions interactions,
                                                   StartOutcome& outcome);
    ~CablemateProgram();

    CMainFrame& Frame() { return *frame_; }
    CCablemateApp& App() { return *app_; }

private:
    CablemateProgram(harwick::platform::NamedLock lock, UsbLibrary usb);

    harwick::platform::NamedLock lock_;
    UsbLibrary usb_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CCablemateApp> app_;
};

} // namespace cablemate
