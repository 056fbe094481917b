#include "support/PickListDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "support/DialogButtons.h"

namespace vd::gui {

PickListDialog::PickListDialog(const QString& title, const QStringList& items, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("dlgPickList"));
    setWindowTitle(title);
    list_->setObjectName(QStringLiteral("lbItems"));
    list_->addItems(items);
    if (!items.isEmpty()) list_->setCurrentRow(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    const DialogButtons buttons = AddDialogButtons(*this, *layout, text::kOk, text::kCancel);
    connect(buttons.ok, &QPushButton::clicked, this, [this] {
        if (list_->currentRow() >= 0) accept();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(480, 360);
}

std::optional<int> PickListDialog::Pick(QWidget* parent, const QString& title, const QStringList& items) {
    PickListDialog dialog(title, items, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.list_->currentRow() < 0) return std::nullopt;
    return dialog.list_->currentRow();
}

}  // namespace vd::gui
