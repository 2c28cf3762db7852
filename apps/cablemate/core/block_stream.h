// The instrument's framed block stream. The records of one transfer are
// written one after the other into a record stream; the stream travels cut
// into blocks of 128 data bytes, each between STX and ETX with a block number
// and a checksum, and closed by an end block.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cablemate {

// ---- Control bytes ----------------------------------------------------------------
inline constexpr char kStx = '\x02';
inline constexpr char kEtx = '\x03';
inline constexpr char kEot = '\x04';
inline constexpr char kEnq = '\x05';
inline constexpr char kAck = '\x06';

// ---- Blocks -----------------------------------------------------------------------
inline constexpr std::size_t kBlockDataSize = 128;
// STX, data, block number, three checksum digits, ETX CR LF.
inline constexpr std::size_t kBlockSize = 1 + kBlockDataSize + 1 + 3 + 3;
// Closes every stream: STX EOT ETX CR LF.
inline constexpr std::string_view kEndBlock = "\x02\x04\x03\r\n";
// Sent ahead of the coordinate blocks of a COM coordinate upload: two short
// blocks the instrument expects before the first record.
inline constexpr std::string_view kCoordinateUploadHeader =
    "\x02" "F00F000" "\x03\r\n"
    "\x02" "Site1     +00001.000000200020-100000S113" "\x03\r\n";
static_assert(kCoordinateUploadHeader.size() == 55);

// ---- Record markers ----------------------------------------------------------------
inline constexpr std::string_view kNameMark = "_+";
inline constexpr std::string_view kEastingMark = "_ x";
inline constexpr std::string_view kNorthingMark = "_ y";
inline constexpr std::string_view kElevationMark = "_ z";
inline constexpr std::string_view kCodeRecordMark = "_:";
inline constexpr std::string_view kMeasuredValuesMark = "_ U";
inline constexpr std::string_view kMeasuredCodeMark = "_*";
inline constexpr std::string_view kMeasuredCodeEnd = "_,";
// Names and codes are filled with blanks to this width (a longer one stays whole).
inline constexpr std::size_t kRecordTextWidth = 10;

// Cuts a record stream into blocks and appends the end block. The last
// block's rest is followed by "_" and blanks up to 128 bytes unless it fills
// the block exactly. An empty stream is the end block alone.
std::string FrameRecordStream(std::string_view records);

// How received blocks are joined back into their record stream.
enum class JoinVariant {
    // Stops at the first EOT; a text without EOT gives nothing.
    UpToEot,
    // Drops every CR and LF as well and runs to the end of the text.
    WholeText,
};

// Drops every STX; at every ETX drops it together with the bytes of the four
// text positions before it (block number and checksum), and skips the CR LF
// that follows it.
std::string JoinBlocks(std::string_view text, JoinVariant variant);

// The number of "_:" in the text, when it begins with STX and ends like a
// stream (EOT third-last, CR second-last or LF last); otherwise 0.
std::size_t CountCodeRecords(std::string_view text);

// The coordinate block stream of the first CountKardLines() lines of a
// KARD300 text; nothing when there are none.
std::optional<std::string> BuildCoordinateBlocks(std::string_view kard);

// The code block stream of the first CountCodeLines() lines «number,code»;
// nothing when there are none.
std::optional<std::string> BuildCodeBlocks(std::string_view codeLines);

// One coordinate value as a record writes it: sign, whole metres as at least
// six digits, three decimals; the decimals of the text are taken to three
// places ("2.25" is 2.250, "1.2345" is 1.235).
std::string CoordinateRecordValue(std::string_view value);

} // namespace cablemate
