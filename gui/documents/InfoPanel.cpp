#include "documents/InfoPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>

#include "documents/EditorTexts.h"
#include "support/QtText.h"

namespace vd::gui {

InfoPanel::InfoPanel(QWidget* parent) : QFrame(parent), picture_(new QLabel(this)), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("pInfo"));
    setFrameShape(QFrame::StyledPanel);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFixedHeight(kSmallHeight);

    QLabel* picture = picture_;
    picture->setObjectName(QStringLiteral("iInfo"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    picture->setToolTip(ToQString(text::kInfoPictureHint));
    picture->setStatusTip(ToQString(text::kInfoPictureHint));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture->installEventFilter(this);

    memo_->setObjectName(QStringLiteral("mInfo"));
    memo_->setReadOnly(true);
    memo_->setFrameShape(QFrame::NoFrame);
    memo_->setFocusPolicy(Qt::NoFocus);
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    memo_->setPalette(palette);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(picture_);
    layout->addWidget(memo_, 1);
    hide();
}

void InfoPanel::ShowInfo(const QString& text) {
    memo_->setPlainText(text);
    setVisible(!text.isEmpty());
}

QString InfoPanel::Info() const { return memo_->toPlainText(); }

void InfoPanel::ToggleHeight() { setFixedHeight(maximumHeight() == kSmallHeight ? kLargeHeight : kSmallHeight); }

bool InfoPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::MouseButtonDblClick) {
        ToggleHeight();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace vd::gui
