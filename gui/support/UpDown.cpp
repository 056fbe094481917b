#include "support/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vd::gui {

UpDown::UpDown(QLineEdit& edit, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), edit_(edit), up_(new QToolButton(this)), down_(new QToolButton(this)), minimum_(minimum),
      maximum_(maximum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setArrowType(button == up_ ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, std::max(10, edit.sizeHint().height() / 2));
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void UpDown::Step(int direction) {
    bool number = false;
    const int shown = edit_.text().toInt(&number);
    const int from = number ? std::clamp(shown, minimum_, maximum_) : std::clamp(0, minimum_, maximum_);
    edit_.setText(QString::number(std::clamp(from + direction, minimum_, maximum_)));
}

}  // namespace vd::gui
