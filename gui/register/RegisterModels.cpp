#include "register/RegisterModels.h"

#include <QColor>

#include <exception>
#include <utility>

#include "core/DataModule.h"
#include "core/Journal.h"
#include "register/RegisterCells.h"
#include "register/RegisterQuery.h"
#include "register/StatusColours.h"
#include "support/FormLayout.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

Qt::Alignment AlignmentOf(CellAlignment alignment) {
    switch (alignment) {
        case CellAlignment::Centre: return Qt::AlignCenter;
        case CellAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case CellAlignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

template <std::size_t N>
QVariant ColumnHeader(const std::array<GridColumn, N>& columns, int section, int role) {
    if (section < 0 || static_cast<std::size_t>(section) >= N) return {};
    const GridColumn& column = columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return ToQString(column.title.empty() ? column.field : column.title);
    if (role == kFieldNameRole) return ToQString(column.field);
    return {};
}

// The row indicator of the current row.
const QString kCurrentRowMark = QStringLiteral("▶");

}  // namespace

RegisterModel::RegisterModel(TDM& tdm, const Journal& journal, QObject* parent)
    : QAbstractTableModel(parent), tdm_(tdm), journal_(journal) {
    Reload();
}

void RegisterModel::Reload() {
    beginResetModel();
    const bool open = tdm_.RegisterOpen() && tdm_.ASQM().IsOpen();
    rows_ = open ? tdm_.ASQM().RowCount() : 0;
    current_ = open ? tdm_.ASQM().CurrentIndex() : -1;
    failureReported_ = false;
    endResetModel();
}

void RegisterModel::CurrentRowChanged(int current) {
    const int previous = std::exchange(current_, current);
    for (const int row : {previous, current}) {
        if (row >= 0 && row < rows_) emit headerDataChanged(Qt::Vertical, row, row);
    }
}

int RegisterModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kRegisterColumns.size());
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= columnCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole && role != Qt::BackgroundRole &&
        role != kSelectedTextRole) {
        return {};
    }
    try {
        // The query may have been reopened (a search in progress) before this model is reset.
        if (!tdm_.RegisterOpen()) return {};
        RegisterQuery& query = tdm_.ASQM();
        if (!query.IsOpen() || index.row() >= query.RowCount()) return {};
        const RegisterRow& row = query.RowAt(index.row());
        if (role == Qt::BackgroundRole || role == kSelectedTextRole) {
            const StatusColour* colour =
                StatusColourFor(row.statusReadable ? std::optional<int>(row.record.status) : std::nullopt);
            if (!colour) return {};
            if (role == Qt::BackgroundRole) return colour->Background();
            return static_cast<int>(colour->selectedText);
        }
        const CellText cell = RegisterCell(row, kRegisterColumns[static_cast<std::size_t>(index.column())].field);
        if (role == Qt::TextAlignmentRole) return static_cast<int>(AlignmentOf(cell.alignment));
        return ToQString(cell.text);
    } catch (const std::exception& e) {
        if (!failureReported_) journal_.ReportError("uFormList.TFormList.dbgMDrawColumnCell", e.what());
        failureReported_ = true;
    }
    return {};
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) return ColumnHeader(kRegisterColumns, section, role);
    if (role == Qt::DisplayRole) return section == current_ ? kCurrentRowMark : QString();
    return {};
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GoodsModel::SetLines(std::vector<GoodsLine> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int GoodsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int GoodsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kGoodsColumns.size());
}

QVariant GoodsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= lines_.size()) return {};
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole) return {};
    const CellText cell = GoodsCell(lines_[static_cast<std::size_t>(index.row())],
                                    kGoodsColumns[static_cast<std::size_t>(index.column())].field);
    if (role == Qt::TextAlignmentRole) return static_cast<int>(AlignmentOf(cell.alignment));
    return ToQString(cell.text);
}

QVariant GoodsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) return ColumnHeader(kGoodsColumns, section, role);
    return {};
}

Qt::ItemFlags GoodsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace vd::gui
