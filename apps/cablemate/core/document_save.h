// What Save As writes for the name the user gave: the text as it is, KARD
// lines, or a DXF drawing; and the file types its dialog offers. A save that
// has nothing to write says so and leaves the file alone.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cablemate {

// What a target file gets, by its extension.
enum class SaveFormat { AsText, Kard, Dxf };
// The file types of the Save As dialog, in the dialog's order.
enum class SaveType { Gsi, Kard, Dxf };

// ".dat" is KARD lines and ".dxf" a drawing, in either case; any other
// extension, or none, gets the text as it is.
SaveFormat FormatForPath(const std::filesystem::path& path);

// The extension of a file type, without its dot: "gsi", "dat", "dxf".
std::string_view TypeExtension(SaveType type);

// A bare name gets the extension of the type chosen in the dialog; a name
// with an extension of its own keeps it.
std::filesystem::path WithTypeExtension(std::filesystem::path path, SaveType type);

// The line ends of a text, of every kind: what a progress display counts.
std::size_t CountLineEnds(std::string_view text);

// What a save writes, or the messages that say why it writes nothing.
struct SaveContent {
    std::optional<std::string> bytes;
    std::vector<std::string_view> messages;
};

// KARD lines: a text that already is KARD lines (every line that is not
// blank has four commas) as it is; otherwise the GSI text converted, with
// onLineEnd called for each line end passed. Nothing, with kNothingToSaveAsKard,
// when neither gives a line.
SaveContent KardContent(std::string_view text, const std::function<void()>& onLineEnd = {});

// A drawing: a text that already is a DXF drawing as it is; otherwise the
// DXF export of its KARD300 lines, or the export's message.
SaveContent DxfContent(std::string_view text);

} // namespace cablemate
