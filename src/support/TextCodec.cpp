#include "support/TextCodec.h"

#include <cstdint>

#include "support/Utf8.h"

namespace vd {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point from `s` at `pos` and advances `pos`; malformed input yields U+FFFD.
char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07u;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size()) return kReplacement;
        const auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (c & 0x3Fu);
        ++pos;
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    return cp;
}

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
    const std::size_t units = utf16le.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(utf16le[2 * i]) |
                                     (static_cast<unsigned char>(utf16le[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                                    (static_cast<char32_t>(low) - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : u);
    }
    if (utf16le.size() % 2 != 0) AppendUtf8(out, kReplacement);
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
