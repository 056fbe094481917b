#include "main/MainForm.h"

#include <QLabel>
#include <QStatusBar>
#include <QWidget>

#include "core/Messages.h"
#include "core/Workstation.h"
#include "support/QtText.h"

namespace vd::gui {

TfMainForm::TfMainForm(Workstation& workstation, QWidget* parent)
    : QMainWindow(parent), workstation_(workstation), helpLine_(new QLabel(this)), statusText_(new QLabel(this)) {
    setObjectName(QStringLiteral("fMainForm"));
    setWindowTitle(ToQString(text::kAppTitle));
    // Fits a 1280x800 screen with room for the desktop's panels.
    resize(1024, 700);
    setCentralWidget(new QWidget(this));

    // The help line is sunken and info-coloured, so what it reports stands out from the hints.
    helpLine_->setObjectName(QStringLiteral("helpLine"));
    helpLine_->setFrameShape(QFrame::Panel);
    helpLine_->setFrameShadow(QFrame::Sunken);
    helpLine_->setBackgroundRole(QPalette::ToolTipBase);
    helpLine_->setForegroundRole(QPalette::ToolTipText);
    helpLine_->setAutoFillBackground(true);
    helpLine_->setMargin(2);
    statusText_->setObjectName(QStringLiteral("statusText"));
    statusBar()->addWidget(helpLine_, 1);
    statusBar()->addWidget(statusText_, 2);

    SetHelpLine(ToQString(workstation_.session.currentUserName));
}

void TfMainForm::SetHelpLine(const QString& text) { helpLine_->setText(text); }

void TfMainForm::SetStatusText(const QString& text) { statusText_->setText(text); }

}  // namespace vd::gui
