#include "register/StatusRowDelegate.h"

#include <QPainter>

#include "register/RegisterModels.h"

namespace vd::gui {

void StatusRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QVariant background = index.data(Qt::BackgroundRole);
    if (!background.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    // The status colour stays under the selection and under the focus frame the style would fill.
    opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    opt.backgroundBrush = background.value<QColor>();
    if (selected) {
        const auto role = static_cast<QPalette::ColorRole>(index.data(kSelectedTextRole).toInt());
        opt.palette.setColor(QPalette::Text, option.palette.color(role));
    }
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : nullptr;
    if (style) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    } else {
        QStyledItemDelegate::paint(painter, opt, index);
    }
    if (selected) {
        painter->save();
        painter->setPen(QPen(opt.palette.color(QPalette::Text), 1, Qt::DotLine));
        painter->drawLine(opt.rect.topLeft(), opt.rect.topRight());
        painter->drawLine(opt.rect.bottomLeft(), opt.rect.bottomRight());
        painter->restore();
    }
}

}  // namespace vd::gui
