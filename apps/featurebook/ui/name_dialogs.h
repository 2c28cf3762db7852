// The window's small dialogs: "New code name" (list name and author),
// "Rename CodeList" (the list's new name) and the About box. Widgets carry
// object names so that tests fill them in:
//   New code name     codeNameEdit, authorEdit, okButton, cancelButton
//   Rename CodeList   newNameEdit, okButton, cancelButton
//   About             aboutName, aboutVersion, okButton
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

namespace featurebook {

class NewListDialog : public QDialog {
public:
    explicit NewListDialog(QWidget* parent);
    std::string ListName() const;
    std::string Author() const;

private:
    QLineEdit* name_;
    QLineEdit* author_;
};

class RenameListDialog : public QDialog {
public:
    RenameListDialog(const std::string& currentName, QWidget* parent);
    std::string NewName() const;

private:
    QLineEdit* name_;
};

class AboutDialog : public QDialog {
public:
    explicit AboutDialog(QWidget* parent);
};

} // namespace featurebook
