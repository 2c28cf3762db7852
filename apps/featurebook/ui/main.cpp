// featurebook: the feature-code editor. It takes no command-line arguments.
#include "feature_window.h"
#include "qt_interactions.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace featurebook;
    QApplication application(argc, argv);
    QtInteractionSet interactions;
    FeatureWindow window(interactions.Get());
    interactions.SetParentWindow(&window);
    window.show();
    return application.exec();
}
