#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace vd::test {

// Shows the window and keeps a picture of it under screenshots/ in the build folder, for a
// person to look at (layout, Cyrillic text).
inline void KeepScreenshot(QWidget& window, const char* fileName) {
    QVERIFY(QDir().mkpath(QStringLiteral(VD_SCREENSHOT_DIR)));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString path = QDir(QStringLiteral(VD_SCREENSHOT_DIR)).filePath(QString::fromLatin1(fileName));
    QFile::remove(path);
    QVERIFY(window.grab().save(path));
    QVERIFY(QFileInfo(path).size() > 0);
    QCOMPARE(QImage(path).size(), window.size() * window.devicePixelRatio());
}

}  // namespace vd::test
