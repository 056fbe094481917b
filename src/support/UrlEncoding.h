#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vd {

// Form encoding of raw bytes: the letters A–Z, a–z and the digits stay, a blank becomes "+"
// (blankAsPlus) or "%20", every other byte "%" and two upper-case hexadecimal digits. The
// central server decodes exactly this form, so nothing else is left unencoded.
std::string UrlEncodeForm(std::string_view bytes, bool blankAsPlus);

// The reverse: "+" is a blank and "%XX" a byte. No value when a "%" is not followed by two
// hexadecimal digits.
std::optional<std::string> UrlDecodeForm(std::string_view text);

// "a=1&b=x+y" as decoded (name, value) pairs in their order; a field without "=" has an empty
// value, and a field that does not decode is kept as it stands.
std::vector<std::pair<std::string, std::string>> ParseFormFields(std::string_view text);

}  // namespace vd
