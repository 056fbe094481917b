#pragma once

#include <QDialog>

#include "support/CarriedException.h"

class QLineEdit;

namespace vd {
class UserRenameDialog;
}

namespace vd::gui {

// Renaming a user: the window closes only when the core's UserRenameDialog accepts the name.
class TfUserRename : public QDialog {
    Q_OBJECT

public:
    explicit TfUserRename(UserRenameDialog& dialog, QWidget* parent = nullptr);

    // After exec(): throws what the core threw while confirming, if anything.
    void RethrowIfFailed() { error_.RethrowIfAny(); }

private:
    void Confirm();

    UserRenameDialog& dialog_;
    QLineEdit* newLogin_;
    CarriedException error_;
};

}  // namespace vd::gui
