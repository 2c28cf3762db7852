// Faults of the instrument's cable side (USB and serial streaming), chosen
// per run, so that the cable program's handling of them can be tried out.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace harwick::sim {

// Every member has an initializer, so designated initializers may name any
// subset of them without a missing-initializer warning.
struct CableMisbehaviour {
    // Never sends and never answers: Enter and ENQ are ignored, blocks go
    // unanswered and no upload is taken (what the PC sends is still recorded).
    bool silent = false;
    // After this many packets (USB) or chunks and blocks (serial) of one
    // send, pause once for `pause`.
    std::optional<std::size_t> pauseAfterPacket{};
    std::chrono::milliseconds pause{0};
    // Serial Ack/Nak receive: blocks 1 ... N of an upload are answered with
    // ACK, block N + 1 with NAK CR LF (0x15 0x0D 0x0A), later ones with ACK.
    std::optional<std::size_t> nakAfterBlocks{};
    // Serial Ack/Nak receive, non-empty: every received block is answered
    // with these bytes instead of ACK CR LF.
    std::string wrongAck{};
    // The line closes mid-transfer: over USB after N packets sent or
    // received (both FIFOs closed, the interface directory removed; a sent
    // packet is first left for the PC to read); over the serial cable after N
    // pieces sent, or data blocks or lines received (the N-th block is still answered;
    // what was sent is first left for the PC to read; then the
    // pseudo-terminal is closed and the port name unregistered). Counted
    // from Start.
    std::optional<std::size_t> closeAfterPackets{};
    // Serial sends: these bytes ride in the same write right after the EOT.
    std::string bytesAfterEot{};
};

} // namespace harwick::sim
