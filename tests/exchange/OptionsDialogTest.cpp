#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "core/OptionKeys.h"
#include "exchange/OptionsSettings.h"

namespace vd {
namespace {

constexpr const char* kInRange =
    "№ документа 6007000150 попадает в новый диапазон.\r\nРазрешено задавать только пустой диапазон!";

class OptionsDialog : public test::DocumentFixture {
protected:
    void SetUp() override {
        DocumentFixture::SetUp();
        LogIn(1, "Aдминистратор");
        SetRange(1, 100);
    }

    std::string Stored(std::string_view key) { return ws.tdm.ReadOption(kCommonUser, key); }

    OptionsSettings options{ws.tdm};
};

struct RangeCase {
    const char* min;
    const char* max;
    const char* message;  // nullptr: accepted
};

TEST_F(OptionsDialog, RangeIsCheckedBeforeItIsStored) {
    // This year's issued conclusion 150; last year's 300 and this year's project 400 hold no number.
    InsertRow(1, 7, 150, 11, "Ведров", test::kToday, 6);
    InsertRow(2, 7, 300, 12, "Ведров", test::kToday, 5);
    InsertRow(3, 6, 400, 13, "Ведров", test::kToday, 6);
    InsertRow(4, 8, 500, 14, "Ведров", test::kToday, 6);
    for (const auto& c : {
             RangeCase{"0001 0", "000200", "При вводе минимального значения допустимы только десятичные цифры"},
             RangeCase{"00010_", "000200", "При вводе минимального значения допустимы только десятичные цифры"},
             RangeCase{"10", "000200", "При вводе минимального значения допустимы только десятичные цифры"},
             RangeCase{"000100", "00020", "При вводе максимального значения допустимы только десятичные цифры"},
             RangeCase{"000100", "-00020", "При вводе максимального значения допустимы только десятичные цифры"},
             RangeCase{"000500", "000100", "Минимальное значение не может быть больше максимального"},
             RangeCase{"000100", "000200", kInRange},
             RangeCase{"000150", "000150", kInRange},
         }) {
        SCOPED_TRACE(std::string(c.min) + ".." + c.max);
        ws.ui.messages.clear();
        ws.sink.events.clear();
        OptionsState state = options.Load();
        state.referenceMin = c.min;
        state.referenceMax = c.max;
        EXPECT_FALSE(options.SaveReferenceRange(state));
        ASSERT_EQ(ws.ui.messages.size(), 1u);
        EXPECT_EQ(ws.ui.messages[0].text, c.message);
        const bool inRange = std::string(c.message) == kInRange;
        EXPECT_EQ(ws.ui.messages[0].caption, inRange ? "Vardelo VD" : "Radevaredu VI");
        EXPECT_EQ(ws.ui.messages[0].kind, inRange ? MessageKind::Error : MessageKind::Information);
        EXPECT_EQ(Stored(option::kReferenceMin), "1");
        EXPECT_EQ(ws.tdm.ReferenceMax(), 100);
        EXPECT_FALSE(ws.sink.Has(event::kNumberRangeChanged));
    }

    // The numbers of last year, of a project and of a spoiled blank are free.
    for (const auto& [min, max] : std::vector<std::pair<const char*, const char*>>{
             {"000300", "000300"}, {"000400", "000400"}, {"000151", "000999"}}) {
        OptionsState state = options.Load();
        state.referenceMin = min;
        state.referenceMax = max;
        EXPECT_TRUE(options.SaveReferenceRange(state)) << min;
    }
}

TEST_F(OptionsDialog, AcceptedRangeChangesStoredAndWorkingValuesAndIsJournalled) {
    InsertRow(1, 6, 150, 11);  // a project does not block its number
    OptionsState state = options.Load();
    EXPECT_EQ(state.referenceMin, "000001");
    EXPECT_EQ(state.referenceMax, "000100");
    state.referenceMin = "000100";
    state.referenceMax = "000200";
    ASSERT_TRUE(options.SaveReferenceRange(state));
    EXPECT_TRUE(ws.ui.messages.empty());
    EXPECT_EQ(Stored(option::kReferenceMin), "000100");  // the six-digit texts as typed
    EXPECT_EQ(Stored(option::kReferenceMax), "000200");
    EXPECT_EQ(ws.tdm.ReferenceMin(), 100);
    EXPECT_EQ(ws.tdm.ReferenceMax(), 200);
    const auto events = ws.sink.WithId(event::kNumberRangeChanged);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::Information);
    EXPECT_EQ(events[0].category, EventCategory::UserAction);
    EXPECT_EQ(events[0].strings, (std::vector<std::string>{"Aдминистратор", "000100", "000200"}));

    // "Отмена" shows the working range again.
    state.referenceMin = "12";
    options.CancelReferenceRange(state);
    EXPECT_EQ(state.referenceMin, "000100");
    EXPECT_EQ(state.referenceMax, "000200");
}

TEST_F(OptionsDialog, RangeAndArchiveSettingsAreStoredTogetherOrNotAtAll) {
    const std::string before = Stored(option::kReferenceMin) + "|" + Stored(option::kReferenceMax) + "|" +
                               Stored(option::kArjPath) + "|" + Stored(option::kArjBegin) + "|" +
                               Stored(option::kArjEnd);
    // The last value of each group cannot be written: the ones before it must not stay either.
    // (Names are stored as UTF-16LE: "ReferenceMax" and "ArjEnd".)
    ws.tdm.Db().Exec(
        "create trigger refuse before insert on Options when new.ParamName in "
        "(X'5200650066006500720065006E00630065004D0061007800', X'410072006A0045006E006400') "
        "begin select raise(abort, 'refused'); end");
    OptionsState state = options.Load();
    state.referenceMin = "000300";
    state.referenceMax = "000400";
    state.archivePath = "/srv/архив";
    state.archiveAtStart = true;
    EXPECT_FALSE(options.SaveReferenceRange(state));
    EXPECT_FALSE(options.SaveArchive(state));
    ws.tdm.Db().Exec("drop trigger refuse");
    EXPECT_EQ(Stored(option::kReferenceMin) + "|" + Stored(option::kReferenceMax) + "|" + Stored(option::kArjPath) +
                  "|" + Stored(option::kArjBegin) + "|" + Stored(option::kArjEnd),
              before);
    EXPECT_EQ(ws.tdm.ReferenceMin(), 1);
    EXPECT_EQ(ws.tdm.ReferenceMax(), 100);
}

TEST_F(OptionsDialog, OnlyTheAdministratorSaves) {
    LogIn(2, "Ведров");
    EXPECT_FALSE(options.Permitted());
    OptionsState state = options.Load();
    state.referenceMin = "000005";
    state.archivePath = "/tmp/архив";
    state.autoCertNumber = true;
    EXPECT_FALSE(options.SaveReferenceRange(state));
    EXPECT_FALSE(options.SaveArchive(state));
    EXPECT_FALSE(options.SaveAutoCertNumber(state));
    EXPECT_EQ(Stored(option::kReferenceMin), "1");
    EXPECT_EQ(Stored(option::kArjPath), "");
    EXPECT_EQ(Stored(option::kAutoCertNumber), "");
}

TEST_F(OptionsDialog, ShowsTheStationAndTheStoredSettings) {
    StationFile station = ws.tdm.Station();
    station.tppNumber = 7;
    station.numLocale = 3;
    ws.tdm.SetStation(station);
    ws.tdm.SetCachedReferenceRange(5, 1234567);
    struct Case {
        const char* autoCert;
        bool ticked;
    };
    for (const auto& c : {Case{"", false}, Case{"True", true}, Case{"False", false}, Case{"true", false}}) {
        ASSERT_TRUE(ws.tdm.SaveOption(kCommonUser, option::kAutoCertNumber, c.autoCert));
        EXPECT_EQ(options.Load().autoCertNumber, c.ticked) << c.autoCert;
    }
    ws.tdm.Options().SetArjPath("/srv/архив");
    ws.tdm.Options().SetArjEnd(true);
    const OptionsState state = options.Show();
    EXPECT_EQ(ws.ui.helpLines.back(), "Здесь можно настроить параметры программы");
    EXPECT_EQ(state.chamberNumber, "007");
    EXPECT_EQ(state.workstationNumber, "03");
    EXPECT_EQ(state.chamberName, station.tppName);
    EXPECT_EQ(state.referenceMin, "000005");
    EXPECT_EQ(state.referenceMax, "1234567");  // never cut
    EXPECT_EQ(state.archivePath, "/srv/архив");
    EXPECT_FALSE(state.archiveAtStart);
    EXPECT_TRUE(state.archiveAtEnd);
}

TEST_F(OptionsDialog, ArchiveBoxesExcludeEachOtherAndAreStoredWithTheFolder) {
    OptionsState state = options.Load();
    state.SetArchiveAtStart(true);
    state.SetArchiveAtEnd(true);
    EXPECT_FALSE(state.archiveAtStart);
    EXPECT_TRUE(state.archiveAtEnd);
    state.SetArchiveAtStart(true);
    EXPECT_TRUE(state.archiveAtStart);
    EXPECT_FALSE(state.archiveAtEnd);
    state.SetArchiveAtStart(false);  // unticking leaves the other alone
    EXPECT_FALSE(state.archiveAtEnd);

    state.archivePath = "/home/эксперт/архив";
    ws.ui.chosenPaths = {std::nullopt, std::string("/mnt/архивы")};
    EXPECT_FALSE(options.ChooseArchiveFolder(state));  // closed without a choice
    EXPECT_EQ(state.archivePath, "/home/эксперт/архив");
    EXPECT_TRUE(options.ChooseArchiveFolder(state));
    EXPECT_EQ(state.archivePath, "/mnt/архивы");
    EXPECT_EQ(ws.ui.chooserTitles,
              (std::vector<std::string>{"Выберите каталог с архивами", "Выберите каталог с архивами"}));

    state.SetArchiveAtStart(true);
    ASSERT_TRUE(options.SaveArchive(state));
    EXPECT_EQ(Stored(option::kArjPath), "/mnt/архивы");
    EXPECT_EQ(Stored(option::kArjBegin), "True");
    EXPECT_EQ(Stored(option::kArjEnd), "False");

    state.autoCertNumber = false;
    ASSERT_TRUE(options.SaveAutoCertNumber(state));
    EXPECT_EQ(Stored(option::kAutoCertNumber), "False");
    state.autoCertNumber = true;
    ASSERT_TRUE(options.SaveAutoCertNumber(state));
    EXPECT_EQ(Stored(option::kAutoCertNumber), "True");
}

}  // namespace
}  // namespace vd
