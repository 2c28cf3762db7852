// The two USB transfers between the instrument and the editor, and the
// progress refresher that runs beside every send. Each is the body of a
// worker thread; none looks at what the bytes mean.
#pragma once

#include "settings.h"
#include "transfer_state.h"
#include "usb_binding.h"

#include <cstddef>

namespace cablemate {

inline constexpr std::size_t kUsbPacket = 64;
// Sent after the editor's text: EOT CR LF.
inline constexpr std::string_view kSendTrailer = "\x04\r\n";

// Receives packets into the transfer text until the end-of-data byte or
// until no packet came for the receive time-out (silently when nothing came,
// else saying that the data is not complete).
CableResult UsbDownload(TransferContext& context, const UsbPipe& pipe, const UsbSettings& settings);

// Sends the editor's text as WireText puts it, one line per packet, then the
// trailer and the closing packet. When a packet did not go out the editor
// shows its text as before.
CableResult UsbUpload(TransferContext& context, const UsbPipe& pipe, const UsbSettings& settings);

// Shows the transfer text once a period until the transfer-done flag is set.
void ProgressRefresher(TransferContext& context);

} // namespace cablemate
