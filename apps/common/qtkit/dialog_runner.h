// Every modal dialog and pop-up menu of the suite's windows runs through a
// DialogRunner, so that widget tests answer them (fill a dialog in, press its
// buttons, pick a menu entry) where a person would.
#pragma once

class QAction;
class QDialog;
class QMenu;
class QPoint;

namespace harwick::qtkit {

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // QDialog::Accepted or QDialog::Rejected.
    virtual int Run(QDialog& dialog) = 0;
    // The chosen entry of a menu shown at a screen position; null when none
    // was. The menu's own modal loop unless a runner answers otherwise.
    virtual QAction* RunMenu(QMenu& menu, const QPoint& globalPos);
};

// The programs' runner: each dialog's and menu's own modal loop.
class ExecRunner : public DialogRunner {
public:
    int Run(QDialog& dialog) override;
};

} // namespace harwick::qtkit
