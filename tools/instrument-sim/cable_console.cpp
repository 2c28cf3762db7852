#include "instrument-sim/cable_console.h"

#include "instrument-sim/cable_blocks.h"
#include "instrument-sim/demo_instrument.h"
#include "fileio/fileio.h"

namespace harwick::sim {

namespace {

constexpr std::string_view kUsbLabel = "USB ";
constexpr std::string_view kCableLabel = "cable ";
constexpr std::string_view kArrow = " -> ";
constexpr std::string_view kSending = " sending";
constexpr std::string_view kTookUpload = " took upload ";

// "<label> sending" for every send begun after the first `sends`, and
// "<label> took upload <n> (<size> bytes)" for every upload after the first
// `seen`. The uploads are copied only when there is a new one.
template <typename Side>
void addNews(std::vector<std::string>& news, const std::string& label, const Side& side, std::size_t& sends,
             std::size_t& seen)
{
    for (const std::size_t now = side.SendsStarted(); sends < now; ++sends) {
        news.push_back(label + std::string(kSending));
    }
    if (side.UploadCount() == seen) return;
    const std::vector<std::string> uploads = side.Uploads();
    for (; seen < uploads.size(); ++seen) {
        news.push_back(label + std::string(kTookUpload) + std::to_string(seen + 1) + " (" +
                       std::to_string(uploads[seen].size()) + " bytes)");
    }
}

} // namespace

std::optional<std::string> CableSendText(const ProgramOptions& options, bool framed, std::string& error)
{
    if (options.cableSend.empty()) {
        if (!options.demo) return std::string();
        return framed ? DemoCableBlocks() : DemoCableText();
    }
    std::optional<std::string> bytes = platform::readWholeFile(options.cableSend, error);
    if (!bytes) {
        error = "cannot read " + options.cableSend.string() + ": " + error;
        return std::nullopt;
    }
    if (!framed || (!bytes->empty() && bytes->front() == kStx)) return bytes;
    std::optional<std::string> blocks = FrameKardCoordinates(*bytes);
    if (!blocks) error = options.cableSend.string() + " holds neither a block stream nor KARD lines";
    return blocks;
}

CableConsole::~CableConsole() { Stop(); }

bool CableConsole::Start(const ProgramOptions& options, const std::filesystem::path& stateDir, std::string& error)
{
    if (StartUsb(options, stateDir, error) && StartCable(options, stateDir, error)) return true;
    Stop();
    return false;
}

bool CableConsole::StartUsb(const ProgramOptions& options, const std::filesystem::path& stateDir, std::string& error)
{
    if (!options.usbInterface) return true;
    const std::optional<std::string> text = CableSendText(options, false, error);
    if (!text) return false;
    usbName_ = *options.usbInterface;
    usb_ = std::make_unique<EmulatedUsb>(UsbOptions{usbName_, stateDir, options.cableMisbehave});
    usb_->SetSendText(*text);
    if (usb_->Start(error)) return true;
    usb_.reset();
    return false;
}

bool CableConsole::StartCable(const ProgramOptions& options, const std::filesystem::path& stateDir,
                              std::string& error)
{
    if (!options.cablePort) return true;
    const bool framed = options.cableProtocol == CableProtocol::AckNak;
    const std::optional<std::string> text = CableSendText(options, framed, error);
    if (!text) return false;
    cableProtocol_ = framed ? kProtocolAckNak : kProtocolNone;
    cable_ = std::make_unique<SerialCable>(
        SerialCableOptions{*options.cablePort, options.cableProtocol, stateDir, options.cableMisbehave});
    cable_->SetSendText(*text);
    if (cable_->Start(error)) return true;
    cable_.reset();
    return false;
}

void CableConsole::Stop()
{
    if (usb_) usb_->Stop();
    if (cable_) cable_->Stop();
}

std::vector<std::string> CableConsole::Banner() const
{
    std::vector<std::string> lines;
    if (usb_) lines.push_back(std::string(kUsbLabel) + usbName_ + std::string(kArrow) + usb_->InterfacePath().string());
    if (cable_) {
        lines.push_back(std::string(kCableLabel) + cable_->PortName() + std::string(kArrow) + cable_->DevicePath() +
                        " (" + cableProtocol_ + ")");
    }
    return lines;
}

void CableConsole::PressEnter()
{
    if (usb_) usb_->PressEnter();
    if (cable_) cable_->PressEnter();
}

std::vector<std::string> CableConsole::News()
{
    std::vector<std::string> news;
    if (usb_) addNews(news, std::string(kUsbLabel) + usbName_, *usb_, usbSends_, usbUploads_);
    if (cable_) addNews(news, std::string(kCableLabel) + cable_->PortName(), *cable_, cableSends_, cableUploads_);
    return news;
}

} // namespace harwick::sim
