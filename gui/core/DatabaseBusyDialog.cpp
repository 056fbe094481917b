#include "core/DatabaseBusyDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "support/QtText.h"
#include "support/TitleOnlyWindow.h"

namespace vd::gui {
namespace {

QPushButton* NewLargeButton(QWidget* parent, const char* objectName, std::string_view caption) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setMinimumHeight(44);
    return button;
}

}  // namespace

TFormDlgNetExit::TFormDlgNetExit(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormDlgNetExit"));
    setWindowTitle(ToQString(text::kNetBusyCaption));
    ShowTitleOnly(*this);
    setModal(true);

    // The colours of a tool tip set the dialog apart from the program's ordinary windows.
    QPalette tipColours = palette();
    tipColours.setColor(QPalette::Window, tipColours.color(QPalette::ToolTipBase));
    tipColours.setColor(QPalette::WindowText, tipColours.color(QPalette::ToolTipText));
    setPalette(tipColours);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(ToQString(text::kNetBusyLine1) + QLatin1Char('\n') + ToQString(text::kNetBusyLine2), this);
    message->setObjectName(QStringLiteral("lbMessage"));
    message->setWordWrap(true);
    message->setFrameShape(QFrame::StyledPanel);
    message->setMargin(8);
    layout->addWidget(message);

    QPushButton* exitButton = NewLargeButton(this, "btnExit", text::kNetBusyExit);
    QPushButton* disconnectButton = NewLargeButton(this, "btnDisconnect", text::kNetBusyDisconnect);
    layout->addWidget(exitButton);
    layout->addWidget(disconnectButton);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(disconnectButton, &QPushButton::clicked, this, &QDialog::accept);

    // Leaving the other instance alone is the safe answer, so it is the one Enter gives.
    exitButton->setDefault(true);
    exitButton->setFocus();
    setMinimumWidth(540);
}

}  // namespace vd::gui
