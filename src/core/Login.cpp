#include "core/Login.h"

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/PasswordHash.h"
#include "core/Session.h"
#include "core/UserInterface.h"

namespace vd {

bool TestUserLogon(const UsersTable& users, std::string_view name, std::string_view password, const Journal& journal) {
    try {
        const UserRow* row = users.FindByName(name);
        return row && row->password == PasswordHash(password);
    } catch (const std::exception& e) {
        journal.ReportError("CommonVD.TestUserLogon", e.what());
        return false;
    }
}

void CreateFirstAdministrator(TDM& tdm) {
    UsersTable& users = tdm.Users();
    Session& session = tdm.GetSession();
    const int id = users.Append(text::kFirstAdministrator, PasswordHash(""));
    users.First();
    tdm.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kUserAdded,
                                {session.currentUserName, std::string(text::kFirstAdministrator), std::to_string(id)});
    session.loginRequired = false;
}

bool PaperLogOn(TDM& tdm) {
    Session& session = tdm.GetSession();
    const Journal& journal = tdm.GetJournal();
    try {
        UsersTable& users = tdm.Users();
        LoginDialogArgs args;
        for (const UserRow& row : users.Rows()) args.userNames.push_back(row.userName);
        args.name = args.userNames.empty() ? session.currentUserName : args.userNames.front();
        args.caption = std::string(text::kAppTitle) + std::string(text::kLoginCaptionSuffix);
        args.prompt = text::kLoginPrompt;
        args.nameLabel = text::kLoginNameLabel;
        args.passwordLabel = text::kLoginPasswordLabel;
        args.okCaption = text::kOk;
        args.cancelCaption = text::kCancel;
        args.maskChar = text::kPasswordMask;

        if (tdm.Ui().ShowDlgLogin(args) != 1) {
            session.stopFlag = true;
            return false;
        }
        const std::vector<std::string> strings = {session.currentUserName, args.name};
        if (!TestUserLogon(users, args.name, args.password, journal)) {
            journal.WriteEvent(EventType::AuditFailure, EventCategory::UserAction, event::kLoginRefused, strings);
            tdm.Ui().Error(text::kAppTitle, text::kWrongPassword);
            session.stopFlag = true;
            return false;
        }
        journal.WriteEvent(EventType::AuditSuccess, EventCategory::UserAction, event::kLoginAccepted, strings);
        const UserRow* row = users.FindByName(args.name);
        users.Locate(row->id);
        session.currentUserName = row->userName;
        session.currentUserId = row->id;
        return true;
    } catch (const std::exception& e) {
        journal.ReportError("CommonVD.PaperLogOn", e.what());
        session.stopFlag = true;
        return false;
    }
}

}  // namespace vd
