#pragma once

#include <QApplication>
#include <QPointF>
#include <QString>
#include <QTest>
#include <QWheelEvent>
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

// One turn of the mouse wheel over `target` at `at` (its own coordinates); 120 is one notch.
inline void TurnWheel(QWidget* target, int delta, QPointF at = QPointF(5, 5)) {
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

}  // namespace vd::test
