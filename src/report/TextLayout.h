#pragma once

#include <QFont>
#include <QString>

#include <string>
#include <vector>

#include "report/ReportModel.h"

namespace vd::report {

// Text is laid out in units of 1/720 inch (a tenth of a point) with fonts sized in those units,
// so the breaks and heights do not depend on the device: the preview, the printer and the PDF
// put every line at the same place.
inline constexpr double kUnitsPerInch = 720.0;
inline constexpr double kUnitsPerMm = kUnitsPerInch / 25.4;

QFont MakeFont(const FontSpec& spec);
QFont MakeFont(const FontSpec& spec, double size);

// One laid-out line: its text, and where it starts and where its baseline lies, in millimetres
// from the object's top left corner.
struct TextLine {
    QString text;
    double x = 0;
    double baseline = 0;
};

struct TextBlock {
    std::vector<TextLine> lines;
    double height = 0;  // what the text needs, padding included
};

// Breaks `text` (UTF-8; CR LF or LF separate paragraphs) for a text object at `size` points,
// aligned horizontally; lines start at the top padding.
TextBlock LayOutText(const ReportObject& object, const std::string& text, double size);
inline TextBlock LayOutText(const ReportObject& object, const std::string& text) {
    return LayOutText(object, text, object.font.size);
}

// The height (mm) the text needs in the object's width at `size` points.
double NeededHeight(const ReportObject& object, const std::string& text, double size);

// Moves the lines of a block down for the object's vertical alignment within `height`.
void AlignVertically(TextBlock& block, VAlign valign, double height);

}  // namespace vd::report
