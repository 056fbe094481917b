#pragma once

#include <QMainWindow>

class QLabel;

namespace vd {
struct Workstation;
}

namespace vd::gui {

// The main window of FormVD. Its client area hosts one working window at a time; for now it
// holds an empty placeholder until the register and the other windows move in. Below it: the
// help line (who is working, results of commands) and the status text.
class TfMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TfMainForm(Workstation& workstation, QWidget* parent = nullptr);

    void SetHelpLine(const QString& text);
    void SetStatusText(const QString& text);

private:
    Workstation& workstation_;
    QLabel* helpLine_;
    QLabel* statusText_;
};

}  // namespace vd::gui
