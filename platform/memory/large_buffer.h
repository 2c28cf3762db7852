// A million-point list fills a few hundred megabytes of fresh memory: its
// rows, the file's text, the text written. Taken page by page, each 4 KiB
// page is a trip into the kernel, and on a virtual machine those trips can
// cost more than the reading and writing themselves. Advised here, the
// kernel backs such buffers with 2 MiB pages where it can.
#pragma once

#include <cstddef>

namespace harwick::platform {

// Asks for huge pages under the whole 2 MiB spans of [data, data + bytes).
// Advice only: a buffer too small, or a kernel that says no, changes
// nothing.
void adviseLargeBuffer(const void* data, std::size_t bytes) noexcept;

// The whole reserved room of a vector or string.
template <typename Container>
void adviseLargeBuffer(const Container& buffer) noexcept
{
    adviseLargeBuffer(buffer.data(), buffer.capacity() * sizeof(*buffer.data()));
}

} // namespace harwick::platform
