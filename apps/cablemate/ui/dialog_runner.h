// Every modal dialog of the window runs through this, so that the widget
// tests answer a dialog (fill it in, press its buttons) where a person would.
#pragma once

class QDialog;

namespace cablemate {

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // QDialog::Accepted or QDialog::Rejected.
    virtual int Run(QDialog& dialog) = 0;
};

// The program's runner: the dialog's own modal loop.
class ExecRunner : public DialogRunner {
public:
    int Run(QDialog& dialog) override;
};

} // namespace cablemate
