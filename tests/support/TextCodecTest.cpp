#include <gtest/gtest.h>

#include "support/Cp1251.h"
#include "support/TextCodec.h"

namespace vd {
namespace {

TEST(TextCodec, Utf16RoundTripKeepsEveryText) {
    for (const std::string text : {"", "abc", "Приёмка товаров", "Aдминистратор", "𝄞 music", "line\r\nbreak"}) {
        EXPECT_EQ(Utf16LeToUtf8(Utf8ToUtf16Le(text)), text) << text;
    }
}

TEST(TextCodec, Utf16LeHasNoMarkAndLittleEndianUnits) {
    // Latin A then Cyrillic д: the stored form of the first administrator's name starts so.
    EXPECT_EQ(Utf8ToUtf16Le("Aд"), std::string("\x41\x00\x34\x04", 4));
    EXPECT_EQ(Utf8ToUtf16Le("𝄞"), std::string("\x34\xD8\x1E\xDD", 4));
    EXPECT_TRUE(Utf8ToUtf16Le("").empty());
}

TEST(TextCodec, BrokenInputBecomesReplacementCharacter) {
    EXPECT_EQ(Utf16LeToUtf8(Utf8ToUtf16Le("a\xFF" "b")), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x41\x00\x00\xD8", 4)), "A\xEF\xBF\xBD");  // lone surrogate
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x41\x00\x42", 3)), "A\xEF\xBF\xBD");      // odd byte count
}

TEST(TextCodec, LengthsAndCutsCountUtf16Units) {
    EXPECT_EQ(Utf16Length("Дом"), 3u);
    EXPECT_EQ(Utf16Length("a𝄞"), 3u);
    EXPECT_EQ(Utf16Left("Домик", 3), "Дом");
    EXPECT_EQ(Utf16Left("a𝄞b", 2), "a");  // never half a surrogate pair
    EXPECT_EQ(Utf16Left("a𝄞b", 3), "a𝄞");
    EXPECT_EQ(Utf16Left("abc", 10), "abc");
}

TEST(Cp1251, ConvertsCyrillicBothWays) {
    EXPECT_EQ(Utf8ToCp1251("Привет"), "\xCF\xF0\xE8\xE2\xE5\xF2");
    EXPECT_EQ(Cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
    EXPECT_EQ(Utf8ToCp1251("ёЁ№"), "\xB8\xA8\xB9");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a中b"), "a?b");
    EXPECT_EQ(Utf8ToCp1251("𝄞"), "?");
}

TEST(Cp1251, UpperCaseFollowsTheCodePage) {
    struct Case {
        const char* input;
        const char* upper;
    };
    for (const auto& c : {Case{"администратор", "АДМИНИСТРАТОР"}, Case{"АдМиНиСтРаТоР", "АДМИНИСТРАТОР"},
                          Case{"Aдминистратор", "AДМИНИСТРАТОР"},  // Latin A stays Latin
                          Case{"ёжик", "ЁЖИК"}, Case{"abc xyz", "ABC XYZ"}, Case{"їєіґў", "ЇЄІҐЎ"}}) {
        EXPECT_EQ(UpperCaseCp1251(c.input), c.upper) << c.input;
    }
}

}  // namespace
}  // namespace vd
