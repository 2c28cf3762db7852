// The instrument's framed block stream, as it sends coordinates over its
// cable and as it expects them back. Written from the stream's description
// alone and kept apart from the cable program's converter, so that the
// simulator can check that converter instead of mirroring its mistakes.
//
// A stream is the records of one transfer run together and cut into blocks
// of 128 bytes: STX, the 128 bytes, a block number character ("0" ... "9",
// then "0" again), a three-digit checksum (the exclusive-or of the 128 bytes
// and the number character, in decimal), ETX CR LF. The last block's rest is
// filled with "_" and blanks; the end block STX EOT ETX CR LF closes it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::sim {

inline constexpr char kStx = 0x02;
inline constexpr char kEtx = 0x03;
inline constexpr char kEot = 0x04;
inline constexpr char kEnq = 0x05;
inline constexpr char kAck = 0x06;
inline constexpr char kNak = 0x15;
inline constexpr char kEndOfData = 0x1A;

inline constexpr std::string_view kBlockEnd = "\x03\r\n";          // ETX CR LF
inline constexpr std::string_view kEndBlock = "\x02\x04\x03\r\n";  // STX EOT ETX CR LF
inline constexpr std::string_view kTrailer = "\x04\r\n";           // EOT CR LF, the end of a line upload
inline constexpr std::string_view kAckReply = "\x06\r\n";
inline constexpr std::string_view kNakReply = "\x15\r\n";

inline constexpr std::size_t kBlockDataSize = 128;
inline constexpr std::size_t kNameWidth = 10;

// "%03d" of the exclusive-or of data and the block number character.
std::string BlockChecksum(std::string_view data, char number);

// The record stream cut into numbered blocks, the last one filled, followed
// by the end block. An empty record stream gives the end block alone.
std::string FrameRecords(std::string_view records);

// A coordinate in the record's value form: sign, whole metres in at least
// six digits, millimetres in three ("+001234567" for 1234.567).
std::string CoordinateValue(double metres);

// KARD lines (name,code,easting,northing,elevation; CR LF or LF) as
// coordinate records: "_+" name filled to 10, "_ x" easting, "_ y" northing,
// "_ z" elevation. Nothing when a line is not a KARD line or there is none.
std::optional<std::string> CoordinateRecords(std::string_view kardText);

// CoordinateRecords framed as a block stream; nothing as above.
std::optional<std::string> FrameKardCoordinates(std::string_view kardText);

// The stream cut after every ETX CR LF, each piece keeping it; bytes after
// the last ETX CR LF (all of a text without one) form the last piece.
std::vector<std::string_view> SplitAfterBlockEnds(std::string_view stream);

} // namespace harwick::sim
