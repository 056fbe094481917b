#pragma once

#include <string>
#include <string_view>

namespace vd {

// The text as a JSON string literal, quotes included; control characters are escaped.
std::string JsonQuote(std::string_view utf8);

}  // namespace vd
