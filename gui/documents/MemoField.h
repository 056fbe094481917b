#pragma once

#include <QPlainTextEdit>

#include <string>
#include <string_view>

namespace vd::gui {

// A multi-line field of the document. Whatever is typed, pasted or dropped is cleaned the way
// every stored text is (CR LF line breaks, no tabs or other control characters), so the value
// handed to the core is what will be saved and printed. The user's own changes are announced
// with edited().
class MemoField : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MemoField(QWidget* parent = nullptr);

    // The text with CR LF line breaks.
    std::string Value() const;
    void SetValue(std::string_view text);
    // Read-only fields are greyed, so that the user sees at once what may not be changed.
    void SetEditable(bool editable);

signals:
    void edited();

protected:
    // Qt would keep a pasted LF-only blank line, which the system's clean-up collapses; the
    // pasted text is therefore cleaned before it is inserted.
    void insertFromMimeData(const QMimeData* source) override;

private:
    void CleanUp();

    bool cleaning_ = false;
};

}  // namespace vd::gui
