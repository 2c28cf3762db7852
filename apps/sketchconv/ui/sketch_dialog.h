// The converter's one dialog: the GSI path with its "..." button, the font
// height, OK, Cancel and About. Every question, message and file name goes
// through the interactions, so tests drive the real dialog.
#pragma once

#include "qtkit/about_box.h"

#include "converter.h"
#include "dialog_runner.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace sketchconv {

struct Interactions {
    Prompter& prompter;
    FileChooser& files;
    DialogRunner& runner;
};

class SketchDialog : public QDialog {
public:
    SketchDialog(Interactions interactions, LibrarySearch library, QWidget* parent = nullptr);

    SketchConverter& Converter() { return converter_; }

    // "...": choose and read a GSI file.
    void Browse();
    // OK: write the drawing; the dialog closes either way.
    void Convert();
    void About();

private:
    void BuildLayout();

    Interactions io_;
    SketchConverter converter_;
    QLineEdit* path_ = nullptr;   // children of the dialog
    QSpinBox* height_ = nullptr;
};

// The About box: the program's name and version.
class AboutDialog : public harwick::qtkit::AboutBox {
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace sketchconv
