#pragma once

#include <string_view>

#include "core/UserInterface.h"

class QWidget;

namespace vd::gui {

// The core's message boxes: the icon of the kind, the buttons of the set with Russian
// captions. Escape and closing the window give the last button's answer (No or Cancel, or
// the only button's).
Answer ShowMessageBox(QWidget* parent, MessageKind kind, std::string_view caption, std::string_view text,
                      Buttons buttons);

}  // namespace vd::gui
