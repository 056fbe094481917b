#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vd {

std::string Base64Encode(std::string_view bytes);
// No value when the text is not well-formed base64.
std::optional<std::string> Base64Decode(std::string_view text);

}  // namespace vd
