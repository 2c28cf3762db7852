// Message framing: stateless functions that cut messages out of a received
// character stream and build them (heads, delimited sections with an XOR
// checksum, the unfinished tail of a buffer, hexadecimal text, big-endian
// integer fields).
//
// Every function works only on its arguments, so any number of threads may
// call them at once as long as they do not share buffers. Strings are
// zero-terminated single-byte text; "space" means 0x20 only. Delimiters are
// always the caller's: the library has none of its own.
//
// Buffers: "clearing" a buffer zeroes the string it currently holds, up to its
// terminator. Functions that write no terminator write only what they count,
// so callers pass output buffers that are zero beyond their current string.
// Pointers are not checked unless a function says so.
//
// A string occurs at a position when its characters equal those there, byte by
// byte; an empty string occurs everywhere. Scans bounded by a count rather than
// by a terminator (GetFirstDataSec, TryMovetoFirstSplitEnd) step over zero
// bytes, so binary data can be framed.
#pragma once

namespace framekit {

// GetMsgHead: the text is empty or all spaces, or its end comes before the end flag.
inline constexpr int kHeadMissing = -2;
// GetFirstDataSec: the split, the text or the section is null.
inline constexpr int kSectionBadArgument = -1;
// GetFirstDataSec: no closing split within maxLen.
inline constexpr int kSectionUnclosed = -2;
// ReturnEndFlagPos: the flag does not occur within len.
inline constexpr int kFlagNotFound = -10;
// CharContentToLen: the text does not read as a positive hexadecimal number.
inline constexpr int kNoLength = -1;
// ByteToInt: more than four bytes asked for.
inline constexpr unsigned int kTooManyBytes = 0xFFFFFFFFu;
// ReturnFilePath: capacity of the caller's buffer, terminator included.
inline constexpr int kPathCapacity = 260;

} // namespace framekit

class [[gnu::visibility("default")]] CFramekit {
public:
    CFramekit();

    // Skips leading spaces of text, copies what follows up to endFlag into the
    // cleared head and returns the index of endFlag in text (spaces counted).
    // Null head or text, or a zero endFlag: 0, nothing changed. Empty or
    // all-space text, or no endFlag before the terminator: kHeadMissing, head
    // left cleared. No terminator is written.
    static int GetMsgHead(char* head, const char* text, char endFlag);

    // Moves data[0..dataLen] (the terminator included) up by frontLen, copies
    // frontLen characters of front ahead of it and zeroes them in front.
    // data needs room for frontLen + dataLen + 1 characters. Always 1.
    static int MergerData(char* front, int frontLen, char* data, int dataLen);

    // Clears section, then copies from the opening split (after leading spaces)
    // through the closing split, both included, and returns the index just past
    // the closing split. 0 when text does not start with split after its
    // spaces; kSectionUnclosed when no closing split starts at or before maxLen
    // (section then holds maxLen + 1 - spaces characters); kSectionBadArgument
    // for a null pointer. text holds maxLen valid characters and a terminator.
    // No terminator is written.
    static int GetFirstDataSec(const char* split, const char* text, int maxLen, char* section);

    // XOR of the first len bytes; 0 when len <= 0.
    static int GetChecksum(unsigned char* data, int len);

    // A section ends in separator, two hexadecimal checksum characters and a
    // two-character closing delimiter. When the XOR of everything before the
    // separator equals the checksum, copies the characters from contentStart up
    // to the separator (exclusive) into content and returns 1; otherwise 0 and
    // nothing written. The check works on a scratch copy of workSize bytes, so
    // workSize must be at least sectionLen - 5. Arguments that do not describe
    // a section (sectionLen < 5, contentStart outside 0..sectionLen-5, workSize
    // too small) give 0. No terminator is written.
    static int GetSecContent(const char* section, int sectionLen, int contentStart, unsigned char* content,
                             int workSize);

    // Writes the current directory into *path (kPathCapacity characters,
    // terminator included). Always 1.
    static int ReturnFilePath(char** path);

    // Advances *cursor over spaces. Always 1.
    static int LeftTrimeSec(char** cursor);

    // One less than the start of the last flag lying wholly within the first
    // len characters (-1 for a flag at 0), or kFlagNotFound. Nothing at or past
    // len is read.
    static int ReturnEndFlagPos(const char* data, int len, const char* flag);

    // text read as hexadecimal (leading blanks, a sign and "0x" accepted, up
    // to the first non-digit) if above 0, else kNoLength. Values beyond the
    // 32-bit range read as the largest int.
    static int CharContentToLen(const char* text);

    // Big-endian value of n bytes; 0 for n <= 0, kTooManyBytes for n > 4.
    static unsigned int ByteToInt(const unsigned char* bytes, int n);

    // The low two bytes of value, most significant first.
    static void IntToByte(unsigned int value, unsigned char* out);

    // The low n bytes of value, most significant first, for n in 1..4; the
    // inverse of ByteToInt. Other n write nothing.
    static void IntToByte(unsigned int value, unsigned char* out, int n);

    // Two upper-case hexadecimal characters per byte, high half first; returns
    // 2 * n (nothing written for n <= 0). No terminator is written.
    static int HexBytes2String(const unsigned char* bytes, char* text, int n);

    // One byte per pair of characters; returns len / 2 rounded toward zero.
    // The high half accepts either case, the low half only digits and "A".."F";
    // other characters give what their arithmetic gives. An odd len writes one
    // more byte, made of the last character and a zero low character; nothing at
    // or past len is read.
    static int String2HexBytes(const char* text, unsigned char* bytes, int len);

    // Splits buffer at the start p of its last flag (0 when there is none or it
    // is at 0): copies the tail buffer[p..len-1] into rest and appends flag
    // there (no terminator); in buffer, puts flag at p and zeroes the rest of
    // the tail. Returns p. restSize is not used; rest needs room for
    // len - p + strlen(flag) characters. A len below strlen(flag) gives 0 and
    // changes nothing.
    static int GetLeftData(char* buffer, int len, char* rest, int restSize, const char* flag);

    // Skips spaces, then looks for split at offsets 0..maxSteps from there.
    // Found at i: *cursor moves just past that split and the result is i.
    // Not found: 0 with *cursor on the first non-space character; a caller
    // tells this from a split found at once by where the cursor stands.
    static int TryMovetoFirstSplitEnd(char** cursor, int maxSteps, const char* split);
};
