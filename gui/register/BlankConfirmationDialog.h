#pragma once

#include <QDialog>

#include "core/UserInterface.h"

namespace vd::gui {

// Before a document is issued: is the blank form with this number lying in the printer?
// Accepted means yes; "Нет" and every other way of closing mean no.
class TFormDlgPaper : public QDialog {
    Q_OBJECT

public:
    explicit TFormDlgPaper(const BlankDialogArgs& args, QWidget* parent = nullptr);
};

}  // namespace vd::gui
