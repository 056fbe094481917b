#pragma once

#include <QDialog>

#include "core/UserInterface.h"

class QLineEdit;

namespace vd::gui {

// The login to the expert web service with the number of the project to fetch.
class SimLoginDialog : public QDialog {
    Q_OBJECT

public:
    explicit SimLoginDialog(const SimLoginDialogArgs& args, QWidget* parent = nullptr);

    // Writes the four fields back into the arguments.
    void ReadInto(SimLoginDialogArgs& args) const;

private:
    QLineEdit* login_;
    QLineEdit* password_;
    QLineEdit* userName_;
    QLineEdit* projectNumber_;
};

}  // namespace vd::gui
