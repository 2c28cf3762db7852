// serialkit: one RS-232 connection with its own threads. A watcher thread
// notices received bytes; a receive thread hands them, in blocks of at most
// 5120 bytes each followed by a zero byte, to every registered receiver in
// registration order. Messages go out at once (OuterThreadSendMsg) or as
// tasks through a workcrew pool (SendMsg), which runs them before any task
// already queued.
//
// Use: create a VqSerialPro (directly or through CSerialkit); read the
// settings with GetIniComPara; give it a started pool with SetTaskPool;
// register the receivers; ConnectSerial; send; DisConnectSerial; destroy.
//
// The port is named "COM1" … "COM256" (mapped to a device as the suite's
// port map says) or by a device path such as "/dev/ttyUSB0".
#pragma once

#include "workcrew.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Port settings: what GetIniComPara reads and Open applies.
class CMiniDCB {
public:
    std::string port = "COM4";
    std::string baudRate = "115200";
    std::string dataBits = "8";
    // Driver queue sizes. Linux keeps its own tty buffers, so these are
    // carried for callers but not applied.
    unsigned int inputQueue = 1024;
    unsigned int outputQueue = 1024;
    // 1 or 2; any other value keeps the port's own setting.
    int stopBits = 0;
    // 0 none, 1 odd, 2 even, 3 mark, 4 space.
    int parity = 0;
};

// Implemented by whoever wants the received bytes. data is valid only during
// the call and is followed by a zero byte; channel is always 0; the result is
// ignored.
class RcvInterface {
public:
    virtual int OnReceive(int channel, char* data, int length) = 0;

protected:
    RcvInterface() = default;
    RcvInterface(const RcvInterface&) = default;
    RcvInterface& operator=(const RcvInterface&) = default;
    ~RcvInterface() = default;
};

// An input/output object: open, write, read, close.
class CVqIOObject {
public:
    virtual int Open(void* settings) = 0;
    virtual int Write(char* data, int length) = 0;
    virtual int Read(char* buffer, int length) = 0;
    virtual int Close() = 0;
    virtual ~CVqIOObject() = default;
};

namespace serialkit_detail {
struct Port;
}

// A serial port opened with the settings of a CMiniDCB.
class CSerialCom : public CVqIOObject {
public:
    CSerialCom();
    ~CSerialCom() override;
    CSerialCom(const CSerialCom&) = delete;
    CSerialCom& operator=(const CSerialCom&) = delete;

    // settings: a CMiniDCB* copied in first, or null for the current ones.
    // 1 open (also when it already was: nothing changes then), 0 not; also 0
    // on the connection's own receive thread, which cannot wait for itself.
    int Open(void* settings) override;
    // 1 when the bytes went out (or some of them, within the 5 s write
    // time-out); 0 when the port is closed or nothing could be written.
    int Write(char* data, int length) override;
    // What is waiting, up to length bytes, at once; 0 when nothing is or the
    // port is closed.
    int Read(char* buffer, int length) override;
    // Ends the watcher (which closes the port) and the receive thread and
    // waits for both, except on the receive thread itself. Safe from several
    // threads at once: 1 for the one call that found the port open, 0 for
    // the others and when the port was not open.
    int Close() override;

    bool IsConnected() const;

    static constexpr int kWriteTimeoutMs = 5000;

protected:
    CMiniDCB settings_;
    std::chrono::system_clock::time_point openTime_{};
    std::shared_ptr<serialkit_detail::Port> port_;
};

// The connection programs use.
class VqSerialPro : public CSerialCom, public VqPtrObject {
public:
    VqSerialPro();
    ~VqSerialPro() override;

    // Opens the port and starts the receive thread: 1, or 0 when the port
    // did not open. On an open connection it changes nothing and returns 1.
    // A receiver may close or destroy the connection from inside OnReceive
    // (the block then reaches no further receiver), but not reopen it.
    int ConnectSerial(void* settings);
    int DisConnectSerial();
    // Queues the message at the front of the pool: 1 queued, 0 not (no pool,
    // the pool refused it, or more than kMaxMessage bytes).
    int SendMsg(char* data, int length);
    // Writes at once on the caller's thread: the result of Write.
    int OuterThreadSendMsg(char* data, int length);
    // Receivers are called in the order registered; they are not owned.
    int RegisterRcvInterface(RcvInterface* receiver);
    int SetTaskPool(Workcrew& pool);
    // Reads "Port", "BaudRate", "DataBits", "StopBits" and "Parity" of section
    // "VqCOM" from RuDEZ29.ini in the current directory into the connection's
    // settings and points *out at them. Always 1; a missing file gives the
    // defaults and an empty port name.
    int GetIniComPara(CMiniDCB** out);

    // The receive thread; port is the connection's serialkit_detail::Port,
    // which the thread keeps alive.
    static unsigned long ReceiveMsgProc(void* port);

    static constexpr int kMaxMessage = 2048;
    static constexpr int kReceiveBlock = 5120;
    static constexpr unsigned long kReceiveExitCode = 1011;
    static constexpr int kReceivePauseMs = 50;

private:
    std::atomic<Workcrew*> pool_{nullptr};
};

// Makes and keeps one connection.
class CSerialkit : public VqPtrKeeper<VqSerialPro> {
};
