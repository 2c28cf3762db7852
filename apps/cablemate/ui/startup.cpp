#include "startup.h"

#include "cable_messages.h"
#include "window_texts.h"

namespace cablemate {

CablemateProgram::CablemateProgram(harwick::platform::NamedLock lock, UsbLibrary usb)
    : lock_(std::move(lock)), usb_(std::move(usb)) {}

CablemateProgram::~CablemateProgram() {
    // The application's transfers use the frame's editor: they end first.
    app_.reset();
    frame_.reset();
}

std::unique_ptr<CablemateProgram> CablemateProgram::Start(const StartupEnvironment& environment,
                                                          Interactions interactions, StartOutcome& outcome) {
    using harwick::platform::NamedLock;
    NamedLock lock = NamedLock::Acquire(kInstanceName);
    if (lock.state() == NamedLock::State::Taken) {
        outcome = StartOutcome::AlreadyRunning;
        return nullptr;
    }
    UsbLibrary usb = UsbLibrary::Load(environment.programDir);
    if (usb.status() == UsbLibrary::Status::LoadFailed) {
        interactions.messages.ShowMessage(kLoadLibraryFailed);
        outcome = StartOutcome::LibraryMissing;
        return nullptr;
    }
    std::unique_ptr<CablemateProgram> program(new CablemateProgram(std::move(lock), std::move(usb)));
    program->frame_ = std::make_unique<CMainFrame>();
    program->app_ = std::make_unique<CCablemateApp>(program->usb_, environment.settingsFile,
                                                    program->frame_->View(), interactions);
    program->frame_->Bind(*program->app_, interactions);
    program->frame_->showMaximized();
    if (!environment.arguments.isEmpty()) program->app_->Doc().Open(environment.arguments.front().toStdString());
    outcome = StartOutcome::Running;
    return program;
}

} // namespace cablemate
