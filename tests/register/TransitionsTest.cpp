#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "documents/DocumentSave.h"
#include "register/RegisterQuery.h"
#include "register/Transitions.h"

namespace vd {
namespace {

class Transitions : public test::DocumentFixture {
protected:
    // A project of the logged-in expert, made current.
    std::string Project() {
        const std::string ref = SaveNewProject();
        Select(ref);
        return ref;
    }

    // An issued conclusion of the logged-in expert, made current.
    std::string Issued() {
        const std::string ref = Project();
        EXPECT_TRUE(IssueDocument(ws.tdm)) << (ws.ui.messages.empty() ? "" : ws.ui.messages.back().text);
        Select(ref);
        return ref;
    }

    std::string StatusOf(const std::string& ref) {
        return Value("select status from mcod where ReferenceNo = '" + ref + "' order by id desc");
    }

    std::string LastText() const { return ws.ui.messages.empty() ? "" : ws.ui.messages.back().text; }
};

TEST_F(Transitions, IssueConfirmsTheBlankAndTheQuestion) {
    const std::string ref = Project();
    ASSERT_TRUE(IssueDocument(ws.tdm)) << LastText();
    EXPECT_EQ(StatusOf(ref), "7");
    ASSERT_EQ(ws.ui.blankCalls.size(), 1u);
    EXPECT_EQ(ws.ui.blankCalls[0].caption, "Внимание!");
    EXPECT_EQ(ws.ui.blankCalls[0].line1, "Вы приготовили для печати бланк");
    EXPECT_EQ(ws.ui.blankCalls[0].line2, "№0001001?");
    EXPECT_EQ(LastText(), "Внимание, в выданный документ уже невозможно будет внести изменения!");
    EXPECT_EQ(ws.ui.messages.back().buttons, Buttons::YesCancel);
    const auto events = ws.sink.WithId(0x40007303);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].strings, (std::vector<std::string>{"Ведров", "7", ref + " бланк 1001"}));
    EXPECT_EQ(ws.tdm.ASQM().Current()->record.referenceNo, ref);
}

TEST_F(Transitions, IssueCanBeDeclinedAtEitherQuestion) {
    const std::string ref = Project();
    ws.ui.blankAnswers.push_back(false);
    EXPECT_FALSE(IssueDocument(ws.tdm));
    ws.ui.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(IssueDocument(ws.tdm));
    EXPECT_EQ(StatusOf(ref), "6");

    // Without the blank dialog the question comes at once.
    ws.tdm.SaveOption("Ведров", "DlgPaper", "False");
    ws.ui.blankCalls.clear();
    EXPECT_TRUE(IssueDocument(ws.tdm));
    EXPECT_TRUE(ws.ui.blankCalls.empty());
}

TEST_F(Transitions, IssueRefusesAnyFinding) {
    struct Case {
        const char* change;
        const char* message;
        bool asAdministrator;
    };
    for (const auto& c : {Case{"update mcod set fSize3 = 5", "Недопустимый размер шрифта поля 3", false},
                          Case{"update mcod set fSize10 = 13", "Недопустимый размер шрифта поля 10", false},
                          Case{"update mcod set DateIssued = DateIssued - 1",
                               "ВНИМАНИЕ! Дата изменилась\r\r\nПРОДОЛЖИТЬ НЕСМОТРЯ НА ОШИБКИ?", false},
                          // Only a warning, yet issuing admits no finding at all.
                          Case{"update mcod set Expert = 'Петров'",
                               "ВНИМАНИЕ! Изменился эксперт\r\r\nПРОДОЛЖИТЬ НЕСМОТРЯ НА ОШИБКИ?", true}}) {
        ws.tdm.Db().Exec("delete from mcod; delete from dcod; delete from expertise");
        LogIn(2, "Ведров");
        const std::string ref = Project();
        ws.tdm.Db().Exec(c.change);
        ws.tdm.ASQM().Open();
        Select(ref);
        if (c.asAdministrator) LogIn(1, "Aдминистратор");  // may act on another expert's project
        const std::string before = Snapshot();
        EXPECT_FALSE(IssueDocument(ws.tdm)) << c.change;
        EXPECT_EQ(LastText(), c.message);
        EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(Transitions, SpoilAndCancelRecordWhoAndWhy) {
    const std::string ref = Issued();
    ws.ui.comments.push_back({1, "бланк порван"});
    ASSERT_TRUE(SpoilDocument(ws.tdm)) << LastText();
    EXPECT_EQ(Rows("select status, modifierExpert, modifiedDate, comment from mcod"),
              (std::vector<std::vector<std::string>>{{"8", "Ведров", std::to_string(test::kToday), "бланк порван"}}));
    ASSERT_EQ(ws.ui.commentCalls.size(), 1u);
    EXPECT_EQ(ws.ui.commentCalls[0].caption, "Комментарий к испорченному бланку");
    EXPECT_EQ(ws.ui.commentCalls[0].okCaption, "Испортить");
    EXPECT_EQ(ws.ui.commentCalls[0].cancelCaption, "Отменить");
    EXPECT_EQ(StatusOf(ref), "8");
}

TEST_F(Transitions, RightsAreCheckedBeforeAnythingIsAsked) {
    const std::string ref = Issued();
    LogIn(3, "Петров");
    const std::string before = Snapshot();
    EXPECT_FALSE(SpoilDocument(ws.tdm));  // owner only
    EXPECT_TRUE(ws.ui.commentCalls.empty());
    EXPECT_EQ(Snapshot(), before);
    ws.ui.comments.push_back({1, "по заявлению"});
    EXPECT_TRUE(CancelDocument(ws.tdm));  // anyone
    EXPECT_EQ(StatusOf(ref), "9");
    EXPECT_EQ(Value("select modifierExpert from mcod"), "Петров");
    EXPECT_EQ(ws.ui.commentCalls[0].caption, "Основание для аннулирования");
}

TEST_F(Transitions, RefusedCommentChangesNothing) {
    const std::string ref = Issued();
    const std::string before = Snapshot();
    ws.ui.comments.push_back({2, "передумал"});
    EXPECT_FALSE(CancelDocument(ws.tdm));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Transitions, DuplicateLinksBothWaysOnceSaved) {
    const std::string main = Issued();
    ws.ui.comments.push_back({1, "утерян"});
    const TransitionOutcome outcome = DuplicateDocument(ws.tdm);
    EXPECT_TRUE(outcome.openEditor);
    EXPECT_TRUE(outcome.print) << LastText();
    EXPECT_EQ(ws.session.editMode, 4);
    EXPECT_TRUE(ws.session.duplicatePending);
    EXPECT_EQ(Value("select count(*) from mcod"), "1");  // nothing is stored before the save

    EditorFields fields = FieldsFromMaster(ws.tdm);
    fields.certNo = "2001";
    ws.ui.answers.push_back(Answer::Yes);  // "Всё равно сохранить?"
    EXPECT_EQ(SaveDocument(ws.tdm, fields), SaveOutcome::SavedAndLeave) << LastText();
    const std::string duplicate = ws.tdm.Working().master.referenceNo;
    EXPECT_EQ(Value("select goDuplicate from mcod where ReferenceNo = '" + main + "'"), duplicate);
    EXPECT_EQ(Rows("select status, goTrue, comment from mcod where ReferenceNo = '" + duplicate + "'"),
              (std::vector<std::vector<std::string>>{{"10", main, "утерян"}}));
    EXPECT_FALSE(ws.session.duplicatePending);
}

TEST_F(Transitions, ReplacementAndIssueInsteadLinkBothWays) {
    const std::string cancelled = Issued();
    ws.ui.comments.push_back({1, "ошибка в адресе"});
    ASSERT_TRUE(CancelDocument(ws.tdm));
    Select(cancelled);

    const TransitionOutcome prepared = IssueInstead(ws.tdm);
    ASSERT_TRUE(prepared.openEditor);
    EXPECT_FALSE(prepared.print);
    EditorFields fields = FieldsFromMaster(ws.tdm);
    fields.certNo = "3001";
    ASSERT_EQ(SaveDocument(ws.tdm, fields), SaveOutcome::Saved) << LastText();
    const std::string replacement = ws.tdm.Working().master.referenceNo;
    EXPECT_EQ(Rows("select status, goCancel from mcod where ReferenceNo = '" + replacement + "'"),
              (std::vector<std::vector<std::string>>{{"12", cancelled}}));

    Select(replacement);
    ws.ui.comments.push_back({1, "взамен"});
    const TransitionOutcome issued = IssueInstead(ws.tdm);
    EXPECT_TRUE(issued.print) << LastText();
    EXPECT_EQ(StatusOf(replacement), "11");
    EXPECT_EQ(Value("select comment from mcod where ReferenceNo = '" + replacement + "'"), "взамен");
    EXPECT_EQ(Value("select goInstead from mcod where ReferenceNo = '" + cancelled + "'"), replacement);
}

TEST_F(Transitions, DeleteAsksAndRemovesEveryRow) {
    const std::string ref = Project();
    ws.ui.answers.push_back(Answer::No);
    EXPECT_FALSE(DeleteDocument(ws.tdm));
    EXPECT_EQ(LastText(), "Вы действительно хотите удалить документ " + ref + "?");
    EXPECT_TRUE(DeleteDocument(ws.tdm));
    EXPECT_EQ(Snapshot(), "");
    const auto events = ws.sink.WithId(0x40007300);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].strings, (std::vector<std::string>{"Ведров", ref}));
}

TEST_F(Transitions, IssuedDocumentsCannotBeDeletedNorProjectsOfOthers) {
    Issued();
    EXPECT_FALSE(DeleteDocument(ws.tdm));
    Project();
    LogIn(3, "Петров");
    EXPECT_FALSE(DeleteDocument(ws.tdm));
    EXPECT_FALSE(IssueDocument(ws.tdm));
    EXPECT_TRUE(ws.ui.messages.empty() || ws.ui.messages.back().text.find("удалить") == std::string::npos);
    EXPECT_EQ(Value("select count(*) from mcod"), "2");
}

}  // namespace
}  // namespace vd
