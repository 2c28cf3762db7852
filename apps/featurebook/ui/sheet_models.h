// The grid's two kinds of sheet over the code list being edited. The code
// table (sheet 0) has a row per code and the entry row after them, columns
// "Code" and "Short Cut"; it checks every new text before accepting it, and
// a refused text shows its message and leaves the cell as it was. An
// attribute sheet shows one code's eight slots, "Info 1" to "Info 8", with
// their default values, which are accepted as typed.
#pragma once

#include "code_book.h"
#include "window_interfaces.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>

namespace featurebook {

inline constexpr int kCodeColumn = 0;
inline constexpr int kShortcutColumn = 1;
inline constexpr int kAttributeNameColumn = 0;
inline constexpr int kDefaultValueColumn = 1;

class CodeTableModel : public QAbstractTableModel {
public:
    // Told after an accepted code text changed the list (row of the code).
    using ChangeListener = std::function<void(CodeChange change, std::size_t row)>;

    CodeTableModel(CodeBook& book, Messages& messages, QObject* parent);
    void SetChangeListener(ChangeListener listener) { listener_ = std::move(listener); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Removes a code's row; the entry row is emptied instead.
    void RemoveCodeRow(std::size_t row);
    // Around a change of the whole list.
    void BeginReload() { beginResetModel(); }
    void EndReload() { endResetModel(); }

private:
    bool SetCode(const QModelIndex& index, std::string text);

    CodeBook& book_;
    Messages& messages_;
    ChangeListener listener_;
    bool refusing_ = false;
};

class AttributeModel : public QAbstractTableModel {
public:
    AttributeModel(CodeBook& book, QObject* parent);

    // The code whose slots are shown; nothing shows no rows.
    void ShowCode(std::optional<std::size_t> row);
    std::optional<std::size_t> Code() const { return code_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void BeginReload() { beginResetModel(); }
    void EndReload() { endResetModel(); }

private:
    CodeBook& book_;
    std::optional<std::size_t> code_;
};

} // namespace featurebook
