#include "converter.h"

#include "drawing_writer.h"
#include "sketch_texts.h"

#include "fileio/fileio.h"
#include "pointlist/notes.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <utility>

namespace sketchconv {

namespace {

// printf into a string; the formats are the constants of sketch_texts.h.
template <typename... Args>
std::string Format(const char* format, Args... args)
{
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

} // namespace

SketchConverter::SketchConverter(Prompter& prompter, FileChooser& files, LibrarySearch library)
    : prompter_(prompter), files_(files), library_(std::move(library))
{
}

std::optional<std::string> SketchConverter::ChooseGsi()
{
    std::optional<std::string> path = files_.OpenGsiPath();
    if (path) ReadGsi(*path);
    return path;
}

bool SketchConverter::ReadGsi(const std::string& path)
{
    std::string error;
    const std::optional<std::string> content = harwick::platform::readWholeFile(path, error);
    if (!content) {
        prompter_.ShowMessage(kProgramTitle, kOpenFailed, MessageIcon::Warning);
        return false;
    }
    read_ = {};
    if (HasGsiExtension(path)) read_ = ReadGsiPoints(*content);
    return true;
}

std::optional<std::string> SketchConverter::AskDxfPath()
{
    // As the save dialog would: No to replacing asks for another name.
    for (;;) {
        std::optional<std::string> path = files_.SaveDxfPath();
        if (!path) return std::nullopt;
        if (std::filesystem::path(*path).extension().empty()) path->append(kDxfExtension);
        std::error_code ec;
        if (!std::filesystem::exists(*path, ec)) return path;
        if (prompter_.AskYesNo(kSaveTitle, Format(kReplaceFormat.data(), path->c_str()))) return path;
    }
}

bool SketchConverter::Convert(int fontHeight)
{
    const std::optional<std::string> path = AskDxfPath();
    if (!path) return false;
    DrawmapBinding binding(library_);
    const bool written = WriteDrawing(binding, *path, read_.points, fontHeight);
    prompter_.ShowMessage(kResultCaption, Outcome(written), MessageIcon::Information);
    // Leaving, the binding closes a drawing still open and frees the library.
    return true;
}

std::string SketchConverter::Outcome(bool written) const
{
    if (!written) return std::string(kWriteFailed);
    namespace notes = harwick::pointlist::notes;
    std::string text = Format(kDoneFormat.data(), static_cast<int>(read_.points.size()));
    const std::pair<int, std::string_view> skips[] = {{read_.withoutCoordinates, notes::kWithoutCoordinates},
                                                      {read_.withoutName, notes::kWithoutName}};
    for (const auto& [count, why] : skips) {
        if (count > 0) text += " " + notes::skipped(static_cast<std::size_t>(count), true, why);
    }
    return text;
}

} // namespace sketchconv
