// "About toolhub": the launcher's picture, its version and OK.
#pragma once

#include <QDialog>

class QIcon;

namespace toolhub {

class AboutDialog : public QDialog {
public:
    explicit AboutDialog(const QIcon& picture, QWidget* parent = nullptr);
};

} // namespace toolhub
