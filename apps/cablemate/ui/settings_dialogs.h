// The two transfer settings dialogs and the edit format question that opens
// the coordinate list. The settings dialogs check what was typed and hand back
// the new record; the caller saves it and makes it the program's.
#pragma once

#include "coordinate_lists.h"
#include "settings.h"
#include "transfer_state.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace cablemate {

// "COM通讯参数设置": one radio group per port setting and the two timing edits.
// The port group offers COM1-COM6 and after them, one per line, the present
// ports given (named "presentPort0", "presentPort1", ...).
class ComSettingsDialog : public QDialog {
public:
    ComSettingsDialog(const ComSettings& current, Messages& messages, QWidget* parent = nullptr,
                      std::vector<PortChoice> presentPorts = {});
    // The record as OK left it; before OK (or after Cancel) the current one.
    const ComSettings& Result() const { return result_; }

private:
    void TakeInput();

    ComSettings result_;
    Messages& messages_;
    std::vector<PortChoice> presentPorts_;
    QButtonGroup* protocol_;
    QButtonGroup* port_;
    QButtonGroup* baudRate_;
    QButtonGroup* dataBits_;
    QButtonGroup* stopBits_;
    QButtonGroup* parity_;
    QLineEdit* timeout_ = nullptr;
    QLineEdit* rowDelay_ = nullptr;
};

// "USB Parameter": the two timing edits with the COM dialog's checks.
class UsbSettingsDialog : public QDialog {
public:
    UsbSettingsDialog(const UsbSettings& current, Messages& messages, QWidget* parent = nullptr);
    const UsbSettings& Result() const { return result_; }

private:
    void TakeInput();

    UsbSettings result_;
    Messages& messages_;
    QLineEdit* timeout_ = nullptr;
    QLineEdit* rowDelay_ = nullptr;
};

// "坐标编辑格式": which column order the coordinate list uses; opens on KARD600.
class EditFormatDialog : public QDialog {
public:
    explicit EditFormatDialog(QWidget* parent = nullptr);
    EditFormat Format() const;

private:
    QRadioButton* kard300_;
    QRadioButton* kard600_;
};

} // namespace cablemate
