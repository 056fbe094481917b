#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "core/WorkingSet.h"

namespace vd::gui {

// The expertise list of the working set as the grid of field 10 shows it: "дата экспертизы"
// and "номер экспертизы", and one more empty row below the last, where a new expertise is
// typed in. Edits go straight into the list.
class ExpertiseModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kDateColumn = 0;
    static constexpr int kNumberColumn = 1;
    static constexpr int kNumberLength = 64;

    explicit ExpertiseModel(QObject* parent = nullptr);

    // Shows `rows` (kept by reference until the next call).
    void ShowRows(std::vector<ExpertiseRow>& rows);
    // Removes a stored row; the empty row below them has nothing to remove.
    bool DeleteRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The user changed the list.
    void edited();

private:
    int StoredRows() const;

    std::vector<ExpertiseRow>* rows_ = nullptr;
};

}  // namespace vd::gui
