// The converter's two commands: "..." reads a GSI file into the point
// array, OK writes the array as a DXF drawing through libdrawmap.so. It
// talks to its user through the small interfaces below, which the dialog
// implements with Qt and the tests with scripted answers.
#pragma once

#include "drawing_writer.h"
#include "point_reader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sketchconv {

enum class MessageIcon { Information, Warning };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void ShowMessage(std::string_view caption, std::string_view text, MessageIcon icon) = 0;
    // true for Yes.
    virtual bool AskYesNo(std::string_view caption, std::string_view text) = 0;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // An existing file, or nothing on Cancel.
    virtual std::optional<std::string> OpenGsiPath() = 0;
    // The name as typed or picked, or nothing on Cancel. The converter adds
    // the extension and asks about replacing.
    virtual std::optional<std::string> SaveDxfPath() = 0;
};

class SketchConverter {
public:
    SketchConverter(Prompter& prompter, FileChooser& files, LibrarySearch library);

    // "...": asks for a GSI file and reads it. The chosen path, for the path
    // field, or nothing when the choice was cancelled.
    std::optional<std::string> ChooseGsi();
    // Reads path into the point array: "Open File False!" when it cannot be
    // opened (the array is kept); otherwise the array is replaced, and stays
    // empty for a file whose extension is not GSI. true when opened.
    bool ReadGsi(const std::string& path);

    // OK: asks for the DXF name and writes the drawing with labels of
    // fontHeight. Returns whether a drawing was attempted; either way the
    // program ends afterwards.
    bool Convert(int fontHeight);

    const std::vector<CoordinateSurvey>& Points() const { return read_.points; }
    const GsiPoints& Read() const { return read_; }

private:
    std::optional<std::string> AskDxfPath();
    std::string Outcome(bool written) const;

    Prompter& prompter_;
    FileChooser& files_;
    LibrarySearch library_;
    GsiPoints read_;
};

} // namespace sketchconv
