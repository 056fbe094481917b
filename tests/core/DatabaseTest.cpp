#include <gtest/gtest.h>

#include <set>

#include "Workstation.h"
#include "core/Messages.h"
#include "core/OptionKeys.h"
#include "core/Schema.h"
#include "support/Files.h"

namespace vd {
namespace {

using test::Workstation;

std::vector<std::vector<std::string>> Rows(Database& db, const std::string& sql) {
    Statement query(db, sql);
    std::vector<std::vector<std::string>> rows;
    while (query.Step()) {
        std::vector<std::string> row;
        for (int i = 0; i < query.ColumnCount(); ++i) row.push_back(query.ColumnBlobText(i));
        rows.push_back(row);
    }
    return rows;
}

std::int64_t Count(Database& db, const std::string& sql) {
    Statement query(db, sql);
    query.Step();
    return query.ColumnInt(0);
}

void WritePackage(const Workstation& ws, const std::string& xml) { WriteFileAtomically(ws.paths.PackageFile(), xml); }

TEST(LoadAll, CreatesTheSchemaExactlyAndSeedsIt) {
    Workstation ws;
    ASSERT_TRUE(ws.OpenDatabase());
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].text,
              "Файл данных " + ws.paths.DatabaseFile().string() + " отсутствует\r\nБудет создан новый.");
    EXPECT_EQ(ws.ui.messages[0].caption, "Vardelo VD");

    Database& db = ws.tdm.Db();
    // SQLite keeps each CREATE statement as written, without its closing semicolon.
    std::vector<std::string> expected;
    for (const auto statement : sql::kCreateSchema) expected.emplace_back(statement.substr(0, statement.size() - 1));
    for (const auto statement : sql::kSupportIndexes) {
        std::string text(statement.substr(0, statement.size() - 1));
        expected.push_back(text.replace(text.find(" IF NOT EXISTS"), 14, ""));
    }
    std::vector<std::string> stored;
    for (const auto& row : Rows(db, "select sql from sqlite_master where sql is not null order by rowid")) {
        stored.push_back(row[0]);
    }
    EXPECT_EQ(stored, expected);

    EXPECT_EQ(Rows(db, "select UserName, ParamName, Value from Options order by rowid"),
              (std::vector<std::vector<std::string>>{{"COMMON_USER", "Key", test::kTestStationKey},
                                                     {"COMMON_USER", "LastSync", std::to_string(test::kToday)},
                                                     {"COMMON_USER", "VersionSQB", "1"},
                                                     {"COMMON_USER", "ReferenceMin", "0"},
                                                     {"COMMON_USER", "ReferenceMax", "0"}}));
    EXPECT_EQ(Rows(db, "select name from Phrase where stype = 5 order by rowid"),
              (std::vector<std::vector<std::string>>{{"Копия radevaredu VI №_________ от__________"},
                                                     {"Дубликат radevaredu VI №_________ от__________"},
                                                     {"Выдано взамен radevaredu VI №_________ от__________"},
                                                     {"\"Количество доп. листов ___ (___________________________)\""}}));
    const std::string package = ReadFileBytes(ws.paths.PackageFile());
    std::int64_t rows = 0;
    for (auto pos = package.find("<ROW "); pos != std::string::npos; pos = package.find("<ROW ", pos + 1)) ++rows;
    EXPECT_GT(rows, 0);
    EXPECT_EQ(Count(db, "select count(*) from Phrase where stype = 9"), rows);
    EXPECT_EQ(Count(db, "select count(*) from Phrase where typeof(name) <> 'blob'"), 0);
}

TEST(LoadAll, PackageNamesLoseControlCharactersButKeepTabsAndBreaks) {
    Workstation ws;
    WritePackage(ws,
                 "<DATAPACKET><ROWDATA>"
                 "<ROW name=\"ящик&#11;деревянный\"/><OTHER name=\"skipped\"/>"
                 "<ROW name=\"a&#9;b&#10;c&#13;d&#7;\"/><ROW/>"
                 "</ROWDATA></DATAPACKET>");
    ASSERT_TRUE(ws.OpenDatabase());
    EXPECT_EQ(Rows(ws.tdm.Db(), "select name from Phrase where stype = 9 order by rowid"),
              (std::vector<std::vector<std::string>>{{"ящикдеревянный"}, {"a\tb\nc\rd"}, {""}}));
}

TEST(LoadAll, UnreadablePackageListKeepsTheNewFileAndSaysSo) {
    for (const std::string content : {"", "<DATAPACKET><ROWDATA>", "not xml at all"}) {
        Workstation ws;
        if (content.empty()) std::filesystem::remove(ws.paths.PackageFile());
        else WritePackage(ws, content);

        EXPECT_FALSE(ws.OpenDatabase()) << content;
        EXPECT_TRUE(ws.session.stopFlag);
        EXPECT_FALSE(ws.tdm.IsOpen());
        ASSERT_EQ(ws.ui.messages.size(), 2u);
        EXPECT_EQ(ws.ui.messages[1].kind, MessageKind::Error);
        EXPECT_EQ(ws.ui.messages[1].text, "Невозможно загрузить файл " + ws.paths.PackageFile().string() + "\r\n" +
                                              std::string(text::kDatabaseKeptWithoutPackages));
        EXPECT_TRUE(ws.sink.Has(0x40000103));

        // The next start finds the file, skips creation and works without the package phrases.
        ws.ui.messages.clear();
        ASSERT_TRUE(ws.OpenDatabase());
        EXPECT_TRUE(ws.ui.messages.empty());
        EXPECT_EQ(Count(ws.tdm.Db(), "select count(*) from Phrase where stype = 5"), 4);
        EXPECT_EQ(Count(ws.tdm.Db(), "select count(*) from Phrase where stype = 9"), 0);
        EXPECT_EQ(Count(ws.tdm.Db(), "select count(*) from Options"), 5);
    }
}

TEST(LoadAll, RefusesADatabaseOfAnotherStationOrVersion) {
    struct Case {
        const char* key;
        const char* value;
        const char* message;
    };
    for (const auto& c : {Case{"Key", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", "Для этих данных нужен другой i.cod"},
                          Case{"VersionSQB", "2", "Для этих данных нужна более современная версия программы"},
                          Case{"VersionSQB", "0", "Для этих данных нужна более современная версия программы"}}) {
        Workstation ws;
        ASSERT_TRUE(ws.OpenDatabase());
        ASSERT_TRUE(ws.tdm.SaveOption(kCommonUser, c.key, c.value));
        ws.tdm.CloseALL(true);
        ws.ui.messages.clear();

        EXPECT_FALSE(ws.OpenDatabase()) << c.key;
        EXPECT_TRUE(ws.session.stopFlag);
        EXPECT_FALSE(ws.tdm.IsOpen());
        ASSERT_EQ(ws.ui.messages.size(), 1u);
        EXPECT_EQ(ws.ui.messages[0].text, c.message);
        EXPECT_EQ(ws.ui.messages[0].caption, "Vardelo VD");
    }
}

TEST(LoadAll, VersionThatIsNoNumberFailsWithReport) {
    Workstation ws;
    ASSERT_TRUE(ws.OpenDatabase());
    ws.tdm.SaveOption(kCommonUser, "VersionSQB", "один");
    ws.tdm.CloseALL(true);
    ws.ui.messages.clear();

    EXPECT_FALSE(ws.OpenDatabase());
    const auto reports = ws.sink.WithId(0x40000103);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].strings[0], "[unknown]uDataVD.TDM.LoadAll");
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_TRUE(ws.ui.messages[0].text.starts_with(std::string(text::kCannotOpenDatabase)));
}

TEST(LoadAll, ForeignFilesAreRefusedAndLeftUntouched) {
    for (const std::string& content : {std::string("this is not a database, but a letter"),
                                      std::string(4096, '\0')}) {
        Workstation ws;
        WriteFileAtomically(ws.paths.DatabaseFile(), content);
        EXPECT_FALSE(ws.OpenDatabase());
        EXPECT_TRUE(ws.session.stopFlag);
        ASSERT_EQ(ws.ui.messages.size(), 1u);
        EXPECT_TRUE(ws.ui.messages[0].text.starts_with(std::string(text::kCannotOpenDatabase) +
                                                       ws.paths.DatabaseFile().string()));
        EXPECT_EQ(ReadFileBytes(ws.paths.DatabaseFile()), content);
        EXPECT_TRUE(ws.sink.Has(0x40000103));
    }
}

TEST(LoadAll, MissingDataFolderLeavesNothingHalfCreated) {
    Workstation ws;
    std::filesystem::remove_all(ws.paths.DataDir());
    ws.tdm.SetStation(test::TestStation());
    ws.session.stopFlag = false;
    EXPECT_FALSE(ws.tdm.LoadAll());
    EXPECT_FALSE(std::filesystem::exists(ws.paths.DatabaseFile()));
    ASSERT_EQ(ws.ui.messages.size(), 2u);
    EXPECT_TRUE(ws.ui.messages[1].text.starts_with(std::string(text::kCannotOpenDatabase)));
}

TEST(LoadAll, EveryStartMarksAllDocumentsAsMatching) {
    Workstation ws;
    ASSERT_TRUE(ws.OpenDatabase());
    for (std::int64_t id = 1; id <= 3; ++id) {
        MasterRecord record;
        record.id = id;
        record.referenceNo = "6007000" + std::to_string(id);
        ws.tdm.Inserts().InsertMaster(record);
    }
    ws.tdm.Db().Exec("update mcod set pFilter = 'FALSE'");
    ws.tdm.CloseALL(true);
    ASSERT_TRUE(ws.OpenDatabase());
    EXPECT_EQ(Count(ws.tdm.Db(), "select count(*) from mcod where pFilter = 'TRUE'"), 3);
}

TEST(LoadAll, CachesTheNumberRange) {
    struct Case {
        const char* min;
        const char* max;
        std::int64_t cachedMin, cachedMax;
    };
    for (const auto& c : {Case{"100", "200", 100, 200}, Case{"-5", "abc", 0, 0}, Case{"", "7", 0, 7}}) {
        Workstation ws;
        ASSERT_TRUE(ws.OpenDatabase());
        ws.tdm.SaveOption(kCommonUser, "ReferenceMin", c.min);
        ws.tdm.SaveOption(kCommonUser, "ReferenceMax", c.max);
        ws.tdm.CloseALL(true);
        ASSERT_TRUE(ws.OpenDatabase());
        EXPECT_EQ(ws.tdm.ReferenceMin(), c.cachedMin);
        EXPECT_EQ(ws.tdm.ReferenceMax(), c.cachedMax);
    }
}

TEST(DataModule, GetNewIdFollowsTheLargestId) {
    Workstation ws;
    ASSERT_TRUE(ws.OpenDatabase());
    EXPECT_EQ(ws.tdm.GetNewId(), 1);
    for (const std::int64_t id : {5, 9, 2}) {
        MasterRecord record;
        record.id = id;
        record.referenceNo = "x";
        ws.tdm.Inserts().InsertMaster(record);
    }
    EXPECT_EQ(ws.tdm.GetNewId(), 10);
}

TEST(DataModule, InsertsBindTheStoredTypes) {
    Workstation ws;
    ASSERT_TRUE(ws.OpenDatabase());
    InsertStatements& inserts = ws.tdm.Inserts();
    EXPECT_EQ(inserts.MasterParameterCount(), 34);
    EXPECT_EQ(inserts.GoodsParameterCount(), 7);
    EXPECT_EQ(inserts.ExpertiseParameterCount(), 3);

    MasterRecord record;
    record.id = 4;
    record.referenceNo = "6007000123";
    record.expert = "Ведров";
    record.declarant = "ООО \"Ромашка\"";
    record.fSize[9] = 8;
    record.declarationDate = 45000;
    record.date10 = 45001;
    record.lastDate = 46001;
    record.goCancel = "6007000001";
    record.goTrue = "6007000002";
    record.comment = "испорчен";
    inserts.InsertMaster(record);
    inserts.InsertGoods(4, GoodsLine{"1", "Пиломатериалы", "10", "ящик", "100 кг", "инвойс"});
    inserts.InsertExpertise(4, ExpertiseRef{46000, "Э-17"});

    Database& db = ws.tdm.Db();
    EXPECT_EQ(Rows(db,
                   "select typeof(id), typeof(status), typeof(PaperNo), typeof(ReferenceNo), typeof(Expert), "
                   "typeof(declarant), typeof(TppName), typeof(comment), pFilter, typeof(expDate), "
                   "typeof(RefNumCC), fSize10 from mcod"),
              (std::vector<std::vector<std::string>>{{"integer", "integer", "integer", "text", "text", "blob", "blob",
                                                      "blob", "TRUE", "null", "null", "8"}}));
    EXPECT_EQ(Rows(db, "select declarant, declarationDate, date10, LastDate, goCancel, goTrue, comment from mcod"),
              (std::vector<std::vector<std::string>>{
                  {"ООО \"Ромашка\"", "45000", "45001", "46001", "6007000001", "6007000002", "испорчен"}}));
    EXPECT_EQ(Rows(db, "select typeof(idM), typeof(num), typeof(documents), descriptionGoods from dcod"),
              (std::vector<std::vector<std::string>>{{"integer", "blob", "blob", "Пиломатериалы"}}));
    EXPECT_EQ(Rows(db, "select typeof(idM), de, typeof(nume), nume from expertise"),
              (std::vector<std::vector<std::string>>{{"integer", "46000", "text", "Э-17"}}));
}

TEST(DataModule, DaysWithoutSyncIsTheAgeOfTheOldestUnsentChange) {
    struct Case {
        std::vector<DayNumber> lastDates;
        DayNumber lastSync;
        int days;
    };
    const DayNumber today = test::kToday;
    for (const auto& c : {Case{{}, today - 30, 0}, Case{{today - 6, today - 2}, today - 10, 6},
                          Case{{today - 5}, today - 10, 5}, Case{{today - 20, today - 3}, today - 10, 3},
                          Case{{today + 2}, today - 10, 0}, Case{{today - 8}, today - 8, 0}}) {
        Workstation ws;
        ASSERT_TRUE(ws.OpenDatabase());
        std::int64_t id = 1;
        for (const DayNumber day : c.lastDates) {
            MasterRecord record;
            record.id = id++;
            record.referenceNo = "x";
            record.lastDate = day;
            ws.tdm.Inserts().InsertMaster(record);
        }
        ws.tdm.Options().SetLastSync(c.lastSync);
        EXPECT_EQ(ws.tdm.DaysWithoutSync(), c.days);
    }
}

TEST(DataModule, FilterWrapsTheStatement) {
    EXPECT_EQ(sql::FilteredSql("select * from mcod order by LastDate desc", "Expert=\"Ким\""),
              "select * from (select * from mcod order by LastDate desc) where Expert=\"Ким\"");
    EXPECT_EQ(sql::FilteredSql("select * from mcod", ""), "select * from mcod");
}

}  // namespace
}  // namespace vd
