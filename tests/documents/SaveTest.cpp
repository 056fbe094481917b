#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "documents/CheckCert.h"
#include "documents/DocumentSave.h"
#include "register/RegisterQuery.h"
#include "register/Transitions.h"

namespace vd {
namespace {

class Save : public test::DocumentFixture {
protected:
    // A new project with every field filled, ready to be saved.
    EditorFields NewFields() {
        EXPECT_TRUE(NewProject(ws.tdm));
        EditorFields f = FieldsFromMaster(ws.tdm);
        f.certNo = "0000123";
        f.declarant = "ООО \"Ромашка\"";
        f.address = "г. Вологда";
        f.declaratorFio = "Петров";
        f.fio10 = "Иванов";
        return f;
    }

    std::string LastText() const { return ws.ui.messages.empty() ? "" : ws.ui.messages.back().text; }
};

TEST_F(Save, NewProjectIsStoredWithItsLinesAndEvent) {
    EditorFields f = NewFields();
    ws.tdm.Working().goods = {GoodsLine{"1", "Лес\r\nкруглый", "1", "связка", "5 м3", "Инв. 7"}};
    ws.tdm.Working().expertise = {ExpertiseRow{test::kToday - 2, "Э-77"}};
    ASSERT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::Saved) << LastText();

    EXPECT_EQ(Rows("select status, PaperNo, ReferenceNo, GNum, NumNum, DateIssued, Expert, declarant, LastDate from mcod"),
              (std::vector<std::vector<std::string>>{{"6", "123", "6007000001", "6", "1", std::to_string(test::kToday),
                                                      "Ведров", "ООО \"Ромашка\"", std::to_string(test::kToday)}}));
    EXPECT_EQ(Value("select descriptionGoods from dcod"), "Лес\r\nкруглый");
    EXPECT_EQ(Value("select nume from expertise"), "Э-77");
    const auto created = ws.sink.WithId(0x40007302);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].strings, (std::vector<std::string>{"Ведров", "6007000001"}));
    EXPECT_EQ(ws.session.editMode, 2);
    EXPECT_FALSE(ws.tdm.Working().modified);
    EXPECT_EQ(ws.tdm.ASQM().Current()->record.referenceNo, "6007000001");
}

TEST_F(Save, SavingTwiceReplacesTheRows) {
    EditorFields f = NewFields();
    ws.tdm.Working().goods = {GoodsLine{"1", "A", "", "", "", ""}, GoodsLine{"2", "B", "", "", "", ""}};
    ASSERT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::Saved);
    std::reverse(ws.tdm.Working().goods.begin(), ws.tdm.Working().goods.end());
    f.declarant = "ООО \"Лютик\"";
    ASSERT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::Saved) << LastText();
    EXPECT_EQ(Value("select count(*) from mcod"), "1");
    EXPECT_EQ(Value("select declarant from mcod"), "ООО \"Лютик\"");
    EXPECT_EQ(Rows("select num from dcod order by rowid"), (std::vector<std::vector<std::string>>{{"2"}, {"1"}}));
    EXPECT_TRUE(ws.sink.Has(0x40007301));
}

TEST_F(Save, EmptyDeclarantIsAnErrorWithOnlyANoButton) {
    EditorFields f = NewFields();
    f.declarant.clear();
    const std::string before = Snapshot();
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::NotSaved);
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].text, "Поле1. Заявитель инкогнито оставаться не может.\r\rПРОДОЛЖИТЬ НЕСМОТРЯ НА ОШИБКИ?");
    EXPECT_EQ(ws.ui.messages[0].buttons, Buttons::No);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Save, WarningsMayBeOverriddenByYes) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        EditorFields f = NewFields();
        f.date10 = f.declarationDate + 1;  // field 10 after field 9: a warning
        ws.ui.answers.push_back(answer);
        const SaveOutcome outcome = SaveDocument(ws.tdm, f);
        EXPECT_EQ(ws.ui.messages.back().text,
                  "ВНИМАНИЕ! дата поля 10 не должна превышать дату поля 9\r\rПРОДОЛЖИТЬ НЕСМОТРЯ НА ОШИБКИ?");
        EXPECT_EQ(ws.ui.messages.back().buttons, Buttons::YesNo);
        EXPECT_EQ(outcome, answer == Answer::Yes ? SaveOutcome::Saved : SaveOutcome::NotSaved);
        EXPECT_EQ(Value("select count(*) from mcod"), answer == Answer::Yes ? "1" : "0");
    }
}

TEST_F(Save, BlanksAreUniqueButSpoiledNumbersMayBeReused) {
    InsertRow(50, 9, 50, 123);  // blank 123 held by a cancelled document
    EditorFields f = NewFields();
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::NotSaved);
    EXPECT_EQ(LastText(), "ВНИМАНИЕ! бланк 123 уже был использован.\r\rПРОДОЛЖИТЬ НЕСМОТРЯ НА ОШИБКИ?");

    InsertRow(40, 8, 1, 500);  // number 1 held only by a spoiled blank
    f.certNo = "124";
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::Saved) << LastText();
}

TEST_F(Save, ZeroBlankFindingsFollowTheCheckOrder) {
    InsertRow(50, 7, 50, 0);
    EditorFields f = NewFields();
    f.certNo = "0000000";
    f.refNumNum = "000500";  // outside the range 1..100 as well
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::NotSaved);
    EXPECT_EQ(LastText(),
              "ВНИМАНИЕ! бланк 0 уже был использован.\rВНИМАНИЕ! бланк не должен быть нулевым.\r"
              "ВНИМАНИЕ! Номер документа вышел за допустимый диапазон. Администратор должен сменить диапазон "
              "допустимых номеров.\r\rПРОДОЛЖИТЬ НЕСМОТРЯ НА ОШИБКИ?");
}

TEST_F(Save, LostLockWritesNothingFromThenOn) {
    EditorFields f = NewFields();
    ws.tdm.Options().SetNetGuid("{00000000-0000-0000-0000-000000000000}");
    const std::string before = Snapshot();
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::NotSaved);
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].text, "Другой экземпляр программы захватил базу данных. Сохранение невозможно.");
    EXPECT_EQ(ws.ui.messages[0].buttons, Buttons::Yes);
    EXPECT_TRUE(ws.session.stopFlag);
    ws.tdm.Options().SetNetGuid(ws.session.sessionGuid);
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::NotSaved);
    EXPECT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Save, FailuresInsideTheTransactionRollBackWithTheReason) {
    SaveNewProject();
    const std::string before = Snapshot();
    ws.tdm.Working().expertise.push_back(ExpertiseRow{std::nullopt, "Э-без-даты"});
    EXPECT_EQ(SaveDocument(ws.tdm, FieldsFromMaster(ws.tdm)), SaveOutcome::NotSaved);
    EXPECT_EQ(ws.ui.messages.back().caption, "Vardelo VD");
    EXPECT_TRUE(LastText().starts_with("Сохранить невозможно: У экспертизы не указана дата")) << LastText();
    const auto warnings = ws.sink.WithId(0x40000653);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].strings.at(0), "сохранение проекта");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Save, GuardsKeepIssuedDocumentsAndIdZeroFromBeingReplaced) {
    SaveNewProject();
    const std::string id = Value("select id from mcod");
    ws.tdm.Db().Exec("update mcod set status = 7");
    std::string before = Snapshot();
    EXPECT_EQ(SaveDocument(ws.tdm, FieldsFromMaster(ws.tdm)), SaveOutcome::NotSaved);
    EXPECT_EQ(LastText(), "Сохранить невозможно: Ошибка программиста. Попытка удалить лишний документ.");
    EXPECT_EQ(Snapshot(), before);

    ws.tdm.Db().Exec("update mcod set status = 6");
    ws.session.editedDocumentId = 0;
    before = Snapshot();
    EXPECT_EQ(SaveDocument(ws.tdm, FieldsFromMaster(ws.tdm)), SaveOutcome::NotSaved);
    EXPECT_EQ(LastText(), "id = 0");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(id, "1");
}

TEST_F(Save, BlankNumberThatIsNoNumberIsRefused) {
    EditorFields f = NewFields();
    f.certNo = "12а4";
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::NotSaved);
    EXPECT_TRUE(LastText().starts_with("Значение должно быть числом"));
    EXPECT_TRUE(ws.sink.Has(0x40000103));
    EXPECT_EQ(Value("select count(*) from mcod"), "0");
}

TEST_F(Save, UnknownModeIsRefused) {
    EditorFields f = NewFields();
    ws.session.editMode = 5;
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::NotSaved);
    EXPECT_EQ(LastText(), "Неизвестный статус документа");
}

TEST_F(Save, DocumentHiddenByTheFilterClosesTheEditor) {
    LogIn(1, "Aдминистратор");
    ws.tdm.ASQM().SetFilter(RegisterFilter::OwnDocuments("Кто-то другой"));
    ws.tdm.ASQM().Open();
    EditorFields f = NewFields();
    EXPECT_EQ(SaveDocument(ws.tdm, f), SaveOutcome::SavedAndLeave);
    EXPECT_EQ(Value("select count(*) from mcod"), "1");
}

TEST_F(Save, LeavingWithChangesAsks) {
    EditorFields f = NewFields();
    ws.ui.answers.push_back(Answer::No);
    EXPECT_EQ(LeaveEditor(ws.tdm, f), SaveOutcome::NotSaved);
    EXPECT_EQ(ws.ui.messages.back().text, "Сохранить изменения?");
    EXPECT_FALSE(ws.tdm.Working().modified);
    EXPECT_EQ(Value("select count(*) from mcod"), "0");

    f = NewFields();
    ws.ui.answers.push_back(Answer::Yes);
    EXPECT_EQ(LeaveEditor(ws.tdm, f), SaveOutcome::Saved);
    EXPECT_EQ(Value("select count(*) from mcod"), "1");
}

TEST_F(Save, CheckFindsAChangedExpertAndALongChamberName) {
    SaveNewProject();
    LogIn(3, "Петров");
    ws.tdm.Working().master.tppName = std::string(1001, 'x');
    const StatusCheckError check = CheckCert(ws.tdm);
    EXPECT_EQ(check.level, 2);
    EXPECT_EQ(check.text,
              "ВНИМАНИЕ! Изменился эксперт\rВНИМАНИЕ! Параметр Наименование палаты поля 10 не должен превышать "
              "1000 символов.\r");
}

}  // namespace
}  // namespace vd
