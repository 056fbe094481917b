#pragma once

#include <string>
#include <string_view>

namespace vd {

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A surface the statistics report draws on: a font of a size, the width of a text in it, and
// text output. Units are the surface's own (device pixels for a printer page).
class TextCanvas {
public:
    virtual ~TextCanvas() = default;
    virtual void SetFont(const FontStyle& style, int size) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual void TextOut(int x, int y, std::string_view text) = 0;
};

// The font size (0 … 255) at which `text` is between w·k/d and (w+2)·k/d wide: a walk from 150
// one size at a time, at most 200 steps, ending one size smaller when the text is still too
// wide then.
int CalculateFontSize(TextCanvas& canvas, int w, int k, const FontStyle& style, std::string_view text, int d);

// The same by bisection between 1 and 6000: the width must lie between (w−5)·k/(10·d) and
// w·k/(10·d); sizes above 255 are refused.
int CalculateFontSize10(TextCanvas& canvas, int w, int k, const FontStyle& style, std::string_view text, int d);

// Draws `text` word-wrapped into width w (w − c for the very first line, which starts c further
// right), paragraph by paragraph up to the first empty one. Line i (from 0) is drawn at
// y + h·i once i ≥ a − 1, and each drawn line uses up one of the n lines. Returns the number of
// lines gone through.
int MemoPrint(TextCanvas& canvas, std::string_view text, int y, int a, int n, int c, int w, int x, int h);

// The number of lines MemoPrint's wrapping makes of `text`.
int CountLinesMemo(TextCanvas& canvas, std::string_view text, int c, int w);

}  // namespace vd
