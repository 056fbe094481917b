#include "register/RegisterCommands.h"

#include "core/DataModule.h"
#include "core/Schema.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "register/RegisterQuery.h"

namespace vd {

void ApplyMyOnly(TDM& tdm, bool down) {
    tdm.Ui().SetStatusText("");
    if (!tdm.RegisterOpen()) return;
    Session& session = tdm.GetSession();
    RegisterQuery& query = tdm.ASQM();
    query.SetFilter(down ? RegisterFilter::OwnDocuments(session.currentUserName) : RegisterFilter{});
    query.Open();
    session.registerFilter = query.Filter();
}

void RestoreRegister(TDM& tdm) {
    RegisterQuery& query = tdm.ASQM();
    const std::string& sql = query.Sql();
    const std::string defaultSql(sql::kRegisterDefault);
    if (sql != defaultSql && sql != defaultSql + "\r\n" && sql != defaultSql + "\n") {
        query.SetSql(defaultSql);
        Transaction transaction(tdm.Db());
        tdm.Db().Exec(sql::kResetSearchMarks);
        transaction.Commit();
        query.Open();
    }
    const RegisterFilter& saved = tdm.GetSession().registerFilter;
    if (query.Filter().Text() != saved.Text() || !query.IsOpen()) {
        query.SetFilter(saved);
        query.Open();
    }
}

}  // namespace vd
