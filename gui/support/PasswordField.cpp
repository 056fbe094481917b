#include "support/PasswordField.h"

#include <QLineEdit>

#include "support/QtText.h"

namespace vd::gui {

void MaskPasswordField(QLineEdit& edit, std::string_view mask) {
    edit.setEchoMode(QLineEdit::Password);
    const QString maskText = ToQString(mask);
    if (maskText.isEmpty()) return;
    // Qt takes the password character from the style; a style sheet sets it for this field only.
    edit.setStyleSheet(QStringLiteral("lineedit-password-character: %1;").arg(maskText.at(0).unicode()));
}

}  // namespace vd::gui
