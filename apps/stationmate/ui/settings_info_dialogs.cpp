#include "dialog_parts.h"
#include "dialog_texts.h"
#include "dialogs.h"
#include "qtkit/traffic_log_entry.h"
#include "suite_version.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace stationmate {

void QtPrompter::ShowMessage(std::string_view text, std::string_view caption)
{
    QMessageBox box(QMessageBox::NoIcon, ToQ(caption.empty() ? kProgramTitle : caption), ToQ(text), QMessageBox::Ok,
                    DialogParent(parent_));
    box.setObjectName(QStringLiteral("messageBox"));
    runner_.Run(box);
}

namespace {

// One drop-down per list; the lists arrive sorted, so the combo keeps their order.
QComboBox* AddList(QFormLayout& form, const SettingsList& list, const char* objectName, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(objectName));
    for (const std::string& entry : list.entries) combo->addItem(QString::fromStdString(entry));
    combo->setCurrentIndex(list.selected < list.entries.size() ? static_cast<int>(list.selected) : -1);
    form.addRow(QString::fromStdString(list.label), combo);
    return combo;
}

// What the chosen entry stands for: the port list shows labels, the rest
// of the program knows COM names.
std::string Chosen(const QComboBox* combo, const SettingsList& list)
{
    const int index = combo->currentIndex();
    return index < 0 ? std::string() : list.Value(static_cast<std::size_t>(index));
}

} // namespace

std::optional<std::string> QtSettingsAsker::AskTrafficLogPath()
{
    return harwick::qtkit::AskTrafficLogPath(DialogParent(parent_), runner_);
}

std::optional<SettingsChoices> QtSettingsAsker::AskSettings(const SettingsDialogModel& model)
{
    QDialog dialog(DialogParent(parent_));
    dialog.setObjectName(QStringLiteral("settingsDialog"));
    dialog.setWindowTitle(ToQ(kSettingsCaption));
    dialog.setModal(true);

    auto* tabs = new QTabWidget(&dialog);
    tabs->setObjectName(QStringLiteral("settingsTabs"));
    auto* page = new QWidget(tabs);
    tabs->addTab(page, ToQ(kSettingsTab));

    auto* selection = new QGroupBox(ToQ(kCurrentSelectionGroup), page);
    selection->setObjectName(QStringLiteral("currentSelectionGroup"));
    auto* selectionForm = new QFormLayout(selection);
    QComboBox* port = AddList(*selectionForm, model.port, "portCombo", selection);
    QComboBox* instrument = AddList(*selectionForm, model.instrument, "instrumentCombo", selection);

    auto* settings = new QGroupBox(ToQ(kSettingsGroup), page);
    settings->setObjectName(QStringLiteral("settingsGroup"));
    auto* settingsForm = new QFormLayout(settings);
    QComboBox* baud = AddList(*settingsForm, model.baudRate, "baudRateCombo", settings);
    QComboBox* parity = AddList(*settingsForm, model.parity, "parityCombo", settings);
    QComboBox* stop = AddList(*settingsForm, model.stopBits, "stopBitsCombo", settings);
    QComboBox* data = AddList(*settingsForm, model.dataBits, "dataBitsCombo", settings);
    QComboBox* endmark = AddList(*settingsForm, model.endmark, "endmarkCombo", settings);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(selection);
    pageLayout->addWidget(settings);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(OkCancelButtons(dialog, kCancelButtonUpper));

    if (runner_.Run(dialog) != QDialog::Accepted) return std::nullopt;
    return SettingsChoices{Chosen(port, model.port),         Chosen(instrument, model.instrument),
                           Chosen(baud, model.baudRate),     Chosen(parity, model.parity),
                           Chosen(stop, model.stopBits),     Chosen(data, model.dataBits),
                           Chosen(endmark, model.endmark)};
}

void QtInfoShower::ShowFileInfo(const FileInfo& info)
{
    QDialog dialog(DialogParent(parent_));
    dialog.setObjectName(QStringLiteral("fileInfoDialog"));
    dialog.setWindowTitle(ToQ(kFileInfoCaption));
    dialog.setModal(true);

    const std::array<std::pair<std::string_view, std::pair<const std::string*, const char*>>, 6> rows{{
        {kInfoFileNameLabel, {&info.fileName, "fileNameValue"}},
        {kInfoPathLabel, {&info.path, "pathValue"}},
        {kInfoFileTypeLabel, {&info.fileType, "fileTypeValue"}},
        {kInfoFileFormatLabel, {&info.fileFormat, "fileFormatValue"}},
        {kInfoSizeLabel, {&info.size, "sizeValue"}},
        {kInfoDateLabel, {&info.date, "dateValue"}},
    }};
    auto* form = new QFormLayout;
    for (const auto& [label, value] : rows) form->addRow(ToQ(label), NamedLabel(*value.first, value.second, &dialog));

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(ToQ(kOkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    runner_.Run(dialog);
}

void QtInfoShower::ShowAbout()
{
    QDialog dialog(DialogParent(parent_));
    dialog.setObjectName(QStringLiteral("aboutDialog"));
    dialog.setWindowTitle(ToQ(kAboutCaption));
    dialog.setModal(true);

    auto* icon = new QLabel(&dialog);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    const int size = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    const QIcon programIcon = QApplication::windowIcon();
    icon->setPixmap((programIcon.isNull() ? dialog.style()->standardIcon(QStyle::SP_ComputerIcon) : programIcon)
                        .pixmap(size, size));
    auto* texts = new QVBoxLayout;
    texts->addWidget(NamedLabel(kProgramTitle, "aboutTitle", &dialog));
    texts->addWidget(NamedLabel(kAboutVersion, "aboutVersion", &dialog));
    texts->addWidget(NamedLabel(kAboutOwnership, "aboutOwnership", &dialog));
    texts->addWidget(NamedLabel(harwick::kSuiteVersionLine, "suiteVersion", &dialog));
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(texts);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(ToQ(kOkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
    runner_.Run(dialog);
}

} // namespace stationmate
