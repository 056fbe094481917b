#include "documents/DictionaryButton.h"

#include "support/QtText.h"

namespace vd::gui {

DictionaryButton::DictionaryButton(Kind kind, std::string_view hint, QWidget* parent) : QToolButton(parent) {
    const bool pick = kind == Kind::Pick;
    setText(pick ? QStringLiteral("...") : QStringLiteral("+"));
    setToolTip(ToQString(hint));
    setStatusTip(ToQString(hint));
    setFixedSize(20, 18);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(pick ? QStringLiteral("QToolButton { background: #c62828; color: white; font-weight: bold;"
                                        " border: 1px solid #8e0000; }"
                                        "QToolButton:disabled { background: #d9a3a3; color: #f0f0f0; }")
                       : QStringLiteral("QToolButton { background: #1565c0; color: white; font-weight: bold;"
                                        " border: 1px solid #003c8f; }"));
}

}  // namespace vd::gui
