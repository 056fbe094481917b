#include "core/Clock.h"

#include <ctime>

namespace vd {

DayNumber SystemClock::Today() const {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    return ToDayNumber(CalendarDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday});
}

}  // namespace vd
