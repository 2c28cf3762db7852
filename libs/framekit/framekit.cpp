#include "framekit.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// For scans whose only bound is the first difference from the searched string.
constexpr std::size_t kUnbounded = SIZE_MAX;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Characters at or past limit count as zero bytes without being read, so a
// search bounded by a length never touches memory the caller did not hand
// over. The comparison ends at the first difference: s holds no zero byte, so
// even an unbounded one never passes a terminator of text.
bool occursAt(const char* text, std::size_t limit, const char* s)
{
    for (std::size_t i = 0; s[i] != '\0'; ++i) {
        if (i >= limit || text[i] != s[i]) {
            return false;
        }
    }
    return true;
}

void clearString(char* s) { std::memset(s, 0, std::strlen(s)); }

int countSpaces(const char* text)
{
    int n = 0;
    while (text[n] == ' ') {
        ++n;
    }
    return n;
}

// GetChecksum wants writable bytes and the section is the caller's, so the sum
// runs on a scratch block of the size the caller budgets for it. -1, which no
// checksum equals, when the block cannot be had: no exception leaves the library.
int checksumOfCopy(const char* section, int count, int workSize)
{
    try {
        std::vector<unsigned char> work;
        work.reserve(static_cast<std::size_t>(workSize));
        work.assign(section, section + count);
        return CFramekit::GetChecksum(work.data(), count);
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

// The digit rules are the peers' wire convention, quirks included: the high
// half takes either case, the low half only upper-case letters.
unsigned char highHalf(char c)
{
    const auto v = static_cast<unsigned char>(isDigit(c) ? c : c - 7);
    return static_cast<unsigned char>(v << 4);
}

unsigned char lowHalf(char c) { return static_cast<unsigned char>(isDigit(c) ? c - '0' : c - 55); }

} // namespace

CFramekit::CFramekit() = default;

int CFramekit::GetMsgHead(char* head, const char* text, char endFlag)
{
    if (head == nullptr || text == nullptr || endFlag == '\0') {
        return 0;
    }
    clearString(head);
    const int spaces = countSpaces(text);
    if (text[spaces] == '\0') {
        return framekit::kHeadMissing;
    }
    int i = spaces;
    for (; text[i] != endFlag; ++i) {
        if (text[i] == '\0') {
            std::memset(head, 0, static_cast<std::size_t>(i - spaces));
            return framekit::kHeadMissing;
        }
        head[i - spaces] = text[i];
    }
    return i;
}

int CFramekit::MergerData(char* front, int frontLen, char* data, int dataLen)
{
    // A negative length would move the data below its own start.
    if (frontLen <= 0) {
        return 1;
    }
    const auto shift = static_cast<std::size_t>(frontLen);
    if (dataLen >= 0) {
        std::memmove(data + shift, data, static_cast<std::size_t>(dataLen) + 1);
    }
    std::memmove(data, front, shift);
    std::memset(front, 0, shift);
    return 1;
}

// Reads stay within text[0..maxLen]: past it only through characters equal to
// split's, which are not zero and so still belong to the caller's string.
int CFramekit::GetFirstDataSec(const char* split, const char* text, int maxLen, char* section)
{
    if (section != nullptr) {
        clearString(section);
    }
    if (split == nullptr || text == nullptr || section == nullptr) {
        return framekit::kSectionBadArgument;
    }
    const int start = countSpaces(text);
    if (!occursAt(text + start, kUnbounded, split)) {
        return 0;
    }
    const std::size_t splitLen = std::strlen(split);
    for (int j = start;; ++j) {
        section[j - start] = text[j];
        const int k = j + 1;
        if (k > maxLen) {
            return framekit::kSectionUnclosed;
        }
        if (occursAt(text + k, kUnbounded, split)) {
            std::memcpy(section + (k - start), split, splitLen);
            return k + static_cast<int>(splitLen);
        }
    }
}

int CFramekit::GetChecksum(unsigned char* data, int len)
{
    unsigned char sum = 0;
    for (int i = 0; i < len; ++i) {
        sum ^= data[i];
    }
    return sum;
}

int CFramekit::GetSecContent(const char* section, int sectionLen, int contentStart, unsigned char* content,
                             int workSize)
{
    if (sectionLen < 5) {
        return 0;
    }
    const int covered = sectionLen - 5; // everything before the separator
    if (contentStart < 0 || contentStart > covered || workSize < covered) {
        return 0;
    }
    const char digits[3] = {section[sectionLen - 4], section[sectionLen - 3], '\0'};
    if (std::strtol(digits, nullptr, 16) != checksumOfCopy(section, covered, workSize)) {
        return 0;
    }
    std::memcpy(content, section + contentStart, static_cast<std::size_t>(covered - contentStart));
    return 1;
}

int CFramekit::ReturnFilePath(char** path)
{
    // A directory too long for the buffer leaves an empty string: a truncated
    // path would silently name some other directory.
    if (::getcwd(*path, framekit::kPathCapacity) == nullptr) {
        (*path)[0] = '\0';
    }
    return 1;
}

int CFramekit::LeftTrimeSec(char** cursor)
{
    *cursor += countSpaces(*cursor);
    return 1;
}

int CFramekit::ReturnEndFlagPos(const char* data, int len, const char* flag)
{
    for (int p = len - 1; p >= 0; --p) {
        if (occursAt(data + p, static_cast<std::size_t>(len - p), flag)) {
            return p - 1;
        }
    }
    return framekit::kFlagNotFound;
}

int CFramekit::CharContentToLen(const char* text)
{
    const long value = std::strtol(text, nullptr, 16);
    if (value <= 0) {
        return framekit::kNoLength;
    }
    // Lengths were defined with a 32-bit long, which saturates rather than wraps.
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

unsigned int CFramekit::ByteToInt(const unsigned char* bytes, int n)
{
    if (n > 4) {
        return framekit::kTooManyBytes;
    }
    unsigned int value = 0;
    for (int i = 0; i < n; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void CFramekit::IntToByte(unsigned int value, unsigned char* out) { IntToByte(value, out, 2); }

void CFramekit::IntToByte(unsigned int value, unsigned char* out, int n)
{
    if (n <= 0 || n > 4) {
        return;
    }
    for (int i = 0; i < n; ++i) {
        out[n - 1 - i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

int CFramekit::HexBytes2String(const unsigned char* bytes, char* text, int n)
{
    for (int i = 0; i < n; ++i) {
        const auto at = 2 * static_cast<std::size_t>(i);
        text[at] = kHexDigits[bytes[i] >> 4];
        text[at + 1] = kHexDigits[bytes[i] & 0x0F];
    }
    // Wraps like 32-bit arithmetic instead of overflowing for absurd counts.
    return static_cast<int>(2u * static_cast<unsigned int>(n));
}

int CFramekit::String2HexBytes(const char* text, unsigned char* bytes, int len)
{
    for (int i = 0; i < len / 2; ++i) {
        const auto at = 2 * static_cast<std::size_t>(i);
        bytes[i] = highHalf(text[at]) | lowHalf(text[at + 1]);
    }
    if (len > 0 && len % 2 != 0) {
        // The missing low character is the text's terminator, taken as read.
        bytes[len / 2] = highHalf(text[len - 1]) | lowHalf('\0');
    }
    return len / 2;
}

// restSize stays unused: callers size rest for their whole buffer plus the
// flag, which bounds every tail this can write.
int CFramekit::GetLeftData(char* buffer, int len, char* rest, int /*restSize*/, const char* flag)
{
    const int flagLen = static_cast<int>(std::strlen(flag));
    // The flag is always written at p: it must fit in the buffer.
    if (len < flagLen) {
        return 0;
    }
    const int p = std::max(ReturnEndFlagPos(buffer, len, flag) + 1, 0);
    const int tail = len - p;
    std::memcpy(rest, buffer + p, static_cast<std::size_t>(tail));
    std::memcpy(rest + tail, flag, static_cast<std::size_t>(flagLen));
    std::memcpy(buffer + p, flag, static_cast<std::size_t>(flagLen));
    std::memset(buffer + p + flagLen, 0, static_cast<std::size_t>(tail - flagLen));
    return p;
}

int CFramekit::TryMovetoFirstSplitEnd(char** cursor, int maxSteps, const char* split)
{
    LeftTrimeSec(cursor);
    for (std::int64_t i = 0; i <= maxSteps; ++i) {
        if (occursAt(*cursor + i, kUnbounded, split)) {
            *cursor += i + static_cast<std::int64_t>(std::strlen(split));
            return static_cast<int>(i);
        }
    }
    return 0;
}
