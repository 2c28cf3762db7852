// What the transfers share with the window: the transfer text that a
// transfer builds and the editor shows, the flag that tells the progress
// refresher a send is over, and the two things a transfer needs from the
// window — the editor and modal messages. Transfers run on worker threads,
// so the text is handed over under a lock and the flag is atomic; the window
// makes its widget changes on its own thread.
#pragma once

#include "comports/discovery.h"
#include "traffic/traffic_log.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace cablemate {

class TransferText {
public:
    void Set(std::string text);
    void Append(std::string_view bytes);
    std::string Snapshot() const;
    std::size_t Size() const;

private:
    mutable std::mutex mutex_;
    std::string text_;
};

// The editor as a transfer drives it. Called from worker threads; the window
// carries each call over to its own thread.
class Editor {
public:
    virtual ~Editor() = default;
    // The editor's whole text, as the user left it.
    virtual std::string Text() = 0;
    // Shows text as the editor's whole text, caret at the end, scrolled into view.
    virtual void Show(std::string text) = 0;
    // Busy: disabled and read-only while a transfer runs.
    virtual void SetBusy(bool busy) = 0;
};

// Modal messages; ShowMessage returns when the user has closed the box.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void ShowMessage(std::string_view text) = 0;
};

// The fixed waits of the transfers. Tests shorten them; the program keeps
// the defaults.
struct TransferTiming {
    // The progress refresher's period, and how long a finished send waits
    // so that the refresher has its last turn.
    std::chrono::milliseconds refresherPeriod{1000};
    std::chrono::milliseconds finalWait{1000};
};

// How a transfer ended. The transfer has shown its own message for every
// outcome but NothingCame over USB; the command line turns each into its exit.
enum class CableOutcome {
    Done,
    PortFailed,     // the port did not open, or a USB entry point is missing
    NothingCame,    // nothing arrived within the receive time-out
    Incomplete,     // data came, then stopped before its end
    SendStopped,    // the port or pipe stopped taking bytes part-way
    Refused,        // the text is not what this send is made of
    WrongReply,     // the instrument did not acknowledge a block
    OutOfMemory,
};

struct CableResult {
    CableOutcome outcome = CableOutcome::Done;
    bool Done() const { return outcome == CableOutcome::Done; }
};

// Everything one transfer works on. The window owns one for the program's
// life; the command line makes one per run.
struct TransferContext {
    TransferText text;
    std::atomic<bool> done{true};
    Editor* editor = nullptr;
    Messages* messages = nullptr;
    TransferTiming timing;
    // Whether the user may open a serial device; tests answer for a refusal.
    harwick::platform::AccessProbe access = harwick::platform::AccessOfDevice;

    // Where every chunk on the cable is recorded; none by default. The
    // window changes it while a transfer may run: each transfer takes the
    // log once, when it starts.
    void SetLog(std::shared_ptr<harwick::platform::TrafficLog> log) {
        std::lock_guard lock(logMutex_);
        log_ = std::move(log);
    }
    std::shared_ptr<harwick::platform::TrafficLog> Log() const {
        std::lock_guard lock(logMutex_);
        return log_;
    }

private:
    mutable std::mutex logMutex_;
    std::shared_ptr<harwick::platform::TrafficLog> log_;
};

// Ends what the instrument sends over USB; a download leaves it behind the data.
inline constexpr char kEndOfData = '\x1A';

// The editor's text as every send puts it on the wire: each line end (CR LF,
// LF or a lone CR) as CR LF, and a last line without one sent as a line.
// The end-of-data byte a download leaves at the end is not part of the
// data and stays off the wire. The editor's own bytes are not changed.
std::string WireText(std::string_view editor);

// Waits that many milliseconds. The transfers wait between lines for the
// instrument's sake; a sleeping wait keeps the processor free for the
// window and the refresher.
void WaitMilliseconds(long milliseconds);

} // namespace cablemate
