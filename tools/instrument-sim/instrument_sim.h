// The simulated total station on a pseudo-terminal registered as a COM port:
// the exchange program, the command-line tool and the tests open the port by
// name and talk to it as to the instrument on its cable.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace harwick::sim {

// Faults of a real line and instrument, chosen per run.
struct Misbehaviour {
    // Answers the first N commands, then nothing at all.
    std::optional<int> silentAfterCommands;
    // Command without its CR LF -> bytes sent instead of the reply. The
    // command is then not carried out: the store stays as it was.
    std::map<std::string, std::string> wrongReplies;
    // Every reply cut into pieces of this many bytes, written one by one
    // with splitPause between them.
    std::size_t splitEvery = 0;
    std::chrono::milliseconds splitPause{0};
    // Appended to every reply, in the same write.
    std::string bytesAfterCrLf;
    // Output paced at this baud rate (10 bits per byte); 0: unpaced.
    int paceBaud = 0;
    // The line is closed when a download asks for data line N + 1. The
    // instrument then comes back on a new pseudo-terminal under the same
    // port name, as when a cable is plugged in again.
    std::optional<int> hangUpAfterRecords;
    // The 0x1A that ends a download rides in the middle of the last data line.
    bool endMarkerOnLastLine = false;
};

struct SimOptions {
    std::filesystem::path stateDir;  // the instrument's memory (see instrument_store.h)
    // "COMn" to register; empty: the first name without an entry, from COM1.
    std::string portName;
    Misbehaviour misbehave;
};

class InstrumentSim {
public:
    explicit InstrumentSim(SimOptions options);
    ~InstrumentSim();  // Stop()
    InstrumentSim(const InstrumentSim&) = delete;
    InstrumentSim& operator=(const InstrumentSim&) = delete;

    // Opens a raw pseudo-terminal, registers it as a symbolic link in
    // platform::PortsDirectory() (making the directory when missing, and
    // removing it again at Stop when it was made here and is empty), and
    // starts the one thread that serves the line. False with error set when
    // any of it fails; nothing is then left behind.
    bool Start(std::string& error);

    // Ends the serving thread within a bounded time, closes the line and
    // removes the port entry. Safe to call more than once.
    void Stop();

    std::string PortName() const;    // "COMn"
    std::string DevicePath() const;  // the pseudo-terminal the port names

    // Every command line received so far, with its CR LF, in order; also
    // those left unanswered.
    std::vector<std::string> CommandsSeen() const;

    // How often a program that had sent commands closed the port since
    // Start; an open list, download or upload was dropped each time.
    std::size_t PortCloses() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace harwick::sim
