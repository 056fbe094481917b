#pragma once

#include <QColor>
#include <QPalette>

#include <array>
#include <optional>

namespace vd::gui {

// How the register paints a row by its document's status: the background of every cell, and
// the text colour of the selected row, whose background stays the status colour.
struct StatusColour {
    int status;
    int red, green, blue;
    QPalette::ColorRole selectedText;

    QColor Background() const { return QColor(red, green, blue); }
};

inline constexpr std::array<StatusColour, 7> kStatusColours = {{
    {6, 200, 255, 200, QPalette::Text},    // project: light green
    {12, 200, 255, 200, QPalette::Text},   // replacement project
    {7, 255, 200, 200, QPalette::Text},    // issued: light red
    {8, 255, 255, 0, QPalette::Text},      // spoiled blank: yellow
    {9, 255, 0, 200, QPalette::Base},      // cancelled: magenta
    {10, 0, 200, 200, QPalette::Base},     // duplicate: teal
    {11, 255, 255, 200, QPalette::Text},   // issued in place of a cancelled one: light yellow
}};

// A row whose status cannot be read.
inline constexpr StatusColour kUnreadableStatus = {0, 200, 200, 200, QPalette::Text};

// The colours of a row; nothing for a status outside the table, which keeps the grid's own
// colours (and its selection colours). No status: it could not be read.
inline const StatusColour* StatusColourFor(std::optional<int> status) {
    if (!status) return &kUnreadableStatus;
    for (const StatusColour& c : kStatusColours) {
        if (c.status == *status) return &c;
    }
    return nullptr;
}

}  // namespace vd::gui
