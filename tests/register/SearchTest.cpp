#include <gtest/gtest.h>

#include <algorithm>

#include "DocumentFixture.h"
#include "core/Session.h"
#include "register/RegisterCommands.h"
#include "register/RegisterQuery.h"
#include "register/Search.h"
#include "support/Text.h"

namespace vd {
namespace {

using test::kToday;
using Ids = std::vector<std::int64_t>;

// A document as the search sees it; what a case leaves out is a plain issued conclusion.
struct Doc {
    std::int64_t id = 0;
    int status = 7;
    int numNum = 0;  // 0: the id
    std::int64_t paperNo = 0;
    int gNum = 6;
    DayNumber declared = kToday;
    std::string declarant = "ООО \"Северный лес\"";
    std::string address = "г. Вологда, ул. Мира, 1";
    std::string marks = "";
    std::string expert = "Ведров";
    std::vector<std::string> goods = {"Пиломатериалы"};
    DayNumber lastDate = kToday;
};

class Search : public test::DocumentFixture {
protected:
    void SetUp() override {
        DocumentFixture::SetUp();
        LogIn(1, "Aдминистратор");
    }

    void Add(const Doc& d) {
        MasterRecord r;
        r.id = d.id;
        r.status = d.status;
        r.numNum = d.numNum == 0 ? static_cast<int>(d.id) : d.numNum;
        r.gNum = d.gNum;
        r.paperNo = d.paperNo;
        r.referenceNo = std::to_string(d.gNum) + "007" + ExactDigits(r.numNum, 6);
        r.expert = d.expert;
        r.declarant = d.declarant;
        r.address = d.address;
        r.supportInfo = d.marks;
        r.declarationDate = d.declared;
        r.dateIssued = d.declared;
        r.lastDate = d.lastDate;
        ws.tdm.Inserts().InsertMaster(r);
        int num = 0;
        for (const auto& description : d.goods) {
            ws.tdm.Inserts().InsertGoods(d.id, GoodsLine{std::to_string(++num), description, "1", "ящик", "1 кг", ""});
        }
        ws.tdm.ASQM().Open();
    }

    // As "Поиск" in the main window: "Список" first, then the search.
    std::optional<SearchResult> Run(const SearchConditions& c) {
        RestoreRegister(ws.tdm);
        return RunSearch(ws.tdm, c);
    }

    // The ids the register shows after a search, checked against the stored marks.
    Ids Found(const SearchConditions& c) {
        const auto result = Run(c);
        EXPECT_TRUE(result.has_value());
        Ids shown;
        RegisterQuery& query = ws.tdm.ASQM();
        for (int i = 0; i < query.RowCount(); ++i) shown.push_back(query.IdAt(i));
        std::sort(shown.begin(), shown.end());
        Ids marked;
        for (const auto& row : Rows("select id from mcod where pFilter = \"TRUE\" order by id")) {
            marked.push_back(std::stoll(row[0]));
        }
        EXPECT_EQ(shown, marked);
        if (result) {
            EXPECT_EQ(result->found, static_cast<std::int64_t>(shown.size()));
        }
        return shown;
    }

    std::vector<std::string> Marks() {
        std::vector<std::string> marks;
        for (const auto& row : Rows("select pFilter from mcod order by id")) marks.push_back(row[0]);
        return marks;
    }
};

struct MaskCase {
    const char* year;
    const char* number;
    const char* blank;
    Ids expected;
};

TEST_F(Search, MaskedFieldsMatchTheirPositions) {
    Add({.id = 1, .numNum = 123456, .paperNo = 120});
    Add({.id = 2, .numNum = 120001, .paperNo = 125, .gNum = 5});
    Add({.id = 3, .numNum = 212345, .paperNo = 129});
    Add({.id = 4, .numNum = 12, .paperNo = 130});
    Add({.id = 5, .numNum = 1200, .paperNo = 1200});
    Add({.id = 6, .numNum = 341200, .paperNo = 119});
    const Ids all = {1, 2, 3, 4, 5, 6};
    for (const auto& c : {
             MaskCase{"", "12????", "", {1, 2}},  // characters 5 and 6 of the reference number
             MaskCase{"", "12", "", {1, 2}},      // the other positions left blank
             MaskCase{"", "  12  ", "", {5, 6}},  // blanks are blank positions, not blanks to match
             MaskCase{"", "????12", "", {4}},
             MaskCase{"", "??????", "", all},  // entirely blank: no condition
             MaskCase{"", "", "000012?", {1, 2, 3}},  // blanks 120 to 129
             MaskCase{"", "", "0000119", {6}},
             MaskCase{"", "", "???????", all},
             MaskCase{"5", "", "", {2}},
             MaskCase{"?", "", "", all},
             MaskCase{"6", "12", "", {1}},
         }) {
        SCOPED_TRACE(std::string(c.year) + "|" + c.number + "|" + c.blank);
        SearchConditions conditions;
        conditions.yearDigit = c.year;
        conditions.number = c.number;
        conditions.blank = c.blank;
        EXPECT_EQ(Found(conditions), c.expected);
    }
}

TEST_F(Search, DatePickersBoundTheDeclarationDate) {
    Add({.id = 1, .declared = kToday - 10});
    Add({.id = 2, .declared = kToday - 5});
    Add({.id = 3, .declared = kToday});
    struct Case {
        std::optional<DayNumber> from, to;
        Ids expected;
    };
    for (const auto& c : {Case{std::nullopt, std::nullopt, {1, 2, 3}},  // both pickers hidden
                          Case{kToday - 5, std::nullopt, {2, 3}}, Case{std::nullopt, kToday - 5, {1, 2}},
                          Case{kToday - 5, kToday - 5, {2}}, Case{kToday + 1, std::nullopt, {}}}) {
        SearchConditions conditions;
        conditions.from = c.from;
        conditions.to = c.to;
        EXPECT_EQ(Found(conditions), c.expected);
    }

    // The dialog opens on the smallest and the largest declaration date: everything is kept.
    const SearchConditions initial = InitialSearchConditions(ws.tdm);
    EXPECT_EQ(initial.from, kToday - 10);
    EXPECT_EQ(initial.to, kToday);
    EXPECT_EQ(Found(initial), (Ids{1, 2, 3}));
}

TEST_F(Search, DialogOpensWithTheUsersOwnExpertField) {
    SearchConditions initial = InitialSearchConditions(ws.tdm);
    EXPECT_EQ(initial.expert, "");
    EXPECT_EQ(initial.statusName, "нет данных");
    EXPECT_EQ(initial.from, kToday);  // no documents: both pickers on today
    EXPECT_EQ(initial.to, kToday);
    LogIn(2, "Ведров");
    initial = InitialSearchConditions(ws.tdm);
    EXPECT_EQ(initial.expert, "Ведров");
}

struct TextCase {
    std::vector<std::string> declarants;
    bool declarantsOr;
    std::string marks;
    std::string expert;
    Ids expected;
};

TEST_F(Search, TextConditionsAreContainedIgnoringLetterCase) {
    Add({.id = 1, .marks = "Копия radevaredu VI №_________"});
    Add({.id = 2, .declarant = "АО \"Химволокно\"", .address = "г. Москва", .expert = "Петров"});
    Add({.id = 3, .declarant = "ИП Северов", .address = ""});
    for (const auto& c : {
             TextCase{{"северный", "вологда"}, false, "", "", {1}},  // name and address of one declarant
             TextCase{{"северный", "москва"}, false, "", "", {}},
             TextCase{{"северный", "москва"}, true, "", "", {1, 2}},  // "Или": either word suffices
             TextCase{{"СЕВЕР"}, false, "", "", {1, 3}},
             TextCase{{"лес\"\r\nг. вол"}, false, "", "", {1}},  // name and address joined by a line break
             TextCase{{"северов\r\n"}, false, "", "", {}},       // no address: no line break either
             TextCase{{"", "химволокно", ""}, false, "", "", {2}},  // empty rows are no conditions
             TextCase{{"север*мира"}, false, "", "", {1}},
             TextCase{{}, false, "КОПИЯ RADEVAREDU", "", {1}},
             TextCase{{}, false, "", "ПЕТР", {2}},
             TextCase{{}, false, "", "Ведров", {1, 3}},
         }) {
        SearchConditions conditions;
        conditions.declarants = c.declarants;
        conditions.declarantsOr = c.declarantsOr;
        conditions.marks = c.marks;
        conditions.expert = c.expert;
        EXPECT_EQ(Found(conditions), c.expected) << (c.declarants.empty() ? c.marks + c.expert : c.declarants[0]);
    }
}

TEST_F(Search, GoodsRowsMayBeFoundInDifferentLines) {
    Add({.id = 1, .goods = {"Пиломатериалы обрезные", "Брус клеёный"}});
    Add({.id = 2, .goods = {"Пиломатериалы обрезные"}});
    Add({.id = 3, .goods = {}});
    struct Case {
        std::vector<std::string> rows;
        bool any;
        Ids expected;
    };
    for (const auto& c : {
             Case{{"пиломатериалы", "брус"}, false, {1}},  // first row in the first line, second in the second
             Case{{"пиломатериалы", "брус"}, true, {1, 2}},
             Case{{"КЛЕЁНЫЙ"}, false, {1}},
             Case{{"брус", "доска"}, false, {}},
             Case{{"", ""}, false, {1, 2, 3}},  // no goods condition
             Case{{"*"}, false, {1, 2}},         // a document without goods lines has none to match
         }) {
        SearchConditions conditions;
        conditions.goods = c.rows;
        conditions.goodsOr = c.any;
        EXPECT_EQ(Found(conditions), c.expected) << c.rows[0] << (c.any ? " Или" : " И");
    }
}

TEST_F(Search, StatusEntriesSelectTheirCodeOnly) {
    for (const int status : {6, 7, 8, 9, 10, 11, 12}) Add({.id = status, .status = status});
    for (const auto& [name, expected] : std::vector<std::pair<std::string, Ids>>{
             {"Выдан", {7}},
             {"Дубликат", {10}},
             {"Испорчен бланк", {8}},
             {"Аннулирован", {9}},
             {"Выдан взамен аннулированного", {11}},
             {"Проект", {6}},
             {"нет данных", {6, 7, 8, 9, 10, 11, 12}},
         }) {
        SearchConditions conditions;
        conditions.statusName = name;
        EXPECT_EQ(Found(conditions), expected) << name;
    }
    // A replacement project cannot be asked for.
    EXPECT_TRUE(std::none_of(std::begin(kSearchStatuses), std::end(kSearchStatuses),
                             [](const StatusEntry& e) { return e.code == 12; }));
}

TEST_F(Search, FoundCountIncludesProjectsTheTotalDoesNot) {
    Add({.id = 1, .status = 6});
    Add({.id = 2, .status = 12});
    Add({.id = 3, .status = 7});
    Add({.id = 4, .status = 9, .goods = {"Брус"}});
    SearchConditions conditions;
    conditions.goods = {"пиломатериалы"};
    const auto result = Run(conditions);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->total, 2);
    EXPECT_EQ(result->found, 3);
    EXPECT_EQ(ws.tdm.SearchConditionRows().at(0).optionName, "Всего документов: 2");
    EXPECT_EQ(ws.tdm.SearchConditionRows().at(1).optionName, "Найдено документов: 3");
}

TEST_F(Search, ConditionRowsListWhatWasAskedInTheDialogsOrder) {
    Add({.id = 1, .numNum = 123456, .paperNo = 125, .declared = kToday - 1, .marks = "Копия",
         .goods = {"Брус", "Пиломатериалы"}});
    Add({.id = 2});
    SearchConditions c;
    c.yearDigit = "6";
    c.number = "12";
    c.blank = "000012 ";
    c.from = kToday - 5;
    c.to = kToday;
    c.declarants = {"северный", "", "вологда"};
    c.marks = "Копия";
    c.expert = "Ведров";
    c.statusName = "Выдан";
    c.goods = {"брус", "", "пиломатериалы"};
    ASSERT_TRUE(Run(c));
    const SearchOptions expected = {
        {"Всего документов: 2", ""},
        {"Найдено документов: 1", ""},
        {"Список поисковых условий, накладываемых при отборе.", ""},
        {"    Год выдачи", "6"},
        {"    номер", "12????"},
        {"    бланк", "000012?"},
        {"    Выдан (С)", "06.12.2026"},
        {"    Выдан до (По)", "11.12.2026"},
        {"    Заявитель", "северный"},
        {"    Заявитель", "вологда"},
        {"    Служебные отметки", "Копия"},
        {"    Эксперт", "Ведров"},
        {"    Статус", "Выдан"},
        {"    Товар", "брус"},
        {"    Товар", "пиломатериалы"},
    };
    const auto& rows = ws.tdm.SearchConditionRows();
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].optionName, expected[i].optionName) << i;
        EXPECT_EQ(rows[i].value, expected[i].value) << i;
    }

    // Every search starts the list afresh; the status row stays while the list shows a text.
    ASSERT_TRUE(Run(SearchConditions{}));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].optionName, "    Статус");
    EXPECT_EQ(rows[3].value, "нет данных");
    SearchConditions noStatus;
    noStatus.statusName.clear();
    ASSERT_TRUE(Run(noStatus));
    EXPECT_EQ(rows.size(), 3u);
}

TEST_F(Search, RegisterShowsTheFoundDocumentsNewestFirst) {
    Add({.id = 1, .goods = {"Брус"}, .lastDate = kToday - 2});
    Add({.id = 2, .goods = {"Пиломатериалы", "Брус клеёный"}, .lastDate = kToday - 1});
    Add({.id = 3, .goods = {"Доска"}, .lastDate = kToday});
    SearchConditions c;
    c.goods = {"брус"};
    ASSERT_TRUE(Run(c));
    RegisterQuery& query = ws.tdm.ASQM();
    EXPECT_EQ(query.Sql(), "select * from mcod where pFilter = \"TRUE\" order by LastDate desc");
    ASSERT_EQ(query.RowCount(), 2);
    EXPECT_EQ(query.IdAt(0), 2);
    EXPECT_EQ(query.IdAt(1), 1);
    EXPECT_EQ(query.CurrentIndex(), 0);
    EXPECT_EQ(query.CurrentGoods().size(), 2u);  // the first row's goods lines are shown
    EXPECT_EQ(Marks(), (std::vector<std::string>{"TRUE", "TRUE", "FALSE"}));

    // "Список" brings every document back.
    RestoreRegister(ws.tdm);
    EXPECT_EQ(query.RowCount(), 3);
    EXPECT_EQ(Marks(), (std::vector<std::string>{"TRUE", "TRUE", "TRUE"}));
}

TEST_F(Search, SecondSearchDoesNotKeepTheMarksOfTheFirst) {
    Add({.id = 1, .goods = {"Брус"}});
    Add({.id = 2, .goods = {"Доска"}});
    SearchConditions brus;
    brus.goods = {"брус"};
    ASSERT_TRUE(RunSearch(ws.tdm, brus));
    SearchConditions board;
    board.goods = {"доска"};
    const auto second = RunSearch(ws.tdm, board);  // without "Список" in between
    ASSERT_TRUE(second);
    EXPECT_EQ(second->found, 1);
    EXPECT_EQ(Marks(), (std::vector<std::string>{"FALSE", "TRUE"}));
}

TEST_F(Search, OtherUsersFindOnlyTheirOwnDocumentsWhateverTheirName) {
    const std::string name = "Ведров \"Ким\"";
    Add({.id = 1, .status = 7, .expert = name});
    Add({.id = 2, .status = 6, .expert = name});
    Add({.id = 3, .status = 9, .expert = name});  // outside the start-up filter
    Add({.id = 4, .status = 7, .expert = "Петров"});
    Add({.id = 5, .status = 7, .expert = "Ведров"});  // a name contained in his
    LogIn(2, name);
    // The filter the start-up gives a user other than the administrator.
    ws.session.registerFilter = RegisterFilter::OwnIssuedAndProjects(name);
    ws.tdm.ASQM().SetFilter(ws.session.registerFilter);
    ws.tdm.ASQM().Open();

    SearchConditions c = InitialSearchConditions(ws.tdm);
    EXPECT_EQ(c.expert, name);
    c.expert = "Петров";  // the dialog locks the field; the search keeps his own name anyway
    const auto result = Run(c);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->total, 1);
    EXPECT_EQ(result->found, 2);
    RegisterQuery& query = ws.tdm.ASQM();
    ASSERT_EQ(query.RowCount(), 2);
    for (int i = 0; i < query.RowCount(); ++i) EXPECT_EQ(query.RowAt(i).record.expert, name);
    EXPECT_EQ(ws.session.registerFilter.Text(), "Expert=\"" + name + "\" and (status = 7 or status = 6)");
    EXPECT_EQ(ws.tdm.SearchConditionRows().back().value, "нет данных");
    EXPECT_EQ(Marks(), (std::vector<std::string>{"TRUE", "TRUE", "TRUE", "TRUE", "TRUE"}));

    c.goods = {"нет такого"};
    ASSERT_TRUE(Run(c));
    // Only his documents were marked; the others are outside his register.
    EXPECT_EQ(Marks(), (std::vector<std::string>{"FALSE", "FALSE", "TRUE", "TRUE", "TRUE"}));
}

TEST_F(Search, FailureLeavesRegisterAndMarksAsTheyWere) {
    for (int id = 1; id <= 4; ++id) Add({.id = id, .goods = {id == 4 ? "Брус" : "Доска"}});
    RegisterQuery& query = ws.tdm.ASQM();
    query.SortByColumn("PaperNo");
    ws.tdm.SearchConditionRows() = {{"прежние условия", ""}};
    // The second unmatched document cannot be marked: the first mark must not stay either.
    ws.tdm.Db().Exec(
        "CREATE TRIGGER refuse BEFORE UPDATE ON mcod WHEN new.id = 2 BEGIN SELECT RAISE(ABORT, 'refused'); END");
    SearchConditions brus;
    brus.goods = {"брус"};
    SearchConditions unknownStatus;
    unknownStatus.statusName = "Утерян";
    for (const auto& c : {brus, unknownStatus}) {
        ws.sink.events.clear();
        EXPECT_FALSE(RunSearch(ws.tdm, c));
        const auto reports = ws.sink.WithId(event::kUnexpectedFailure);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_TRUE(reports[0].strings.at(0).ends_with("SearchForm.TfSearch.aOkExecute")) << reports[0].strings[0];
        EXPECT_EQ(query.Sql(), "select * from mcod order by PaperNo");
        EXPECT_EQ(query.RowCount(), 4);
        EXPECT_EQ(Marks(), (std::vector<std::string>{"TRUE", "TRUE", "TRUE", "TRUE"}));
        EXPECT_EQ(ws.tdm.SearchConditionRows().size(), 1u);
    }
}

struct WildcardCase {
    const char* pattern;
    const char* value;
    bool matches;
};

TEST(WildcardMatch, WholeValueWithOneAndAnyCharacters) {
    for (const auto& c : {
             WildcardCase{"", "", true},  // an empty pattern is "*"
             WildcardCase{"", "что угодно", true},
             WildcardCase{"?", "a", true},
             WildcardCase{"?", "", false},
             WildcardCase{"?", "ab", false},
             WildcardCase{"??", "Жё", true},  // one Cyrillic letter is one character
             WildcardCase{"*", "", true},
             WildcardCase{"**", "abc", true},
             WildcardCase{"*?", "", false},
             WildcardCase{"a*", "abc", true},
             WildcardCase{"*c", "abc", true},
             WildcardCase{"a*c", "ac", true},
             WildcardCase{"a*c", "acb", false},
             WildcardCase{"*a*b", "aXbYb", true},  // the star must give back what it took
             WildcardCase{"12????", "123456", true},
             WildcardCase{"12????", "12345", false},
             WildcardCase{"12????", "1234567", false},  // the whole value must match
             WildcardCase{"12????", "212345", false},
             WildcardCase{"000012?", "0000125", true},
             WildcardCase{"лес", "Лес", false},  // letter case counts here
         }) {
        EXPECT_EQ(WildcardMatch(c.pattern, c.value), c.matches) << c.pattern << " ~ " << c.value;
    }
}

TEST(WildcardMatch, ContainingIgnoresLetterCaseOfLatinAndCyrillic) {
    for (const auto& c : {
             WildcardCase{"лес", "ООО \"СЕВЕРНЫЙ ЛЕС\"", true},
             WildcardCase{"ЁЛКА", "ёлка новогодняя", true},
             WildcardCase{"ЇЖАК", "їжак", true},  // letters U+0400–U+040F
             WildcardCase{"Abc", "xaBCx", true},
             WildcardCase{"а?в", "АБВ", true},
             WildcardCase{"а*в", "А Б В", true},
             WildcardCase{"abc", "ab", false},
             WildcardCase{"e", "е", false},  // Latin e is not Cyrillic е
             WildcardCase{"", "что угодно", true},
         }) {
        EXPECT_EQ(ContainsMatch(c.pattern, c.value), c.matches) << c.pattern << " in " << c.value;
    }
}

}  // namespace
}  // namespace vd
