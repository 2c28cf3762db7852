// How the instrument reads what the PC sends it over the cable, as pure
// state machines: the serving threads feed them bytes and act on what they
// report, and the tests feed them directly.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::sim {

// Over USB the PC sends one line per 64-byte packet (a longer line in several
// packets), then the line EOT CR LF, then a closing packet that begins with
// 0x1A. Each packet counts up to its first zero byte.
class UsbUploadAssembler {
public:
    // Takes one packet; the upload's data (the text before its EOT) when the
    // packet closed one.
    std::optional<std::string> Take(std::string_view packet);

    void Reset() { text_.clear(); }

private:
    std::string text_;
};

// Over the serial cable an upload is either framed blocks (it begins with
// STX; every block ends with ETX CR LF; the end block STX EOT ETX CR LF
// closes it) or lines closed by EOT CR LF. ENQ, ACK and NAK between uploads
// are the far end's handshake, not data.
class SerialUploadParser {
public:
    struct Event {
        // Line: one more CR LF line of a line upload has come whole.
        enum class Kind { Enquiry, Block, Line, Upload };
        Kind kind = Kind::Upload;
        std::size_t block = 0;  // Block, Line: its number within the upload, from 1
        std::string bytes;      // Upload: the whole block stream, or the text before the EOT
    };

    std::vector<Event> Feed(std::string_view bytes);

    // The far end went away: an unfinished upload is dropped.
    void Reset();

private:
    enum class Mode { Idle, Blocks, Lines };

    bool Step(std::vector<Event>& events);
    bool StepBlocks(std::vector<Event>& events);
    bool StepLines(std::vector<Event>& events);

    Mode mode_ = Mode::Idle;
    std::string pending_;  // bytes not yet parsed
    std::string stream_;   // the blocks of the upload so far
    std::size_t blocks_ = 0;
    std::size_t lines_ = 0;
    std::size_t linesEnd_ = 0;  // where the lines reported so far end in pending_
};

} // namespace harwick::sim
