#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "documents/PhraseDictionary.h"
#include "register/ReportText.h"

namespace vd {
namespace {

MasterRecord Document() {
    MasterRecord d;
    d.status = 7;
    d.paperNo = 1234;
    d.referenceNo = "6007000042";
    d.expert = "Ведров";
    d.declarant = "ООО \"Лес\"";
    d.address = "г. Вологда";
    d.supportInfo = "Копия radevaredu VI";
    d.declaratorFio = "Петров П. П.";
    d.declarationDate = 46365;  // 09.12.2026
    d.tppName = "Вологодская ТПП";
    d.fio10 = "Иванов И. И.";
    d.date10 = 46366;
    return d;
}

struct Context {
    MasterRecord document = Document();
    GoodsLine goods{"3", "Брус", "5", "поддон", "2 м3", "Инвойс 7"};
    SearchOptions search = {{"Всего документов: 10", ""},
                            {"Найдено документов: 4", ""},
                            {"Список поисковых условий, накладываемых при отборе.", ""},
                            {"    Год выдачи", "6"},
                            {"    ВЫДАН (с)", "01.12.2026"},
                            {"    Выдан до (По)", "11.12.2026"},
                            {"    Эксперт", "Ведров"}};
    ExpertiseTexts expertise = MakeExpertiseTexts({{46360, "Э-1"}, {46361, "Э-2"}});
    ReportTextContext Make(int searchRow = -1) {
        ReportTextContext c;
        c.document = &document;
        c.goodsLine = &goods;
        c.searchRows = &search;
        c.searchRow = searchRow;
        c.expertise = &expertise;
        c.numLocale = 3;
        c.reportHeading = [] { return std::string("Отчёт палаты"); };
        return c;
    }
};

TEST(ReportText, EveryCodeOfTheDocumentAndItsGoodsLine) {
    Context data;
    const ReportTextContext c = data.Make();
    const std::pair<int, const char*> cases[] = {
        {1, "ООО \"Лес\""},
        {2, "г. Вологда"},
        {3, ""},
        {4, "Копия radevaredu VI"},
        {5, ""},
        {6, "09.12.2026"},
        {7, ""},
        {8, "Вологодская ТПП"},
        {9, "Петров П. П."},
        {10, "Иванов И. И."},
        {11, "04.12.2026\r\n05.12.2026"},
        {12, "10.12.2026"},
        {13, "Э-1\r\nЭ-2"},
        {14, "6007000042"},
        {15, "0001234"},
        {16, ""},
        {20, ""},
        {21, "3"},
        {22, "Брус"},
        {23, "5\r\nподдон"},
        {24, "Инвойс 7"},
        {25, ""},  // the goods lines keep no criterion
        {26, "2 м3"},
        {27, ""},
        {6001, "Отчёт палаты"},
        {6002, ""},
        {6003, "АРМ №3"},
        {6004, "выдан"},
        {6005, "Ведров"},
        {6006, "Брус"},
        {6007, ""},
        {0, ""},
        {-1, ""},
    };
    for (const auto& [code, expected] : cases) EXPECT_EQ(GetTextOfObj(c, code), expected) << code;
}

TEST(ReportText, PlacesAndPackingShowWhicheverIsGiven) {
    Context data;
    for (const auto& [count, package, expected] :
         {std::tuple{"5", "", "5"}, std::tuple{"", "поддон", "поддон"}, std::tuple{"", "", ""}}) {
        data.goods.count6Goods = count;
        data.goods.package6Goods = package;
        EXPECT_EQ(GetTextOfObj(data.Make(), 23), expected) << count << "|" << package;
    }
}

TEST(ReportText, SearchConditionsAfterTheFifthRowAndTheNamedOnes) {
    Context data;
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(GetTextOfObj(data.Make(row), 6101), "") << row;
        EXPECT_EQ(GetTextOfObj(data.Make(row), 6102), "") << row;
    }
    EXPECT_EQ(GetTextOfObj(data.Make(5), 6101), "    Выдан до (По)");
    EXPECT_EQ(GetTextOfObj(data.Make(6), 6102), "Ведров");
    EXPECT_EQ(GetTextOfObj(data.Make(7), 6101), "");  // beyond the last row
    // Found by a part of the name, letter case ignored.
    EXPECT_EQ(GetTextOfObj(data.Make(), 6103), "01.12.2026");
    EXPECT_EQ(GetTextOfObj(data.Make(), 6104), "11.12.2026");
    EXPECT_EQ(GetTextOfObj(data.Make(), 6105), "4");

    data.search = {{"Всего документов: 0", ""}};
    for (const int code : {6101, 6102, 6103, 6104, 6105}) EXPECT_EQ(GetTextOfObj(data.Make(0), code), "") << code;
}

TEST(ReportText, MissingPartsGiveEmptyTextsAndDayZeroIsTheBaseDate) {
    ReportTextContext nothing;
    for (const int code : {1, 6, 11, 13, 14, 15, 21, 23, 6001, 6004, 6101, 6105}) {
        EXPECT_EQ(GetTextOfObj(nothing, code), "") << code;
    }
    EXPECT_EQ(GetTextOfObj(nothing, 6003), "АРМ №0");

    MasterRecord blank;
    blank.paperNo = 123456789;
    ReportTextContext c;
    c.document = &blank;
    EXPECT_EQ(GetTextOfObj(c, 6), "30.12.1899");
    EXPECT_EQ(GetTextOfObj(c, 12), "30.12.1899");
    EXPECT_EQ(GetTextOfObj(c, 15), "123456789");  // padded to seven digits, never cut

    const ExpertiseTexts none = MakeExpertiseTexts({});
    EXPECT_EQ(none.dates, "");
    EXPECT_EQ(none.numbers, "");
    const ExpertiseTexts one = MakeExpertiseTexts({{46360, "Э-1"}});
    EXPECT_EQ(one.dates, "04.12.2026");
    EXPECT_EQ(one.numbers, "Э-1");
}

TEST(ReportText, StatusWords) {
    const std::pair<int, const char*> cases[] = {{6, "проект"},      {7, "выдан"},         {8, "испорчен бланк"},
                                                 {9, "аннулирован"}, {10, "дубликат"},     {11, "выдан взамен"},
                                                 {12, "неизвестен"}, {0, "неизвестен"},    {99, "неизвестен"}};
    for (const auto& [status, word] : cases) EXPECT_EQ(StatusWord(status), word) << status;
}

class ReportTextOfWorkstation : public test::DocumentFixture {};

TEST_F(ReportTextOfWorkstation, ReadsTheHeadingPhraseAndTheStationNumber) {
    ReportTextContext c = ReportTextContextFor(ws.tdm);
    EXPECT_EQ(GetTextOfObj(c, 6001), "");
    ASSERT_EQ(SavePhrase(ws.tdm, phrase::kReportHeading, "Вологодская торгово-промышленная палата"), SavePhraseResult::Added);
    EXPECT_EQ(GetTextOfObj(c, 6001), "Вологодская торгово-промышленная палата");
    EXPECT_EQ(GetTextOfObj(c, 6003), "АРМ №1");
    ws.tdm.SearchConditionRows() = {{"Всего документов: 2", ""}, {"Найдено документов: 2", ""}};
    EXPECT_EQ(GetTextOfObj(c, 6105), "2");
}

}  // namespace
}  // namespace vd
