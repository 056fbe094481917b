#include "core/PasswordHash.h"

#include <openssl/evp.h>

#include <stdexcept>

#include "support/Cp1251.h"

namespace vd {

std::string PasswordHash(std::string_view password) {
    const std::string bytes = Utf8ToCp1251(password);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr) != 1) {
        throw std::runtime_error("MD5 failed");
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        hex += kDigits[digest[i] >> 4];
        hex += kDigits[digest[i] & 15];
    }
    return hex;
}

}  // namespace vd
