#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

#include <string_view>

#include "support/QtText.h"

namespace vd::test {

// A named child of a window; a test cannot go on without it.
template <typename Widget>
Widget* Find(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
}

// The button of a window whose caption is `caption`, or null.
inline QAbstractButton* ButtonWithText(const QWidget& window, std::string_view caption) {
    const QString text = gui::ToQString(caption);
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

// Every text a window shows in its labels, in creation order.
inline QStringList LabelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

}  // namespace vd::test
