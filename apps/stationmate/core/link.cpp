#include "link.h"

#include "messages.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace stationmate {

InstrumentLink::InstrumentLink(SerialPort& port, Prompter& prompter) : port_(port), prompter_(prompter)
{
    port_.SetReceiveHandler([this](std::string_view bytes) { OnSerialReceive(bytes); });
}

InstrumentLink::~InstrumentLink() { port_.SetReceiveHandler({}); }

bool InstrumentLink::OpenInstrumentPort()
{
    if (port_.IsOpen()) port_.Close();
    port_.SelectPort(portNumber_);
    if (port_.IsOpen()) {
        prompter_.ShowMessage(kCannotOpenSerialPort);
        return false;
    }
    std::string error;
    if (!port_.Open(error)) {
        prompter_.ShowMessage(error);
        return false;
    }
    port_.ApplySettings(portSettings_);
    port_.DiscardInput();
    return true;
}

void InstrumentLink::ClosePort()
{
    if (port_.IsOpen()) port_.Close();
}

void InstrumentLink::PumpOneMessage() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void InstrumentLink::OnSerialReceive(std::string_view bytes)
{
    for (char b : bytes) {
        if (b != '\0') accumulator_.push_back(b);
    }
    if (accumulator_.find(kLineEnd) == std::string::npos) return;
    replyText_ = std::move(accumulator_);
    accumulator_.clear();
    replyReady_ = true;
    if (waiting_ != nullptr) waiting_->quit();
}

bool InstrumentLink::SendCommand(std::string_view command, std::string& reply, bool wait)
{
    PumpOneMessage();
    port_.Write(command);
    if (!wait) return true;
    if (!replyReady_) {
        // Waits in an event loop rather than polling: the notifications and
        // every other event are dispatched, and the reply is taken the
        // moment it is complete.
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(timeout_);
        waiting_ = &loop;
        if (!replyReady_) loop.exec();
        waiting_ = nullptr;
    }
    if (!replyReady_) {
        ClosePort();
        return false;
    }
    reply = std::move(replyText_);
    replyText_.clear();
    replyReady_ = false;
    return true;
}

bool InstrumentLink::wakeStage(std::string_view command)
{
    // The instrument is asked again until it says it is ready. Only so long,
    // though: one that keeps answering something else within the reply time
    // would otherwise hold the program forever.
    const auto giveUp = std::chrono::steady_clock::now() + timeout_;
    std::string reply;
    for (;;) {
        if (!SendCommand(command, reply)) return false;
        if (reply == kQuestion) return true;
        if (std::chrono::steady_clock::now() > giveUp) {
            ClosePort();
            return false;
        }
    }
}

bool InstrumentLink::ConnectInstrument() { return wakeStage(kWakeA) && wakeStage(kWakeC); }

std::string InstrumentLink::SerialFromReply(std::string_view reply)
{
    std::size_t plus = reply.find('+');
    std::string_view rest = plus == std::string_view::npos ? reply : reply.substr(plus + 1);
    std::size_t digit = rest.find_first_not_of('0');
    return std::string(digit == std::string_view::npos ? std::string_view{} : rest.substr(digit));
}

std::optional<std::string> InstrumentLink::Identify()
{
    std::string reply;
    auto step = [&](std::string_view command) {
        if (SendCommand(command, reply)) return true;
        prompter_.ShowMessage(kTimeOut);
        ClosePort();
        return false;
    };
    if (!step(kConf182)) return std::nullopt;
    if (reply != kConf182Reply) prompter_.ShowMessage(reply);
    if (!step(kConf136)) return std::nullopt;
    if (!step(kConf137)) return std::nullopt;
    if (reply != kConf137Reply0 && reply != kConf137Reply1) prompter_.ShowMessage(reply);
    if (!step(kGetSerial)) return std::nullopt;
    return SerialFromReply(reply);
}

} // namespace stationmate
