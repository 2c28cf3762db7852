// The window's two dialogs: OPTIONS (the unit, always metres, and the
// precision) and the About box.
#pragma once

#include "qtkit/about_box.h"

#include "formats_alias.h"

#include <QDialog>

class QComboBox;

namespace pointbook {

class OptionsDialog : public QDialog {
public:
    // Opens with the current precision selected.
    explicit OptionsDialog(pointlist::Precision current, QWidget* parent = nullptr);
    pointlist::Precision Chosen() const;

private:
    QComboBox* precision_ = nullptr;  // a child of the dialog
};

class AboutDialog : public harwick::qtkit::AboutBox {
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace pointbook
