#include "register/BlankConfirmationDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "support/QtText.h"

namespace vd::gui {
namespace {

// Large type throughout: the expert reads the number off the blank in the printer.
QFont Enlarged(QFont font, bool bold) {
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(bold);
    return font;
}

QLabel* NewLine(QWidget* parent, std::string_view text) {
    auto* label = new QLabel(ToDisplayText(text), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Enlarged(label->font(), true));
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* objectName, std::string_view caption) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFont(Enlarged(button->font(), false));
    button->setMinimumSize(120, 44);
    return button;
}

}  // namespace

TFormDlgPaper::TFormDlgPaper(const BlankDialogArgs& args, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormDlgPaper"));
    setWindowTitle(ToQString(args.caption));

    // Red lines on a pale background, so the question is not clicked away unread.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 225));
    colours.setColor(QPalette::WindowText, Qt::red);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NewLine(this, args.line1));
    layout->addWidget(NewLine(this, args.line2));

    QPushButton* yes = NewButton(this, "btnYes", args.yesCaption);
    QPushButton* no = NewButton(this, "btnNo", args.noCaption);
    // The button captions keep the ordinary colours; only the question is red.
    yes->setPalette(QPalette());
    no->setPalette(QPalette());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    yes->setDefault(true);
    setMinimumWidth(420);
}

}  // namespace vd::gui
