// The COM transfers between the instrument and the editor: one download and
// three sends (plain lines, code-list blocks, coordinate blocks). Each is the
// body of a worker thread and opens its own port for its whole run.
#pragma once

#include "settings.h"
#include "transfer_state.h"

namespace cablemate {

enum class DownloadPrompt { ByProtocol, ComputerFirst };
enum class BlockKind { Codes, Coordinates };

// Receives chunks into the transfer text until EOT, until nothing came for
// the receive time-out ("Timeout!") or until the port goes away.
CableResult ComDownload(TransferContext& context, const ComSettings& settings, DownloadPrompt prompt);

// Sends the editor's text line by line as WireText puts it, then EOT CR LF.
// When the port did not open or stopped taking bytes the editor shows its
// text as before.
CableResult ComLineUpload(TransferContext& context, const ComSettings& settings);

// Builds the block stream from the editor's text and sends it block by
// block, waiting for the instrument's acknowledgement after each with
// Ack/Nak.
CableResult ComBlockUpload(TransferContext& context, const ComSettings& settings, BlockKind kind);

} // namespace cablemate
