#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vd {

// "Exactly n digits": padded on the left with "0" when shorter, only the last n digits when
// longer (station 7 with three digits is "007", 12345 with two digits is "45").
std::string ExactDigits(std::int64_t value, int digits);

// Removes U+0000–U+0008, U+000B, U+000C and U+000E–U+001F; tab, line feed and carriage return
// stay.
std::string RemoveControlChars(std::string_view text);

// Decimal integer with an optional leading minus sign and nothing else; blanks are not allowed.
std::optional<std::int64_t> ParseInteger(std::string_view text);

std::string_view TrimBlanks(std::string_view text);

// Lower case for matching what a user types: ASCII A–Z and the Cyrillic capitals U+0400–U+042F
// (Ё and the other letters of U+0400–U+040F included); every other byte is kept as it is, so
// malformed UTF-8 passes through unchanged.
std::string LowerCase(std::string_view utf8);

// The same lower case for one UTF-16 code unit, so stored UTF-16 texts are compared without
// converting them to UTF-8 first.
char16_t LowerCaseUnit(char16_t unit);

// Right-aligned with "0" to at least n digits and never cut, unlike ExactDigits (a range maximum
// of seven digits is shown whole).
std::string ZeroPadded(std::int64_t value, std::size_t digits);

}  // namespace vd
