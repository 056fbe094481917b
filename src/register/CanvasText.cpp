#include "register/CanvasText.h"

#include <stdexcept>
#include <vector>

#include "register/ReportMessages.h"

namespace vd {
namespace {

constexpr int kMaxFontSize = 255;

// Runs a routine and turns any failure into the routine's own error.
template <typename F>
int Guarded(std::string_view name, F&& body) {
    try {
        return body();
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string(text::kCanvasFailure) + std::string(name) + ": " + e.what());
    }
}

int Quotient(long long a, long long b) {
    if (b == 0) throw std::domain_error("division by zero");
    return static_cast<int>(a / b);
}

std::vector<std::string> WrappedLines(TextCanvas& canvas, std::string_view text, int c, int w) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string paragraph;
        for (const char ch : text.substr(start, end - start)) {
            if (ch != '\r') paragraph += ch;
        }
        if (paragraph.empty()) break;
        std::string line;
        std::size_t at = 0;
        while (at < paragraph.size()) {
            std::size_t blank = paragraph.find(' ', at);
            if (blank == std::string::npos) blank = paragraph.size();
            const std::string word = paragraph.substr(at, blank - at);
            at = blank + 1;
            if (word.empty()) continue;
            const int limit = lines.empty() ? w - c : w;
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (line.empty() || canvas.TextWidth(candidate) <= limit) {
                line = candidate;
            } else {
                lines.push_back(line);
                line = word;
            }
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace

int CalculateFontSize(TextCanvas& canvas, int w, int k, const FontStyle& style, std::string_view text, int d) {
    return Guarded("CalculateFontSize", [&] {
        const int lower = Quotient(static_cast<long long>(w) * k, d);
        const int upper = Quotient(static_cast<long long>(w + 2) * k, d);
        int size = 150;
        canvas.SetFont(style, size);
        for (int step = 0;; ++step) {
            const int width = canvas.TextWidth(text);
            if (width >= lower && width <= upper) break;
            size += width < lower ? 1 : -1;
            if (size < 1) {
                size = 0;
                break;
            }
            canvas.SetFont(style, size);
            if (step + 1 >= 200) {
                if (canvas.TextWidth(text) > lower) --size;
                break;
            }
        }
        if (size > kMaxFontSize) throw std::range_error("font size " + std::to_string(size));
        return size;
    });
}

int CalculateFontSize10(TextCanvas& canvas, int w, int k, const FontStyle& style, std::string_view text, int d) {
    return Guarded("CalculateFontSize10", [&] {
        const int upper = Quotient(static_cast<long long>(w) * k, 10LL * d);
        const int lower = Quotient(static_cast<long long>(w - 5) * k, 10LL * d);
        const int direction = Quotient(static_cast<long long>(w - 2) * k, 10LL * d);
        int low = 1;
        int high = 6000;
        int size = (low + high) / 2;
        while (true) {
            canvas.SetFont(style, size);
            const int width = canvas.TextWidth(text);
            if (width >= lower && width <= upper) break;
            if (width < direction) low = size + 1;
            else high = size - 1;
            if (low >= high) {
                size = std::max(low, 1);
                break;
            }
            size = (low + high) / 2;
        }
        if (size > kMaxFontSize) throw std::range_error("font size " + std::to_string(size));
        return size;
    });
}

int MemoPrint(TextCanvas& canvas, std::string_view text, int y, int a, int n, int c, int w, int x, int h) {
    return Guarded("MemoPrint", [&] {
        const std::vector<std::string> lines = WrappedLines(canvas, text, c, w);
        int used = 0;
        int processed = 0;
        for (std::size_t i = 0; i < lines.size() && used < n; ++i) {
            const int index = static_cast<int>(i);
            processed = index + 1;
            if (index < a - 1) continue;
            canvas.TextOut(index == 0 ? x + c : x, y + h * index, lines[i]);
            ++used;
        }
        return processed;
    });
}

int CountLinesMemo(TextCanvas& canvas, std::string_view text, int c, int w) {
    return Guarded("CountLinesMemo", [&] { return static_cast<int>(WrappedLines(canvas, text, c, w).size()); });
}

}  // namespace vd
