#pragma once

#include <string_view>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace vd::gui {

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

// The confirm and cancel buttons at the bottom right of a dialog. Cancel rejects the dialog;
// OK is the default button and what it does is left to the dialog, since some dialogs let
// the core check the input before they close.
DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, std::string_view okCaption,
                               std::string_view cancelCaption);

}  // namespace vd::gui
