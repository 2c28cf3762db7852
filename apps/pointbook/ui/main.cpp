// pointbook: the coordinate editor. It takes no arguments; closing the
// window ends it.
#include "main_window.h"
#include "qt_interactions.h"

#include "qtkit/qt_language.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace pointbook;
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    QtInteractionSet interactions;
    PointbookWindow window(interactions.Get(),
                           drawmap::LibrarySearch{QCoreApplication::applicationDirPath().toStdString()});
    interactions.SetParentWindow(&window);
    window.show();
    return application.exec();
}
