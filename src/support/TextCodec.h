#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vd {

// Texts live in memory as UTF-8; BLOB columns and a few files hold UTF-16LE code units
// without a byte-order mark. Invalid input never throws: it becomes U+FFFD.
std::string Utf8ToUtf16Le(std::string_view utf8);
std::string Utf16LeToUtf8(std::string_view utf16le);

// Lengths and cuts are counted in UTF-16 code units, as the stored texts are.
std::size_t Utf16Length(std::string_view utf8);
std::string Utf16Left(std::string_view utf8, std::size_t units);

}  // namespace vd
