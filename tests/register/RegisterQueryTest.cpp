#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "register/RegisterCells.h"
#include "register/RegisterCommands.h"
#include "register/RegisterQuery.h"

namespace vd {
namespace {

using Register = test::DocumentFixture;

std::vector<std::string> References(RegisterQuery& query) {
    std::vector<std::string> refs;
    for (int i = 0; i < query.RowCount(); ++i) refs.push_back(query.RowAt(i).record.referenceNo);
    return refs;
}

TEST_F(Register, ShowsNewestChangesFirst) {
    InsertRow(1, 7, 1, 101, "Ведров", test::kToday - 5);
    InsertRow(2, 6, 2, 102, "Петров", test::kToday);
    InsertRow(3, 9, 3, 103, "Ведров", test::kToday - 1);
    RegisterQuery& query = ws.tdm.ASQM();
    EXPECT_EQ(References(query), (std::vector<std::string>{"6007000002", "6007000003", "6007000001"}));
    EXPECT_EQ(query.CurrentIndex(), 0);
    EXPECT_EQ(query.Current()->record.expert, "Петров");
}

TEST_F(Register, OwnDocumentsFilterKeepsQuotesAndColumnNamesAsText) {
    // Names that would change the statement if they were pasted into it.
    const std::vector<std::string> experts = {"Ведров \"Ким\"", "status", "Петров'); drop table mcod; --"};
    std::int64_t id = 0;
    for (const auto& expert : experts) {
        ++id;
        InsertRow(id, 7, static_cast<int>(id), 100 + id, expert);
    }
    InsertRow(10, 7, 10, 110, "Другой");
    for (const auto& expert : experts) {
        LogIn(2, expert);
        ApplyMyOnly(ws.tdm, true);
        RegisterQuery& query = ws.tdm.ASQM();
        ASSERT_EQ(query.RowCount(), 1) << expert;
        EXPECT_EQ(query.Current()->record.expert, expert);
        EXPECT_EQ(ws.session.registerFilter.Text(), "Expert=\"" + expert + "\"");
    }
    ApplyMyOnly(ws.tdm, false);
    EXPECT_EQ(ws.tdm.ASQM().RowCount(), 4);
    EXPECT_EQ(ws.session.registerFilter.Text(), "");
}

TEST_F(Register, TitleClicksSortAscendingThenDescending) {
    InsertRow(1, 7, 2, 300);
    InsertRow(2, 7, 3, 100);
    InsertRow(3, 7, 1, 200);
    RegisterQuery& query = ws.tdm.ASQM();
    query.SortByColumn("PaperNo");
    EXPECT_EQ(query.Sql(), "select * from mcod order by PaperNo");
    EXPECT_EQ(query.Current()->record.paperNo, 100);
    query.SortByColumn("PaperNo");
    EXPECT_EQ(query.Sql(), "select * from mcod order by PaperNo desc");
    EXPECT_EQ(query.Current()->record.paperNo, 300);
    query.SortByColumn("PaperNo");
    EXPECT_EQ(query.Sql(), "select * from mcod order by PaperNo");
    query.SortByColumn("PaperNo");
    query.SortByColumn("NumNum");  // another column always starts ascending
    EXPECT_EQ(query.Sql(), "select * from mcod order by NumNum");
    EXPECT_EQ(query.Current()->record.numNum, 1);
    query.SortByColumn("pFilter");  // not a sortable column: nothing changes
    EXPECT_EQ(query.Sql(), "select * from mcod order by NumNum");
    query.SortByColumn("Expert; drop table mcod");
    EXPECT_EQ(query.Sql(), "select * from mcod order by NumNum");
    EXPECT_EQ(query.RowCount(), 3);
}

TEST_F(Register, SortingKeepsTheFilter) {
    InsertRow(1, 7, 2, 300, "Ведров");
    InsertRow(2, 7, 3, 100, "Петров");
    ApplyMyOnly(ws.tdm, true);
    ws.tdm.ASQM().SortByColumn("PaperNo");
    EXPECT_EQ(ws.tdm.ASQM().RowCount(), 1);
}

TEST_F(Register, LocateStaysPutWhenTheTargetIsNotShown) {
    InsertRow(1, 7, 1, 101, "Ведров", test::kToday);
    InsertRow(2, 7, 2, 102, "Петров", test::kToday - 1);
    RegisterQuery& query = ws.tdm.ASQM();
    ASSERT_TRUE(query.LocateReference("6007000002"));
    EXPECT_EQ(query.CurrentIndex(), 1);
    ApplyMyOnly(ws.tdm, true);
    EXPECT_FALSE(query.LocateReference("6007000002"));
    EXPECT_EQ(query.Current()->record.referenceNo, "6007000001");
    EXPECT_TRUE(query.LocateId(1));
    EXPECT_FALSE(query.LocateId(2));
}

TEST_F(Register, DetailsFollowTheCurrentRow) {
    SaveNewProject("Первый");
    SaveNewProject("Второй");
    RegisterQuery& query = ws.tdm.ASQM();
    int moves = 0;
    query.SetAfterScroll([&] { ++moves; });
    ASSERT_TRUE(query.First());
    EXPECT_EQ(query.CurrentGoods().size(), 2u);
    EXPECT_EQ(query.CurrentExpertise().size(), 1u);
    ws.tdm.Db().Exec("delete from dcod where idM = " + std::to_string(query.Current()->record.id == 1 ? 2 : 1));
    ASSERT_TRUE(query.Next());
    EXPECT_TRUE(query.CurrentGoods().empty());
    EXPECT_EQ(moves, 2);
    EXPECT_FALSE(query.Next());
}

TEST_F(Register, ReadsLargeRegistersPageByPage) {
    Transaction transaction(ws.tdm.Db());
    for (int id = 1; id <= 500; ++id) {
        MasterRecord r;
        r.id = id;
        r.referenceNo = "6007" + std::to_string(100000 + id);
        r.lastDate = 40000 + id;
        r.paperNo = id;
        ws.tdm.Inserts().InsertMaster(r);
    }
    transaction.Commit();
    RegisterQuery& query = ws.tdm.ASQM();
    query.Open();
    ASSERT_EQ(query.RowCount(), 500);
    for (const int index : {0, 63, 64, 250, 499, 3, 480}) {
        EXPECT_EQ(query.RowAt(index).record.paperNo, 500 - index) << index;
    }
    ASSERT_TRUE(query.MoveTo(300));
    EXPECT_EQ(query.Current()->record.id, 200);
}

TEST_F(Register, RestoringLeavesASearchResult) {
    InsertRow(1, 7, 1, 101);
    InsertRow(2, 7, 2, 102);
    ws.tdm.Db().Exec("update mcod set pFilter = 'FALSE' where id = 1");
    RegisterQuery& query = ws.tdm.ASQM();
    query.SetSql(std::string(sql::kRegisterSearch));
    query.Open();
    EXPECT_EQ(query.RowCount(), 1);
    RestoreRegister(ws.tdm);
    EXPECT_EQ(query.Sql(), "select * from mcod order by LastDate desc");
    EXPECT_EQ(query.RowCount(), 2);
    EXPECT_EQ(Value("select count(*) from mcod where pFilter = 'TRUE'"), "2");
}

}  // namespace
}  // namespace vd

namespace vd {
namespace {

TEST(RegisterCells, ShowBlanksDatesAndTextsOnOneLine) {
    RegisterRow row;
    row.record.referenceNo = "6007000123";
    row.record.paperNo = 123;
    row.record.dateIssued = 40242;
    row.record.modifiedDate = 0;
    row.record.declarant = "ООО \"Лес\"\r\nфилиал\rВологда\nСевер";
    row.record.numNum = 123;
    struct Case {
        const char* field;
        const char* text;
        CellAlignment alignment;
    };
    for (const auto& c : {Case{"ReferenceNo", "6007000123", CellAlignment::Centre},
                          Case{"PaperNo", "0000123", CellAlignment::Centre},
                          Case{"DateIssued", "05.03.2010", CellAlignment::Centre},
                          Case{"modifiedDate", "", CellAlignment::Centre},
                          Case{"declarant", "ООО \"Лес\"  филиал Вологда Север", CellAlignment::Left},
                          Case{"NumNum", "123", CellAlignment::Right}}) {
        const CellText cell = RegisterCell(row, c.field);
        EXPECT_EQ(cell.text, c.text) << c.field;
        EXPECT_EQ(cell.alignment, c.alignment) << c.field;
    }
    EXPECT_EQ(GoodsCell(GoodsLine{"1", "Доски\r\nобрезные", "", "", "", ""}, "descriptionGoods").text,
              "Доски  обрезные");
    EXPECT_EQ(kRegisterColumns.front().title, "№ заключения");
    EXPECT_EQ(kRegisterColumns.back().field, "LastDate");
}

}  // namespace
}  // namespace vd
