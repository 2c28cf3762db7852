// "坐标校正": the prism constant the points were measured with and the one
// they should have been; the caller corrects the editor's text with them.
#pragma once

#include <QDialog>

class QLineEdit;

namespace cablemate {

class CorrectionDialog : public QDialog {
public:
    explicit CorrectionDialog(QWidget* parent = nullptr);
    // The typed numbers as the suite reads numbers: the leading decimal
    // number of the text, 0 when there is none. Taken as typed, in the unit
    // of the coordinates.
    double OldConstant() const;
    double NewConstant() const;

private:
    QLineEdit* oldConstant_;
    QLineEdit* newConstant_;
};

} // namespace cablemate
