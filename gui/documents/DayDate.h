#pragma once

#include <QDate>

#include "support/DayNumber.h"

namespace vd::gui {

// Day numbers count from 30.12.1899, as every date of the database does.
inline QDate ToQDate(DayNumber day) {
    const CalendarDate date = ToCalendarDate(day);
    return QDate(date.year, date.month, date.day);
}

inline DayNumber ToDayNumber(const QDate& date) {
    return vd::ToDayNumber(CalendarDate{date.year(), date.month(), date.day()});
}

}  // namespace vd::gui
