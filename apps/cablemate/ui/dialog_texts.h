// The texts of the cable program's dialogs, each written once, exactly as the
// program has always shown them (the blanks inside "添 加" and its siblings
// included). Messages live with the engine in cable_messages.h.
#pragma once

#include "language/ui_text.h"
#include <string_view>

namespace cablemate {

// ---- Buttons shared by several dialogs --------------------------------------------
inline constexpr harwick::UiText kOkText = "OK";
inline constexpr harwick::UiText kCancelText = "Cancel";

// ---- "COM通讯参数设置" and "USB Parameter" (titles in cable_messages.h) -------------
inline constexpr harwick::UiText kComTimeoutLabel = "接收超时：";
inline constexpr harwick::UiText kComRowDelayLabel = "行间延时：";
inline constexpr harwick::UiText kUsbTimeoutLabel = "Timeout:";
inline constexpr harwick::UiText kUsbRowDelayLabel = "Interline delay:";

// ---- "坐标编辑格式" ------------------------------------------------------------------
inline constexpr harwick::UiText kEditFormatTitle = "坐标编辑格式";
inline constexpr harwick::UiText kEditFormatGroup = "请选择坐标编辑格式";
inline constexpr harwick::UiText kKard300Choice = "KARD300格式坐标编辑";
inline constexpr harwick::UiText kKard600Choice = "KARD600格式坐标编辑";

// ---- The two lists ("坐标", "编码") --------------------------------------------------
inline constexpr harwick::UiText kCoordinateListTitle = "坐标";
inline constexpr harwick::UiText kCodeListTitle = "编码";
inline constexpr harwick::UiText kAddButton = "添 加";
inline constexpr harwick::UiText kEditButton = "编 辑";
inline constexpr harwick::UiText kDeleteButton = "删 除";
inline constexpr harwick::UiText kListOkButton = "确 定";
inline constexpr harwick::UiText kListCancelButton = "取 消";

// ---- "添加数据" and "编辑数据" ---------------------------------------------------------
inline constexpr harwick::UiText kAddPointTitle = "添加数据";
inline constexpr harwick::UiText kEditPointTitle = "编辑数据";
inline constexpr harwick::UiText kPointNameLabel = "点名：";
inline constexpr harwick::UiText kEastingLabel = "坐标E:";
inline constexpr harwick::UiText kNorthingLabel = "坐标N:";
inline constexpr harwick::UiText kElevationLabel = "坐标Z:";
inline constexpr harwick::UiText kPointCodeLabel = "编 码：";

// ---- "添加编码" and "编辑编码" ---------------------------------------------------------
inline constexpr harwick::UiText kAddCodeTitle = "添加编码";
inline constexpr harwick::UiText kEditCodeTitle = "编辑编码";
// The add dialog asks for the number under the point dialog's caption.
inline constexpr harwick::UiText kCodeNumberLabel = "编号：";
inline constexpr harwick::UiText kCodeLabel = "编码：";

// ---- "更新数据" and "更新编码" ---------------------------------------------------------
inline constexpr harwick::UiText kUpdatePointsTitle = "更新数据";
inline constexpr harwick::UiText kUpdatePointsQuestion = "要更新坐标列表吗？";
inline constexpr harwick::UiText kUpdateCodesTitle = "更新编码";
inline constexpr harwick::UiText kUpdateCodesQuestion = "要更新编码列表吗？";
inline constexpr harwick::UiText kDoNotAskAgain = "不再显示该对话框";
inline constexpr harwick::UiText kUpdateCodesOk = "确定";
inline constexpr harwick::UiText kUpdateCodesCancel = "取消";

// ---- "坐标校正" ------------------------------------------------------------------------
inline constexpr harwick::UiText kCorrectionTitle = "坐标校正";
inline constexpr harwick::UiText kOldConstantLabel = "原棱镜常数：";
inline constexpr harwick::UiText kNewConstantLabel = "新棱镜常数：";
inline constexpr std::string_view kMillimetreUnit = "mm";

// ---- "Saveas" --------------------------------------------------------------------------
inline constexpr harwick::UiText kSaveAsTitle = "Saveas";

} // namespace cablemate
