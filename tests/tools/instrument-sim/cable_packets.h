// The PC's side of the cable as the cable program moves an upload: over USB
// one line per 64-byte packet (a longer line in 64-byte pieces), the trailer
// EOT CR LF, and the closing packet, which is the packet that carried the
// trailer with its first byte replaced by 0x1A. Written here from the cable
// program's described behaviour, so the simulator is checked against it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::sim::testing {

inline constexpr std::size_t kPacket = 64;

inline std::vector<std::string> pcUploadPackets(std::string_view text)
{
    const std::string buffer = std::string(text) + "\x04\r\n";
    std::vector<std::string> packets;
    std::size_t cursor = 0;
    std::size_t rest = text.size();
    for (;;) {
        std::string packet = buffer.substr(cursor, kPacket);
        const std::size_t crlf = packet.find("\r\n");
        const std::size_t kept = crlf == std::string::npos ? kPacket : crlf + 2;
        packet.resize(std::min(kept, packet.size()));
        packet.resize(kPacket, '\0');
        packets.push_back(packet);
        if (kept > rest) {
            packet[0] = '\x1A';
            packets.push_back(packet);
            return packets;
        }
        cursor += kept;
        rest -= kept;
    }
}

// What the instrument sends over USB: text and 0x1A in packets, zero-filled.
inline std::vector<std::string> instrumentPackets(std::string_view text)
{
    std::string bytes = std::string(text) + '\x1A';
    bytes.resize((bytes.size() + kPacket - 1) / kPacket * kPacket, '\0');
    std::vector<std::string> packets;
    for (std::size_t at = 0; at < bytes.size(); at += kPacket) packets.push_back(bytes.substr(at, kPacket));
    return packets;
}

} // namespace harwick::sim::testing
