#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Workstation.h"
#include "core/EventIds.h"
#include "documents/ContragentDictionary.h"
#include "documents/DictionarySearch.h"
#include "documents/PhraseDictionary.h"

namespace vd {
namespace {

using test::FakeUi;
using test::Workstation;
using ::testing::HasSubstr;

class Dictionary : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ws.OpenDatabase());
        ws.ui.messages.clear();  // the new-database notice
    }

    // The texts of one type in storage order.
    std::vector<std::string> StoredPhrases(int stype) {
        Statement query(ws.tdm.Db(), "select name from Phrase where stype = :stype order by rowid");
        query.BindInt(":stype", stype);
        std::vector<std::string> names;
        while (query.Step()) names.push_back(query.ColumnBlobText(0));
        return names;
    }

    std::vector<Contragent> StoredContragents() {
        Statement query(ws.tdm.Db(), "select nameT, nameB from Contragent order by rowid");
        std::vector<Contragent> rows;
        while (query.Step()) rows.push_back({query.ColumnBlobText(0), query.ColumnBlobText(1)});
        return rows;
    }

    // A pair written around the dictionary, as another tool or an older import may have left it.
    void InsertRawContragent(std::string_view name, std::string_view address) {
        Transaction transaction(ws.tdm.Db());
        Statement insert(ws.tdm.Db(),
                         "INSERT INTO Contragent (nameT,nameB) VALUES (:nameT,:nameB);");
        insert.BindBlobText(":nameT", name);
        insert.BindBlobText(":nameB", address);
        insert.Execute();
        transaction.Commit();
    }

    void Refuse(std::string_view table) {
        ws.tdm.Db().Exec("create trigger refuse before insert on " + std::string(table) +
                         " begin select raise(abort, 'refused'); end");
    }

    Workstation ws;
};

// A message box as the user saw it; every dictionary box has the application's title and OK.
struct Box {
    MessageKind kind;
    std::string text;
    bool operator==(const Box&) const = default;
};

std::vector<Box> BoxesShown(const FakeUi& ui) {
    std::vector<Box> shown;
    for (const auto& m : ui.messages) {
        EXPECT_EQ(m.caption, "Radevaredu VI") << m.text;
        EXPECT_EQ(m.buttons, Buttons::Ok) << m.text;
        shown.push_back({m.kind, m.text});
    }
    return shown;
}

void PrintTo(const Box& s, std::ostream* os) {
    *os << "{" << static_cast<int>(s.kind) << ", " << testing::PrintToString(s.text) << "}";
}

TEST_F(Dictionary, SamePhraseTwiceKeepsOneRowAndTheSecondAddSaysSo) {
    AddPhraseFromEditor(ws.tdm, phrase::kGoods, "Станок токарный");
    AddPhraseFromEditor(ws.tdm, phrase::kGoods, "Станок токарный");
    EXPECT_EQ(StoredPhrases(phrase::kGoods), std::vector<std::string>{"Станок токарный"});
    EXPECT_EQ(BoxesShown(ws.ui),
              (std::vector<Box>{{MessageKind::Information, "Добавлено значение\n\rСтанок токарный"},
                                {MessageKind::Warning, "Такая информация уже есть"}}));
    EXPECT_EQ(SavePhrase(ws.tdm, phrase::kGoods, "Станок токарный"), SavePhraseResult::Exists);
    // Equality is exact: another letter case is another phrase.
    EXPECT_EQ(SavePhrase(ws.tdm, phrase::kGoods, "станок токарный"), SavePhraseResult::Added);
}

TEST_F(Dictionary, EditorNamesTheOutcomeByType) {
    struct Case {
        int stype;
        const char* shown;
    };
    for (const auto& c : {Case{phrase::kServiceNotes, "Добавлено значение\n\rОтметка"},
                          Case{phrase::kGoods, "Добавлено значение\n\rОтметка"},
                          Case{phrase::kPackaging, "Добавлено значение\n\rОтметка"},
                          Case{phrase::kDeclarantName, "Установлено значение\n\rОтметка"},
                          Case{phrase::kCertifierName, "Установлено значение\n\rОтметка"}}) {
        ws.ui.messages.clear();
        AddPhraseFromEditor(ws.tdm, c.stype, "Отметка");
        EXPECT_EQ(BoxesShown(ws.ui), (std::vector<Box>{{MessageKind::Information, c.shown}}))
            << c.stype;
    }
}

TEST_F(Dictionary, TypesAboveFortyHoldOnlyTheLastValue) {
    struct Case {
        int stype;
        std::vector<std::string> kept;
    };
    for (const auto& c :
         {Case{phrase::kDeclarantName, {"Ким А."}}, Case{phrase::kCertifierName, {"Ким А."}},
          Case{41, {"Ким А."}}, Case{40, {"Ведров К.А.", "Ким А."}},
          Case{phrase::kGoods, {"Ведров К.А.", "Ким А."}}}) {
        EXPECT_EQ(SavePhrase(ws.tdm, c.stype, "Ведров К.А."), SavePhraseResult::Added);
        EXPECT_EQ(SavePhrase(ws.tdm, c.stype, "Ким А."), SavePhraseResult::Added);
        EXPECT_EQ(StoredPhrases(c.stype), c.kept) << c.stype;
    }
    EXPECT_EQ(ReadPhrase(ws.tdm, phrase::kDeclarantName), "Ким А.");
    // Other types are untouched by the replacement.
    EXPECT_EQ(StoredPhrases(phrase::kServiceNotes).size(), 4u);
}

TEST_F(Dictionary, ReadPhraseGivesTheStoredTextOrNothing) {
    EXPECT_EQ(ReadPhrase(ws.tdm, phrase::kReportHeading), "");
    ASSERT_EQ(SavePhrase(ws.tdm, phrase::kReportHeading, "Тверская ТПП\r\nотдел экспертиз"),
              SavePhraseResult::Added);
    EXPECT_EQ(ReadPhrase(ws.tdm, phrase::kReportHeading), "Тверская ТПП\r\nотдел экспертиз");
    EXPECT_TRUE(ws.sink.events.empty());

    ws.tdm.CloseALL(true);
    EXPECT_EQ(ReadPhrase(ws.tdm, phrase::kReportHeading), "");
    const auto warnings = ws.sink.WithId(event::kStoredValueFailed);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].type, EventType::Warning);
    EXPECT_EQ(warnings[0].category, EventCategory::Settings);
    ASSERT_EQ(warnings[0].strings.size(), 2u);
    EXPECT_EQ(warnings[0].strings[0], "function uDataVD.TDM.ReadPhrase");
    EXPECT_FALSE(warnings[0].strings[1].empty());
}

TEST_F(Dictionary, FailedSaveRollsTheDeleteBackAndLeavesAnEvent) {
    ASSERT_EQ(SavePhrase(ws.tdm, phrase::kDeclarantName, "Ведров К.А."), SavePhraseResult::Added);
    // The insert fails after the delete of the old default has run in the same transaction.
    Refuse("Phrase");
    EXPECT_EQ(SavePhrase(ws.tdm, phrase::kDeclarantName, "Ким А."), SavePhraseResult::Failed);
    EXPECT_EQ(StoredPhrases(phrase::kDeclarantName), std::vector<std::string>{"Ведров К.А."});
    const auto warnings = ws.sink.WithId(0x40000653);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].type, EventType::Warning);
    EXPECT_EQ(warnings[0].category, EventCategory::Settings);
    ASSERT_EQ(warnings[0].strings.size(), 2u);
    EXPECT_EQ(warnings[0].strings[0], "function uDataVD.TDM.SavePhrase");
    EXPECT_THAT(warnings[0].strings[1], HasSubstr("refused"));

    AddPhraseFromEditor(ws.tdm, phrase::kPackaging, "Мешок");
    EXPECT_EQ(BoxesShown(ws.ui), (std::vector<Box>{{MessageKind::Error, "Произошла ошибка"}}));

    // No transaction was left open: the next save works.
    ws.tdm.Db().Exec("drop trigger refuse");
    EXPECT_EQ(SavePhrase(ws.tdm, phrase::kDeclarantName, "Ким А."), SavePhraseResult::Added);
    EXPECT_EQ(StoredPhrases(phrase::kDeclarantName), std::vector<std::string>{"Ким А."});
}

TEST_F(Dictionary, PhraseWindowListsOneTypeByNameAndDeletesWithoutTouchingOthers) {
    for (const char* name : {"Ящик", "Бочка", "Короб"}) SavePhrase(ws.tdm, phrase::kGoods, name);
    SavePhrase(ws.tdm, phrase::kDetails, "Бочка");
    // Stored blobs compare as UTF-16LE bytes; for these capitals that is the alphabet.
    EXPECT_EQ(ListPhrases(ws.tdm, phrase::kGoods),
              (std::vector<std::string>{"Бочка", "Короб", "Ящик"}));
    EXPECT_EQ(ListPhrases(ws.tdm, phrase::kServiceNotes).size(), 4u);
    EXPECT_TRUE(ListPhrases(ws.tdm, phrase::kTransport).empty());

    EXPECT_TRUE(DeletePhrase(ws.tdm, phrase::kGoods, "Бочка"));
    EXPECT_EQ(ListPhrases(ws.tdm, phrase::kGoods), (std::vector<std::string>{"Короб", "Ящик"}));
    EXPECT_EQ(ListPhrases(ws.tdm, phrase::kDetails), std::vector<std::string>{"Бочка"});

    ws.tdm.CloseALL(true);
    EXPECT_FALSE(DeletePhrase(ws.tdm, phrase::kGoods, "Короб"));
    EXPECT_TRUE(ws.ui.messages.empty());
    EXPECT_THROW(ListPhrases(ws.tdm, phrase::kGoods), DatabaseError);
}

TEST(PhraseTypeName, NamesTheKnownTypes) {
    struct Case {
        int stype;
        const char* name;
    };
    for (const auto& c :
         {Case{3, "Транспорт"}, Case{5, "Служебные отметки"}, Case{6, "Детали"}, Case{8, "Товары"},
          Case{9, "Упаковка"}, Case{10, "Единицы измерения"}, Case{20, "Страны"}, Case{0, "none ?"},
          Case{42, "none ?"}, Case{43, "none ?"}, Case{7, "none ?"}}) {
        EXPECT_EQ(PhraseTypeName(c.stype), c.name) << c.stype;
    }
}

TEST_F(Dictionary, StoringAPairReplacesAnEqualPair) {
    EXPECT_TRUE(StoreContragent(ws.tdm, "ООО \"Ромашка\"", "г. Тверь"));
    EXPECT_TRUE(StoreContragent(ws.tdm, "ООО \"Ромашка\"", "г. Тверь"));
    EXPECT_TRUE(StoreContragent(ws.tdm, "ООО \"Ромашка\"", "г. Клин"));
    EXPECT_TRUE(StoreContragent(ws.tdm, "", ""));
    EXPECT_EQ(StoredContragents(),
              (std::vector<Contragent>{
                  {"ООО \"Ромашка\"", "г. Тверь"}, {"ООО \"Ромашка\"", "г. Клин"}, {"", ""}}));
    EXPECT_EQ(ListContragents(ws.tdm).front(), (Contragent{"", ""}));
}

TEST_F(Dictionary, DeletingAPairRemovesEveryCopyOfIt) {
    InsertRawContragent("АО \"Берёза\"", "г. Тула");
    InsertRawContragent("АО \"Берёза\"", "г. Тула");
    InsertRawContragent("АО \"Берёза\"", "г. Орёл");
    InsertRawContragent("ЗАО \"Берёза\"", "г. Тула");
    EXPECT_TRUE(DeleteContragent(ws.tdm, "АО \"Берёза\"", "г. Тула"));
    EXPECT_EQ(StoredContragents(), (std::vector<Contragent>{{"АО \"Берёза\"", "г. Орёл"},
                                                            {"ЗАО \"Берёза\"", "г. Тула"}}));

    Refuse("Contragent");
    EXPECT_FALSE(StoreContragent(ws.tdm, "ЗАО \"Берёза\"", "г. Тула"));
    // The delete that ran before the refused insert is undone.
    EXPECT_EQ(StoredContragents().size(), 2u);
    EXPECT_TRUE(ws.ui.messages.empty());
}

TEST_F(Dictionary, EditorAddsACounterpartyOnceAndTellsTheUser) {
    AddContragentFromEditor(ws.tdm, "ООО \"Ромашка\"", "г. Тверь,\r\nул. Лесная, 1");
    AddContragentFromEditor(ws.tdm, "ООО \"Ромашка\"", "г. Тверь,\r\nул. Лесная, 1");
    EXPECT_EQ(StoredContragents(),
              (std::vector<Contragent>{{"ООО \"Ромашка\"", "г. Тверь,\r\nул. Лесная, 1"}}));
    EXPECT_EQ(
        BoxesShown(ws.ui),
        (std::vector<Box>{{MessageKind::Information,
                           "Добавлено значение\n\rООО \"Ромашка\"\n\rг. Тверь,\r\nул. Лесная, 1"},
                          {MessageKind::Warning, "Такая информация в справочнике уже есть"}}));
    EXPECT_TRUE(ws.sink.events.empty());
}

TEST_F(Dictionary, EditorReportsAFailedCounterpartyAdd) {
    Refuse("Contragent");
    AddContragentFromEditor(ws.tdm, "ИП Ёлкин", "г. Клин");
    EXPECT_TRUE(StoredContragents().empty());
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ws.ui.messages[0].caption, "Radevaredu VI");
    EXPECT_THAT(ws.ui.messages[0].text, ::testing::StartsWith("Ошибка \n\r"));
    EXPECT_THAT(ws.ui.messages[0].text, HasSubstr("refused"));
    const auto reports = ws.sink.WithId(event::kUnexpectedFailure);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_THAT(reports[0].strings.at(0), HasSubstr("uFormEdit.TFormEdit.p1addClick"));
    EXPECT_EQ("Ошибка \n\r" + reports[0].strings.at(1), ws.ui.messages[0].text);
}

TEST_F(Dictionary, TextsAreStoredAsUtf16Blobs) {
    SavePhrase(ws.tdm, phrase::kGoods, "Я");
    StoreContragent(ws.tdm, "Я", "A");
    Statement phrase(ws.tdm.Db(),
                     "select typeof(stype), typeof(name), hex(name) from Phrase where stype = 8");
    ASSERT_TRUE(phrase.Step());
    EXPECT_EQ(phrase.ColumnText(0), "integer");
    EXPECT_EQ(phrase.ColumnText(1), "blob");
    EXPECT_EQ(phrase.ColumnText(2), "2F04");
    Statement contragent(
        ws.tdm.Db(), "select typeof(nameT), typeof(nameB), hex(nameT), hex(nameB) from Contragent");
    ASSERT_TRUE(contragent.Step());
    EXPECT_EQ(contragent.ColumnText(0), "blob");
    EXPECT_EQ(contragent.ColumnText(1), "blob");
    EXPECT_EQ(contragent.ColumnText(2), "2F04");
    EXPECT_EQ(contragent.ColumnText(3), "4100");
}

TEST(FindRow, FirstRowFromTheTopIgnoringCase) {
    const std::vector<std::string> names = {"ТД ООО-Сервис", "ооо \"Альфа\"", "ООО \"Бета\"",
                                            "АО \"Берёза\"", "ИП Ёлкин",      "Zeta Ltd"};
    struct Case {
        const char* text;
        bool fromStart;
        std::optional<std::size_t> row;
    };
    for (const auto& c :
         {Case{"ооо", true, 1}, Case{"ооо", false, 0}, Case{"ООО \"б", true, 2},
          Case{"БЕРЁЗА", false, 3}, Case{"ёлкин", false, 4}, Case{"ёлкин", true, std::nullopt},
          Case{"zeta l", true, 5}, Case{"LTD", false, 5}, Case{"нет такого", false, std::nullopt},
          Case{"нет такого", true, std::nullopt}, Case{"", true, 0}}) {
        EXPECT_EQ(FindRow(names, c.text, c.fromStart), c.row)
            << c.text << (c.fromStart ? " from start" : " anywhere");
    }
    EXPECT_EQ(FindRow({}, "ооо", true), std::nullopt);
}

TEST_F(Dictionary, TypingFindsTheRowOfTheListedCounterparty) {
    for (const auto& [name, address] :
         {std::pair{"Ведров и партнёры", "г. Тверь"}, std::pair{"ООО \"Бета\"", "г. Клин"},
          std::pair{"ооо \"Альфа\"", "г. Тула"}, std::pair{"АО \"Гамма\"", "г. Орёл"}}) {
        ASSERT_TRUE(StoreContragent(ws.tdm, name, address));
    }
    const auto listed = ListContragents(ws.tdm);
    std::vector<std::string> names;
    for (const auto& c : listed) names.push_back(c.name);
    const auto row = FindRow(names, "ооо", true);
    ASSERT_TRUE(row.has_value());
    EXPECT_THAT(listed[*row].name, ::testing::StartsWith("ООО"));
    // Stored names sort by their UTF-16 code units: capitals before small letters.
    EXPECT_EQ(*row, 2u);
    EXPECT_EQ(FindRow(names, "ЗАО", true), std::nullopt);
}

}  // namespace
}  // namespace vd
