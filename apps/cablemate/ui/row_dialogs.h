// The small dialogs the two lists open: one row's edits (add or edit) and the
// question before the list is written back.
#pragma once

#include "language/ui_text.h"
#include "transfer_state.h"

#include <QDialog>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace cablemate {

// One edit of a row dialog: its caption and its control number.
struct RowEdit {
    harwick::UiText caption;
    int control;
};

// One edit per field, in the given order. With a check, OK refuses an empty
// name or code (CheckNewRow) with its message and the dialog stays open.
class RowEditDialog : public QDialog {
public:
    struct Check {
        Messages* messages;
        std::size_t nameEdit;
        std::size_t codeEdit;
    };

    RowEditDialog(std::string_view title, std::span<const RowEdit> edits, std::optional<Check> check,
                  QWidget* parent = nullptr);

    // Fills the edits in order; missing values leave their edits empty.
    void SetValues(std::span<const std::string> values);
    std::vector<std::string> Values() const;

private:
    void TryAccept();

    std::vector<QLineEdit*> edits_;
    std::optional<Check> check_;
};

// "更新数据" / "更新编码": the question, the do-not-ask box 1006, OK and Cancel.
class UpdateQuestionDialog : public QDialog {
public:
    struct Texts {
        std::string_view title;
        std::string_view question;
        std::string_view ok;
        std::string_view cancel;
    };

    explicit UpdateQuestionDialog(const Texts& texts, QWidget* parent = nullptr);
    bool DoNotAskAgain() const;

private:
    QCheckBox* doNotAsk_;
};

} // namespace cablemate
