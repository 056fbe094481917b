#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vd {

// Every date of the system is a whole-day count since 1899-12-30.
using DayNumber = std::int32_t;

struct CalendarDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    bool operator==(const CalendarDate&) const = default;
};

bool IsValidDate(const CalendarDate& date);
// Throws std::invalid_argument for a date that does not exist.
DayNumber ToDayNumber(const CalendarDate& date);
CalendarDate ToCalendarDate(DayNumber day);

// "DD.MM.YYYY", the Russian short date format.
std::string FormatDdMmYyyy(DayNumber day);
// "YYYY.MM.DD", used in archive folder names.
std::string FormatYyyyMmDd(DayNumber day);

// Strict: day, month and year separated by "." (blanks around the parts are allowed);
// a date that does not exist ("31.02.2012") is no value, never a wrapped one.
std::optional<DayNumber> ParseDdMmYyyy(std::string_view text);

}  // namespace vd
