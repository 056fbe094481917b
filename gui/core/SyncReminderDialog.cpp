#include "core/SyncReminderDialog.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <string>

#include "core/Messages.h"
#include "support/ClickableLabel.h"
#include "support/QtText.h"
#include "support/TitleOnlyWindow.h"

namespace vd::gui {
namespace {

QLabel* NewLine(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* objectName, std::string_view caption) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setMinimumHeight(36);
    return button;
}

}  // namespace

TfDlgWarningSync::TfDlgWarningSync(int days, int currentUserId, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fDlgWarningSync"));
    setWindowTitle(ToQString(text::kProductName));
    ShowTitleOnly(*this);
    setModal(true);
    const bool administrator = currentUserId == 1;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NewLine(this, ToQString(std::string(text::kSyncNotDone) + std::to_string(days) +
                                              std::string(text::kSyncDays))));
    QLabel* attention = NewLine(this, ToQString(text::kSyncAttention));
    QFont bold = attention->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    attention->setFont(bold);
    layout->addWidget(attention);
    layout->addWidget(NewLine(this, ToQString(administrator ? text::kSyncPleaseAdmin : text::kSyncPleaseRemind)));

    auto* mail = new ClickableLabel(ToQString(text::kCentralOfficeMail), this);
    mail->setObjectName(QStringLiteral("lbMail"));
    mail->setAlignment(Qt::AlignCenter);
    connect(mail, &ClickableLabel::clicked, this, &TfDlgWarningSync::OpenMail);
    layout->addWidget(mail, 0, Qt::AlignHCenter);

    // Each note stands above the button it explains.
    auto* choices = new QGridLayout;
    choices->addWidget(NewLine(this, ToQString(text::kSyncNeedsInternet)), 0, 0);
    choices->addWidget(NewLine(this, ToQString(text::kSyncSendFileBy) + QLatin1Char('\n') + ToQString(text::kSyncAddress)),
                       0, 1);
    QPushButton* start = NewButton(this, "btnStartSync", text::kSyncStart);
    start->setToolTip(ToQString(text::kSyncStartHint));
    QPushButton* toFile = NewButton(this, "btnSyncToFile", text::kSyncToFile);
    QPushButton* cancel = NewButton(this, "btnCancel", text::kSyncCancel);
    start->setEnabled(administrator);
    toFile->setEnabled(administrator);
    choices->addWidget(start, 1, 0);
    choices->addWidget(toFile, 1, 1);
    choices->addWidget(cancel, 1, 2);
    for (int column = 0; column < 3; ++column) choices->setColumnStretch(column, 1);
    layout->addSpacing(8);
    layout->addLayout(choices);

    connect(start, &QPushButton::clicked, this, [this] { done(kOnline); });
    connect(toFile, &QPushButton::clicked, this, [this] { done(kToFile); });
    connect(cancel, &QPushButton::clicked, this, &TfDlgWarningSync::reject);
    cancel->setDefault(!administrator);
    start->setDefault(administrator);
    setMinimumWidth(640);
}

void TfDlgWarningSync::reject() { done(kCancelled); }

void TfDlgWarningSync::OpenMail() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + ToQString(text::kCentralOfficeMail)));
}

}  // namespace vd::gui
