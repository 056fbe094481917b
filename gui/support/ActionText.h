#pragma once

#include <QStyle>

#include <string_view>

class QAction;
class QWidget;

namespace vd::gui {

// A command as the user sees it: the windows keep tables of these.
struct ActionText {
    const char* name;  // the command's name; also the QAction's objectName
    std::string_view caption;
    std::string_view hint;  // "short|long" or one text for both
    const char* shortcut;   // empty: none
    QStyle::StandardPixmap icon;
};

// No image of its own.
inline constexpr QStyle::StandardPixmap kNoIcon = QStyle::SP_CustomBase;

// The QAction of a table row, owned by `owner`: caption, tool tip (the short part of the hint),
// status tip (the whole hint; the main window shows its long part), shortcut and image.
QAction* MakeAction(const ActionText& text, QWidget& owner);

}  // namespace vd::gui
