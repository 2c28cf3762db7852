// toolhub: the suite's launcher. It takes no arguments; closing its window
// (or Escape) ends it.
#include "icons.h"
#include "launcher_dialog.h"
#include "launcher_texts.h"
#include "qt_text.h"

#include "qtkit/qt_language.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace toolhub;
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    // The desktop entry installed for the launcher is harwick-toolhub.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("harwick-") + ToQ(kOwnName));
    QApplication::setWindowIcon(ProgramIcon(kOwnName));
    ExecRunner runner;
    // The programs lie beside the launcher's own file, wherever it was started from.
    LauncherDialog dialog(ToPath(QCoreApplication::applicationDirPath()), runner);
    dialog.exec();
    return 0;
}
