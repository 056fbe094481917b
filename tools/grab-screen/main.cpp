// grab-screen OUT.png [DELAY_MS]
// Saves the whole primary screen of the current X display as a PNG file, after an optional
// pause that lets the programs on the display finish drawing.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

int Usage() {
    std::fputs("usage: grab-screen OUT.png [DELAY_MS]\n", stderr);
    return 2;
}

bool ParseDelay(const char* text, int& delayMs) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used != std::char_traits<char>::length(text) || value < 0) return false;
        delayMs = value;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) return Usage();
    int delayMs = 0;
    if (argc == 3 && !ParseDelay(argv[2], delayMs)) return Usage();
    const QString out = QString::fromLocal8Bit(argv[1]);

    // The screen to grab is the real X display; an offscreen platform would only show nothing.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);

    int status = 1;
    QTimer::singleShot(delayMs, &app, [&] {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) {
            std::fputs("grab-screen: no screen\n", stderr);
        } else if (const QPixmap shot = screen->grabWindow(0); shot.isNull()) {
            std::fputs("grab-screen: the screen could not be read\n", stderr);
        } else if (!shot.save(out, "PNG")) {
            std::fprintf(stderr, "grab-screen: cannot write %s\n", argv[1]);
        } else {
            status = 0;
        }
        QGuiApplication::quit();
    });
    QGuiApplication::exec();
    return status;
}
