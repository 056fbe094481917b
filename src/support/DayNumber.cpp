#include "support/DayNumber.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace vd {
namespace {

using namespace std::chrono;

// 1899-12-30 is day 0; 1970-01-01 is day 25569.
constexpr int kUnixEpochDay = 25569;

year_month_day ToYmd(const CalendarDate& d) {
    return year_month_day{year{d.year}, month{static_cast<unsigned>(d.month)},
                          day{static_cast<unsigned>(d.day)}};
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<int> ParsePart(std::string_view s) {
    s = Trim(s);
    if (s.empty()) return std::nullopt;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || ptr != s.data() + s.size()) return std::nullopt;
    return value;
}

}  // namespace

bool IsValidDate(const CalendarDate& date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31 &&
           date.year >= 1 && date.year <= 9999 && ToYmd(date).ok();
}

DayNumber ToDayNumber(const CalendarDate& date) {
    if (!IsValidDate(date)) throw std::invalid_argument("invalid calendar date");
    return static_cast<DayNumber>(sys_days{ToYmd(date)}.time_since_epoch().count() + kUnixEpochDay);
}

CalendarDate ToCalendarDate(DayNumber dayNumber) {
    const year_month_day ymd{sys_days{days{dayNumber - kUnixEpochDay}}};
    return CalendarDate{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                        static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string FormatDdMmYyyy(DayNumber dayNumber) {
    const CalendarDate d = ToCalendarDate(dayNumber);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", d.day, d.month, d.year);
    return buffer;
}

std::string FormatYyyyMmDd(DayNumber dayNumber) {
    const CalendarDate d = ToCalendarDate(dayNumber);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d.%02d.%02d", d.year, d.month, d.day);
    return buffer;
}

std::optional<DayNumber> ParseDdMmYyyy(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '.') {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() != 3) return std::nullopt;
    const auto d = ParsePart(parts[0]);
    const auto m = ParsePart(parts[1]);
    const auto y = ParsePart(parts[2]);
    if (!d || !m || !y) return std::nullopt;
    const CalendarDate date{*y, *m, *d};
    if (!IsValidDate(date)) return std::nullopt;
    return ToDayNumber(date);
}

}  // namespace vd
