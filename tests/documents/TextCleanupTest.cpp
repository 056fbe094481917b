#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "documents/TextCleanup.h"

namespace vd {
namespace {

using namespace std::string_view_literals;

struct CleanupCase {
    std::string_view input;
    std::string_view cleaned;
};

// Each pass scans once from left to right, so runs of breaks are not fully collapsed: the
// expected texts below are what the passes give, not an idealised normalisation.
TEST(CleanMultiLineText, EveryLineBreakComesOutAsCrLf) {
    for (const auto& c : {
             CleanupCase{"one\ntwo\r\nthree\rfour"sv, "one\r\ntwo\r\nthree\r\nfour"sv},
             CleanupCase{"a\r\nb"sv, "a\r\nb"sv},
             CleanupCase{"a\n\nb"sv, "a\r\nb"sv},        // an LF-only blank line collapses
             CleanupCase{"a\n\n\nb"sv, "a\r\n\r\nb"sv},  // one pair collapses, the third LF stays
             CleanupCase{"a\n\n\n\nb"sv, "a\r\n\r\nb"sv},
             CleanupCase{"a\r\n\r\nb"sv, "a\r\n\r\nb"sv},  // a CR LF blank line stays
             CleanupCase{"a\r\rb"sv, "a\r\n\r\nb"sv},      // each CR is a break of its own
             CleanupCase{"a\r\r\nb"sv, "a\r\n\r\nb"sv},
             CleanupCase{"a\n\r\nb"sv, "a\r\n\r\nb"sv},
             CleanupCase{"\n"sv, "\r\n"sv},
             CleanupCase{"ящик\n"sv, "ящик\r\n"sv},
             CleanupCase{""sv, ""sv},
         }) {
        EXPECT_EQ(CleanMultiLineText(c.input), c.cleaned)
            << testing::PrintToString(std::string(c.input));
    }
}

TEST(CleanMultiLineText, DropsControlCharactersAndTurnsTabsIntoBlanks) {
    for (const auto& c : {
             CleanupCase{"\tящик\x0B\x01деревянный\x1F"sv, " ящикдеревянный"sv},
             CleanupCase{"a\0b\x08\x0C\x0E"sv, "ab"sv},
             CleanupCase{"a\tb\t\tc"sv, "a b  c"sv},
             // Control characters go after the breaks are settled, so the pairs they separated
             // stay two breaks.
             CleanupCase{"a\n\x02\nb"sv, "a\r\n\r\nb"sv},
             CleanupCase{"a\r\x01\nb"sv, "a\r\n\r\nb"sv},
         }) {
        EXPECT_EQ(CleanMultiLineText(c.input), c.cleaned)
            << testing::PrintToString(std::string(c.input));
    }
}

// The editor writes the cleaned text back into the field, which fires the clean-up again; a
// second pass must find nothing left to change.
TEST(CleanMultiLineText, CleanedTextStaysAsItIs) {
    for (const auto input :
         {"a\n\n\nb"sv, "a\r\rb"sv, "a\n\r\nb"sv, "x\r\x01\r\ty\n"sv, "\r\n\n\r\r\n\n\n"sv}) {
        const std::string once = CleanMultiLineText(input);
        EXPECT_EQ(CleanMultiLineText(once), once) << testing::PrintToString(std::string(input));
        // Every CR and every LF belongs to a CR LF pair.
        std::string withoutPairs = once;
        for (auto pos = withoutPairs.find("\r\n"); pos != std::string::npos;
             pos = withoutPairs.find("\r\n", pos)) {
            withoutPairs.erase(pos, 2);
        }
        EXPECT_EQ(withoutPairs.find_first_of("\r\n"), std::string::npos)
            << testing::PrintToString(once);
    }
}

TEST(CleanSingleLineText, PastedBreaksDisappearAndTabsBecomeBlanks) {
    for (const auto& c : {
             CleanupCase{"ООО\t\"Ромашка\""sv, "ООО \"Ромашка\""sv},
             CleanupCase{"ООО \"Ромашка\"\r\n"sv, "ООО \"Ромашка\""sv},
             CleanupCase{"Ведров\nКим\rАлексеевич"sv, "ВедровКимАлексеевич"sv},
             CleanupCase{"a\x07\tb\x1B"sv, "a b"sv},
             CleanupCase{""sv, ""sv},
         }) {
        EXPECT_EQ(CleanSingleLineText(c.input), c.cleaned)
            << testing::PrintToString(std::string(c.input));
    }
}

TEST(CleanMaskedNumber, EmptyMaskPlacesReadAsZeros) {
    for (const auto& c : {CleanupCase{"12__5"sv, "12005"sv}, CleanupCase{"____"sv, "0000"sv},
                          CleanupCase{"123"sv, "123"sv}, CleanupCase{""sv, ""sv}}) {
        EXPECT_EQ(CleanMaskedNumber(c.input), c.cleaned) << c.input;
    }
}

}  // namespace
}  // namespace vd
