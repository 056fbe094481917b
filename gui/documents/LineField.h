#pragma once

#include <QLineEdit>

#include <string>
#include <string_view>

namespace vd::gui {

// A one-line field of the document, cleaned on every change like the memos: a name loses
// pasted line breaks and gets blanks for tabs; a masked number gets "0" for every place left
// empty. The user's own changes are announced with edited().
class LineField : public QLineEdit {
    Q_OBJECT

public:
    enum class Kind { Text, MaskedNumber };

    // A masked number holds exactly `digits` digits.
    explicit LineField(Kind kind, QWidget* parent = nullptr, int digits = 0);

    std::string Value() const;
    void SetValue(std::string_view text);

signals:
    void edited();

private:
    std::string Cleaned(const QString& text) const;
    void CleanUp();

    Kind kind_;
    bool cleaning_ = false;
};

}  // namespace vd::gui
