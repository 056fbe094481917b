#pragma once

#include <string_view>

class QLineEdit;

namespace vd::gui {

// Hides what is typed behind the given mask character (its first character; the style's own
// when the mask is empty).
void MaskPasswordField(QLineEdit& edit, std::string_view mask);

}  // namespace vd::gui
