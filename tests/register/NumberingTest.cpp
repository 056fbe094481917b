#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "register/Numbering.h"

namespace vd {
namespace {

using Numbering = test::DocumentFixture;

struct NumberingCase {
    std::vector<int> used;
    std::vector<int> spoiled;
    std::int64_t min, max, expected;
};

class NextNumber : public test::DocumentFixture, public ::testing::WithParamInterface<NumberingCase> {};

TEST_P(NextNumber, FillsTheFirstGapOfTheYear) {
    const auto& c = GetParam();
    SetRange(c.min, c.max);
    std::int64_t id = 0;
    for (int n : c.used) {
        ++id;
        InsertRow(id, 7, n, 1000 + id);
    }
    for (int n : c.spoiled) {
        ++id;
        InsertRow(id, 8, n, 1000 + id);
    }
    SetMaxIdToTag(ws.tdm);
    EXPECT_EQ(ws.session.nextDocumentNo, c.expected);
    if (c.expected == 0) {
        ASSERT_EQ(ws.ui.messages.size(), 1u);
        EXPECT_EQ(ws.ui.messages[0].text, "Администратор должен задать АРМу новый диапазон номеров");
        EXPECT_EQ(ws.ui.messages[0].caption, "Vardelo VD");
        EXPECT_EQ(ws.ui.messages[0].kind, MessageKind::Error);
    } else {
        EXPECT_TRUE(ws.ui.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Range, NextNumber,
                         ::testing::Values(NumberingCase{{1, 2, 4}, {}, 1, 5, 3},
                                           NumberingCase{{1, 2, 4}, {3}, 1, 5, 3},  // a spoiled blank frees its number
                                           NumberingCase{{1, 2, 3, 4, 5}, {}, 1, 5, 0},  // exhausted
                                           NumberingCase{{}, {}, 0, 0, 0},              // nothing configured
                                           NumberingCase{{}, {}, 0, 10, 0},             // 0 is never a number
                                           NumberingCase{{10, 11}, {}, 10, 20, 12},
                                           NumberingCase{{1, 2, 2, 3}, {}, 1, 5, 4}));  // a repeated number is passed

TEST_F(Numbering, NumbersCountPerYearDigit) {
    SetRange(1, 5);
    InsertRow(1, 7, 1, 11, "Ведров", test::kToday, 5);  // last year's number 1 is free again this year
    InsertRow(2, 7, 2, 12, "Ведров", test::kToday, 6);
    SetMaxIdToTag(ws.tdm);
    EXPECT_EQ(ws.session.nextDocumentNo, 1);
}

TEST_F(Numbering, BlankProposalFollowsTheNewestDocument) {
    SetMaxIdToTag(ws.tdm);
    EXPECT_EQ(ws.session.nextBlankNo, 0);  // empty database

    InsertRow(1, 7, 1, 200);
    InsertRow(2, 7, 2, 120);
    SetMaxIdToTag(ws.tdm);
    EXPECT_EQ(ws.session.nextBlankNo, 121);

    InsertRow(3, 6, 3, 121);  // the newest document now holds 121; 122 is free
    SetMaxIdToTag(ws.tdm);
    EXPECT_EQ(ws.session.nextBlankNo, 122);

    InsertRow(4, 6, 4, 199);
    InsertRow(5, 6, 5, 198);  // 199 is in use: one more than the highest blank in use
    SetMaxIdToTag(ws.tdm);
    EXPECT_EQ(ws.session.nextBlankNo, 201);
}

TEST(ReferenceNumbers, AreYearDigitChamberAndNumber) {
    EXPECT_EQ(MakeReferenceNo(2, 54, 17, true), "2054XX000017");
    EXPECT_EQ(MakeReferenceNo(6, 7, 123456), "6007123456");
    EXPECT_EQ(YearDigit(46367), 6);
}

}  // namespace
}  // namespace vd
