#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "core/MasterRecord.h"

namespace vd {
class Journal;
class TDM;
}  // namespace vd

namespace vd::gui {

// The selected row's text colour (a QPalette::ColorRole) of a row painted in a status colour.
inline constexpr int kSelectedTextRole = Qt::UserRole + 1;

// The master grid over the core's register query. Nothing is copied: a cell asks the query for
// its row when it is painted, and the query reads rows a page at a time, so 100,000 documents
// cost no more than the few on the screen. Reload after the query was reopened.
class RegisterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    RegisterModel(TDM& tdm, const Journal& journal, QObject* parent = nullptr);

    void Reload();
    // The row indicator follows the query's current row.
    void CurrentRowChanged(int current);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TDM& tdm_;
    const Journal& journal_;
    int rows_ = 0;
    int current_ = -1;
    // One report per reload: a broken row would otherwise be journalled at every repaint.
    mutable bool failureReported_ = false;
};

// The goods lines of the register's current document.
class GoodsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetLines(std::vector<GoodsLine> lines);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<GoodsLine> lines_;
};

}  // namespace vd::gui
