#include "exchange/SyncLogView.h"

#include <QScrollBar>

#include "support/QtText.h"

namespace vd::gui {

SyncLogView::SyncLogView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("mLog"));
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    // Long server replies stay on their lines; the horizontal bar reaches them.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
    setPalette(colours);
}

void SyncLogView::Line(std::string_view text) {
    appendPlainText(ToDisplayText(text));
    // The newest line is what the user waits for, even after scrolling back.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

}  // namespace vd::gui
