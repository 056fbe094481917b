#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "documents/EditCommand.h"
#include "documents/EditorRules.h"
#include "documents/GoodsLines.h"
#include "register/RegisterQuery.h"
#include "register/Transitions.h"

namespace vd {
namespace {

// ---- The enabling rule -------------------------------------------------------------------

struct EnablingCase {
    const char* name;
    EditorEnablingInput in;
    bool editable;
    bool content;
};

class EditorEnablingRule : public ::testing::TestWithParam<EnablingCase> {};

TEST_P(EditorEnablingRule, DecidesWhatMayChange) {
    const EnablingCase& c = GetParam();
    const EditorEnabling e = ComputeEditorEnabling(c.in);
    EXPECT_EQ(e.editable, c.editable);
    EXPECT_EQ(e.content, c.content);
}

EditorEnablingInput Input(std::optional<int> status, int mode, bool duplicate = false, bool stop = false,
                          bool open = true) {
    return EditorEnablingInput{stop, open, status, mode, duplicate};
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EditorEnablingRule,
    ::testing::Values(EnablingCase{"EditProject", Input(6, 2), true, true},
                      EnablingCase{"EditReplacementProject", Input(12, 2), true, true},
                      EnablingCase{"NewOnIssuedRegisterRow", Input(7, 1), true, true},
                      EnablingCase{"TemplateOfSpoiled", Input(8, 3), true, true},
                      EnablingCase{"ReplacementOfCancelled", Input(9, 7), true, true},
                      EnablingCase{"NewInEmptyRegister", Input(std::nullopt, 1), true, true},
                      // The duplicate's source is issued: only numbers, 8, 9, 10 and expertise.
                      EnablingCase{"DuplicateOfIssued", Input(7, 4, true), false, false},
                      // Whatever the row, a pending duplicate never frees declarant and goods.
                      EnablingCase{"PendingDuplicateOverProject", Input(6, 2, true), true, false},
                      EnablingCase{"IssuedInModeTwo", Input(7, 2), false, false},
                      EnablingCase{"Stopped", Input(6, 2, false, true), false, false},
                      EnablingCase{"RegisterClosed", Input(6, 1, false, false, false), false, false}),
    [](const auto& param) { return std::string(param.param.name); });

// ---- "Редактировать" ------------------------------------------------------------------------

using EditCommand = test::DocumentFixture;

TEST_F(EditCommand, OwnProjectOpensInModeTwoWithoutAQuestion) {
    const std::string ref = SaveNewProject();
    ws.session.editMode = 0;
    Select(ref);
    ASSERT_TRUE(EditCurrentDocument(ws.tdm));
    EXPECT_EQ(ws.session.editMode, 2);
    EXPECT_EQ(ws.tdm.Working().master.referenceNo, ref);
    EXPECT_EQ(ws.tdm.Working().goods.size(), 2u);
    EXPECT_TRUE(ws.ui.messages.empty());
}

TEST_F(EditCommand, AnotherExpertsProjectIsOpenedOnlyAfterYes) {
    InsertRow(5, 6, 3, 77, "Петров");
    Select("6007000003");
    ws.tdm.Working().master.declarant = "прежний";
    ws.ui.answers = {Answer::No};
    EXPECT_FALSE(EditCurrentDocument(ws.tdm));
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].text,
              "Вы действительно хотите редактировать заключение, созданное пользователем \"Петров\"?\r\n"
              "(при сохранении изменений документ станет Ваш)");
    EXPECT_EQ(ws.ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ws.ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ws.tdm.Working().master.declarant, "прежний");

    ws.ui.answers = {Answer::Yes};
    ASSERT_TRUE(EditCurrentDocument(ws.tdm));
    EXPECT_EQ(ws.session.editMode, 2);
    EXPECT_EQ(ws.session.editedDocumentId, 5);
    EXPECT_EQ(ws.tdm.Working().master.expert, "Ведров");  // saving makes it the user's
}

TEST_F(EditCommand, OnlyProjectsAreLoaded) {
    for (int status : {7, 8, 9, 10, 11}) {
        ws.tdm.Db().Exec("delete from mcod");
        InsertRow(1, status, 1, 10);
        ws.session.editMode = 0;
        EXPECT_FALSE(EditCurrentDocument(ws.tdm)) << status;
        EXPECT_EQ(ws.session.editMode, 0) << status;
    }
}

TEST_F(EditCommand, APreparedDocumentIsShownAgainUntilItIsDropped) {
    const std::string ref = SaveNewProject();
    Select(ref);
    ASSERT_TRUE(TemplateProject(ws.tdm));
    ws.tdm.Working().master.declarant = "из шаблона";
    ASSERT_TRUE(EditCurrentDocument(ws.tdm));
    EXPECT_EQ(ws.session.editMode, 3);
    EXPECT_EQ(ws.tdm.Working().master.declarant, "из шаблона");

    // "Отмена" dropped it: the register's current document is what the user means now.
    ws.tdm.Working().modified = false;
    ASSERT_TRUE(EditCurrentDocument(ws.tdm));
    EXPECT_EQ(ws.session.editMode, 2);
    EXPECT_EQ(ws.tdm.Working().master.referenceNo, ref);
}

// ---- Goods lines ---------------------------------------------------------------------------

GoodsLine Line(const std::string& num, const std::string& package = "") {
    GoodsLine line;
    line.num = num;
    line.package6Goods = package;
    return line;
}

std::string Numbers(const WorkingSet& working) {
    std::string all;
    for (const GoodsLine& line : working.goods) all += "[" + line.num + "]";
    return all;
}

TEST(GoodsLineCommands, AddInsertAndDeleteNeverRenumber) {
    WorkingSet working;
    EXPECT_EQ(InsertGoodsLine(working, 0), 0u);  // into an empty table
    working.goods[0].num = "1";
    EXPECT_EQ(AppendGoodsLine(working), 1u);
    working.goods[1].num = "2";
    EXPECT_EQ(InsertGoodsLine(working, 1), 1u);
    EXPECT_EQ(Numbers(working), "[1][][2]");
    EXPECT_TRUE(working.modified);

    working.modified = false;
    EXPECT_TRUE(DeleteGoodsLine(working, 0));
    EXPECT_EQ(Numbers(working), "[][2]");
    EXPECT_TRUE(working.modified);
}

TEST(GoodsLineCommands, DeletingTheOnlyLineLeavesNoneAndASecondDeleteDoesNothing) {
    WorkingSet working;
    working.goods = {Line("1")};
    EXPECT_TRUE(DeleteGoodsLine(working, 0));
    EXPECT_TRUE(working.goods.empty());
    working.modified = false;
    EXPECT_FALSE(DeleteGoodsLine(working, 0));
    EXPECT_FALSE(working.modified);
}

using CopyPackaging = test::DocumentFixture;

TEST_F(CopyPackaging, AsksAndWritesTheTextIntoEveryLine) {
    WorkingSet& working = ws.tdm.Working();
    working.goods = {Line("1", "ящик"), Line("2", "мешок"), Line("3")};
    working.modified = false;
    ws.ui.answers = {Answer::No};
    EXPECT_FALSE(CopyToAll(ws.tdm, 1, GoodsField::D6p));
    EXPECT_EQ(working.goods[0].package6Goods, "ящик");
    EXPECT_FALSE(working.modified);
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].text, "Размножить \"мешок\" в остальные записи?");
    EXPECT_EQ(ws.ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ws.ui.messages[0].buttons, Buttons::YesNo);

    ws.ui.answers = {Answer::Yes};
    EXPECT_TRUE(CopyToAll(ws.tdm, 1, GoodsField::D6p));
    for (const GoodsLine& line : working.goods) EXPECT_EQ(line.package6Goods, "мешок");
    EXPECT_EQ(Numbers(working), "[1][2][3]");
    EXPECT_TRUE(working.modified);
}

TEST_F(CopyPackaging, AnEmptyTextOrNoLineAsksNothing) {
    ws.tdm.Working().goods = {Line("1", "ящик"), Line("2")};
    EXPECT_FALSE(CopyToAll(ws.tdm, 1, GoodsField::D6p));
    EXPECT_FALSE(CopyToAll(ws.tdm, 5, GoodsField::D6p));
    EXPECT_TRUE(ws.ui.messages.empty());
    EXPECT_EQ(ws.tdm.Working().goods[1].package6Goods, "");
}

}  // namespace
}  // namespace vd
