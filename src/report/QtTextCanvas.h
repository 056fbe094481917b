#pragma once

#include <QString>

#include "register/CanvasText.h"

class QPainter;

namespace vd::report {

// The statistics report's canvas over a painter: sizes in points of the painter's device,
// widths and positions in its pixels, (x, y) the top left corner of the text as it is drawn.
class QtTextCanvas : public TextCanvas {
public:
    explicit QtTextCanvas(QPainter& painter, QString family = QStringLiteral("Times New Roman"));

    void SetFont(const FontStyle& style, int size) override;
    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;

private:
    QPainter& painter_;
    QString family_;
};

}  // namespace vd::report
