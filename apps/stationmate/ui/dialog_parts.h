// Small builders shared by the dialogs: every text goes through here from its
// constant, and every button box has the same object names.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QString>

#include <string>
#include <string_view>

namespace stationmate {

inline QString ToQ(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QLabel* NamedLabel(std::string_view text, const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(ToQ(text), parent);
    if (objectName != nullptr) label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

// OK and a cancel button (its text given), wired to accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog& dialog, std::string_view cancelText);

// The parent's window, or nothing: dialogs centre over it and are modal to it.
QWidget* DialogParent(QWidget* parent);

} // namespace stationmate
