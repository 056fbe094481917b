#include "core/SimLoginDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "support/DialogButtons.h"
#include "support/PasswordField.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

QLineEdit* NewField(QWidget* parent, const char* objectName, std::string_view text) {
    auto* field = new QLineEdit(ToQString(text), parent);
    field->setObjectName(QString::fromLatin1(objectName));
    return field;
}

}  // namespace

SimLoginDialog::SimLoginDialog(const SimLoginDialogArgs& args, QWidget* parent)
    : QDialog(parent),
      login_(NewField(this, "edLogin", args.login)),
      password_(NewField(this, "edPassword", args.password)),
      userName_(NewField(this, "edUserName", args.userName)),
      projectNumber_(NewField(this, "edProjectNumber", args.projectNumber)) {
    setObjectName(QStringLiteral("dlgSimLogin"));
    setWindowTitle(ToQString(args.caption));

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToDisplayText(args.prompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    MaskPasswordField(*password_, args.maskChar);
    // The service numbers its projects in decimal.
    projectNumber_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), projectNumber_));

    auto* form = new QFormLayout;
    form->addRow(ToQString(args.loginLabel), login_);
    form->addRow(ToQString(args.passwordLabel), password_);
    form->addRow(ToQString(args.userNameLabel), userName_);
    form->addRow(ToQString(args.projectLabel), projectNumber_);
    layout->addLayout(form);

    const DialogButtons buttons = AddDialogButtons(*this, *layout, args.okCaption, args.cancelCaption);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(420);
}

void SimLoginDialog::ReadInto(SimLoginDialogArgs& args) const {
    args.login = ToUtf8(login_->text());
    args.password = ToUtf8(password_->text());
    args.userName = ToUtf8(userName_->text());
    args.projectNumber = ToUtf8(projectNumber_->text());
}

}  // namespace vd::gui
