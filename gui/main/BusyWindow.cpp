#include "main/BusyWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "core/Messages.h"
#include "support/QtText.h"

namespace vd::gui {

BusyWindow::BusyWindow(std::string_view text, bool withProgress, QWidget* over)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      text_(new QLabel(this)),
      progress_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("busyWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Window text on the button face, like a panel of the program.
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    text_->setObjectName(QStringLiteral("lbBusyText"));
    text_->setAlignment(Qt::AlignCenter);
    layout->addWidget(text_);
    progress_->setObjectName(QStringLiteral("pbBusy"));
    progress_->setRange(0, kProgressMaximum);
    progress_->setTextVisible(false);
    progress_->setValue(0);
    progress_->setVisible(withProgress);
    layout->addWidget(progress_);
    SetText(text);
    setMinimumWidth(360);
    adjustSize();

    const QRect area = over ? over->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());

    // Fades in, so a short operation does not flash a window at the user.
    auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
    fade->setDuration(1000);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->start();
}

void BusyWindow::SetText(std::string_view text) {
    text_->setText(ToDisplayText(text.empty() ? text::kBusyWait : text));
}

void BusyWindow::SetProgress(int position) { progress_->setValue(std::clamp(position, 0, kProgressMaximum)); }

int BusyWindow::Progress() const { return progress_->value(); }

}  // namespace vd::gui
