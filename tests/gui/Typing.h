#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace vd::test {

// Types text key by key. QTest::keyClicks knows only Latin-1 keys; Cyrillic letters are sent
// with their own text and their upper-case code as the key, as a keyboard layout does.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        const auto key = static_cast<Qt::Key>(ch.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(ch), Qt::NoModifier);
    }
}

}  // namespace vd::test
