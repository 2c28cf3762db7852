// The program's command IDs, as its menus and command table bind them, and
// which transfer each transfer command runs.
#pragma once

#include "com_transfer.h"

#include <optional>

namespace cablemate {

namespace command {
inline constexpr int kUsbSettings = 32773;
inline constexpr int kUsbDownloadMeasured = 32807;
inline constexpr int kUsbDownloadCode = 32774;
inline constexpr int kUsbDownloadHz = 32793;
inline constexpr int kUsbDownloadVt = 32794;
inline constexpr int kUsbUploadCoordinateOrCode = 32775;
inline constexpr int kUsbUploadHz = 32795;
inline constexpr int kUsbUploadVt = 32796;
inline constexpr int kUsbUpload32799 = 32799;
inline constexpr int kUsbUpload32802 = 32802;
inline constexpr int kComSettings = 32771;
inline constexpr int kComDownload = 32772;
inline constexpr int kComDownloadComputerFirst = 32784;
inline constexpr int kComDownloadComputerFirst2 = 32791;
inline constexpr int kComLineUpload32789 = 32789;
inline constexpr int kComLineUpload32790 = 32790;
inline constexpr int kComLineUpload32800 = 32800;
inline constexpr int kComLineUpload32801 = 32801;
inline constexpr int kComCodeBlocks = 32783;
inline constexpr int kComCoordinateBlocks = 32777;
inline constexpr int kCodeBlocksToText = 32782;
inline constexpr int kMeasuredBlocksToKard = 32804;
inline constexpr int kCoordinateBlocksToKard = 32776;
inline constexpr int kKardToCoordinateBlocks = 32778;
inline constexpr int kKard600ToKard300 = 32797;
inline constexpr int kKard600ToKard300Again = 32798;
inline constexpr int kExportDxf = 32781;
inline constexpr int kCoordinateList = 32779;
inline constexpr int kCodeList = 32780;
inline constexpr int kCorrection = 32806;
inline constexpr int kHelp = 32803;
inline constexpr int kSaveAs = 57604;
} // namespace command

enum class TransferKind { UsbDownload, UsbUpload, ComDownload, ComLineUpload, ComBlockUpload };

struct TransferJob {
    TransferKind kind = TransferKind::UsbDownload;
    DownloadPrompt prompt = DownloadPrompt::ByProtocol;  // ComDownload
    BlockKind blocks = BlockKind::Coordinates;           // ComBlockUpload
    // Sends run beside the progress refresher.
    bool IsSend() const { return kind != TransferKind::UsbDownload && kind != TransferKind::ComDownload; }
};

// The transfer a command runs; nothing for the other commands.
std::optional<TransferJob> TransferForCommand(int id);

} // namespace cablemate
