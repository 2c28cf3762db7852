// toolhub-shot: the launcher's window saved as a picture for the README,
// with the pointer resting on one button so the picture shows its hover
// look. Nothing is started and no dialog is shown.
#include "launcher_dialog.h"
#include "qt_text.h"

#include "qtkit/qt_language.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>

#include <cstddef>
#include <cstdio>
#include <string>

namespace {

constexpr const char* kUsage = "usage: toolhub-shot OUTPUT.png\n";
constexpr int kSettleMs = 300;
// Where the pointer rests: the second button, "Coordinate Editor".
constexpr std::size_t kHoveredButton = 1;

} // namespace

int main(int argc, char** argv)
{
    using namespace toolhub;
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    ExecRunner runner;
    LauncherDialog dialog(ToPath(QCoreApplication::applicationDirPath()), runner);
    dialog.show();
    // Otherwise the picture depends on wherever the display left its pointer.
    QTimer::singleShot(0, [&dialog] {
        const PictureButton* button = dialog.Buttons().at(kHoveredButton);
        QCursor::setPos(button->mapToGlobal(button->rect().center()));
    });
    int rc = 1;
    QTimer::singleShot(kSettleMs, [&] {
        rc = dialog.grab().save(output) ? 0 : 1;
        application.quit();
    });
    application.exec();
    return rc;
}
