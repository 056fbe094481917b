#include "report/TextLayout.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace vd::report {
namespace {

QString TrimmedRight(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) --end;
    text.truncate(end);
    return text;
}

}  // namespace

QFont MakeFont(const FontSpec& spec) { return MakeFont(spec, spec.size); }

QFont MakeFont(const FontSpec& spec, double size) {
    QFont font;
    QStringList families;
    for (const std::string& family : spec.families) families << QString::fromStdString(family);
    font.setFamilies(families);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size * kUnitsPerInch / 72.0))));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    // Hinted metrics depend on the size in device pixels; unhinted ones scale exactly.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

TextBlock LayOutText(const ReportObject& object, const std::string& text, double size) {
    const QFont font = MakeFont(object.font, size);
    const QFontMetricsF metrics(font);
    const double padding = object.padding * kUnitsPerMm;
    const double width = std::max(0.0, object.width * kUnitsPerMm - 2 * padding);
    QTextOption option;
    option.setWrapMode(object.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);

    TextBlock block;
    double y = padding;
    QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    all.remove(QChar(u'\r'));
    if (!all.isEmpty()) {
        for (const QString& paragraph : all.split(QChar(u'\n'))) {
            if (paragraph.isEmpty()) {
                y += metrics.lineSpacing();
                continue;
            }
            QTextLayout layout(paragraph, font);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLeadingIncluded(true);
                line.setLineWidth(width);
                const double natural = line.naturalTextWidth();
                double x = padding;
                if (object.align == HAlign::Center) x += (width - natural) / 2;
                else if (object.align == HAlign::Right) x += width - natural;
                block.lines.push_back({TrimmedRight(paragraph.mid(line.textStart(), line.textLength())),
                                       x / kUnitsPerMm, (y + line.ascent()) / kUnitsPerMm});
                y += line.height();
            }
            layout.endLayout();
        }
    }
    // An empty text needs no room, so an empty row of a growing band takes no space.
    block.height = all.isEmpty() ? 0 : (y + padding) / kUnitsPerMm;
    return block;
}

double NeededHeight(const ReportObject& object, const std::string& text, double size) {
    return LayOutText(object, text, size).height;
}

void AlignVertically(TextBlock& block, VAlign valign, double height) {
    if (valign == VAlign::Top) return;
    const double spare = height - block.height;
    const double shift = valign == VAlign::Center ? spare / 2 : spare;
    for (TextLine& line : block.lines) line.baseline += shift;
}

}  // namespace vd::report
