// The About box of a program: its title, a few lines (name, version) and OK.
#pragma once

#include <QDialog>
#include <QStringList>

namespace harwick::qtkit {

class AboutBox : public QDialog {
public:
    // The OK button is named "okButton", so tests find it.
    AboutBox(const QString& title, const QStringList& lines, const QString& okText, QWidget* parent = nullptr);
};

} // namespace harwick::qtkit
