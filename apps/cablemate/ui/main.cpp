// cablemate: the cable transfer program.
#include "cable_messages.h"
#include "qt_interactions.h"
#include "startup.h"

#include "qtkit/qt_language.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    using namespace cablemate;
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    QtInteractionSet interactions;
    StartupEnvironment environment;
    environment.programDir = QCoreApplication::applicationDirPath().toStdString();
    environment.settingsFile = std::string(kSettingsFile);
    environment.arguments = QCoreApplication::arguments().mid(1);
    StartOutcome outcome = StartOutcome::Running;
    std::unique_ptr<CablemateProgram> program = CablemateProgram::Start(environment, interactions.Get(), outcome);
    if (!program) return outcome == StartOutcome::AlreadyRunning ? EXIT_SUCCESS : EXIT_FAILURE;
    interactions.SetParentWindow(&program->Frame());
    // A transfer cannot be stopped and may be waiting for the window; closing
    // the window while one runs ends the program at once (the files it
    // saves are written whole or not at all).
    QObject::connect(&application, &QApplication::lastWindowClosed, [&program, &application] {
        if (program->App().TransferRunning()) std::_Exit(EXIT_SUCCESS);
        application.quit();
    });
    return application.exec();
}
