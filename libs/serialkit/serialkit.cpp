#include "serialport.h"

#include <array>
#include <cstring>

using namespace serialkit_detail;

namespace {

// One outgoing message, run by a pool worker.
class comTaskSend : public TaskItem {
public:
    comTaskSend(std::weak_ptr<Port> port, const char* data, int length) : port_(std::move(port)), length_(length)
    {
        std::memcpy(tag, "sed", 4);
        std::memcpy(buffer_.data(), data, static_cast<std::size_t>(length));
    }

    int RunTask() override
    {
        // The connection may be gone while the message waited in the pool.
        std::shared_ptr<Port> port = port_.lock();
        return port ? port->write(buffer_.data(), length_) : 0;
    }

private:
    std::weak_ptr<Port> port_;
    std::array<char, VqSerialPro::kMaxMessage> buffer_{};
    int length_;
};

} // namespace

VqSerialPro::VqSerialPro() = default;

VqSerialPro::~VqSerialPro()
{
    pool_ = nullptr;
    {
        std::lock_guard hold(port_->receiversLock);
        port_->receivers.clear();
    }
    Close();
}

int VqSerialPro::ConnectSerial(void* settings)
{
    if (Open(settings) == 0) return 0;
    if (port_->startReceiver()) return 1;
    Close();
    return 0;
}

int VqSerialPro::DisConnectSerial() { return Close(); }

int VqSerialPro::SendMsg(char* data, int length)
{
    Workcrew* pool = pool_;
    if (pool == nullptr || length < 0 || length > kMaxMessage || (data == nullptr && length > 0)) return 0;
    comTaskSend* task = NewTask<comTaskSend>(std::weak_ptr<Port>(port_), data, length);
    if (task == nullptr) return 0;
    const int accepted = pool->AddUpTask(task);
    if (accepted == 0) ReleaseTask(task);
    return accepted;
}

int VqSerialPro::OuterThreadSendMsg(char* data, int length) { return Write(data, length); }

int VqSerialPro::RegisterRcvInterface(RcvInterface* receiver)
{
    std::lock_guard hold(port_->receiversLock);
    port_->receivers.push_back(receiver);
    return 1;
}

int VqSerialPro::SetTaskPool(Workcrew& pool)
{
    pool_ = &pool;
    return 1;
}

unsigned long VqSerialPro::ReceiveMsgProc(void* held)
{
    // Only the port: the connection object may be destroyed by a receiver.
    Port& port = *static_cast<Port*>(held);
    markServing(port);
    // Cleared before every read, so the data handed over ends with a zero byte.
    std::array<char, kReceiveBlock + 1> buffer{};
    while (port.connected) {
        const Signal s = port.signals.waitAny();
        if (s == kRx) {
            for (;;) {
                buffer.fill(0);
                std::this_thread::sleep_for(std::chrono::milliseconds(kReceivePauseMs));
                const int n = port.read(buffer.data(), kReceiveBlock);
                if (n <= 0) break;
                port.deliver(buffer.data(), n);
            }
        }
        port.signals.reset(s);
        if (s == kClose) break;
    }
    return kReceiveExitCode;
}
