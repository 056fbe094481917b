#include <gtest/gtest.h>

#include "register/CanvasText.h"
#include "support/TextCodec.h"

namespace vd {
namespace {

// Every character is `size` units wide; what is drawn is recorded.
class FakeCanvas : public TextCanvas {
public:
    struct Out {
        int x, y;
        std::string text;
        bool operator==(const Out&) const = default;
    };
    void SetFont(const FontStyle&, int s) override {
        size = s;
        ++fontChanges;
    }
    int TextWidth(std::string_view text) override {
        if (failing) throw std::runtime_error("нет шрифта");
        return static_cast<int>(Utf16Length(text)) * size;
    }
    void TextOut(int x, int y, std::string_view text) override { drawn.push_back({x, y, std::string(text)}); }

    int size = 10;
    int fontChanges = 0;
    bool failing = false;
    std::vector<Out> drawn;
};

TEST(CanvasText, CalculateFontSizeWalksToTheBand) {
    FakeCanvas canvas;
    // 10 characters; the band from 400·3/2 = 600 to 402·3/2 = 603: size 60 gives exactly 600.
    EXPECT_EQ(CalculateFontSize(canvas, 400, 3, {}, "0123456789", 2), 60);
    // A band no size can hit: the walk swings around it for 200 steps and ends on the size
    // below it.
    EXPECT_EQ(CalculateFontSize(canvas, 1010, 1, {}, "0123456789", 10), 10);
    // Nothing is narrow enough: the size falls below 1.
    EXPECT_EQ(CalculateFontSize(canvas, 0, 1, {}, "0123456789", 1), 0);
}

TEST(CanvasText, CalculateFontSize10Bisects) {
    FakeCanvas canvas;
    // Band from (200−5)·10/(10·1) = 195 to 200: five characters at size 39 or 40.
    const int size = CalculateFontSize10(canvas, 200, 10, {}, "abcde", 1);
    EXPECT_TRUE(size == 39 || size == 40) << size;
    canvas.SetFont({}, size);
    EXPECT_GE(canvas.TextWidth("abcde"), 195);
    EXPECT_LE(canvas.TextWidth("abcde"), 200);
    EXPECT_LT(canvas.fontChanges, 20);
}

TEST(CanvasText, FailuresNameTheRoutine) {
    FakeCanvas canvas;
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { CalculateFontSize(canvas, 10, 1, {}, "x", 0); }, "error of the function CalculateFontSize"},
        {[&] { CalculateFontSize10(canvas, 10, 1, {}, "x", 0); }, "error of the function CalculateFontSize10"},
        // Wide enough only beyond 255.
        {[&] { CalculateFontSize10(canvas, 5000, 10, {}, "x", 1); }, "error of the function CalculateFontSize10"},
        {[&] {
             canvas.failing = true;
             MemoPrint(canvas, "a b", 0, 1, 5, 0, 10, 0, 5);
         },
         "error of the function MemoPrint: нет шрифта"},
        {[&] {
             canvas.failing = true;
             CountLinesMemo(canvas, "a b", 0, 10);
         },
         "error of the function CountLinesMemo: нет шрифта"},
    };
    for (const auto& [run, message] : cases) {
        canvas.failing = false;
        try {
            run();
            ADD_FAILURE() << message;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << e.what();
        }
    }
    canvas.failing = false;
    EXPECT_GE(CalculateFontSize10(canvas, 2550, 1, {}, "x", 1), 254);
}

TEST(CanvasText, MemoPrintWrapsIndentsAndStopsAtTheBudget) {
    FakeCanvas canvas;
    canvas.size = 1;
    // Width 10, the first line 3 narrower and 3 further right; the empty paragraph ends the text.
    const std::string text = "aaa bbb ccc\r\ndddd eeee ffff gggg\n\nне печатается";
    EXPECT_EQ(CountLinesMemo(canvas, text, 3, 10), 4);
    EXPECT_EQ(MemoPrint(canvas, text, 100, 1, 10, 3, 10, 20, 5), 4);
    EXPECT_EQ(canvas.drawn, (std::vector<FakeCanvas::Out>{{23, 100, "aaa bbb"},
                                                           {20, 105, "ccc"},
                                                           {20, 110, "dddd eeee"},
                                                           {20, 115, "ffff gggg"}}));

    // From the third line on, two lines at most; the lines keep their places.
    canvas.drawn.clear();
    EXPECT_EQ(MemoPrint(canvas, text, 100, 3, 2, 3, 10, 20, 5), 4);
    EXPECT_EQ(canvas.drawn, (std::vector<FakeCanvas::Out>{{20, 110, "dddd eeee"}, {20, 115, "ffff gggg"}}));

    canvas.drawn.clear();
    EXPECT_EQ(MemoPrint(canvas, text, 0, 1, 1, 0, 10, 0, 5), 1);
    EXPECT_EQ(canvas.drawn.size(), 1u);

    // A word wider than the line stays whole.
    EXPECT_EQ(CountLinesMemo(canvas, "короткое оченьоченьдлинноеслово да", 0, 10), 3);
    EXPECT_EQ(CountLinesMemo(canvas, "", 0, 10), 0);
}

}  // namespace
}  // namespace vd
