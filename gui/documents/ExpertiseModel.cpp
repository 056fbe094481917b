#include "documents/ExpertiseModel.h"

#include <QDate>

#include "documents/DayDate.h"
#include "documents/EditorTexts.h"
#include "documents/TextCleanup.h"
#include "support/QtText.h"

namespace vd::gui {

ExpertiseModel::ExpertiseModel(QObject* parent) : QAbstractTableModel(parent) {}

void ExpertiseModel::ShowRows(std::vector<ExpertiseRow>& rows) {
    beginResetModel();
    rows_ = &rows;
    endResetModel();
}

int ExpertiseModel::StoredRows() const { return rows_ ? static_cast<int>(rows_->size()) : 0; }

bool ExpertiseModel::DeleteRow(int row) {
    if (row < 0 || row >= StoredRows()) return false;
    beginRemoveRows({}, row, row);
    rows_->erase(rows_->begin() + row);
    endRemoveRows();
    emit edited();
    return true;
}

int ExpertiseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows_ ? 0 : StoredRows() + 1;
}

int ExpertiseModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ExpertiseModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= StoredRows()) return {};
    const ExpertiseRow& row = (*rows_)[static_cast<std::size_t>(index.row())];
    if (index.column() == kDateColumn) {
        if (!row.de) return {};
        if (role == Qt::DisplayRole) return ToQString(FormatDdMmYyyy(*row.de));
        if (role == Qt::EditRole) return ToQDate(*row.de);
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) return ToQString(row.nume);
    return {};
}

bool ExpertiseModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !rows_) return false;
    const int row = index.row();
    if (index.column() == kDateColumn && !value.toDate().isValid()) return false;
    if (row == StoredRows()) {
        // Typing into the empty row below the list adds an expertise; a new empty row follows.
        if (index.column() == kNumberColumn && value.toString().isEmpty()) return false;
        beginInsertRows({}, row + 1, row + 1);
        rows_->emplace_back();
        endInsertRows();
    }
    ExpertiseRow& target = (*rows_)[static_cast<std::size_t>(row)];
    if (index.column() == kDateColumn) {
        target.de = ToDayNumber(value.toDate());
    } else {
        target.nume = CleanSingleLineText(ToUtf8(value.toString().left(kNumberLength)));
    }
    emit dataChanged(index, index);
    emit edited();
    return true;
}

QVariant ExpertiseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section < StoredRows() ? QVariant(section + 1) : QVariant(QStringLiteral("*"));
    return ToQString(section == kDateColumn ? text::kExpertiseDateColumn : text::kExpertiseNumberColumn);
}

Qt::ItemFlags ExpertiseModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

}  // namespace vd::gui
