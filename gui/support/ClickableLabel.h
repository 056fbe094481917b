#pragma once

#include <QLabel>

namespace vd::gui {

// A label that acts like a link: a hand cursor over it and a signal when it is clicked.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vd::gui
