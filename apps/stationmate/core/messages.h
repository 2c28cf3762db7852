// The exchange program's own texts: messages, captions, commands and the
// replies it expects. Each is written once, here, exactly as the program has
// always shown or sent it.
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace stationmate {

// ---- Messages -----------------------------------------------------------------
inline constexpr harwick::UiText kCannotOpenSerialPort = "cannot open serial port";
inline constexpr harwick::UiText kPortInitialFailed = "Port initial failed";       // listing
inline constexpr harwick::UiText kPortInitalFailed = "Port inital failed";         // download
inline constexpr harwick::UiText kPortInitializeFailed = "Port initialize failed"; // upload
inline constexpr harwick::UiText kInitializeFailure = "Initialize failure";        // delete
inline constexpr harwick::UiText kConnectFailed = "connect failed";                // listing
inline constexpr harwick::UiText kConnectError = "Connect Error";                  // download, upload, delete
inline constexpr harwick::UiText kTimeOut = "Time Out";

// ---- Commands -----------------------------------------------------------------
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kWakeA = "a\r\n";
inline constexpr std::string_view kWakeC = "c\r\n";
// The instrument's "ready" and "line taken", and the PC's "next record".
inline constexpr std::string_view kQuestion = "?\r\n";
inline constexpr std::string_view kConf182 = "CONF/182\r\n";
inline constexpr std::string_view kConf182Reply = "0182/0031\r\n";
inline constexpr std::string_view kConf136 = "CONF/136\r\n";
inline constexpr std::string_view kConf137 = "CONF/137\r\n";
inline constexpr std::string_view kConf137Reply0 = "0137/0000\r\n";
inline constexpr std::string_view kConf137Reply1 = "0137/0001\r\n";
inline constexpr std::string_view kGetSerial = "GET//WI13\r\n";
inline constexpr std::string_view kCodeList = "CODE/CONF/LIST\r\n";
inline constexpr std::string_view kJobList = "JOB/CONF/LIST\r\n";
inline constexpr std::string_view kFormatList = "FORM/CONF/LIST\r\n";
inline constexpr std::string_view kHalList = "HAL/CONF/LIST\r\n";
inline constexpr std::string_view kValList = "VAL/CONF/LIST\r\n";

// The byte that ends every stream from the instrument.
inline constexpr char kEndOfStream = '\x1A';

// A reply to "?" that carries no data: the instrument's "ready" again, or an
// error or warning of the instrument ("@E...", "@W..."). A stream that meets
// one has ended, whatever end marker never came.
inline bool IsRefusal(std::string_view reply)
{
    return reply == kQuestion || (!reply.empty() && reply.front() == '@');
}

} // namespace stationmate
