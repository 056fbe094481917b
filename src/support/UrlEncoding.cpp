#include "support/UrlEncoding.h"

namespace vd {
namespace {

bool IsLetterOrDigit(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string UrlEncodeForm(std::string_view bytes, bool blankAsPlus) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (IsLetterOrDigit(u)) {
            out += c;
        } else if (c == ' ' && blankAsPlus) {
            out += '+';
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 0x0F];
        }
    }
    return out;
}

std::optional<std::string> UrlDecodeForm(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            if (i + 2 >= text.size()) return std::nullopt;
            const int high = HexValue(text[i + 1]);
            const int low = HexValue(text[i + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> ParseFormFields(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> fields;
    while (!text.empty()) {
        const std::size_t end = text.find('&');
        const std::string_view field = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (field.empty()) continue;
        const std::size_t equals = field.find('=');
        const std::string_view name = field.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : field.substr(equals + 1);
        fields.emplace_back(UrlDecodeForm(name).value_or(std::string(name)),
                            UrlDecodeForm(value).value_or(std::string(value)));
    }
    return fields;
}

}  // namespace vd
