#pragma once

#include <QWidget>

namespace vd::gui {

// A dialog that must be answered with its own buttons: a title bar without close, minimise
// or maximise buttons.
inline void ShowTitleOnly(QWidget& window) {
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

}  // namespace vd::gui
