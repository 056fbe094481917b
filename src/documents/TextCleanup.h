#pragma once

#include <string>
#include <string_view>

namespace vd {

// The clean-up applied to the editor's fields on every change, so that what is saved and
// printed holds CR LF line breaks only and no other control character.

// Memos and goods-line fields: every line break becomes CR LF, LF-only blank lines collapse,
// tabs become blanks and the remaining control characters go.
std::string CleanMultiLineText(std::string_view text);

// Single-line fields: a pasted line break disappears; tabs become blanks, other control
// characters go.
std::string CleanSingleLineText(std::string_view text);

// The masked number fields: the mask's empty places read as zeros.
std::string CleanMaskedNumber(std::string_view text);

}  // namespace vd
