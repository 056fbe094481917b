#include "support/ClickableLabel.h"

#include <QMouseEvent>

namespace vd::gui {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette linkColours = palette();
    linkColours.setColor(QPalette::WindowText, linkColours.color(QPalette::Link));
    setPalette(linkColours);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    // Like a button: the click counts only when the mouse is released over the label.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace vd::gui
