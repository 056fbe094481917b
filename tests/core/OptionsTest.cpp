#include <gtest/gtest.h>

#include "Workstation.h"
#include "core/OptionKeys.h"

namespace vd {
namespace {

using test::Workstation;

class Options : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ws.OpenDatabase()); }

    std::int64_t RowsOf(std::string_view user, std::string_view key) {
        Statement query(ws.tdm.Db(), "select count(*) from Options where UserName = :u and ParamName = :p");
        query.BindBlobText(":u", user);
        query.BindBlobText(":p", key);
        query.Step();
        return query.ColumnInt(0);
    }

    Workstation ws;
};

TEST_F(Options, WritingTwiceKeepsOneRowWithTheSecondValue) {
    ASSERT_TRUE(ws.tdm.SaveOption(kCommonUser, "ArjPath", "/srv/archive"));
    ASSERT_TRUE(ws.tdm.SaveOption(kCommonUser, "ArjPath", "/srv/архив"));
    EXPECT_EQ(ws.tdm.ReadOption(kCommonUser, "ArjPath"), "/srv/архив");
    EXPECT_EQ(RowsOf(kCommonUser, "ArjPath"), 1);
}

TEST_F(Options, EmptyValueIsStoredAndReadsLikeAMissingKey) {
    ASSERT_TRUE(ws.tdm.SaveOption(kCommonUser, "NetGuid", ""));
    EXPECT_EQ(RowsOf(kCommonUser, "NetGuid"), 1);
    EXPECT_EQ(ws.tdm.ReadOption(kCommonUser, "NetGuid"), "");
    EXPECT_EQ(ws.tdm.ReadOption(kCommonUser, "NoSuchKey"), "");
}

TEST_F(Options, PersonalKeysBelongToTheExactName) {
    ws.tdm.Options().SetAccountSim("Ведров", "vedrov");
    EXPECT_EQ(ws.tdm.Options().AccountSim("Ведров"), "vedrov");
    EXPECT_EQ(ws.tdm.Options().AccountSim("Ведров Ким"), "");
    EXPECT_EQ(ws.tdm.Options().AccountSim("ведров"), "");
    EXPECT_EQ(ws.tdm.ReadOption(kCommonUser, "AccountSim"), "");
}

TEST_F(Options, ValuesAreStoredAsUtf16Blobs) {
    ws.tdm.SaveOption(kCommonUser, "ArjPath", "Я");
    Statement exact(ws.tdm.Db(), "select typeof(UserName), typeof(Value), hex(Value) from Options where ParamName = :p");
    exact.BindBlobText(":p", "ArjPath");
    ASSERT_TRUE(exact.Step());
    EXPECT_EQ(exact.ColumnText(0), "blob");
    EXPECT_EQ(exact.ColumnText(1), "blob");
    EXPECT_EQ(exact.ColumnText(2), "2F04");
}

TEST_F(Options, SwitchesAbsentReadAsOn) {
    Settings& s = ws.tdm.Options();
    EXPECT_TRUE(s.AutoCertNumber());
    EXPECT_FALSE(s.AutoCertNumberTicked());
    EXPECT_TRUE(s.AutoFontSize("Ведров"));
    EXPECT_TRUE(s.DlgPaper("Ведров"));
    EXPECT_FALSE(s.ArjBegin());
    EXPECT_FALSE(s.ArjEnd());

    s.SetAutoCertNumber(true);
    EXPECT_TRUE(s.AutoCertNumberTicked());
    s.SetAutoCertNumber(false);
    EXPECT_FALSE(s.AutoCertNumber());
    s.SetAutoFontSize("Ведров", false);
    EXPECT_FALSE(s.AutoFontSize("Ведров"));
    ws.tdm.SaveOption("Ведров", "DlgPaper", "0");
    EXPECT_FALSE(s.DlgPaper("Ведров"));
    s.SetArjBegin(true);
    EXPECT_TRUE(s.ArjBegin());
}

TEST_F(Options, NumbersThatAreNotNumbersTakeTheDefault) {
    struct Case {
        std::string_view key;
        const char* stored;
        std::int64_t read;
    };
    Settings& s = ws.tdm.Options();
    for (const auto& c : {Case{"LastSync", "abc", 0}, Case{"LastSync", "46000", 46000}, Case{"lastChange", "", 0},
                          Case{"lastChange", "17", 17}, Case{"ReferenceMin", "-3", 0}, Case{"ReferenceMax", "1.5", 0},
                          Case{"ReferenceMax", "999999", 999999}}) {
        ws.tdm.SaveOption(kCommonUser, c.key, c.stored);
        const std::int64_t value = c.key == "LastSync"       ? s.LastSync()
                                   : c.key == "lastChange"   ? s.LastChange()
                                   : c.key == "ReferenceMin" ? s.ReferenceMin()
                                                             : s.ReferenceMax();
        EXPECT_EQ(value, c.read) << c.key << " = " << c.stored;
    }
    EXPECT_FALSE(s.UdLeft().has_value());
    s.SetUdLeft(-12);
    EXPECT_EQ(s.UdLeft(), -12);
    ws.tdm.SaveOption(kCommonUser, "udTop", "95");
    EXPECT_EQ(s.UdTop(), 40);
    EXPECT_FALSE(s.PackageVersion("restorator.zip").has_value());
}

TEST_F(Options, FailuresAreJournalledAndSwallowed) {
    ws.tdm.CloseALL(true);
    EXPECT_EQ(ws.tdm.ReadOption(kCommonUser, "Key"), "");
    EXPECT_FALSE(ws.tdm.SaveOption(kCommonUser, "ArjPath", "/x"));
    const auto warnings = ws.sink.WithId(0x40000653);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].type, EventType::Warning);
    EXPECT_EQ(warnings[0].category, EventCategory::Settings);
    EXPECT_EQ(warnings[0].strings.at(0), "function uDataVD.TDM.ReadOption");
    EXPECT_EQ(warnings[1].strings.at(0), "function uDataVD.TDM.SaveOption");
}

TEST_F(Options, FailedWriteKeepsThePreviousValue) {
    ws.tdm.SaveOption(kCommonUser, "ArjPath", "/old");
    // A trigger makes the insert fail after the delete has run inside the same transaction.
    ws.tdm.Db().Exec("create trigger refuse before insert on Options begin select raise(abort, 'refused'); end");
    EXPECT_FALSE(ws.tdm.SaveOption(kCommonUser, "ArjPath", "/new"));
    ws.tdm.Db().Exec("drop trigger refuse");
    EXPECT_EQ(ws.tdm.ReadOption(kCommonUser, "ArjPath"), "/old");
}

TEST(OptionKeys, ValuesAreCheckedByFormat) {
    struct Case {
        const char* key;
        const char* value;
        bool valid;
    };
    for (const auto& c : {Case{"ReferenceMin", "120", true}, Case{"ReferenceMin", "сто", false},
                          Case{"LastSync", "46000", true}, Case{"LastSync", "11.12.2026", false},
                          Case{"ArjBegin", "True", true}, Case{"ArjBegin", "yes", false},
                          Case{"ArjPath", "любой текст", true}, Case{"udLeft", "-5", true}}) {
        const auto key = FindOptionKey(c.key);
        ASSERT_TRUE(key.has_value()) << c.key;
        EXPECT_EQ(IsValidOptionValue(*key, c.value), c.valid) << c.key << " = " << c.value;
    }
    EXPECT_FALSE(FindOptionKey("NoSuchKey").has_value());
}

}  // namespace
}  // namespace vd
