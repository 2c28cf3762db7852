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
        std::lock_guard lock(lock_);
        receivers_.clear();
    }
    Close();
}

int VqSerialPro::ConnectSerial(void* settings)
{
    if (port_->connected) return 1; // one receive thread per open port
    // A receiver may not reopen the connection from inside OnReceive: its
    // thread is the one that would have to give way to the new one.
    if (port_->receiver.joinable() && port_->receiver.get_id() == std::this_thread::get_id()) return 0;
    if (Open(settings) == 0) return 0;
    try {
        port_->receiver = std::thread(ReceiveMsgProc, this);
    } catch (const std::system_error&) {
        Close();
        return 0;
    }
    return 1;
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
    std::lock_guard lock(lock_);
    receivers_.push_back(receiver);
    return 1;
}

int VqSerialPro::SetTaskPool(Workcrew& pool)
{
    pool_ = &pool;
    return 1;
}

void VqSerialPro::deliver(char* data, int length)
{
    // A copy, so a receiver may register another without deadlock or race.
    std::vector<RcvInterface*> receivers;
    {
        std::lock_guard lock(lock_);
        receivers = receivers_;
    }
    for (RcvInterface* r : receivers) {
        if (r != nullptr) r->OnReceive(0, data, length);
    }
}

unsigned long VqSerialPro::ReceiveMsgProc(void* connection)
{
    VqSerialPro& self = *static_cast<VqSerialPro*>(connection);
    Port& port = *self.port_;
    // Cleared before every read, so the data handed over ends with a zero byte.
    std::array<char, kReceiveBlock + 1> buffer{};
    while (port.connected) {
        const Signal s = port.signals.waitAny();
        if (s == kRx) {
            for (;;) {
                buffer.fill(0);
                std::this_thread::sleep_for(std::chrono::milliseconds(kReceivePauseMs));
                const int n = self.Read(buffer.data(), kReceiveBlock);
                if (n <= 0) break;
                self.deliver(buffer.data(), n);
            }
        }
        port.signals.reset(s);
        if (s == kClose) break;
    }
    return kReceiveExitCode;
}
