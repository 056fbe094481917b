#include "exchange/EventLoopSleeper.h"

#include <QEventLoop>
#include <QTimer>

namespace vd::gui {

void EventLoopSleeper::Sleep(std::chrono::milliseconds pause) {
    QEventLoop loop;
    QTimer::singleShot(pause, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace vd::gui
