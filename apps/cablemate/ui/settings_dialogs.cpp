#include "settings_dialogs.h"

#include "cable_messages.h"
#include "dialog_texts.h"
#include "dialog_widgets.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cablemate {

using dialogs::ControlName;
using dialogs::ToQ;

namespace {

// The baud rates wrap after this many buttons; the short groups stay on one row.
constexpr std::size_t kRadiosPerRow = 4;
constexpr int kMillisecondsPerSecond = 1000;

// A frame of radio buttons, one per choice, the current value's checked (none
// when the value is not one of the group's). The button ids are the choices'
// positions. grid, when given, gets the frame's grid for more buttons.
template <typename T, std::size_t N>
QButtonGroup* AddRadioGroup(const std::array<RadioChoice<T>, N>& choices, std::optional<std::size_t> checked,
                            QBoxLayout& layout, QDialog& dialog, QGridLayout** gridOut = nullptr)
{
    auto* frame = new QGroupBox(&dialog);
    auto* grid = new QGridLayout(frame);
    auto* group = new QButtonGroup(&dialog);
    for (std::size_t i = 0; i < N; ++i) {
        auto* radio = new QRadioButton(ToQ(choices[i].label), frame);
        radio->setObjectName(ControlName(choices[i].control));
        radio->setChecked(checked == i);
        group->addButton(radio, static_cast<int>(i));
        grid->addWidget(radio, static_cast<int>(i / kRadiosPerRow), static_cast<int>(i % kRadiosPerRow));
    }
    layout.addWidget(frame);
    if (gridOut != nullptr) *gridOut = grid;
    return group;
}

// The present ports below the fixed ones, in the fixed ones' frame and
// group, one per line since their labels are long; ids follow the fixed ones.
void AddPresentPorts(QButtonGroup& group, QGridLayout& grid, const std::vector<PortChoice>& choices,
                     const std::string& current)
{
    QWidget* frame = grid.parentWidget();
    const int firstRow = grid.rowCount();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromStdString(choices[i].label), frame);
        radio->setObjectName(QStringLiteral("presentPort%1").arg(i));
        radio->setChecked(choices[i].value == current);
        group.addButton(radio, static_cast<int>(kPortChoices.size() + i));
        grid.addWidget(radio, firstRow + static_cast<int>(i), 0, 1, static_cast<int>(kRadiosPerRow));
    }
}

// The checked button's value into the field; an unchecked group leaves it.
template <typename T, std::size_t N, typename V>
void TakeChecked(const QButtonGroup& group, const std::array<RadioChoice<T>, N>& choices, V& field)
{
    const int id = group.checkedId();
    if (id >= 0 && static_cast<std::size_t>(id) < N) field = V(choices[static_cast<std::size_t>(id)].value);
}

struct TimingCaptions {
    std::string_view timeout;
    std::string_view rowDelay;
};

// The two timing edits (each taking at most kDialogEditLimit characters)
// showing the current values, and OK and Cancel under them; OK takes the
// input, then closes the dialog.
void AddTimingsAndButtons(QDialog& dialog, QVBoxLayout& layout, TimingCaptions captions, int timeoutMs,
                          int rowDelayMs, QLineEdit*& timeout, QLineEdit*& rowDelay,
                          const std::function<void()>& takeInput)
{
    constexpr int kTimeoutControl = 1024, kRowDelayControl = 1025;
    auto* form = new QFormLayout;
    timeout = dialogs::AddEditRow(*form, captions.timeout, kTimeoutControl, &dialog);
    rowDelay = dialogs::AddEditRow(*form, captions.rowDelay, kRowDelayControl, &dialog);
    timeout->setMaxLength(kDialogEditLimit);
    rowDelay->setMaxLength(kDialogEditLimit);
    layout.addLayout(form);
    timeout->setText(QString::fromStdString(DialogNumber(timeoutMs / kMillisecondsPerSecond)));
    rowDelay->setText(QString::fromStdString(DialogNumber(rowDelayMs)));

    const dialogs::OkCancel buttons = dialogs::AddOkCancel(dialog, layout, kOkText, kCancelText);
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, [&dialog, takeInput] {
        takeInput();
        dialog.accept();
    });
}

// Typed values out of range are told and replaced by the defaults, as the
// program always did: the dialog still closes.
void TakeTimings(const QLineEdit& timeout, const QLineEdit& rowDelay, Messages& messages, int& timeoutMs,
                 int& rowDelayMs)
{
    const CheckedSetting seconds = CheckTimeoutSeconds(dialogs::FromQ(timeout.text()));
    if (!seconds.message.empty()) messages.ShowMessage(seconds.message);
    timeoutMs = seconds.value;
    const CheckedSetting delay = CheckRowDelay(dialogs::FromQ(rowDelay.text()));
    if (!delay.message.empty()) messages.ShowMessage(delay.message);
    rowDelayMs = delay.value;
}

} // namespace

// ---- COM ---------------------------------------------------------------------------

ComSettingsDialog::ComSettingsDialog(const ComSettings& current, Messages& messages, QWidget* parent,
                                     std::vector<PortChoice> presentPorts)
    : QDialog(parent), result_(current), messages_(messages), presentPorts_(std::move(presentPorts))
{
    setWindowTitle(ToQ(kComDialogTitle));
    auto* layout = new QVBoxLayout(this);
    protocol_ = AddRadioGroup(kProtocolChoices, CheckedChoice(kProtocolChoices, current.protocol), *layout, *this);
    QGridLayout* portGrid = nullptr;
    port_ = AddRadioGroup(kPortChoices, CheckedChoice(kPortChoices, current.portName), *layout, *this, &portGrid);
    AddPresentPorts(*port_, *portGrid, presentPorts_, current.portName);
    baudRate_ = AddRadioGroup(kBaudRateChoices, CheckedChoice(kBaudRateChoices, current.baudRate), *layout, *this);
    dataBits_ = AddRadioGroup(kDataBitChoices, CheckedChoice(kDataBitChoices, current.dataBits), *layout, *this);
    stopBits_ = AddRadioGroup(kStopBitChoices, CheckedChoice(kStopBitChoices, current.stopBits), *layout, *this);
    parity_ = AddRadioGroup(kParityChoices, CheckedChoice(kParityChoices, current.parity), *layout, *this);

    AddTimingsAndButtons(*this, *layout, {kComTimeoutLabel, kComRowDelayLabel}, current.receiveTimeOut,
                         current.rowDelay, timeout_, rowDelay_, [this] { TakeInput(); });
}

void ComSettingsDialog::TakeInput()
{
    TakeChecked(*protocol_, kProtocolChoices, result_.protocol);
    // The port is written whole: for every name the group can show checked
    // this is the old program's change of the digit alone, and a name from
    // outside the group becomes the chosen port instead of a mix of both.
    TakeChecked(*port_, kPortChoices, result_.portName);
    const int present = port_->checkedId() - static_cast<int>(kPortChoices.size());
    if (present >= 0 && static_cast<std::size_t>(present) < presentPorts_.size()) {
        result_.portName = presentPorts_[static_cast<std::size_t>(present)].value;
    }
    TakeChecked(*baudRate_, kBaudRateChoices, result_.baudRate);
    TakeChecked(*dataBits_, kDataBitChoices, result_.dataBits);
    TakeChecked(*stopBits_, kStopBitChoices, result_.stopBits);
    TakeChecked(*parity_, kParityChoices, result_.parity);
    TakeTimings(*timeout_, *rowDelay_, messages_, result_.receiveTimeOut, result_.rowDelay);
}

// ---- USB ---------------------------------------------------------------------------

UsbSettingsDialog::UsbSettingsDialog(const UsbSettings& current, Messages& messages, QWidget* parent)
    : QDialog(parent), result_(current), messages_(messages)
{
    setWindowTitle(ToQ(kUsbDialogTitle));
    auto* layout = new QVBoxLayout(this);
    AddTimingsAndButtons(*this, *layout, {kUsbTimeoutLabel, kUsbRowDelayLabel}, current.receiveTimeOut,
                         current.rowDelay, timeout_, rowDelay_, [this] { TakeInput(); });
}

void UsbSettingsDialog::TakeInput()
{
    TakeTimings(*timeout_, *rowDelay_, messages_, result_.receiveTimeOut, result_.rowDelay);
}

// ---- Edit format -------------------------------------------------------------------

EditFormatDialog::EditFormatDialog(QWidget* parent) : QDialog(parent)
{
    constexpr int kKard300Control = 1003, kKard600Control = 1004;
    setWindowTitle(ToQ(kEditFormatTitle));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(ToQ(kEditFormatGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    kard300_ = new QRadioButton(ToQ(kKard300Choice), group);
    kard300_->setObjectName(ControlName(kKard300Control));
    kard600_ = new QRadioButton(ToQ(kKard600Choice), group);
    kard600_->setObjectName(ControlName(kKard600Control));
    groupLayout->addWidget(kard300_);
    groupLayout->addWidget(kard600_);
    layout->addWidget(group);
    (kDefaultEditFormat == EditFormat::Kard300 ? kard300_ : kard600_)->setChecked(true);

    const dialogs::OkCancel buttons = dialogs::AddOkCancel(*this, *layout, kOkText, kCancelText);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}

EditFormat EditFormatDialog::Format() const
{
    return kard300_->isChecked() ? EditFormat::Kard300 : EditFormat::Kard600;
}

} // namespace cablemate
