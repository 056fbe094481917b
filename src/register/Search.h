#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/SearchOptions.h"
#include "support/DayNumber.h"

namespace vd {

class TDM;

// Positions of the three masked fields.
inline constexpr std::size_t kYearDigitPositions = 1;
inline constexpr std::size_t kNumberPositions = 6;
inline constexpr std::size_t kBlankPositions = 7;
// Rows of the declarant and goods grids.
inline constexpr std::size_t kSearchGridRows = 10;

namespace text {
// The two counts as the main window shows them and the search conditions list them, + N / + M.
inline constexpr std::string_view kSearchTotal = "Всего документов: ";
inline constexpr std::string_view kSearchFound = "Найдено документов: ";
}  // namespace text

// The conditions of the search dialog as the user sees them. The masked fields hold "?" for
// every blank position (a blank or "_" counts as "?" too, and a shorter text is filled up with
// "?"); a field of only "?" (or empty) is no condition. A date without value is a hidden picker.
// Rows of the two grids that are empty are no conditions.
struct SearchConditions {
    std::string yearDigit;  // 1 position
    std::string number;     // 6 positions, characters 5 to 10 of the reference number
    std::string blank;      // 7 positions
    std::optional<DayNumber> from;
    std::optional<DayNumber> to;
    std::vector<std::string> declarants;  // up to 10 rows; empty rows are no conditions
    bool declarantsOr = false;            // "Или" instead of "И"
    std::string marks;                    // service notes (field 3)
    std::string expert;
    std::string statusName = "нет данных";
    std::vector<std::string> goods;  // up to 10 rows
    bool goodsOr = false;
};

// The dialog's status list, in order, and the code each entry stands for (0: no condition).
struct StatusEntry {
    std::string_view name;
    int code;
};
inline constexpr StatusEntry kSearchStatuses[] = {
    {"нет данных", 0}, {"Выдан", 7},       {"Дубликат", 10},
    {"Испорчен бланк", 8}, {"Аннулирован", 9}, {"Выдан взамен аннулированного", 11}, {"Проект", 6},
};

struct SearchResult {
    std::int64_t total = 0;  // documents within the register's filter that are no projects
    std::int64_t found = 0;  // documents marked as found, projects included
};

// What the dialog shows when it opens: the expert fixed for users other than the
// administrator, the date range from the smallest to the largest declaration date (today when
// there is none or the register is closed).
SearchConditions InitialSearchConditions(TDM& tdm);

// Marks every document of the register's filter as found or not found (pFilter), fills the
// search conditions (cdsSearchOptions) and switches the register to the found documents on its
// first row. The expert condition of a user other than the administrator is always his own
// name, as the dialog locks it. A goods condition never finds a document without goods lines.
// No value when the search failed (journalled; the register keeps what it showed).
std::optional<SearchResult> RunSearch(TDM& tdm, const SearchConditions& conditions);

// "?" for one character, "*" for any run (also empty); the whole value must match; an empty
// pattern means "*". Characters are UTF-16 code units, as the stored texts count them; letter
// case counts.
bool WildcardMatch(std::string_view pattern, std::string_view value);
// A "containing" condition: "*" + condition + "*" matched with letter case ignored (Latin and
// Cyrillic letters).
bool ContainsMatch(std::string_view condition, std::string_view value);

}  // namespace vd
