// The COM transfers between the instrument and the editor: one download and
// three sends (plain lines, code-list blocks, coordinate blocks). Each is the
// body of a worker thread and opens its own port for its whole run.
#pragma once

#include "settings.h"
#include "transfer_state.h"

namespace cablemate {

enum class DownloadPrompt { ByProtocol, ComputerFirst };
enum class BlockKind { Codes, Coordinates };

// Receives chunks into the transfer text until EOT (1), until nothing came
// for the receive time-out (0, "Timeout!") or until the port goes away (0).
int ComDownload(TransferContext& context, const ComSettings& settings, DownloadPrompt prompt);

// Sends the editor's text line by line as WireText puts it, then EOT CR LF
// (2); 0 when the port did not open or stopped taking bytes (the editor then
// shows its text as before).
int ComLineUpload(TransferContext& context, const ComSettings& settings);

// Builds the block stream from the editor's text and sends it block by
// block, waiting for the instrument's acknowledgement after each with
// Ack/Nak (2); 0 when refused, the port did not open or stopped taking
// bytes, or an acknowledgement was wrong.
int ComBlockUpload(TransferContext& context, const ComSettings& settings, BlockKind kind);

} // namespace cablemate
