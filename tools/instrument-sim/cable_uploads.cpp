#include "instrument-sim/cable_uploads.h"

#include "instrument-sim/cable_blocks.h"

namespace harwick::sim {

namespace {

constexpr char kCr = '\r';
constexpr std::string_view kLineEnd = "\r\n";

// Where the upload's EOT CR LF starts. The PC cuts its trailer at a packet's
// end when a last line without line end nearly fills the packet; the closing
// packet then follows an EOT, or EOT CR, that has no rest.
std::optional<std::size_t> trailerAt(const std::string& text)
{
    if (const std::size_t at = text.find(kTrailer); at != std::string::npos) return at;
    if (!text.empty() && text.back() == kEot) return text.size() - 1;
    if (text.size() >= 2 && text.back() == kCr && text[text.size() - 2] == kEot) return text.size() - 2;
    return std::nullopt;
}

} // namespace

std::optional<std::string> UsbUploadAssembler::Take(std::string_view packet)
{
    const std::string_view text = packet.substr(0, packet.find('\0'));
    if (!text.empty() && text.front() == kEndOfData) {
        if (const std::optional<std::size_t> at = trailerAt(text_)) {
            std::string data = text_.substr(0, *at);
            text_.clear();
            return data;
        }
    }
    text_.append(text);
    return std::nullopt;
}

std::vector<SerialUploadParser::Event> SerialUploadParser::Feed(std::string_view bytes)
{
    pending_.append(bytes);
    std::vector<Event> events;
    while (!pending_.empty() && Step(events)) {
    }
    return events;
}

void SerialUploadParser::Reset()
{
    mode_ = Mode::Idle;
    pending_.clear();
    stream_.clear();
    blocks_ = 0;
    lines_ = 0;
    linesEnd_ = 0;
}

// One piece of pending_ handled; false when more bytes must come first.
bool SerialUploadParser::Step(std::vector<Event>& events)
{
    if (mode_ == Mode::Blocks) return StepBlocks(events);
    if (mode_ == Mode::Lines) return StepLines(events);
    const char first = pending_.front();
    if (first == kEnq || first == kAck || first == kNak) {
        if (first == kEnq) events.push_back(Event{Event::Kind::Enquiry, 0, {}});
        pending_.erase(0, 1);
        return true;
    }
    mode_ = first == kStx ? Mode::Blocks : Mode::Lines;
    return true;
}

bool SerialUploadParser::StepBlocks(std::vector<Event>& events)
{
    const std::size_t end = pending_.find(kBlockEnd);
    if (end == std::string::npos) return false;
    const std::size_t length = end + kBlockEnd.size();
    const bool last = std::string_view(pending_).substr(0, length) == kEndBlock;
    stream_.append(pending_, 0, length);
    pending_.erase(0, length);
    if (!last) {
        events.push_back(Event{Event::Kind::Block, ++blocks_, {}});
        return true;
    }
    events.push_back(Event{Event::Kind::Upload, 0, std::move(stream_)});
    stream_.clear();
    blocks_ = 0;
    mode_ = Mode::Idle;
    return true;
}

bool SerialUploadParser::StepLines(std::vector<Event>& events)
{
    const std::size_t end = pending_.find(kTrailer);
    // The lines that came whole before the trailer (or before what has come
    // so far); the trailer's own CR LF is not a line.
    const std::size_t linesUpTo = end == std::string::npos ? pending_.size() : end;
    for (std::size_t at = pending_.find(kLineEnd, linesEnd_);
         at != std::string::npos && at + kLineEnd.size() <= linesUpTo; at = pending_.find(kLineEnd, linesEnd_)) {
        linesEnd_ = at + kLineEnd.size();
        events.push_back(Event{Event::Kind::Line, ++lines_, {}});
    }
    if (end == std::string::npos) return false;
    events.push_back(Event{Event::Kind::Upload, 0, pending_.substr(0, end)});
    pending_.erase(0, end + kTrailer.size());
    mode_ = Mode::Idle;
    lines_ = 0;
    linesEnd_ = 0;
    return true;
}

} // namespace harwick::sim
