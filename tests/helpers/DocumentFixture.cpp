#include "DocumentFixture.h"

#include "StoredRows.h"
#include "core/PasswordHash.h"
#include "documents/Loaders.h"
#include "register/RegisterQuery.h"
#include "register/Transitions.h"
#include "support/Text.h"

namespace vd::test {

void DocumentFixture::SetUp() {
    ASSERT_TRUE(ws.OpenDatabase());
    UsersTable& users = ws.tdm.Users();
    users.CreateEmpty();
    users.Append("Aдминистратор", PasswordHash(""));
    users.Append("Ведров", PasswordHash(""));
    users.Append("Петров", PasswordHash(""));
    LogIn(2, "Ведров");
    SetRange(1, 100);
    ws.tdm.Options().SetNetGuid(ws.session.sessionGuid);
    ws.ui.messages.clear();
}

void DocumentFixture::LogIn(int id, const std::string& name) {
    ws.session.currentUserId = id;
    ws.session.currentUserName = name;
}

void DocumentFixture::SetRange(std::int64_t min, std::int64_t max) {
    ws.tdm.Options().SetReferenceRange(min, max);
    ws.tdm.SetCachedReferenceRange(min, max);
}

std::string DocumentFixture::SaveNewProject(const std::string& declarant, std::int64_t paperNo) {
    EXPECT_TRUE(NewProject(ws.tdm));
    EditorFields fields = FieldsFromMaster(ws.tdm);
    fields.declarant = declarant;
    fields.address = "г. Вологда, ул. Мира, 1";
    fields.declaratorFio = "Петров П. П.";
    fields.fio10 = "Иванов И. И.";
    // An empty database proposes no blank; the expert then types one.
    if (paperNo == 0 && ws.tdm.Working().master.paperNo == 0) paperNo = 1000 + ws.tdm.Working().master.id;
    if (paperNo != 0) fields.certNo = std::to_string(paperNo);
    ws.tdm.Working().goods = {GoodsLine{"1", "Пиломатериалы", "10", "ящик", "100 кг", "Инвойс 1"},
                              GoodsLine{"2", "Брус", "5", "поддон", "2 м3", "Инвойс 2"}};
    ws.tdm.Working().expertise = {ExpertiseRow{kToday - 3, "Э-1"}};
    EXPECT_NE(SaveDocument(ws.tdm, fields), SaveOutcome::NotSaved)
        << (ws.ui.messages.empty() ? std::string() : ws.ui.messages.back().text);
    return ws.tdm.Working().master.referenceNo;
}

void DocumentFixture::InsertRow(std::int64_t id, int status, int numNum, std::int64_t paperNo,
                                const std::string& expert, DayNumber lastDate, int gNum) {
    MasterRecord r;
    r.id = id;
    r.status = status;
    r.numNum = numNum;
    r.gNum = gNum;
    r.paperNo = paperNo;
    r.referenceNo = std::to_string(gNum) + "007" + ExactDigits(numNum, 6);
    r.expert = expert;
    r.dateIssued = lastDate;
    r.lastDate = lastDate;
    r.declarant = "Декларант " + std::to_string(id);
    r.address = "Адрес";
    r.tppName = "Палата";
    ws.tdm.Inserts().InsertMaster(r);
    ws.tdm.ASQM().Open();
}

void DocumentFixture::Select(const std::string& referenceNo) {
    ASSERT_TRUE(ws.tdm.ASQM().LocateReference(referenceNo)) << referenceNo;
}

std::vector<std::vector<std::string>> DocumentFixture::Rows(const std::string& sql) { return QueryRows(ws.tdm.Db(), sql); }

std::string DocumentFixture::Value(const std::string& sql) { return QueryValue(ws.tdm.Db(), sql); }

std::string DocumentFixture::Snapshot() { return DocumentsSnapshot(ws.tdm.Db()); }

}  // namespace vd::test
