#include "instrument-sim/sim_options.h"

#include <array>
#include <charconv>

namespace harwick::sim {

namespace {

constexpr const char* kHelp = R"(Usage: instrument-sim --state DIR [options]
       instrument-sim --demo [options]

Plays a total station on a pseudo-terminal registered as a COM port in
$XDG_CONFIG_HOME/harwick/ports/ (made when missing, removed again at exit
when it was made here and is empty). Prints "instrument-sim: COMn -> DEVICE",
then serves until interrupted (Ctrl-C or SIGTERM) and unregisters the port.
With --usb or --cable it also plays the instrument's cable side (below).

Options:
  --state DIR          the instrument's memory (layout below); made if missing
  --port COMn          the port name to register; default: the first of
                       COM1 ... COM256 without an entry
  --serial DIGITS      set the serial number (stored in DIR)
  --demo               seed a realistic instrument: serial 12345, a code list,
                       jobs 1 and 2 with fixpoints and measurement data, job 3
                       an empty slot, one format, one horizontal and one
                       vertical alignment; into DIR when --state is given,
                       else into a temporary directory removed at exit
  --help               this text

Misbehaviour, for trying out how a program copes:
  --silent-after N     answer the first N commands, then nothing
  --wrong CMD=REPLY    answer command CMD (without CR LF) with REPLY and do
                       not carry it out; repeatable
  --split N            write every reply in pieces of N bytes
  --split-pause MS     pause MS milliseconds between two pieces
  --after-crlf TEXT    append TEXT to every reply, in the same write
  --baud N             pace replies at N baud (10 bits per byte)
  --hang-up-after N    close the line when a download asks for data line
                       N + 1; the port comes back on a new device
  --end-on-last-line   put the 0x1A that ends a download into the middle of
                       the last data line
  CMD, REPLY and TEXT take the escapes \r \n \t \\ and \xHH (e.g. \x1A).

State directory (text files with CR LF line ends; LF is read too):
  serial.txt                   the serial number
  formats.txt                  output-format names, numbered from 1 by line
  codelists/<n>/name.txt       code list n: its name
  codelists/<n>/lines.txt      its lines, as sent to the PC
  jobs/<n>/name.txt            job n: its name (empty: an empty slot)
  jobs/<n>/fixpoints.gsi       its fixpoints, one GSI block per line
  jobs/<n>/measurements.gsi    its measurement data, one GSI block per line
  hal/<n>/name.txt, lines.txt  horizontal alignment n
  val/<n>/name.txt, lines.txt  vertical alignment n
  cable/usb-uploads/<n>        the n-th upload taken over USB, as received
                               (the text before its EOT)
  cable/serial-uploads/<n>     the n-th upload taken over the serial cable (a
                               block stream with its end block, or the text
                               before the EOT of a line upload)
Uploads and erases change these files while the instrument runs.

Cable side, as the cable transfer program meets the instrument:
  --usb [NAME]         also serve the emulated USB interface NAME (default
                       sim0) under $XDG_RUNTIME_DIR/harwick/usb/ (without
                       that variable /tmp/harwick-<uid>/usb/); removed at exit
  --cable COMn         also serve a serial line in streaming mode as COMn
  --cable-protocol P   none (default): Enter streams the text, then EOT;
                       acknak: the PC's ENQ starts the send, block by block,
                       each block waiting for the PC's ACK, then EOT; blocks
                       the PC sends are answered with ACK CR LF
  --cable-send FILE    the bytes sent; for acknak a file that does not begin
                       with STX (0x02) is read as KARD lines (name,code,
                       easting,northing,elevation) and sent as the
                       instrument's coordinate block stream
  Pressing Enter on this program's input presses Enter on the instrument:
  the USB interface and a "none" line start sending. A line is printed when
  a send starts and when an upload has come in. With --demo and without
  --cable-send, the instrument sends a GSI-16 job over USB and "none", and
  that job's points as a coordinate block stream over "acknak".

Cable misbehaviour (USB and serial alike, where it applies):
  --cable-silent         never send, never answer, take no upload
  --cable-pause-after N  pause once after N packets (USB) or pieces (serial)
                         of a send
  --cable-pause MS       how long that pause is
  --cable-nak-after N    answer block N + 1 of an upload with NAK CR LF
  --cable-wrong-ack TEXT answer every block with TEXT instead of ACK CR LF
  --cable-close-after N  drop the line after N packets (USB) or pieces sent
                         or blocks received (serial)
  --cable-after-eot TEXT send TEXT right behind a serial send's EOT
  TEXT takes the same escapes as above.

Replies: "a", "c" -> "?"; CONF/182 -> 0182/0031; CONF/136 -> 0136/0000;
CONF/137 -> 0137/0001; GET//WI13 -> 13....+ and the serial number in 8
digits (16 when longer); a command it does not know -> @E127.
)";

std::optional<int> wholeNumber(const std::string& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// An option that takes a value, and what the value does to the options;
// false when the value does not fit.
struct ValueOption {
    std::string_view name;
    bool (*apply)(ProgramOptions&, const std::string&);
};

bool setCount(std::optional<int>& target, const std::string& v) { return (target = wholeNumber(v)).has_value(); }

bool setPositive(int& target, const std::string& v)
{
    target = wholeNumber(v).value_or(0);
    return target > 0;
}

constexpr std::array<ValueOption, 10> kValueOptions{{
    {"--state", [](ProgramOptions& o, const std::string& v) { o.sim.stateDir = v; return !v.empty(); }},
    {"--port", [](ProgramOptions& o, const std::string& v) { o.sim.portName = v; return true; }},
    {"--serial", [](ProgramOptions& o, const std::string& v) { o.serial = v; return isDigits(v); }},
    {"--silent-after",
     [](ProgramOptions& o, const std::string& v) { return setCount(o.sim.misbehave.silentAfterCommands, v); }},
    {"--hang-up-after",
     [](ProgramOptions& o, const std::string& v) { return setCount(o.sim.misbehave.hangUpAfterRecords, v); }},
    {"--baud", [](ProgramOptions& o, const std::string& v) { return setPositive(o.sim.misbehave.paceBaud, v); }},
    {"--split",
     [](ProgramOptions& o, const std::string& v) {
         int n = 0;
         const bool ok = setPositive(n, v);
         o.sim.misbehave.splitEvery = static_cast<std::size_t>(n);
         return ok;
     }},
    {"--split-pause",
     [](ProgramOptions& o, const std::string& v) {
         const auto n = wholeNumber(v);
         o.sim.misbehave.splitPause = std::chrono::milliseconds(n.value_or(0));
         return n.has_value();
     }},
    {"--after-crlf",
     [](ProgramOptions& o, const std::string& v) {
         const auto text = Unescape(v);
         o.sim.misbehave.bytesAfterCrLf = text.value_or("");
         return text.has_value();
     }},
    {"--wrong",
     [](ProgramOptions& o, const std::string& v) {
         const std::size_t eq = v.find('=');
         if (eq == std::string::npos || eq == 0) return false;
         const auto command = Unescape(v.substr(0, eq));
         const auto reply = Unescape(v.substr(eq + 1));
         if (command && reply) o.sim.misbehave.wrongReplies[*command] = *reply;
         return command && reply;
     }},
}};

constexpr std::string_view kCablePrefix = "--cable-";

bool setLimit(std::optional<std::size_t>& target, const std::string& v)
{
    const std::optional<int> n = wholeNumber(v);
    if (!n || *n == 0) return false;
    target = static_cast<std::size_t>(*n);
    return true;
}

bool setBytes(std::string& target, const std::string& v, bool mayBeEmpty)
{
    const auto bytes = Unescape(v);
    target = bytes.value_or("");
    return bytes.has_value() && (mayBeEmpty || !target.empty());
}

constexpr std::array<ValueOption, 9> kCableOptions{{
    {"--cable", [](ProgramOptions& o, const std::string& v) { o.cablePort = v; return !v.empty(); }},
    {"--cable-protocol",
     [](ProgramOptions& o, const std::string& v) {
         o.cableProtocol = v == kProtocolAckNak ? CableProtocol::AckNak : CableProtocol::None;
         return v == kProtocolNone || v == kProtocolAckNak;
     }},
    {"--cable-send", [](ProgramOptions& o, const std::string& v) { o.cableSend = v; return !v.empty(); }},
    {"--cable-pause-after",
     [](ProgramOptions& o, const std::string& v) { return setLimit(o.cableMisbehave.pauseAfterPacket, v); }},
    {"--cable-pause",
     [](ProgramOptions& o, const std::string& v) {
         const auto n = wholeNumber(v);
         o.cableMisbehave.pause = std::chrono::milliseconds(n.value_or(0));
         return n.has_value();
     }},
    {"--cable-nak-after",
     [](ProgramOptions& o, const std::string& v) {
         const auto n = wholeNumber(v);
         if (n) o.cableMisbehave.nakAfterBlocks = static_cast<std::size_t>(*n);
         return n.has_value();
     }},
    {"--cable-wrong-ack",
     [](ProgramOptions& o, const std::string& v) { return setBytes(o.cableMisbehave.wrongAck, v, false); }},
    {"--cable-close-after",
     [](ProgramOptions& o, const std::string& v) { return setLimit(o.cableMisbehave.closeAfterPackets, v); }},
    {"--cable-after-eot",
     [](ProgramOptions& o, const std::string& v) { return setBytes(o.cableMisbehave.bytesAfterEot, v, true); }},
}};

template <std::size_t N>
const ValueOption* findIn(const std::array<ValueOption, N>& options, std::string_view name)
{
    for (const ValueOption& option : options) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

const ValueOption* findValueOption(std::string_view name)
{
    const ValueOption* option = findIn(kValueOptions, name);
    return option ? option : findIn(kCableOptions, name);
}

std::string badValue(const std::string& name, const std::string& value)
{
    return "bad value for " + name + ": '" + value + "'";
}

// Options without a value; false when name is none of them.
bool applyFlag(ProgramOptions& options, std::string_view name)
{
    if (name == "--demo") {
        options.demo = true;
    } else if (name == "--end-on-last-line") {
        options.sim.misbehave.endMarkerOnLastLine = true;
    } else if (name == "--cable-silent") {
        options.cableMisbehave.silent = true;
    } else if (name == "--help" || name == "-h") {
        options.help = true;
    } else {
        return false;
    }
    return true;
}

// --usb takes a name when one follows that is not an option.
std::size_t applyUsb(ProgramOptions& options, const std::vector<std::string>& args, std::size_t i)
{
    const bool named = i + 1 < args.size() && !args[i + 1].empty() && !args[i + 1].starts_with("-");
    options.usbInterface = named ? args[i + 1] : UsbOptions{}.interfaceName;
    return named ? i + 1 : i;
}

std::optional<ProgramOptions> checked(ProgramOptions options, bool cableOptions, std::string& error)
{
    if (options.help) return options;
    if (!options.demo && options.sim.stateDir.empty()) {
        error = "--state DIR is required (or --demo)";
        return std::nullopt;
    }
    if (cableOptions && !options.usbInterface && !options.cablePort) {
        error = "the --cable-... options need --usb or --cable";
        return std::nullopt;
    }
    return options;
}

} // namespace

std::optional<std::string> Unescape(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out.push_back(text[i]);
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
        case 'r': out.push_back('\r'); break;
        case 'n': out.push_back('\n'); break;
        case 't': out.push_back('\t'); break;
        case '\\': out.push_back('\\'); break;
        case 'x': {
            const int high = i + 1 < text.size() ? hexDigit(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? hexDigit(text[i + 2]) : -1;
            if (high < 0 || low < 0) return std::nullopt;
            out.push_back(static_cast<char>(high * 16 + low));
            i += 2;
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

std::optional<ProgramOptions> ParseArguments(const std::vector<std::string>& args, std::string& error)
{
    ProgramOptions options;
    bool cableOptions = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const std::size_t eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        cableOptions = cableOptions || name.starts_with(kCablePrefix);
        if (name == "--usb") {
            if (value && value->empty()) {
                error = badValue(name, *value);
                return std::nullopt;
            }
            if (value) options.usbInterface = *value;
            else i = applyUsb(options, args, i);
            continue;
        }
        if (!value && applyFlag(options, name)) continue;
        const ValueOption* option = findValueOption(name);
        if (!option) {
            error = "unknown option '" + name + "'";
            return std::nullopt;
        }
        if (!value && i + 1 == args.size()) {
            error = name + " needs a value";
            return std::nullopt;
        }
        const std::string v = value ? *value : args[++i];
        if (!option->apply(options, v)) {
            error = badValue(name, v);
            return std::nullopt;
        }
    }
    return checked(std::move(options), cableOptions, error);
}

std::string HelpText() { return kHelp; }

} // namespace harwick::sim
