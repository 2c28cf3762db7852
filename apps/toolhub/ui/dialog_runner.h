// The About box and the context menu run through this, so that the widget
// tests answer them where a person would.
#pragma once

class QAction;
class QDialog;
class QMenu;
class QPoint;

namespace toolhub {

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // QDialog::Accepted or QDialog::Rejected.
    virtual int Run(QDialog& dialog) = 0;
    // The entry chosen, or nullptr when the menu was dismissed.
    virtual QAction* RunMenu(QMenu& menu, const QPoint& globalPos) = 0;
};

// The program's runner: the dialog's and the menu's own modal loops.
class ExecRunner : public DialogRunner {
public:
    int Run(QDialog& dialog) override;
    QAction* RunMenu(QMenu& menu, const QPoint& globalPos) override;
};

} // namespace toolhub
