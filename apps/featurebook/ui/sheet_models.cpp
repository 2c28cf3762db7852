#include "sheet_models.h"

#include "feature_texts.h"
#include "qt_text.h"

namespace featurebook {

namespace {

constexpr int kColumns = 2;

bool Shows(int role)
{
    return role == Qt::DisplayRole || role == Qt::EditRole;
}

QVariant Title(Qt::Orientation orientation, int role, int section, std::string_view first, std::string_view second)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return ToQ(section == 0 ? first : second);
}

std::size_t RowOf(const QModelIndex& index)
{
    return static_cast<std::size_t>(index.row());
}

} // namespace

// ---- The code table --------------------------------------------------------------------

CodeTableModel::CodeTableModel(CodeBook& book, Messages& messages, QObject* parent)
    : QAbstractTableModel(parent), book_(book), messages_(messages) {}

int CodeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(book_.Count() + 1);
}

int CodeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant CodeTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !Shows(role)) return {};
    const std::size_t row = RowOf(index);
    return ToQ(index.column() == kCodeColumn ? book_.CodeText(row) : book_.Shortcut(row));
}

QVariant CodeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) return QAbstractTableModel::headerData(section, orientation, role);
    return Title(orientation, role, section, kCodeTitle, kShortcutTitle);
}

Qt::ItemFlags CodeTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool CodeTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    // A message box that is still open for a refusal takes the focus from
    // the cell's editor, which would offer its text again.
    if (role != Qt::EditRole || !index.isValid() || refusing_) return false;
    std::string text = FromQ(value.toString());
    const std::size_t row = RowOf(index);
    const Refusal refusal =
        index.column() == kCodeColumn ? book_.CheckCode(row, text) : CodeBook::CheckShortcut(text);
    if (refusal != Refusal::None) {
        refusing_ = true;
        messages_.ShowMessage(RefusalMessage(refusal));
        refusing_ = false;
        return false;
    }
    if (index.column() == kCodeColumn) return SetCode(index, std::move(text));
    book_.SetShortcut(row, std::move(text));
    emit dataChanged(index, index);
    return true;
}

bool CodeTableModel::SetCode(const QModelIndex& index, std::string text)
{
    const std::size_t row = RowOf(index);
    const bool born = book_.IsEntryRow(row) && !text.empty();
    // A new code takes the entry row, and a fresh entry row follows it.
    const int entry = rowCount();
    if (born) beginInsertRows(QModelIndex(), entry, entry);
    const CodeChange change = book_.SetCode(row, std::move(text));
    if (born) endInsertRows();
    emit dataChanged(index, index);
    if (listener_ && change != CodeChange::Nothing) listener_(change, row);
    return true;
}

void CodeTableModel::RemoveCodeRow(std::size_t row)
{
    if (book_.IsEntryRow(row)) {
        book_.ClearEntryRow();
        emit dataChanged(index(static_cast<int>(row), 0), index(static_cast<int>(row), kColumns - 1));
        return;
    }
    if (row >= book_.Count()) return;
    beginRemoveRows(QModelIndex(), static_cast<int>(row), static_cast<int>(row));
    book_.Remove(row);
    endRemoveRows();
}

// ---- An attribute sheet ------------------------------------------------------------------

AttributeModel::AttributeModel(CodeBook& book, QObject* parent) : QAbstractTableModel(parent), book_(book) {}

void AttributeModel::ShowCode(std::optional<std::size_t> row)
{
    beginResetModel();
    code_ = row;
    endResetModel();
}

int AttributeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !code_ || *code_ >= book_.Count()) return 0;
    return static_cast<int>(kInfoSlots);
}

int AttributeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant AttributeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !Shows(role) || !code_ || *code_ >= book_.Count()) return {};
    const std::size_t slot = RowOf(index);
    if (index.column() == kAttributeNameColumn) return ToQ(InfoLabel(slot));
    return ToQ(book_.At(*code_).defaults.at(slot));
}

QVariant AttributeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) return QAbstractTableModel::headerData(section, orientation, role);
    return Title(orientation, role, section, kAttributeNameTitle, kDefaultValueTitle);
}

Qt::ItemFlags AttributeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // The slots' names are fixed by the file layout; only the values change.
    return index.column() == kDefaultValueColumn ? flags | Qt::ItemIsEditable : flags;
}

bool AttributeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != kDefaultValueColumn || !code_) return false;
    book_.SetDefault(*code_, RowOf(index), FromQ(value.toString()));
    emit dataChanged(index, index);
    return true;
}

} // namespace featurebook
