#pragma once

#include <QStyledItemDelegate>

#include "support/DayNumber.h"

namespace vd::gui {

// The date column of the expertise grid is edited with a date editor laid over the cell, with
// a calendar to drop down. Every change of the date is written at once, so a date picked from
// the calendar is kept even when the user leaves the grid without confirming.
class ExpertiseDateDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // `today` is what an expertise without a date starts from.
    ExpertiseDateDelegate(DayNumber today, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private slots:
    void CommitPicker();

private:
    DayNumber today_;
};

}  // namespace vd::gui
