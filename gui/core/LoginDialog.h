#pragma once

#include <QDialog>

#include <string>

#include "core/UserInterface.h"

class QComboBox;
class QLineEdit;

namespace vd::gui {

// The login at start-up: a name chosen from the workstation's users (or typed) and the
// password; every text comes from the core.
class LoginDialog : public QDialog {
    Q_OBJECT

public:
    explicit LoginDialog(const LoginDialogArgs& args, QWidget* parent = nullptr);

    std::string Name() const;
    std::string Password() const;

private:
    QComboBox* name_;
    QLineEdit* password_;
};

}  // namespace vd::gui
