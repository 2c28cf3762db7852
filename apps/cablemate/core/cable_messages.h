// The cable program's own texts: messages, captions, prompts, file names and
// settings keys. Each is written once, here, exactly as the program has
// always shown or written it; several near-twins ("no data!" and "no data !")
// are distinct texts on purpose.
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace cablemate {

// ---- Start-up and document ----------------------------------------------------
inline constexpr std::string_view kWindowTitle = "Harwick cablemate";
inline constexpr harwick::UiText kLoadLibraryFailed = "Load Library Failed!";
inline constexpr harwick::UiText kSaveFileFalse = "Save File False!";
inline constexpr harwick::UiText kNoData = "no data!";
inline constexpr harwick::UiText kNoDataSpaced = "no data !";
inline constexpr harwick::UiText kInvarilData = "invaril data!";
inline constexpr std::string_view kHelpFile = "QTRHelp.chm";
// Our own: a library that loads but lacks an entry point is never called.
inline constexpr harwick::UiText kUsbEntryMissing = "The USB library has no entry point ";

// ---- Transfers ------------------------------------------------------------------
inline constexpr harwick::UiText kPressStationFirst =
    "Please press Enter on Total Station , then press Enter on computer!";
inline constexpr harwick::UiText kPressComputerFirst =
    "Please press Enter on computer , then press Enter on Total Station!";
inline constexpr harwick::UiText kReceiveDataOkUsb = "Receive data ok!";
inline constexpr harwick::UiText kReceiveDataOkCom = "receive data ok!";
inline constexpr harwick::UiText kMemoryAllocateFailed = "Memory allocate failed!";
inline constexpr harwick::UiText kMemoryAllocateFailedSpaced = "Memory allocate failed !";
inline constexpr harwick::UiText kUsbConnectedFailed = "USB connected failed !";
inline constexpr harwick::UiText kCommunicationCompletedLower = "communication completed!";
inline constexpr harwick::UiText kCommunicationCompleted = "Communication completed!";
inline constexpr harwick::UiText kCommunicationEnded = "通讯结束!";
inline constexpr harwick::UiText kTimeout = "Timeout!";
inline constexpr harwick::UiText kPortMissingOrBusy = "不存在该端口,或者COM端口被占用!";
inline constexpr harwick::UiText kDeviceAckErrorCodes = "Device ACK error!";
inline constexpr harwick::UiText kDeviceAckErrorCoords = "Device ACK Error!";
// Our own: a cable or adapter that goes away mid-transfer.
inline constexpr harwick::UiText kSendStopped =
    "Sending stopped: the port took no more data (was the cable or adapter pulled?). "
    "The instrument did not get the whole text; send it again.";
inline constexpr harwick::UiText kReceiveStopped =
    "Receiving stopped: the port went away (was the cable or adapter pulled?). "
    "The editor shows what arrived; the data is not complete.";
// Our own: a command that would share the cable or the text with a transfer
// that still runs.
inline constexpr harwick::UiText kTransferRunning =
    "A transfer is running: wait until it has ended, then try again.";
inline constexpr harwick::UiText kReceiveIncomplete =
    "Receiving stopped before the end of the data: nothing more came in time. "
    "The editor shows what arrived; the data is not complete.";

// ---- Conversions ----------------------------------------------------------------
inline constexpr harwick::UiText kInvalidFormat = "invalid format!";
inline constexpr harwick::UiText kInvalidPcodeFormat = "Invalid Pcode Format!";
inline constexpr harwick::UiText kFileFormatInvalid = "File format invalid!";
inline constexpr harwick::UiText kTransformFailed = "Transform failed !";
inline constexpr harwick::UiText kInvalidSurveyDataFormat = "Invalid  survey data format!";
inline constexpr harwick::UiText kInvalidKard300Format = "Invalid KARD300 Format!";
// Our own: a ".dat" save of a text that gives no KARD line writes nothing.
inline constexpr harwick::UiText kNothingToSaveAsKard =
    "The text holds neither GSI points nor KARD lines: nothing was written, the file is as it was.";

// ---- Settings -------------------------------------------------------------------
inline constexpr std::string_view kSettingsFile = "./qtr_cfg.ini";
inline constexpr std::string_view kComSection = "QTRCOMSETTING";
inline constexpr std::string_view kUsbSection = "QTRUSBSETTING";
inline constexpr std::string_view kKeyComPort = "COMPort";
inline constexpr std::string_view kKeyBaudrate = "Baudrate";
inline constexpr std::string_view kKeyCheckBit = "CheckBit";
inline constexpr std::string_view kKeyDataBit = "DataBit";
inline constexpr std::string_view kKeyProtocol = "Protol";
inline constexpr std::string_view kKeyReceiveTimeOut = "ReceiveTimeOut";
inline constexpr std::string_view kKeyRowDelay = "RowDelay";
inline constexpr std::string_view kKeyStopBit = "StopBit";
inline constexpr std::string_view kKeyUsbRowDelay = "USBRevRowDelay";
inline constexpr std::string_view kKeyUsbTimeOut = "USBRevTimeOut";
inline constexpr std::string_view kNoneValueSentinel = "!*&*none-value*&!*";
inline constexpr harwick::UiText kTimeoutRange = "请输入1到999的整数!";
inline constexpr harwick::UiText kRowDelayRange = "请输入正的整数!";
inline constexpr harwick::UiText kComDialogTitle = "COM通讯参数设置";
inline constexpr harwick::UiText kUsbDialogTitle = "USB Parameter";
// Our own: a COMPort setting that names no port (the setting follows the first part).
inline constexpr harwick::UiText kPortNamesNoPortBefore = "The COM port in qtr_cfg.ini, \"";
inline constexpr harwick::UiText kPortNamesNoPortAfter =
    "\", names no serial port, so COM transfers cannot open it. Choose a port in COM Comm, COM Para... "
    "(COM1 to COM256, or a device path such as /dev/ttyUSB0).";
// Our own: after a present port's label in COM Para, why it cannot be opened.
inline constexpr harwick::UiText kPortNotUsable = ": not usable: ";

// ---- List dialogs and correction ----------------------------------------------
inline constexpr harwick::UiText kNameEmpty = "点名为空!";
inline constexpr harwick::UiText kCodeEmpty = "编码为空!";
inline constexpr harwick::UiText kInvalidSourceData = "无效原始数据!";
// Our own: a list that opens over lines it cannot show (the count follows).
inline constexpr harwick::UiText kListKeepsLines =
    "Lines that do not fit this list stay in the text unchanged and in place: ";
inline constexpr harwick::UiText kListShowsNoLine =
    "No line of the text fits this list: it opens empty, the text stays as it is, and rows you add go after it.";

} // namespace cablemate
