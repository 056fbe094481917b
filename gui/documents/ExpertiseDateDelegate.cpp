#include "documents/ExpertiseDateDelegate.h"

#include <QDateEdit>
#include <QLineEdit>

#include "documents/DayDate.h"
#include "documents/ExpertiseModel.h"

namespace vd::gui {

ExpertiseDateDelegate::ExpertiseDateDelegate(DayNumber today, QObject* parent)
    : QStyledItemDelegate(parent), today_(today) {}

QWidget* ExpertiseDateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const {
    if (index.column() != ExpertiseModel::kDateColumn) {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(ExpertiseModel::kNumberLength);
        return editor;
    }
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QStringLiteral("DateTimePickerDB"));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setFrame(false);
    connect(picker, &QDateEdit::dateChanged, this, &ExpertiseDateDelegate::CommitPicker);
    return picker;
}

void ExpertiseDateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* picker = qobject_cast<QDateEdit*>(editor);
    if (!picker) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QDate stored = index.data(Qt::EditRole).toDate();
    const QSignalBlocker quiet(picker);
    picker->setDate(stored.isValid() ? stored : ToQDate(today_));
}

void ExpertiseDateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* picker = qobject_cast<QDateEdit*>(editor)) {
        model->setData(index, picker->date(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void ExpertiseDateDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                 const QModelIndex& index) const {
    if (!qobject_cast<QDateEdit*>(editor)) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    // Over the cell, one pixel inside its top left and two pixels larger, so its frame covers
    // the cell's grid lines.
    editor->setGeometry(option.rect.x() + 1, option.rect.y() + 1, option.rect.width() + 2, option.rect.height() + 2);
}

void ExpertiseDateDelegate::CommitPicker() {
    if (auto* picker = qobject_cast<QWidget*>(sender())) emit commitData(picker);
}

}  // namespace vd::gui
