// The About box runs through this, so that the widget tests answer it
// where a person would.
#pragma once

class QDialog;

namespace sketchconv {

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

} // namespace sketchconv
