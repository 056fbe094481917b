#pragma once

#include <QDialog>

#include "support/CarriedException.h"

class QLineEdit;

namespace vd {
class UserPasswordDialog;
}

namespace vd::gui {

class FormLayout;

// Adding a user or changing a password. The window only collects the three fields; the core's
// UserPasswordDialog checks them, shows what is wrong and says whether the window closes.
class TfAddUser : public QDialog {
    Q_OBJECT

public:
    // With a layout store the window comes back where the user left it the last time.
    explicit TfAddUser(UserPasswordDialog& dialog, QWidget* parent = nullptr, const FormLayout* layoutStore = nullptr);
    ~TfAddUser() override;

    // After exec(): throws what the core threw while confirming, if anything.
    void RethrowIfFailed() { error_.RethrowIfAny(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Confirm();

    UserPasswordDialog& dialog_;
    QLineEdit* name_;
    QLineEdit* firstPassword_;
    QLineEdit* secondPassword_;
    CarriedException error_;
    const FormLayout* layout_;
};

}  // namespace vd::gui
