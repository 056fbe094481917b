#include "report/QtTextCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace vd::report {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtTextCanvas::QtTextCanvas(QPainter& painter, QString family) : painter_(painter), family_(std::move(family)) {}

void QtTextCanvas::SetFont(const FontStyle& style, int size) {
    QFont font(family_);
    font.setPointSize(std::max(1, size));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    painter_.setFont(font);
}


int QtTextCanvas::TextWidth(std::string_view text) {
    return painter_.fontMetrics().horizontalAdvance(FromUtf8(text));
}

void QtTextCanvas::TextOut(int x, int y, std::string_view text) {
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), FromUtf8(text));
}

}  // namespace vd::report
