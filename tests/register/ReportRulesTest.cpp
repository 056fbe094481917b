#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DocumentFixture.h"
#include "core/EventIds.h"
#include "register/FontSizes.h"
#include "register/PrintRules.h"
#include "register/RegisterQuery.h"
#include "register/ReportObjects.h"
#include "register/ViewZoom.h"

namespace vd {
namespace {

TEST(FontSizes, StoredSizesOutsideOneToTenApplyAsTen) {
    const std::pair<int, int> cases[] = {{0, 10}, {-3, 10}, {1, 1}, {3, 3}, {6, 6}, {10, 10}, {11, 10}, {12, 10}, {200, 10}};
    for (const auto& [stored, applied] : cases) EXPECT_EQ(SizeToApply(stored), applied) << stored;
}

TEST(FontSizes, MenuMarks) {
    const FontField& automatic = FontFieldNumber(3);
    const FontField& plain = FontFieldNumber(6);
    for (int size = 6; size <= 10; ++size) {
        EXPECT_EQ(MarkForSize(automatic, size), SizeChoice::Fixed(size));
        EXPECT_EQ(MarkForSize(plain, size), SizeChoice::Fixed(size));
    }
    for (int size = 1; size <= 5; ++size) {
        EXPECT_EQ(MarkForSize(automatic, size), SizeChoice::Automatic()) << size;
        EXPECT_EQ(MarkForSize(plain, size), std::nullopt) << size;
    }
    EXPECT_EQ(ChoiceCaption(SizeChoice::Automatic()), "Автоматически");
    EXPECT_EQ(ChoiceCaption(SizeChoice::Fixed(8)), "8");
}

TEST(FontSizes, TheFieldsAndTheirObjects) {
    std::vector<std::string_view> stored;
    std::set<int> automatic;
    for (const FontField& field : FontFields()) {
        stored.push_back(field.storedFrom);
        if (field.automatic) automatic.insert(field.number);
        const auto objects = field.Objects();
        EXPECT_NE(std::find(objects.begin(), objects.end(), field.storedFrom), objects.end()) << field.number;
    }
    EXPECT_EQ(stored, (std::vector<std::string_view>{"dMemo1", "dMemo8", "dMemo4", "gMemo1", "gMemo2", "gMemo3", "gMemo4",
                                                      "gMemo6", "dMemo13", "dMemo15"}));
    EXPECT_EQ(automatic, (std::set<int>{1, 2, 3, 9, 10}));
    EXPECT_EQ(FontFieldNumber(1).Objects(), (std::vector<std::string_view>{"dMemo1", "dMemo2"}));
    EXPECT_EQ(FontFieldNumber(10).Objects(),
              (std::vector<std::string_view>{"dMemo9", "dMemo7", "dMemo10", "dMemo12", "dMemo15"}));
    EXPECT_EQ(FontFieldNumber(1).menuEntry, "Поле 01");
    EXPECT_FALSE(FontFieldNumber(2).enabled);
    EXPECT_FALSE(FontFieldNumber(2).applied);
    EXPECT_THROW(FontFieldNumber(11), std::out_of_range);
}

TEST(FontSizes, OnlyAViewedProjectWithAutoFitIsFitted) {
    struct Case {
        int status;
        bool option, forPrinting, fits;
    };
    for (const Case& c : {Case{6, true, false, true}, Case{6, false, false, false}, Case{6, true, true, false},
                          Case{12, true, false, false}, Case{7, true, false, false}}) {
        EXPECT_EQ(FitsAutomatically(c.status, c.option, c.forPrinting), c.fits) << c.status << c.option << c.forPrinting;
    }
    for (int status = 5; status <= 13; ++status) EXPECT_EQ(CanSaveSizes(status), status == 6 || status == 12) << status;
}

TEST(FontSizes, FittingTakesTheLargestSizeThatFitsOrSix) {
    for (int limit = 6; limit <= 10; ++limit) {
        std::vector<int> tried;
        const int size = LargestFittingSize([&](int s) {
            tried.push_back(s);
            return s <= limit;
        });
        EXPECT_EQ(size, limit);
        EXPECT_EQ(tried.front(), 10);  // from the largest down
    }
    EXPECT_EQ(LargestFittingSize([](int) { return false; }), 6);
}

TEST(FontSizes, ThePrintCheckComparesEveryAppliedFieldButTheSecond) {
    const std::vector<int> applied{9, 12, 8, 10, 10, 10, 10, 10, 7, 6};
    std::map<std::string_view, int> sizes{{"dMemo1", 9},  {"dMemo8", 3},  {"dMemo4", 8},  {"gMemo1", 10}, {"gMemo2", 10},
                                          {"gMemo3", 10}, {"gMemo4", 10}, {"gMemo6", 10}, {"dMemo13", 7}, {"dMemo15", 6}};
    const auto sizeOf = [&](std::string_view name) -> std::optional<int> {
        const auto it = sizes.find(name);
        return it == sizes.end() ? std::nullopt : std::optional(it->second);
    };
    EXPECT_NO_THROW(VerifyAppliedSizes(applied, sizeOf));
    EXPECT_NO_THROW(VerifyAppliedSizes({}, sizeOf));  // nothing applied yet: nothing to compare
    for (const std::string_view name : {"dMemo1", "dMemo4", "gMemo1", "gMemo4", "gMemo6", "dMemo13", "dMemo15"}) {
        const int kept = sizes[name];
        sizes[name] = kept - 1;
        EXPECT_THROW(VerifyAppliedSizes(applied, sizeOf), std::runtime_error) << name;
        sizes.erase(name);
        try {
            VerifyAppliedSizes(applied, sizeOf);
            ADD_FAILURE() << name << " missing passed";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "пропал размер шрифта (PrintReport)");
        }
        sizes[name] = kept;
    }
}

TEST(ReportObjects, VisibilityOfEachPrintMode) {
    const std::set<std::string> present{"obj_1", "obj_2", "obj_3", "obj_5", "dMemo0", "dMemo1", "dMemo2", "dMemo8",
                                        "dMemo11", "dMemo12", "dMemo13", "dMemo14", "pMemo1", "gMemo1", "gMemo2"};
    const auto exists = [&](std::string_view name) { return present.count(std::string(name)) > 0; };
    const auto finalVisibility = [&](CertMode mode) {
        std::map<std::string, bool> visible;
        for (const auto& [name, shown] : CertVisibility(mode, exists)) visible[name] = shown;
        return visible;
    };
    const std::map<std::string, bool> view = finalVisibility(CertMode::View);
    const std::map<std::string, bool> blank = finalVisibility(CertMode::Blank);
    const std::map<std::string, bool> imprint = finalVisibility(CertMode::Imprint);
    // Numbering stops at the first gap: obj_5 is never reached after obj_4 is missing, nor dMemo8
    // by the numbered run (it is set by name).
    const std::set<std::string> reached{"obj_1", "obj_2", "obj_3", "dMemo0", "dMemo1", "dMemo2", "pMemo1", "gMemo1",
                                        "gMemo2", "dMemo8", "dMemo11", "dMemo12", "dMemo13", "dMemo14"};
    for (const auto* modes : {&view, &blank, &imprint}) {
        std::set<std::string> names;
        for (const auto& [name, shown] : *modes) names.insert(name);
        EXPECT_EQ(names, reached);
    }
    for (const auto& [name, shown] : view) EXPECT_TRUE(shown) << name;
    for (const char* name : {"obj_1", "obj_3", "dMemo0"}) {
        EXPECT_FALSE(blank.at(name)) << name;
        EXPECT_FALSE(imprint.at(name)) << name;
    }
    for (const char* name : {"dMemo1", "dMemo2", "pMemo1", "gMemo1", "gMemo2"}) {
        EXPECT_TRUE(blank.at(name)) << name;
        EXPECT_FALSE(imprint.at(name)) << name;
    }
    for (const char* name : {"dMemo8", "dMemo11", "dMemo12", "dMemo13", "dMemo14"}) {
        EXPECT_TRUE(blank.at(name)) << name;
        EXPECT_TRUE(imprint.at(name)) << name;
    }
    EXPECT_EQ(TextOfObjExpression(13), "[GetTextOfObj(13);]");
}

TEST(PrintRules, HintLinesEventsAndJobNames) {
    EXPECT_EQ(ModeHintLine(PrintMode::Copy, false, 12), "Вставьте в принтер чистый лист бумаги");
    EXPECT_EQ(ModeHintLine(PrintMode::Blank, true, 12), "Вставьте в принтер бланк с номером 0000012");
    EXPECT_EQ(ModeHintLine(PrintMode::Imprint, true, 1234567), "Вставьте в принтер бланк с номером 1234567");
    EXPECT_EQ(ModeHintLine(PrintMode::Blank, false, 12), "Печать невозможна - заключение недействительно");
    EXPECT_EQ(ModeHintLine(PrintMode::Imprint, false, 12), "Печать невозможна - заключение недействительно");

    EXPECT_EQ(PrintEventId(PrintMode::Copy, 7), 0x40007350u);
    for (const int status : {6, 8, 9, 10, 11, 12}) EXPECT_EQ(PrintEventId(PrintMode::Copy, status), 0x40007352u) << status;
    EXPECT_EQ(PrintEventId(PrintMode::Blank, 7), 0x40007351u);
    EXPECT_EQ(PrintEventId(PrintMode::Imprint, 10), 0x40007351u);

    EXPECT_EQ(PrintJobName(PrintMode::Blank, "6007000001", "Заключение"), "Radevaredu VI: 6007000001");
    EXPECT_EQ(PrintJobName(PrintMode::Imprint, "6007000001", "Заключение"), "Radevaredu VI: 6007000001");
    EXPECT_EQ(PrintJobName(PrintMode::Copy, "6007000001", "Заключение"), "Заключение (копия)");

    EXPECT_TRUE(PrintAllowed(PrintMode::Copy, false));
    EXPECT_FALSE(PrintAllowed(PrintMode::Blank, false));
    EXPECT_TRUE(PrintAllowed(PrintMode::Imprint, true));
    EXPECT_EQ(CertModeFor(PrintMode::Imprint), CertMode::Imprint);
}

TEST(PrintRules, WhatTheCopiesAndOffsetEditsMakeOfATypedText) {
    const std::pair<const char*, const char*> copies[] = {{"", "1"},    {"abc", "1"}, {"0", "1"},  {"1", "1"},
                                                          {"42", "42"}, {"99", "99"}, {"100", "99"}, {"999", "99"}};
    for (const auto& [typed, shown] : copies) EXPECT_EQ(CopiesText(typed), shown) << typed;
    EXPECT_EQ(CopiesValue("7"), 7);
    const std::pair<const char*, const char*> offsets[] = {{"", "0"},    {"-", "-1"},  {"x", "0"},  {"55", "40"},
                                                           {"-55", "-40"}, {"40", "40"}, {"-7", "-7"}, {"3-", "0"}};
    for (const auto& [typed, shown] : offsets) EXPECT_EQ(OffsetText(typed), shown) << typed;
}

TEST(PrintRules, SevenAttemptsAtMost) {
    int calls = 0;
    std::vector<int> failed;
    EXPECT_NO_THROW(RunPrintAttempts(
        [&](int attempt) {
            ++calls;
            if (attempt < 3) throw std::runtime_error("занят");
        },
        [&](int attempt, const std::exception&) { failed.push_back(attempt); }));
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(failed, (std::vector<int>{1, 2}));

    calls = 0;
    try {
        RunPrintAttempts([&](int) {
            ++calls;
            throw std::runtime_error("занят");
        });
        ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "сбой шрифта при печати");
    }
    EXPECT_EQ(calls, 7);
}

TEST(ViewZoom, StepsStopAtTheirLimitsAndEntriesGiveTheirFactors) {
    EXPECT_DOUBLE_EQ(ZoomIn(1), 1.25);
    EXPECT_DOUBLE_EQ(ZoomIn(3.2), 4.0);
    EXPECT_DOUBLE_EQ(ZoomIn(ZoomIn(3.2)), 4.0);
    EXPECT_DOUBLE_EQ(ZoomOut(1), 0.8);
    EXPECT_DOUBLE_EQ(ZoomOut(0.3), 0.24);
    EXPECT_DOUBLE_EQ(ZoomOut(ZoomOut(0.3)), 0.24);
    const std::pair<std::string_view, std::optional<double>> entries[] = {
        {"200", 2.0},  {"150", 1.5},   {"100", 1.0},   {"75", 0.75},
        {"50", 0.5},   {"25", 0.25},   {"10", 0.1},    {"9", std::nullopt},
        {"201", std::nullopt}, {"много", std::nullopt},
        {"По ширине страницы", -1.0}, {"Страница целиком", -2.0}};
    for (const auto& [entry, zoom] : entries) EXPECT_EQ(ZoomOfEntry(entry), zoom) << entry;
    for (const std::string_view entry : kZoomEntries) EXPECT_TRUE(ZoomOfEntry(entry).has_value()) << entry;
}

class PrintRulesOnRegister : public test::DocumentFixture {};

TEST_F(PrintRulesOnRegister, ReadOnlyViewHoldsForTheIssuedFamilyOnly) {
    for (int status = 6; status <= 12; ++status) InsertRow(status, status, status, 100 + status);
    ws.tdm.Db().Exec("insert into mcod (id, status, PaperNo, ReferenceNo, DateIssued, LastDate, Expert) "
                     "values (20, 15, 1, '6007000020', 1, 1, 'Ведров')");
    ws.tdm.ASQM().Open();
    const std::map<int, bool> expected{{6, false}, {7, true},  {8, false}, {9, false},
                                       {10, true}, {11, true}, {12, false}, {15, false}};
    for (const auto& [status, readOnly] : expected) {
        ASSERT_TRUE(ws.tdm.ASQM().LocateId(status == 15 ? 20 : status)) << status;
        EXPECT_EQ(ReadOnlyViewFor(ws.tdm), readOnly) << status;
    }
    // A duplicate being prepared is not printed on a blank yet.
    ws.tdm.ASQM().LocateId(10);
    ws.session.duplicatePending = true;
    EXPECT_FALSE(ReadOnlyViewFor(ws.tdm));
    EXPECT_TRUE(BlankModesEnabled(ws.session));
    ws.session.stopFlag = true;
    ws.session.duplicatePending = false;
    ws.tdm.ASQM().LocateId(7);
    EXPECT_FALSE(ReadOnlyViewFor(ws.tdm));
}

TEST_F(PrintRulesOnRegister, OffsetsAreStoredAtOnceAsTheEditsShowThem) {
    StoreOffsets(ws.tdm, "55", "-");
    EXPECT_EQ(ws.tdm.ReadOption("COMMON_USER", "udLeft"), "40");
    EXPECT_EQ(ws.tdm.ReadOption("COMMON_USER", "udTop"), "-1");
    StoreOffsets(ws.tdm, "", "-12");
    EXPECT_EQ(ws.tdm.Options().UdLeft(), 0);
    EXPECT_EQ(ws.tdm.Options().UdTop(), -12);
}

class SavingSizes : public test::DocumentFixture {
protected:
    std::string Sizes(std::int64_t id) {
        const auto row = Rows("select fSize1, fSize2, fSize3, fSize4, fSize5, fSize6, fSize7, fSize8, fSize9, fSize10 "
                              "from mcod where id = " + std::to_string(id))[0];
        std::string all;
        for (const auto& value : row) all += value + " ";
        return all;
    }
    static constexpr std::array<int, 10> kSizes{8, 12, 6, 10, 9, 9, 7, 7, 10, 6};
};

TEST_F(SavingSizes, AProjectKeepsItsSizesAndTheRegisterStaysOnIt) {
    InsertRow(1, 6, 1, 101);
    InsertRow(2, 12, 2, 102);
    for (const std::int64_t id : {1, 2}) {
        ws.tdm.ASQM().LocateId(3 - id);
        EXPECT_EQ(SaveFontSizes(ws.tdm, id, id == 1 ? 6 : 12, kSizes), SaveSizesResult::Saved);
        EXPECT_EQ(Sizes(id), "8 12 6 10 9 9 7 7 10 6 ");
        EXPECT_EQ(ws.tdm.ASQM().CurrentId(), id);
    }
}

TEST_F(SavingSizes, NothingIsSavedForAnIssuedDocumentOrWithoutEveryObject) {
    InsertRow(1, 7, 1, 101);
    InsertRow(2, 6, 2, 102);
    const std::string before = Snapshot();
    EXPECT_EQ(SaveFontSizes(ws.tdm, 1, 7, kSizes), SaveSizesResult::NotProject);
    EXPECT_EQ(SaveFontSizes(ws.tdm, 2, 6, std::nullopt), SaveSizesResult::Incomplete);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(ws.ui.messages.empty());
}

TEST_F(SavingSizes, ALostLockStopsAllChanges) {
    InsertRow(1, 6, 1, 101);
    const std::string before = Snapshot();
    ws.tdm.Options().SetNetGuid("{другой экземпляр}");
    EXPECT_EQ(SaveFontSizes(ws.tdm, 1, 6, kSizes), SaveSizesResult::LockLost);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(ws.session.stopFlag);
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ws.ui.messages[0].text, "Другой экземпляр программы захватил базу данных. Сохранение невозможно.");
    // Once stopped, nothing more is written, even with the lock given back.
    ws.tdm.Options().SetNetGuid(ws.session.sessionGuid);
    EXPECT_EQ(SaveFontSizes(ws.tdm, 1, 6, kSizes), SaveSizesResult::Stopped);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(SavingSizes, AFailedStatementIsRolledBackAndJournalled) {
    InsertRow(1, 6, 1, 101);
    ws.tdm.Db().Exec("CREATE TRIGGER refuse BEFORE UPDATE ON mcod BEGIN SELECT RAISE(ABORT, 'только чтение'); END");
    const std::string before = Snapshot();
    EXPECT_EQ(SaveFontSizes(ws.tdm, 1, 6, kSizes), SaveSizesResult::Failed);
    EXPECT_EQ(Snapshot(), before);
    const auto events = ws.sink.WithId(event::kStoredValueFailed);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::Warning);
    EXPECT_EQ(events[0].category, EventCategory::Settings);
    ASSERT_EQ(events[0].strings.size(), 2u);
    EXPECT_EQ(events[0].strings[0],
              "function FormView.TfView.aSaveFontExecute: update mcod set fSize1 = :fSize1, fSize2 = :fSize2, "
              "fSize3 = :fSize3, fSize4 = :fSize4, fSize5 = :fSize5, fSize6 = :fSize6, fSize7 = :fSize7, "
              "fSize8 = :fSize8, fSize9 = :fSize9, fSize10 = :fSize10 where id = :id");
    EXPECT_NE(events[0].strings[1].find("только чтение"), std::string::npos);
    EXPECT_EQ(ws.tdm.ASQM().CurrentId(), 1);
}

}  // namespace
}  // namespace vd
