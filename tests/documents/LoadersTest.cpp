#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "documents/Loaders.h"
#include "register/RegisterQuery.h"
#include "register/Transitions.h"

namespace vd {
namespace {

using Loaders = test::DocumentFixture;

TEST_F(Loaders, NewDocumentStartsEmptyWithTodaysNumber) {
    InsertRow(1, 7, 1, 122);
    ASSERT_TRUE(NewProject(ws.tdm));
    const MasterRecord& m = ws.tdm.Working().master;
    EXPECT_EQ(ws.session.editMode, 1);
    EXPECT_EQ(m.id, 2);
    EXPECT_EQ(m.status, 6);
    EXPECT_EQ(m.referenceNo, "6007XX000002");
    EXPECT_EQ(m.paperNo, 123);
    EXPECT_EQ(m.tppName, "Торгово-промышленная палата");
    EXPECT_EQ(m.expert, "Ведров");
    EXPECT_EQ(m.declarationDate, test::kToday);
    EXPECT_EQ(m.fSize, (std::array<int, 10>{10, 10, 10, 10, 10, 10, 10, 10, 10, 10}));
    EXPECT_TRUE(ws.tdm.Working().goods.empty());
    EXPECT_TRUE(ws.tdm.Working().expertise.empty());
    EXPECT_TRUE(ws.tdm.Working().modified);
    EXPECT_EQ(FieldsFromMaster(ws.tdm).certNo, "0000123");

    ws.tdm.Options().SetAutoCertNumber(false);
    ASSERT_TRUE(NewProject(ws.tdm));
    EXPECT_EQ(FieldsFromMaster(ws.tdm).certNo, "0000000");
}

TEST_F(Loaders, NoFreeNumberOpensNothing) {
    SetRange(1, 1);
    InsertRow(1, 7, 1, 122);
    ws.tdm.Working().master.declarant = "прежний";
    EXPECT_FALSE(NewProject(ws.tdm));
    EXPECT_EQ(ws.ui.messages.back().text, "Администратор должен задать АРМу новый диапазон номеров");
    EXPECT_EQ(ws.tdm.Working().master.declarant, "прежний");
}

TEST_F(Loaders, EditTakesTodaysYearDigitAndSaneFontSizes) {
    SaveNewProject();
    ws.tdm.Db().Exec("update mcod set GNum = 5, fSize3 = 5, fSize4 = 11, fSize5 = 7");
    ws.tdm.ASQM().Open();
    ASSERT_TRUE(SetEditFields(ws.tdm));
    const MasterRecord& m = ws.tdm.Working().master;
    EXPECT_EQ(m.gNum, 6);
    EXPECT_EQ(m.fSize[2], 10);
    EXPECT_EQ(m.fSize[3], 10);
    EXPECT_EQ(m.fSize[4], 7);
    EXPECT_EQ(ws.session.editedDocumentId, m.id);
    EXPECT_EQ(ws.tdm.Working().goods.size(), 2u);
    EXPECT_FALSE(ws.tdm.Working().modified);
}

TEST_F(Loaders, OutOfRangeDocumentOpensOnlyWhileTheRangeHasRoom) {
    SaveNewProject();
    SetRange(50, 60);
    ASSERT_TRUE(SetEditFields(ws.tdm));
    EXPECT_EQ(ws.tdm.Working().master.numNum, 1);  // keeps its own number; the save reports it
    SetRange(50, 50);
    InsertRow(9, 7, 50, 999);
    Select("6007000001");
    EXPECT_FALSE(SetEditFields(ws.tdm));
}

TEST_F(Loaders, TemplateGetsANewNumberUnlessTheSourceIsSpoiled) {
    const std::string source = SaveNewProject();
    Select(source);
    ASSERT_TRUE(TemplateProject(ws.tdm));
    EXPECT_EQ(ws.tdm.Working().master.referenceNo, "6007000002");
    EXPECT_EQ(ws.tdm.Working().goods.size(), 2u);
    EXPECT_EQ(ws.tdm.Working().master.declarant, "ООО \"Северный лес\"");

    ws.tdm.Db().Exec("update mcod set status = 8");
    ws.tdm.ASQM().Open();
    Select(source);
    ASSERT_TRUE(TemplateProject(ws.tdm));
    EXPECT_EQ(ws.tdm.Working().master.referenceNo, source);
    EXPECT_EQ(ws.tdm.Working().master.numNum, 1);
    EXPECT_EQ(ws.tdm.Working().master.status, 6);
}

TEST_F(Loaders, DuplicateAndReplacementNotes) {
    const std::string source = SaveNewProject();
    ws.tdm.Db().Exec("update mcod set status = 7, supportInfo = NULL, declarationDate = 46000");
    ws.tdm.ASQM().Open();
    Select(source);
    ws.session.editMode = 4;
    ASSERT_TRUE(Template(ws.tdm, true));
    const MasterRecord& d = ws.tdm.Working().master;
    EXPECT_EQ(d.status, 10);
    EXPECT_EQ(d.goTrue, source);
    EXPECT_EQ(d.supportInfo, "Дубликат radevaredu VI 6007 000001 от 09.12.2025\r\n");
    EXPECT_EQ(d.modifierExpert, "Ведров");

    ws.tdm.Db().Exec("update mcod set status = 9");
    ws.tdm.ASQM().Open();
    Select(source);
    ws.session.editMode = 7;
    ASSERT_TRUE(Template(ws.tdm, false));
    const MasterRecord& r = ws.tdm.Working().master;
    EXPECT_EQ(r.status, 12);
    EXPECT_EQ(r.goCancel, source);
    EXPECT_EQ(r.supportInfo, "Выдано взамен radevaredu VI № 6007 000001 от 09.12.2025\r\n");
}

}  // namespace
}  // namespace vd
