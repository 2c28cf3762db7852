// Small builders the cable program's dialogs share: texts from their UTF-8
// constants, controls named after the original control numbers so that tests
// (and anyone reading a bug report) find them, and the OK/Cancel row.
#pragma once

#include "qtkit/qt_text.h"

#include <QString>

#include <string>
#include <string_view>

class QBoxLayout;
class QDialog;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace cablemate::dialogs {

using harwick::qtkit::FromQ;
using harwick::qtkit::ToQ;

// "control1024" for control 1024.
QString ControlName(int control);

// A push button with its text and object name.
QPushButton* NamedButton(std::string_view text, const QString& objectName, QWidget* parent);

// An edit with a caption in front of it, added as a row of the form.
QLineEdit* AddEditRow(QFormLayout& form, std::string_view caption, int control, QWidget* parent);

struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
};
// "okButton" and "cancelButton" at the right end of a row added to layout.
// Cancel rejects the dialog; OK is left to the caller, since most dialogs
// check what was typed before they close. OK is the default button.
OkCancel AddOkCancel(QDialog& dialog, QBoxLayout& layout, std::string_view okText, std::string_view cancelText);

} // namespace cablemate::dialogs
