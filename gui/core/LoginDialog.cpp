#include "core/LoginDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "support/DialogButtons.h"
#include "support/PasswordField.h"
#include "support/QtText.h"

namespace vd::gui {

LoginDialog::LoginDialog(const LoginDialogArgs& args, QWidget* parent)
    : QDialog(parent), name_(new QComboBox(this)), password_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("dlgLogin"));
    setWindowTitle(ToQString(args.caption));

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToDisplayText(args.prompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    name_->setObjectName(QStringLiteral("cbName"));
    name_->setEditable(true);
    // A typed name is only looked up, never added to the list.
    name_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& user : args.userNames) name_->addItem(ToQString(user));
    name_->setCurrentText(ToQString(args.name));

    password_->setObjectName(QStringLiteral("edPassword"));
    MaskPasswordField(*password_, args.maskChar);
    password_->setText(ToQString(args.password));

    auto* form = new QFormLayout;
    form->addRow(ToQString(args.nameLabel), name_);
    form->addRow(ToQString(args.passwordLabel), password_);
    layout->addLayout(form);

    const DialogButtons buttons = AddDialogButtons(*this, *layout, args.okCaption, args.cancelCaption);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    setMinimumWidth(380);
    // The name is usually preset, so the user starts with the password.
    password_->setFocus();
}

std::string LoginDialog::Name() const { return ToUtf8(name_->currentText()); }

std::string LoginDialog::Password() const { return ToUtf8(password_->text()); }

}  // namespace vd::gui
