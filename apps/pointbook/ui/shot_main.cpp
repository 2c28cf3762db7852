// pointbook-shot: the coordinate editor's window with a sample job opened,
// saved as a picture for the README. Messages go to standard error; no
// dialog is ever shown.
#include "main_window.h"

#include "qtkit/qt_language.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <string>

namespace {

constexpr const char* kUsage = "usage: pointbook-shot OUTPUT.png [POINT-FILE]\n";
constexpr const char* kDefaultSample = POINTBOOK_SAMPLES_DIR "/job-north-gsi16.gsi";
constexpr int kShotWidth = 720;
constexpr int kShotHeight = 400;
constexpr int kSettleMs = 200;

class StderrPrompter : public pointbook::Prompter {
public:
    void ShowMessage(std::string_view text) override
    {
        std::fprintf(stderr, "pointbook-shot: %.*s\n", static_cast<int>(text.size()), text.data());
    }
    bool AskYesNo(std::string_view text) override
    {
        ShowMessage(text);
        return false;
    }
};

class NoFiles : public pointbook::FileChooser {
public:
    std::optional<std::string> OpenPath() override { return std::nullopt; }
    std::optional<pointbook::SaveChoice> SavePath() override { return std::nullopt; }
};

} // namespace

int main(int argc, char** argv)
{
    using namespace pointbook;
    if (argc < 2 || argc > 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string output = argv[1];
    const std::string sample = argc == 3 ? argv[2] : kDefaultSample;
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    StderrPrompter prompter;
    NoFiles files;
    ExecRunner runner;
    PointbookWindow window(Interactions{prompter, files, runner});
    if (!window.Editor().OpenFile(sample)) return 1;
    window.resize(kShotWidth, kShotHeight);
    window.show();
    window.View().setCurrentIndex(window.Model().index(0, 0));
    int rc = 1;
    QTimer::singleShot(kSettleMs, [&] {
        rc = window.grab().save(QString::fromStdString(output)) ? 0 : 1;
        application.quit();
    });
    application.exec();
    return rc;
}
