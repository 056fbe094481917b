#include "documents/MemoField.h"

#include <QMimeData>
#include <QTextCursor>

#include "documents/TextCleanup.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

// The control breaks lines with LF only; the core's texts with CR LF.
std::string CoreText(const QString& shown) {
    QString text = shown;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToUtf8(text);
}

}  // namespace

MemoField::MemoField(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &MemoField::CleanUp);
}

std::string MemoField::Value() const { return CleanMultiLineText(CoreText(toPlainText())); }

void MemoField::SetValue(std::string_view text) { setPlainText(ToDisplayText(text)); }

void MemoField::SetEditable(bool editable) {
    setReadOnly(!editable);
    setBackgroundRole(editable ? QPalette::Base : QPalette::Window);
    viewport()->setBackgroundRole(editable ? QPalette::Base : QPalette::Window);
}

void MemoField::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    insertPlainText(ToDisplayText(CleanMultiLineText(ToUtf8(source->text()))));
}

void MemoField::CleanUp() {
    if (cleaning_) return;
    const QString shown = toPlainText();
    const QString cleaned = ToDisplayText(CleanMultiLineText(CoreText(shown)));
    if (cleaned != shown) {
        // Written back only when it differs, keeping the cursor after what was typed.
        const int position = textCursor().position();
        const QString before = ToDisplayText(CleanMultiLineText(CoreText(shown.left(position))));
        cleaning_ = true;
        QTextCursor cursor(document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(cleaned);
        cursor.setPosition(static_cast<int>(std::min(before.size(), cleaned.size())));
        setTextCursor(cursor);
        cleaning_ = false;
    }
    emit edited();
}

}  // namespace vd::gui
