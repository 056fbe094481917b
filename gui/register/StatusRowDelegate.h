#pragma once

#include <QStyledItemDelegate>

namespace vd::gui {

// Paints the register's rows in their status colours. The selected row keeps its status
// background and changes only its text colour, with a dotted line above and below so the
// selection stays visible where that colour is the usual one. Rows without a status colour
// are painted as the grid paints them.
class StatusRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vd::gui
