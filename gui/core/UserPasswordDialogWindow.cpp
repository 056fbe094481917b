#include "core/UserPasswordDialogWindow.h"

#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/UserAdministration.h"
#include "support/DialogButtons.h"
#include "support/FormLayout.h"
#include "support/PasswordField.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

QLineEdit* NewField(QWidget* parent, const char* objectName) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    return field;
}

}  // namespace

TfAddUser::TfAddUser(UserPasswordDialog& dialog, QWidget* parent, const FormLayout* layoutStore)
    : QDialog(parent),
      dialog_(dialog),
      name_(NewField(this, "ntEditName")),
      firstPassword_(NewField(this, "ntEditOldPassword")),
      secondPassword_(NewField(this, "ntEditNewPassword")),
      layout_(layoutStore) {
    setObjectName(QStringLiteral("fAddUser"));
    setWindowTitle(ToQString(dialog.Caption()));

    name_->setText(ToQString(dialog.Name()));
    name_->setReadOnly(!dialog.NameEditable());
    name_->installEventFilter(this);
    MaskPasswordField(*firstPassword_, text::kPasswordMask);
    MaskPasswordField(*secondPassword_, text::kPasswordMask);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(ToQString(text::kUserNameLabel), name_);
    form->addRow(ToQString(dialog.FirstLabel()), firstPassword_);
    form->addRow(ToQString(dialog.SecondLabel()), secondPassword_);
    layout->addLayout(form);

    const DialogButtons buttons = AddDialogButtons(*this, *layout, text::kOk, text::kCancel);
    buttons.ok->setToolTip(ToQString(text::kConfirmPasswordHint));
    buttons.cancel->setToolTip(ToQString(text::kCancelPasswordHint));
    connect(buttons.ok, &QPushButton::clicked, this, &TfAddUser::Confirm);

    setMinimumWidth(360);
    if (dialog.NameEditable()) {
        name_->setFocus();
    } else {
        firstPassword_->setFocus();
    }
    if (layout_) layout_->Restore(*this);
}

TfAddUser::~TfAddUser() {
    if (layout_) layout_->Save(*this);
}

bool TfAddUser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && event->type() == QEvent::FocusOut && !name_->isReadOnly()) {
        const QString trimmed = ToQString(UserPasswordDialog::TrimName(ToUtf8(name_->text())));
        if (trimmed != name_->text()) name_->setText(trimmed);
    }
    return QDialog::eventFilter(watched, event);
}

void TfAddUser::Confirm() {
    UserPasswordDialog::Result result{UserPasswordDialog::Outcome::Cancelled, UserPasswordDialog::Focus::None};
    const bool confirmed = error_.Catch([&] {
        result = dialog_.Confirm(ToUtf8(name_->text()), ToUtf8(firstPassword_->text()),
                                 ToUtf8(secondPassword_->text()));
    });
    if (!confirmed) {
        reject();
        return;
    }
    switch (result.outcome) {
        case UserPasswordDialog::Outcome::Accepted: accept(); return;
        case UserPasswordDialog::Outcome::Cancelled: reject(); return;
        case UserPasswordDialog::Outcome::StayOpen: break;
    }
    if (result.focus == UserPasswordDialog::Focus::Name) {
        name_->setFocus();
        name_->selectAll();
    } else if (result.focus == UserPasswordDialog::Focus::FirstPassword) {
        firstPassword_->setFocus();
        firstPassword_->selectAll();
    }
}

}  // namespace vd::gui
