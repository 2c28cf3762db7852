// featurebook-shot: the editor's window with a code list opened, saved as a
// picture for the README. It opens the list (the sample roads.crf unless
// another is named), selects the first code's first slot in the tree so
// that the sheet of its attributes shows, and grabs the window.
#include "feature_window.h"
#include "qt_interactions.h"

#include "qtkit/qt_language.h"

#include <QApplication>
#include <QTimer>
#include <QTreeWidgetItem>

#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kUsage = "usage: featurebook-shot OUTPUT.png [LIST.crf]\n";
constexpr int kWidth = 760;
constexpr int kHeight = 440;

// No one is there to close a message box: messages go to the error stream.
class PrintedMessages : public featurebook::Messages {
public:
    void ShowMessage(std::string_view text) override
    {
        std::fprintf(stderr, "featurebook-shot: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

} // namespace

int main(int argc, char** argv)
{
    using namespace featurebook;
    if (argc != 2 && argc != 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string list = argc == 3 ? argv[2] : FEATUREBOOK_SAMPLE;
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    QtInteractionSet interactions;
    PrintedMessages messages;
    FeatureWindow window(Interactions{messages, interactions.runner, interactions.files, interactions.menus});
    if (!window.OpenFile(list)) return 1;
    window.resize(kWidth, kHeight);
    window.show();
    if (QTreeWidgetItem* first = window.Tree().CodeItem(0)) {
        first->setExpanded(true);
        window.Tree().setCurrentItem(first->child(0));
    }
    int rc = 1;
    QTimer::singleShot(300, [&] {
        rc = window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        application.quit();
    });
    application.exec();
    return rc;
}
