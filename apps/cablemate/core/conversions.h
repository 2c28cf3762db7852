// The conversions the cable program offers on the editor's text. Each reads
// the whole text and hands back what the window is to show; none touches the
// editor itself.
#pragma once

#include "block_stream.h"
#include "refresh.h"
#include "tables.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cablemate {

// What a conversion hands back to the window: the messages to show, in order,
// and the new editor text when the editor's text is to be replaced.
struct ConversionResult {
    std::vector<std::string_view> messages;   // constants from messages.h
    std::optional<std::string> text;          // replaces the editor's text (also partial output of a conversion that stopped midway)
};

// Received code-list blocks to «number,code» lines; the records also replace
// the code table.
ConversionResult CodeBlocksToText(std::string_view editor, CodeTable& table, const Refresh& refresh = {});

// Received measured-data blocks to KARD300 lines.
ConversionResult MeasuredBlocksToKard(std::string_view editor, const Refresh& refresh = {});

// Received coordinate blocks to KARD300 lines; the name also fills the code column.
ConversionResult CoordinateBlocksToKard(std::string_view editor, const Refresh& refresh = {});

// KARD300 lines to the coordinate block stream (BuildCoordinateBlocks).
ConversionResult KardToCoordinateBlocks(std::string_view editor);

// KARD600 lines to KARD300 lines, up to the first line without a comma or line end.
ConversionResult Kard600ToKard300(std::string_view editor, const Refresh& refresh = {});

// GSI text to KARD300 lines; onLineEnd is called once per line end passed,
// of any kind (the save dialog's progress bar).
std::string GsiToKardText(std::string_view gsi, const std::function<void()>& onLineEnd = {});

enum class SaveOutcome { Saved, CannotCreate, NoData, NothingToWrite };

// Writes KardContent (GSI converted, KARD lines as they are) into target
// through a temporary file and a rename, so a failed save never leaves a
// half file. NoData: empty text; NothingToWrite: no KARD line came of it;
// either way nothing is written and an existing file stays untouched.
SaveOutcome GsiToKardSave(std::string_view gsi, const std::filesystem::path& target,
                          const std::function<void()>& onLineEnd = {});

} // namespace cablemate
