#include "core/CommentDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "support/DialogButtons.h"
#include "support/QtText.h"

namespace vd::gui {

CommentDialog::CommentDialog(const CommentDialogArgs& args, QWidget* parent)
    : QDialog(parent), comment_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("dlgComment"));
    setWindowTitle(ToQString(args.caption));

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToDisplayText(args.prompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    comment_->setObjectName(QStringLiteral("edComment"));
    comment_->setPlainText(ToDisplayText(args.comment));
    layout->addWidget(comment_);

    const DialogButtons buttons = AddDialogButtons(*this, *layout, args.okCaption, args.cancelCaption);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    resize(440, 260);
    comment_->setFocus();
}

std::string CommentDialog::Comment() const {
    // Stored texts break lines with CR LF, as everywhere else in the program.
    QString text = comment_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToUtf8(text);
}

}  // namespace vd::gui
