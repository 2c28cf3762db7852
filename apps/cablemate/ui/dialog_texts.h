// The texts of the cable program's dialogs, each written once, exactly as the
// program has always shown them (the blanks inside "添 加" and its siblings
// included). Messages live with the engine in cable_messages.h.
#pragma once

#include <string_view>

namespace cablemate {

// ---- Buttons shared by several dialogs --------------------------------------------
inline constexpr std::string_view kOkText = "OK";
inline constexpr std::string_view kCancelText = "Cancel";

// ---- "COM通讯参数设置" and "USB Parameter" (titles in cable_messages.h) -------------
inline constexpr std::string_view kComTimeoutLabel = "接收超时：";
inline constexpr std::string_view kComRowDelayLabel = "行间延时：";
inline constexpr std::string_view kUsbTimeoutLabel = "Timeout:";
inline constexpr std::string_view kUsbRowDelayLabel = "Interline delay:";

// ---- "坐标编辑格式" ------------------------------------------------------------------
inline constexpr std::string_view kEditFormatTitle = "坐标编辑格式";
inline constexpr std::string_view kEditFormatGroup = "请选择坐标编辑格式";
inline constexpr std::string_view kKard300Choice = "KARD300格式坐标编辑";
inline constexpr std::string_view kKard600Choice = "KARD600格式坐标编辑";

// ---- The two lists ("坐标", "编码") --------------------------------------------------
inline constexpr std::string_view kCoordinateListTitle = "坐标";
inline constexpr std::string_view kCodeListTitle = "编码";
inline constexpr std::string_view kAddButton = "添 加";
inline constexpr std::string_view kEditButton = "编 辑";
inline constexpr std::string_view kDeleteButton = "删 除";
inline constexpr std::string_view kListOkButton = "确 定";
inline constexpr std::string_view kListCancelButton = "取 消";

// ---- "添加数据" and "编辑数据" ---------------------------------------------------------
inline constexpr std::string_view kAddPointTitle = "添加数据";
inline constexpr std::string_view kEditPointTitle = "编辑数据";
inline constexpr std::string_view kPointNameLabel = "点名：";
inline constexpr std::string_view kEastingLabel = "坐标E:";
inline constexpr std::string_view kNorthingLabel = "坐标N:";
inline constexpr std::string_view kElevationLabel = "坐标Z:";
inline constexpr std::string_view kPointCodeLabel = "编 码：";

// ---- "添加编码" and "编辑编码" ---------------------------------------------------------
inline constexpr std::string_view kAddCodeTitle = "添加编码";
inline constexpr std::string_view kEditCodeTitle = "编辑编码";
// The add dialog asks for the number under the point dialog's caption.
inline constexpr std::string_view kCodeNumberLabel = "编号：";
inline constexpr std::string_view kCodeLabel = "编码：";

// ---- "更新数据" and "更新编码" ---------------------------------------------------------
inline constexpr std::string_view kUpdatePointsTitle = "更新数据";
inline constexpr std::string_view kUpdatePointsQuestion = "要更新坐标列表吗？";
inline constexpr std::string_view kUpdateCodesTitle = "更新编码";
inline constexpr std::string_view kUpdateCodesQuestion = "要更新编码列表吗？";
inline constexpr std::string_view kDoNotAskAgain = "不再显示该对话框";
inline constexpr std::string_view kUpdateCodesOk = "确定";
inline constexpr std::string_view kUpdateCodesCancel = "取消";

// ---- "坐标校正" ------------------------------------------------------------------------
inline constexpr std::string_view kCorrectionTitle = "坐标校正";
inline constexpr std::string_view kOldConstantLabel = "原棱镜常数：";
inline constexpr std::string_view kNewConstantLabel = "新棱镜常数：";
inline constexpr std::string_view kMillimetreUnit = "mm";

// ---- "Saveas" --------------------------------------------------------------------------
inline constexpr std::string_view kSaveAsTitle = "Saveas";

} // namespace cablemate
