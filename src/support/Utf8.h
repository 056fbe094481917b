#pragma once

#include <cstddef>
#include <string_view>

namespace vd {

// What a malformed sequence decodes to.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes one code point of UTF-8 `s` at `pos` and advances `pos`; a malformed sequence yields
// U+FFFD and consumes only what belonged to it.
inline char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
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
        return kReplacementCharacter;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size()) return kReplacementCharacter;
        const auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80) return kReplacementCharacter;
        cp = (cp << 6) | (c & 0x3Fu);
        ++pos;
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacementCharacter;
    return cp;
}

// Calls `emit` for each code point of UTF-16LE bytes; unpaired surrogates and an odd last byte
// become U+FFFD. Stops when `emit` returns false.
template <typename Emit>
void ForEachUtf16LeCodePoint(std::string_view utf16le, Emit emit) {
    const std::size_t units = utf16le.size() / 2;
    auto unit = [utf16le](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(utf16le[2 * i]) |
                                     (static_cast<unsigned char>(utf16le[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacementCharacter;
        }
        if (!emit(cp)) return;
    }
    if (utf16le.size() % 2 != 0) emit(kReplacementCharacter);
}

// The same for UTF-8 bytes.
template <typename Emit>
void ForEachUtf8CodePoint(std::string_view utf8, Emit emit) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (!emit(NextCodePoint(utf8, pos))) return;
    }
}

// Appends one code point as UTF-8 to anything with `+= char`: a std::string, or a writer that
// buffers its output.
template <typename Out>
void AppendUtf8(Out& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace vd
