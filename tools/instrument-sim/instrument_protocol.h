// The instrument's side of the serial command protocol: one command line in,
// the reply bytes out. It knows nothing of lines, threads or time, so every
// reply can be checked without a port.
//
// Replies (every command and reply ends with CR LF):
//   "a", "c"                 "?"
//   "CONF/182"               "0182/0031"
//   "CONF/136"               "0136/0000"
//   "CONF/137"               "0137/0001"
//   "GET//WI13"              "13....+" and the serial number filled on the
//                            left with "0" to 8 digits (16 when longer)
//   "CODE|JOB|FORM|HAL|VAL/CONF/LIST"
//                            the first record of the list; each "?" brings
//                            the next; after the last, "\x1A" ends the list
//                            (at once for an empty list). Records:
//                            code lists, alignments  name,number,lines
//                            jobs                    name,number,fixpoint
//                                                    blocks,measurement blocks
//                                                    (empty name: empty slot)
//                            formats                 name,number
//   "CODE/RCV/n", "JOB/RCV/COORDS/n", "JOB/RCV/OBSERV/n", "HAL/RCV/n",
//   "VAL/RCV/n"              "?"; then one stored line per "?", then "\x1A".
//                            An object that does not exist sends no lines.
//   "?" with nothing open    "\x1A", so a pull never waits for ever
//   "FORM/SET/0"             "GSI,0,1,3"
//   "FORM/SET/1"             "?"
//   "JOB/SET/name/n"         "?"; job n is named (an empty slot is made)
//   "JOB/SND/COORD/n", "CODE/SND/n"
//                            "?"; then every line is answered "?" and kept
//                            until the line "\x1A" (answered "?") stores
//                            them all: the job's fixpoints, or code list n
//   "HAL/SND/n", "VAL/SND/n" "RoadHal,1,n" or "RoadVal,1,n"; lines as above
//   "JOB/ERASE/n"            "?"; job n becomes an empty slot
//   "JOB/ERASE/COORD/n", "JOB/ERASE/OBSERV/n"
//                            "?"; the job's fixpoints or measurements go
//   "CODE/ERASE/n", "HAL/ERASE/n", "VAL/ERASE/n"
//                            "?"; the object goes
//   anything else            "@E127" (unknown command, a malformed number,
//                            or a store that cannot be written)
// n is a decimal number of at most nine digits and may end with ":", as the
// erase commands of the exchange program send it. Any command other than "?"
// ends an open list or download.
#pragma once

#include "instrument-sim/instrument_store.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::sim {

namespace reply {
inline constexpr std::string_view kAck = "?\r\n";
inline constexpr std::string_view kEnd = "\x1A\r\n";
inline constexpr std::string_view kUnknown = "@E127\r\n";
inline constexpr std::string_view kConf182 = "0182/0031\r\n";
inline constexpr std::string_view kConf136 = "0136/0000\r\n";
inline constexpr std::string_view kConf137 = "0137/0001\r\n";
inline constexpr std::string_view kGsiFormat = "GSI,0,1,3\r\n";
inline constexpr std::string_view kSerialHead = "13....+";
} // namespace reply

// The byte that ends a list, a download and an upload.
inline constexpr char kEndByte = '\x1A';

class InstrumentProtocol {
public:
    explicit InstrumentProtocol(InstrumentStore& store);

    // commandLine may carry its CR LF or not. An empty result means no reply.
    std::string Answer(std::string_view commandLine);

    // With this set, the 0x1A that ends a download is put into the middle of
    // the last data line's reply instead of coming in a reply of its own.
    void SetEndMarkerOnLastLine(bool on) { endOnLastLine_ = on; }

    // Where the last reply stands in its download: 1 for the first data line,
    // 2 for the second, ...; 0 when it was no download data line.
    std::size_t LastDownloadRecord() const { return lastDownloadRecord_; }

    // Drops an open list, download or upload (nothing of an upload is
    // stored), as when the line goes down.
    void Reset();

private:
    enum class Object { CodeList, Job, Fixpoints, Measurements, Hal, Val };
    enum class Verb { Receive, Send, Erase };
    struct Route;
    static const Route* FindRoute(std::string_view command);

    std::string Dispatch(std::string_view command);
    std::string FixedReply(std::string_view command) const;
    std::string OpenList(std::string_view group);
    std::string NameJob(std::string_view rest);
    std::string Receive(Object object, int number);
    std::string OpenUpload(Object object, int number, std::string_view numberText);
    std::string TakeUploadLine(std::string_view line);
    bool CommitUpload();
    std::string Erase(Object object, int number);
    std::string Pull();
    std::vector<std::string> ListRecords(std::string_view group) const;
    std::vector<std::string> ObjectLines(Object object, int number) const;

    InstrumentStore& store_;
    bool endOnLastLine_ = false;
    std::size_t lastDownloadRecord_ = 0;

    // What "?" pulls next: records of a list, or lines of a download.
    std::vector<std::string> pulled_;
    std::size_t nextPulled_ = 0;
    bool pulling_ = false;
    bool downloading_ = false;

    // An upload in progress.
    bool uploading_ = false;
    Object uploadObject_ = Object::Fixpoints;
    int uploadNumber_ = 0;
    std::vector<std::string> uploaded_;
};

} // namespace harwick::sim
