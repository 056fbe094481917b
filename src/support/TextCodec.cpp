#include "support/TextCodec.h"

#include <cstdint>

#include "support/Utf8.h"

namespace vd {
namespace {

void AppendUnit(std::string& out, char16_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

}  // namespace

std::string Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, pos);
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            AppendUnit(out, static_cast<char16_t>(0xD800 + (v >> 10)));
            AppendUnit(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            AppendUnit(out, static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string Utf16LeToUtf8(std::string_view utf16le) {
    std::string out;
    out.reserve(utf16le.size());
    ForEachUtf16LeCodePoint(utf16le, [&out](char32_t cp) {
        AppendUtf8(out, cp);
        return true;
    });
    return out;
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < utf8.size();) units += NextCodePoint(utf8, pos) >= 0x10000 ? 2 : 1;
    return units;
}

std::string Utf16Left(std::string_view utf8, std::size_t units) {
    std::size_t taken = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t next = pos;
        const std::size_t width = NextCodePoint(utf8, next) >= 0x10000 ? 2 : 1;
        if (taken + width > units) break;
        taken += width;
        pos = next;
    }
    return std::string(utf8.substr(0, pos));
}

}  // namespace vd
