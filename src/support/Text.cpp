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

}  // namespace vd
