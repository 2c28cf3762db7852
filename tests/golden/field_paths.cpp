// The program paths a field file takes through the suite that have no
// command of their own, run over one file for the golden cases: the
// coordinate editor's Open then Save As, the exchange program's download
// conversion to KARD, and the drawing converter with its drawing read back
// by an independent reader. Each runs the programs' own code; only the
// dialogs are answered here: every question is printed on stderr and
// answered Yes, every message and status line printed on stderr.
//
//   field-paths editor gsi16|gsi8|idx|dat INPUT OUTPUT-WITHOUT-EXTENSION
//   field-paths exchange-kard INPUT OUTPUT.dat
//   field-paths drawing INPUT OUTPUT.txt   (OUTPUT.dxf is written beside it)
#include "converter.h"
#include "editor.h"
#include "editor_messages.h"
#include "save_rules.h"

#include "fileio/fileio.h"
#include "jobdata/jobdata.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFailed = 1;
constexpr int kUsage = 2;
// The instrument's end-of-data byte, never part of the job data.
constexpr char kEndOfData = '\x1A';

// ---- The coordinate editor ---------------------------------------------------

class EditorDialogs : public pointbook::Prompter, public pointbook::FileChooser, public pointbook::GridHost {
public:
    explicit EditorDialogs(pointbook::SaveChoice save) : save_(std::move(save)) {}

    void ShowMessage(std::string_view text) override { std::cerr << "message: " << text << '\n'; }
    bool AskYesNo(std::string_view text) override
    {
        std::cerr << "asked: " << text << '\n';
        // Field files open as they always did: their points with coordinates.
        return text.find(pointbook::kComputeQuestion) == std::string_view::npos;
    }
    std::optional<std::string> OpenPath() override { return std::nullopt; }
    std::optional<pointbook::SaveChoice> SavePath() override { return save_; }

    const harwick::pointlist::Table& Points() const override { return table_; }
    void ReplacePoints(harwick::pointlist::Table table) override { table_ = std::move(table); }
    void CommitPendingEdit() override {}
    void ShowStatus(std::string_view text) override { std::cerr << "status: " << text << '\n'; }

private:
    pointbook::SaveChoice save_;
    harwick::pointlist::Table table_;
};

int RunEditor(const std::string& kind, const std::string& input, const std::string& output)
{
    const std::vector<std::string> kinds = {"gsi16", "gsi8", "idx", "dat"};
    const auto at = std::find(kinds.begin(), kinds.end(), kind);
    if (at == kinds.end()) return kUsage;
    // The save dialog's entries are in that order.
    EditorDialogs dialogs(pointbook::SaveChoice{output, static_cast<std::size_t>(at - kinds.begin())});
    pointbook::PointEditor editor(dialogs, dialogs, dialogs);
    if (!editor.OpenFile(input)) return kFailed;
    return editor.SaveAs() ? 0 : kFailed;
}

// ---- The exchange program's download as KARD ------------------------------------

int RunExchangeKard(const std::string& input, const std::string& output)
{
    std::string error;
    std::optional<std::string> data = harwick::platform::readWholeFile(input, error);
    if (!data) {
        std::cerr << error << '\n';
        return kFailed;
    }
    std::erase(*data, kEndOfData);
    if (!harwick::platform::replaceFileAtomically(output, harwick::jobdata::KardFromJobData(*data), error)) {
        std::cerr << error << '\n';
        return kFailed;
    }
    return 0;
}

// ---- The drawing converter ----------------------------------------------------

class SketchDialogs : public sketchconv::Prompter, public sketchconv::FileChooser {
public:
    explicit SketchDialogs(std::string drawing) : drawing_(std::move(drawing)) {}

    void ShowMessage(std::string_view caption, std::string_view text, sketchconv::MessageIcon) override
    {
        std::cerr << "message: " << caption << ": " << text << '\n';
        last_ = std::string(text);
    }
    bool AskYesNo(std::string_view, std::string_view text) override
    {
        std::cerr << "asked: " << text << '\n';
        return true;
    }
    std::optional<std::string> OpenGsiPath() override { return std::nullopt; }
    std::optional<std::string> SaveDxfPath() override { return drawing_; }

    const std::string& LastMessage() const { return last_; }

private:
    std::string drawing_;
    std::string last_;
};

// The points and labels as an independent reader finds them, numbers as
// Python prints them (the shortest text that reads back as the same double).
constexpr std::string_view kReadBack = R"PY(
import sys
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("audit", len(doc.audit().errors))
for e in doc.modelspace():
    if e.dxftype() == "POINT":
        print("point", *(repr(float(c)) for c in e.dxf.location))
    elif e.dxftype() == "TEXT":
        print("text", repr(float(e.dxf.insert.x)), repr(float(e.dxf.insert.y)), "|" + e.dxf.text)
)PY";

int RunDrawing(const std::string& input, const std::string& output, const fs::path& programDir)
{
    const fs::path listing(output);
    const fs::path drawing = fs::path(listing).replace_extension(".dxf");
    SketchDialogs dialogs(drawing.string());
    sketchconv::SketchConverter converter(dialogs, dialogs, sketchconv::LibrarySearch{programDir, false});
    if (!converter.ReadGsi(input)) return kFailed;
    converter.Convert(1);
    const fs::path script = fs::path(listing).replace_extension(".py");
    std::string error;
    if (!harwick::platform::replaceFileAtomically(script, std::string(kReadBack), error)) return kFailed;
    const fs::path printed = fs::path(listing).replace_extension(".read");
    const std::string command = "timeout 120 /usr/bin/python3 '" + script.string() + "' '" + drawing.string() +
                                "' > '" + printed.string() + "'";
    if (std::system(command.c_str()) != 0) return kFailed;
    const std::optional<std::string> points = harwick::platform::readWholeFile(printed, error);
    if (!points) return kFailed;
    // The converter's final message heads the listing: it says what was skipped.
    const std::string text = "message " + dialogs.LastMessage() + "\n" + *points;
    if (!harwick::platform::replaceFileAtomically(listing, text, error)) return kFailed;
    fs::remove(script);
    fs::remove(printed);
    fs::remove(drawing);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (args.size() == 4 && args[0] == "editor") return RunEditor(args[1], args[2], args[3]);
    if (args.size() == 3 && args[0] == "exchange-kard") return RunExchangeKard(args[1], args[2]);
    if (args.size() == 3 && args[0] == "drawing") return RunDrawing(args[1], args[2], self.parent_path());
    std::cerr << "usage: field-paths editor gsi16|gsi8|idx|dat INPUT OUTPUT\n"
                 "       field-paths exchange-kard INPUT OUTPUT.dat\n"
                 "       field-paths drawing INPUT OUTPUT.txt\n";
    return kUsage;
}
