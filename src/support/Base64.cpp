#include "support/Base64.h"

#include <openssl/evp.h>

namespace vd {

std::string Base64Encode(std::string_view bytes) {
    std::string out(4 * ((bytes.size() + 2) / 3), '\0');
    const int written = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                        reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    out.resize(static_cast<std::size_t>(written));
    return out;
}

std::optional<std::string> Base64Decode(std::string_view text) {
    std::string clean;
    for (const char c : text) {
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t') clean += c;
    }
    if (clean.size() % 4 != 0) return std::nullopt;
    std::string out(3 * clean.size() / 4, '\0');
    const int written = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                        reinterpret_cast<const unsigned char*>(clean.data()), static_cast<int>(clean.size()));
    if (written < 0) return std::nullopt;
    // EVP_DecodeBlock counts the padding as zero bytes; drop them.
    std::size_t length = static_cast<std::size_t>(written);
    if (!clean.empty() && clean.back() == '=') --length;
    if (clean.size() >= 2 && clean[clean.size() - 2] == '=') --length;
    out.resize(length);
    return out;
}

}  // namespace vd
