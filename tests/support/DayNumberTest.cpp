#include <gtest/gtest.h>

#include "support/DayNumber.h"

namespace vd {
namespace {

struct DateCase {
    CalendarDate date;
    DayNumber day;
};

class DayNumbers : public ::testing::TestWithParam<DateCase> {};

TEST_P(DayNumbers, ConvertBothWays) {
    EXPECT_EQ(ToDayNumber(GetParam().date), GetParam().day);
    EXPECT_EQ(ToCalendarDate(GetParam().day), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Calendar, DayNumbers,
                         ::testing::Values(DateCase{{1899, 12, 30}, 0}, DateCase{{1899, 12, 31}, 1},
                                           DateCase{{1900, 2, 28}, 60}, DateCase{{1900, 3, 1}, 61},
                                           DateCase{{1970, 1, 1}, 25569}, DateCase{{2000, 2, 29}, 36585},
                                           DateCase{{2010, 3, 5}, 40242}, DateCase{{2026, 12, 11}, 46367},
                                           DateCase{{9999, 12, 31}, 2958465}));

TEST(DayNumber, FormatsBothTexts) {
    EXPECT_EQ(FormatDdMmYyyy(40242), "05.03.2010");
    EXPECT_EQ(FormatYyyyMmDd(40242), "2010.03.05");
    EXPECT_EQ(FormatDdMmYyyy(0), "30.12.1899");
}

TEST(DayNumber, NonexistentDatesAreRefused) {
    EXPECT_FALSE(IsValidDate({2012, 2, 31}));
    EXPECT_FALSE(IsValidDate({2011, 2, 29}));
    EXPECT_TRUE(IsValidDate({2012, 2, 29}));
    EXPECT_THROW(ToDayNumber({2012, 13, 1}), std::invalid_argument);
}

TEST(DayNumber, ParsingIsStrict) {
    struct Case {
        const char* text;
        std::optional<DayNumber> day;
    };
    for (const auto& c : {Case{"05.03.2010", 40242}, Case{"5.3.2010", 40242}, Case{" 05 . 03 . 2010 ", 40242},
                          Case{"29.02.2000", 36585}, Case{"31.02.2012", std::nullopt},
                          Case{"01.13.2010", std::nullopt}, Case{"00.01.2010", std::nullopt},
                          Case{"05.03", std::nullopt}, Case{"05.03.2010.1", std::nullopt},
                          Case{"aa.bb.cccc", std::nullopt}, Case{"05.03.20x0", std::nullopt},
                          Case{"", std::nullopt}, Case{"05/03/2010", std::nullopt}}) {
        EXPECT_EQ(ParseDdMmYyyy(c.text), c.day) << c.text;
    }
}

TEST(DayNumber, FormatAndParseAgreeOverYears) {
    for (DayNumber day = 36000; day < 48000; day += 17) {
        EXPECT_EQ(ParseDdMmYyyy(FormatDdMmYyyy(day)), day);
    }
}

}  // namespace
}  // namespace vd
