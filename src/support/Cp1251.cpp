#include "support/Cp1251.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>

namespace vd {
namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle OpenIconv(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv: no conversion from ") + from + " to " + to);
    }
    return IconvHandle(cd);
}

// Converts with iconv; an input sequence the target cannot hold is written as "?" and skipped.
std::string Convert(std::string_view input, const char* to, const char* from,
                    std::size_t invalidWidth) {
    const IconvHandle cd = OpenIconv(to, from);
    std::string out;
    out.reserve(input.size() * 2);
    std::string in(input);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(static_cast<iconv_t>(cd.get()), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: skip one input character and mark it.
            std::size_t skip = invalidWidth;
            if (invalidWidth == 0) {  // UTF-8 input: skip the whole sequence
                const auto lead = static_cast<unsigned char>(*inPtr);
                skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            }
            skip = std::min(skip, inLeft);
            inPtr += skip;
            inLeft -= skip;
            out += '?';
        }
    }
    return out;
}

unsigned char UpperCp1251Byte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0) return static_cast<unsigned char>(c - 32);  // а..я
    switch (c) {
        case 0xB8: return 0xA8;  // ё
        case 0x90: return 0x80;  // ђ
        case 0x83: return 0x81;  // ѓ
        case 0x9A: return 0x8A;  // љ
        case 0x9C: return 0x8C;  // њ
        case 0x9D: return 0x8D;  // ќ
        case 0x9E: return 0x8E;  // ћ
        case 0x9F: return 0x8F;  // џ
        case 0xA2: return 0xA1;  // ў
        case 0xBC: return 0xA3;  // ј
        case 0xB4: return 0xA5;  // ґ
        case 0xBA: return 0xAA;  // є
        case 0xBF: return 0xAF;  // ї
        case 0xB3: return 0xB2;  // і
        case 0xBE: return 0xBD;  // ѕ
        default: return c;
    }
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) { return Convert(utf8, "CP1251", "UTF-8", 0); }

std::string Cp1251ToUtf8(std::string_view cp1251) { return Convert(cp1251, "UTF-8", "CP1251", 1); }

std::string UpperCaseCp1251(std::string_view utf8) {
    std::string bytes = Utf8ToCp1251(utf8);
    for (char& c : bytes) c = static_cast<char>(UpperCp1251Byte(static_cast<unsigned char>(c)));
    return Cp1251ToUtf8(bytes);
}

}  // namespace vd
