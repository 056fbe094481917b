#include <gtest/gtest.h>

#include "support/UrlEncoding.h"

namespace vd {
namespace {

struct EncodeCase {
    std::string bytes;
    bool blankAsPlus;
    std::string encoded;
};

void PrintTo(const EncodeCase& c, std::ostream* out) { *out << c.encoded; }

class FormEncoding : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(FormEncoding, KeepsOnlyLettersAndDigits) {
    const auto& c = GetParam();
    EXPECT_EQ(UrlEncodeForm(c.bytes, c.blankAsPlus), c.encoded);
    EXPECT_EQ(UrlDecodeForm(c.encoded), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormEncoding, ::testing::Values(
    EncodeCase{"a b&c", true, "a+b%26c"},
    EncodeCase{"a b", false, "a%20b"},
    EncodeCase{"Ж", true, "%D0%96"},                       // the two UTF-8 bytes of the letter
    EncodeCase{"", true, ""},
    EncodeCase{"AZaz09", true, "AZaz09"},
    EncodeCase{"-_.~*+=", true, "%2D%5F%2E%7E%2A%2B%3D"},  // nothing else stays as it is
    EncodeCase{"\n\r\x7f", true, "%0A%0D%7F"}));

TEST(FormEncoding, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    EXPECT_EQ(UrlDecodeForm(UrlEncodeForm(all, true)), all);
    EXPECT_EQ(UrlDecodeForm(UrlEncodeForm(all, false)), all);
}

TEST(FormEncoding, MalformedEscapesDoNotDecode) {
    for (const char* text : {"%", "ab%4", "%zz", "%G0"}) EXPECT_FALSE(UrlDecodeForm(text).has_value()) << text;
}

TEST(FormEncoding, FieldsAreSplitAndDecoded) {
    const auto fields = ParseFormFields("tppn=7&certBody=a+b%26c&flag&&empty=");
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[0], (std::pair<std::string, std::string>{"tppn", "7"}));
    EXPECT_EQ(fields[1], (std::pair<std::string, std::string>{"certBody", "a b&c"}));
    EXPECT_EQ(fields[2], (std::pair<std::string, std::string>{"flag", ""}));
    EXPECT_EQ(fields[3], (std::pair<std::string, std::string>{"empty", ""}));
}

}  // namespace
}  // namespace vd
