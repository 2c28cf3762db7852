// sketchconv-shot: the converter's dialog with a sample GSI file chosen,
// saved as a picture for the README. Messages go to standard error; no
// dialog is ever shown but the converter's own.
#include "sketch_dialog.h"

#include "qtkit/qt_language.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <string>

namespace {

constexpr const char* kUsage = "usage: sketchconv-shot OUTPUT.png [GSI-FILE]\n";
constexpr const char* kDefaultSample = SKETCHCONV_SAMPLES_DIR "/job-north-gsi16.gsi";
constexpr int kSettleMs = 200;

class StderrPrompter : public sketchconv::Prompter {
public:
    void ShowMessage(std::string_view, std::string_view text, sketchconv::MessageIcon) override
    {
        std::fprintf(stderr, "sketchconv-shot: %.*s\n", static_cast<int>(text.size()), text.data());
    }
    bool AskYesNo(std::string_view caption, std::string_view text) override
    {
        ShowMessage(caption, text, sketchconv::MessageIcon::Warning);
        return false;
    }
};

// "..." picks the sample; nothing is ever saved.
class SampleFiles : public sketchconv::FileChooser {
public:
    explicit SampleFiles(std::string sample) : sample_(std::move(sample)) {}
    std::optional<std::string> OpenGsiPath() override { return sample_; }
    std::optional<std::string> SaveDxfPath() override { return std::nullopt; }

private:
    std::string sample_;
};

class NoDialogs : public sketchconv::DialogRunner {
public:
    int Run(QDialog&) override { return 0; }
};

} // namespace

int main(int argc, char** argv)
{
    using namespace sketchconv;
    if (argc < 2 || argc > 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string output = argv[1];
    QApplication application(argc, argv);
    const harwick::qtkit::QtOwnTexts qtTexts(application);
    StderrPrompter prompter;
    SampleFiles files(argc == 3 ? argv[2] : kDefaultSample);
    NoDialogs runner;
    SketchDialog dialog(Interactions{prompter, files, runner}, LibrarySearch{});
    dialog.Browse();
    if (dialog.Converter().Points().empty()) return 1;
    dialog.show();
    int rc = 1;
    QTimer::singleShot(kSettleMs, [&] {
        rc = dialog.grab().save(QString::fromStdString(output)) ? 0 : 1;
        application.quit();
    });
    application.exec();
    return rc;
}
