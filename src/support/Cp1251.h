#pragma once

#include <string>
#include <string_view>

namespace vd {

// The Windows-1251 code page, through iconv. Characters it cannot hold become "?", as the
// Windows conversion does, so hashes of such passwords stay compatible.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view cp1251);

// Upper case by the rules of the Windows-1251 code page (Latin and Cyrillic letters, Ё, the
// Ukrainian and Serbian letters); characters outside the code page come back as "?".
std::string UpperCaseCp1251(std::string_view utf8);

}  // namespace vd
