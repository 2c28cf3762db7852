// cablemate-shot: the cable program's window with a job received over the
// emulated USB interface, saved as a picture for the README. It starts the
// simulated instrument on a private USB folder, opens the real window, runs
// the USB download from its menu (pressing Enter on the instrument when the
// prompt asks for it), and grabs the window. With --com-settings it grabs the
// COM settings dialog instead, in the language the environment chooses.
#include "cable_messages.h"
#include "commands.h"
#include "settings_dialogs.h"
#include "startup.h"

#include "instrument-sim/demo_instrument.h"
#include "instrument-sim/emulated_usb.h"

#include "qtkit/qt_language.h"

#include <QAction>

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// The user's answers: every message closes at once, and the prompt presses
// Enter on the instrument first.
class ShotMessages : public cablemate::Messages {
public:
    explicit ShotMessages(harwick::sim::EmulatedUsb& instrument) : instrument_(instrument) {}
    void ShowMessage(std::string_view text) override {
        if (text == cablemate::kPressStationFirst) instrument_.PressEnter();
    }

private:
    harwick::sim::EmulatedUsb& instrument_;
};

class NoFiles : public cablemate::FileDialogs {
public:
    std::optional<std::string> OpenPath() override { return std::nullopt; }
    std::optional<cablemate::SaveChoice> SaveAsPath() override { return std::nullopt; }
    std::optional<std::string> TrafficLogPath() override { return std::nullopt; }
};

class NoDesktop : public cablemate::Desktop {
public:
    bool Open(const std::string&) override { return false; }
};

class SilentMessages : public cablemate::Messages {
public:
    void ShowMessage(std::string_view) override {}
};

int SettingsPicture(int argc, char** argv, const char* output) {
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    SilentMessages messages;
    cablemate::ComSettingsDialog dialog(cablemate::ComSettings{}, messages);
    dialog.show();
    QCoreApplication::processEvents();
    return dialog.grab().save(output) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    using namespace cablemate;
    namespace fs = std::filesystem;
    if (argc == 3 && std::string_view(argv[1]) == "--com-settings") return SettingsPicture(argc, argv, argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cablemate-shot [--com-settings] OUTPUT.png\n");
        return 2;
    }
    const fs::path scratch = fs::temp_directory_path() / ("cablemate-shot-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    ::setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (scratch / "runtime").c_str(), 1);
    harwick::sim::EmulatedUsb instrument{harwick::sim::UsbOptions{}};
    std::string error;
    if (!instrument.Start(error)) {
        std::fprintf(stderr, "cablemate-shot: %s\n", error.c_str());
        return 1;
    }
    instrument.SetSendText(harwick::sim::DemoCableText());

    QApplication application(argc, argv);

    const harwick::qtkit::QtOwnTexts qtTexts(application);
    ShotMessages messages(instrument);
    ExecRunner runner;
    NoFiles files;
    NoDesktop desktop;
    StartupEnvironment environment;
    environment.programDir = QCoreApplication::applicationDirPath().toStdString();
    environment.settingsFile = (scratch / "qtr_cfg.ini").string();
    StartOutcome outcome = StartOutcome::Running;
    auto program = CablemateProgram::Start(environment, Interactions{messages, runner, files, desktop}, outcome);
    if (!program) return 1;
    program->Frame().showNormal();
    program->Frame().resize(1000, 620);
    int rc = 1;
    // Once the download has ended, the editor holds the job: take the picture.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (program->App().TransferRunning()) return;
        poll.stop();
        QCoreApplication::processEvents();
        rc = program->Frame().grab().save(argv[1]) ? 0 : 1;
        application.quit();
    });
    QTimer::singleShot(200, [&] {
        program->Frame().ActionFor(command::kUsbDownloadMeasured)->trigger();
        poll.start(100);
    });
    application.exec();
    program.reset();
    instrument.Stop();
    fs::remove_all(scratch);
    return rc;
}
