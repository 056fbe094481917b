#pragma once

#include <QToolButton>

#include <string_view>

namespace vd::gui {

// The small captioned buttons beside the editor's fields: red "..." picks from a dictionary,
// blue "+" adds the field's text to one.
class DictionaryButton : public QToolButton {
    Q_OBJECT

public:
    enum class Kind { Pick, Add };

    DictionaryButton(Kind kind, std::string_view hint, QWidget* parent = nullptr);
};

}  // namespace vd::gui
