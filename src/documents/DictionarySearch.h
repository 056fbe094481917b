#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// The search fields of the dictionary windows: the first row, counted from the top, whose
// text begins with (`fromStart`) or contains `text`, ignoring the case of Latin and Cyrillic
// letters. Nothing when no row matches: the window then keeps its current row. An empty text
// matches the first row.
std::optional<std::size_t> FindRow(const std::vector<std::string>& column, std::string_view text,
                                   bool fromStart);

}  // namespace vd
