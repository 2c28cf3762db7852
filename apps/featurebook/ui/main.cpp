// featurebook: the feature-code editor. It takes no command-line arguments.
#include "feature_window.h"
#include "qt_interactions.h"

#include "qtkit/qt_language.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace featurebook;
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    QtInteractionSet interactions;
    FeatureWindow window(interactions.Get());
    interactions.SetParentWindow(&window);
    window.show();
    return application.exec();
}
