#include "core/UserRenameDialogWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/UserAdministration.h"
#include "support/DialogButtons.h"
#include "support/QtText.h"

namespace vd::gui {

TfUserRename::TfUserRename(UserRenameDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog), newLogin_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("fUserRename"));
    setWindowTitle(ToQString(dialog.Caption()));
    setWindowIcon(QApplication::windowIcon());

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToDisplayText(dialog.Prompt()), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    newLogin_->setObjectName(QStringLiteral("EditNewLogin"));
    newLogin_->setText(ToQString(dialog.CurrentName()));
    newLogin_->selectAll();
    layout->addWidget(newLogin_);

    const DialogButtons buttons = AddDialogButtons(*this, *layout, text::kOk, text::kRenameCancel);
    connect(buttons.ok, &QPushButton::clicked, this, &TfUserRename::Confirm);
    setMinimumWidth(460);
    newLogin_->setFocus();
}

void TfUserRename::Confirm() {
    bool accepted = false;
    if (!error_.Catch([&] { accepted = dialog_.Confirm(ToUtf8(newLogin_->text())); })) {
        reject();
        return;
    }
    if (accepted) accept();
}

}  // namespace vd::gui
