#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vd::gui {

// Two small arrow buttons that step the number in an edit within a range. The edit stays an
// ordinary text field, so the window's own rules for typed text (empty, too large, a lone "-")
// see every change, the stepped ones included.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit& edit, int minimum, int maximum, QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // One step up (+1) or down (−1) from what the edit shows, kept within the range.
    void Step(int direction);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

private:
    QLineEdit& edit_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
};

}  // namespace vd::gui
