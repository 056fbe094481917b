#pragma once

#include <QDialog>

namespace vd::gui {

// Shown when another workstation holds the database: leave it alone, or clear its lock. Both
// answers end this start; accepted means "disconnect the other one".
class TFormDlgNetExit : public QDialog {
    Q_OBJECT

public:
    explicit TFormDlgNetExit(QWidget* parent = nullptr);
};

}  // namespace vd::gui
