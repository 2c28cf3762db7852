// sketchconv: draws the points of a GSI file into a DXF drawing. It takes no
// arguments; the dialog's OK or Cancel ends it.
#include "qt_interactions.h"
#include "sketch_dialog.h"

#include "qtkit/qt_language.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace sketchconv;
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    QtInteractionSet interactions;
    SketchDialog dialog(interactions.Get(), LibrarySearch{QCoreApplication::applicationDirPath().toStdString()});
    interactions.SetParentWindow(&dialog);
    dialog.exec();
    return 0;
}
