#include "documents/LineField.h"

#include <algorithm>

#include "documents/TextCleanup.h"
#include "support/QtText.h"

namespace vd::gui {

LineField::LineField(Kind kind, QWidget* parent, int digits) : QLineEdit(parent), kind_(kind) {
    if (kind_ == Kind::MaskedNumber) setInputMask(QString(digits, QLatin1Char('9')) + QStringLiteral(";_"));
    connect(this, &QLineEdit::textChanged, this, &LineField::CleanUp);
}

std::string LineField::Value() const { return Cleaned(displayText()); }

void LineField::SetValue(std::string_view text) { setText(ToQString(text)); }

std::string LineField::Cleaned(const QString& text) const {
    return kind_ == Kind::MaskedNumber ? CleanMaskedNumber(ToUtf8(text)) : CleanSingleLineText(ToUtf8(text));
}

void LineField::CleanUp() {
    if (cleaning_) return;
    // A mask shows its empty places as "_", which only the displayed text keeps.
    const QString shown = kind_ == Kind::MaskedNumber ? displayText() : text();
    const QString cleaned = ToQString(Cleaned(shown));
    if (cleaned != shown) {
        const int position = cursorPosition();
        const auto before = ToQString(Cleaned(shown.left(position))).size();
        cleaning_ = true;
        setText(cleaned);
        setCursorPosition(static_cast<int>(std::min(before, cleaned.size())));
        cleaning_ = false;
    }
    emit edited();
}

}  // namespace vd::gui
