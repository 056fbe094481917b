#pragma once

#include <QWidget>

#include <string_view>

class QLabel;
class QProgressBar;

namespace vd::gui {

// The small window that says the program is busy while long work blocks the interface: one
// line of text and, when asked for, a progress bar in thousandths. It never takes the focus
// and stays above the other windows. Everything runs on the interface thread, so the work
// must let pending events through for it to paint.
class BusyWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kProgressMaximum = 1000;

    BusyWindow(std::string_view text, bool withProgress, QWidget* over = nullptr);

    void SetText(std::string_view text);
    void SetProgress(int position);
    int Progress() const;

private:
    QLabel* text_;
    QProgressBar* progress_;
};

}  // namespace vd::gui
