#pragma once

#include <QMainWindow>

namespace vd::gui {

// The main window of FormVD. Its client area hosts one working window at a time; for now it
// holds an empty placeholder until the register and the other windows move in.
class TfMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TfMainForm(QWidget* parent = nullptr);
};

}  // namespace vd::gui
