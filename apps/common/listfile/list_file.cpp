#include "language/ui_text.h"
#include "list_file.h"

#include "fileio/fileio.h"
#include "point_drawing.h"
#include "text/text.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace harwick::listfile {

namespace {

constexpr harwick::UiText kCannotWriteBefore = "cannot write '";
constexpr harwick::UiText kCannotWriteAfter = "': ";

// The library only says that it failed; a folder that is missing or closed
// to the user is the usual reason, and the user can act on it.
std::string drawingFailure(const std::string& path, const std::string& libraryReason)
{
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    const std::string why = ::access(folder.c_str(), W_OK) != 0 ? std::strerror(errno) : libraryReason;
    return text::concat({kCannotWriteBefore, path, kCannotWriteAfter, why});
}

} // namespace

std::optional<std::string> Write(const pointlist::ExchangeExport& made, const std::string& path,
                                 const drawmap::LibrarySearch& library)
{
    if (made.drawing) {
        if (std::optional<std::string> failed = drawmap::SavePointDrawing(library, path, *made.drawing)) {
            return drawingFailure(path, *failed);
        }
        return std::nullopt;
    }
    std::string error;
    if (!platform::replaceFileAtomically(path, made.content, error)) return error;
    return std::nullopt;
}

} // namespace harwick::listfile
