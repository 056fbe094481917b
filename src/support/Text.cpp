#include "support/Text.h"

#include <charconv>

namespace vd {

std::string ExactDigits(std::int64_t value, int digits) {
    std::string text = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(text.size()) < digits) return std::string(digits - text.size(), '0') + text;
    return text.substr(text.size() - static_cast<std::size_t>(digits));
}

std::string RemoveControlChars(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') continue;
        out += c;
    }
    return out;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string_view TrimBlanks(std::string_view text) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string LowerCase(std::string_view utf8) {
    // U+0400–U+042F are the two-byte sequences D0 80 … D0 AF; their small letters lie 0x20
    // (А–Я) or 0x50 (Ѐ–Џ) code points higher, still two bytes.
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + ('a' - 'A'));
            continue;
        }
        if (c == 0xD0 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if (next >= 0x80 && next <= 0xAF) {
                const unsigned capital = 0x400u + (next - 0x80u);
                const unsigned small = capital < 0x410u ? capital + 0x50u : capital + 0x20u;
                out += static_cast<char>(0xC0u | (small >> 6));
                out += static_cast<char>(0x80u | (small & 0x3Fu));
                ++i;
                continue;
            }
        }
        out += static_cast<char>(c);
    }
    return out;
}

char16_t LowerCaseUnit(char16_t unit) {
    if (unit >= u'A' && unit <= u'Z') return static_cast<char16_t>(unit + (u'a' - u'A'));
    if (unit >= 0x410 && unit <= 0x42F) return static_cast<char16_t>(unit + 0x20);
    if (unit >= 0x400 && unit <= 0x40F) return static_cast<char16_t>(unit + 0x50);
    return unit;
}

std::string ZeroPadded(std::int64_t value, std::size_t digits) {
    std::string text = std::to_string(value);
    const std::size_t sign = value < 0 ? 1 : 0;
    if (text.size() - sign < digits) text.insert(sign, digits - (text.size() - sign), '0');
    return text;
}

}  // namespace vd
