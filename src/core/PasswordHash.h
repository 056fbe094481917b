#pragma once

#include <string>
#include <string_view>

namespace vd {

// MD5 of the password in the Windows-1251 code page, as 32 upper-case hexadecimal digits; the
// users files of every installation store passwords only in this form.
std::string PasswordHash(std::string_view password);

}  // namespace vd
