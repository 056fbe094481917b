#pragma once

#include <QFont>
#include <QLineF>
#include <QRectF>

#include <string>
#include <vector>

#include "report/ReportModel.h"
#include "report/TextLayout.h"

namespace vd::report {

// One drawn thing of a prepared page; positions in millimetres from the paper's top left
// corner.
struct PageItem {
    enum class Kind { Text, Rect, Line };
    Kind kind = Kind::Text;
    std::string objectName;
    QRectF rect;
    QLineF line;
    double lineWidth = 0.2;
    Sides frame;  // text items
    QFont font;   // sized in layout units (TextLayout.h)
    std::vector<TextLine> lines;  // text items; positions relative to the page
};

struct PreparedPage {
    double width = 210;
    double height = 297;
    std::vector<PageItem> items;

    // The page's text, one item per line in drawing order (for checks and searching).
    std::string Text() const;
    // The items drawn for a template object on this page.
    std::vector<const PageItem*> ItemsOf(std::string_view objectName) const;
};

// What the engine produced: pages ready for the preview, a printer or a PDF file.
struct PreparedReport {
    std::string name;
    std::vector<PreparedPage> pages;
};

}  // namespace vd::report
