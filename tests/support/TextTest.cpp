#include <gtest/gtest.h>

#include "support/Json.h"
#include "support/Text.h"

namespace vd {
namespace {

TEST(ExactDigits, PadsOrKeepsTheLastDigits) {
    struct Case {
        std::int64_t value;
        int digits;
        const char* text;
    };
    for (const auto& c : {Case{7, 3, "007"}, Case{1, 2, "01"}, Case{123, 3, "123"}, Case{12345, 2, "45"},
                          Case{0, 7, "0000000"}, Case{123, 7, "0000123"}, Case{123456789, 7, "3456789"}}) {
        EXPECT_EQ(ExactDigits(c.value, c.digits), c.text) << c.value << " in " << c.digits;
    }
}

TEST(RemoveControlChars, KeepsTabAndLineBreaksOnly) {
    std::string all;
    for (int c = 0; c < 0x20; ++c) all += static_cast<char>(c);
    EXPECT_EQ(RemoveControlChars("a" + all + "Я"), "a\t\n\rЯ");
    EXPECT_EQ(RemoveControlChars("ящик\x0B деревянный\x07"), "ящик деревянный");
    EXPECT_EQ(RemoveControlChars(""), "");
}

TEST(ParseInteger, AcceptsOnlyWholeDecimalNumbers) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> value;
    };
    for (const auto& c : {Case{"0", 0}, Case{"42", 42}, Case{"-17", -17}, Case{"", std::nullopt},
                          Case{"1.5", std::nullopt}, Case{" 1", std::nullopt}, Case{"1x", std::nullopt},
                          Case{"+1", std::nullopt}, Case{"99999999999999999999", std::nullopt}}) {
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
    }
}

TEST(JsonQuote, EscapesWhatJsonNeeds) {
    EXPECT_EQ(JsonQuote("Имя \"в кавычках\"\\\n\x01"), "\"Имя \\\"в кавычках\\\"\\\\\\n\\u0001\"");
}

}  // namespace
}  // namespace vd

namespace vd {
namespace {

TEST(LowerCase, LowersLatinAndCyrillicCapitalsOnly) {
    struct Case {
        const char* text;
        const char* lower;
    };
    for (const auto& c : {Case{"ООО \"Ромашка\"", "ооо \"ромашка\""}, Case{"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ",
                                                                        "абвгдежзийклмнопрстуфхцчшщъыьэюя"},
                          Case{"ЁЖИК Ёлка", "ёжик ёлка"}, Case{"ЀЂЃЄЅІЇЈЉЊЋЌЍЎЏ", "ѐђѓєѕіїјљњћќѝўџ"},
                          Case{"ACME Ltd. №5", "acme ltd. №5"}, Case{"уже строчные", "уже строчные"},
                          Case{"ѠѢ ÀÉ", "ѠѢ ÀÉ"},  // beyond the ranges the search needs
                          Case{"", ""}}) {
        EXPECT_EQ(LowerCase(c.text), c.lower) << c.text;
    }
    // A lone lead byte or a cut sequence is kept byte for byte.
    EXPECT_EQ(LowerCase("A\xD0"), "a\xD0");
    EXPECT_EQ(LowerCase("\xD0Z"), "\xD0z");
}

}  // namespace
}  // namespace vd
