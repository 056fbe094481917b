#include "core/Startup.h"

#include "core/DataModule.h"
#include "core/InstanceLock.h"
#include "core/Journal.h"
#include "core/Login.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "register/RegisterQuery.h"

namespace vd {
namespace {

constexpr int kReminderAfterDays = 5;

}  // namespace

StartResult Startup::Run(const std::function<void()>& mainLoop) {
    Session& session = tdm_.GetSession();
    const Journal& journal = tdm_.GetJournal();
    journal.WriteEvent(EventType::Information, EventCategory::UserAction, event::kProgramStarted);

    // Held for the whole life of the program, and dropped by the system if it dies.
    InstanceLock lock;
    if (!lock.TryAcquire(tdm_.GetPaths().lockFile)) {
        tdm_.Ui().Error(text::kAppTitle, text::kAlreadyRunning);
        journal.WriteEvent(EventType::Information, EventCategory::UserAction, event::kProgramEnded);
        return StartResult::AlreadyRunning;
    }

    // Until the station file has been read nothing may change data; from here on every stop
    // leaves the files as they were.
    if (!LogIn()) return StartResult::Aborted;

    StartResult result = StartResult::Started;
    try {
        if (!OpenDatabase()) return StartResult::Aborted;
        ApplyFirstRegisterFilter();
        if (tdm_.Options().ArjBegin()) Archive();
        if (!session.stopFlag) RemindOfSynchronisation();
        if (!session.stopFlag) tdm_.Options().SetNetGuid(session.sessionGuid);
        mainLoop();
    } catch (const std::exception& e) {
        journal.ReportError("FormVD.dpr", e.what());
        result = StartResult::Failed;
    } catch (...) {
        journal.ReportError("FormVD.dpr", "unknown exception");
        result = StartResult::Failed;
    }
    Shutdown();
    return result;
}

bool Startup::LogIn() {
    Session& session = tdm_.GetSession();
    tdm_.DataModuleCreate();
    UsersTable& users = tdm_.Users();
    if (!session.stopFlag) tdm_.LoadUsers();
    if (!session.stopFlag && users.IsOpen() && !tdm_.Station().usersOld) {
        if (users.Empty()) CreateFirstAdministrator(tdm_);
        // The first administrator is made at most once per run, whatever the station file says.
        tdm_.MutableStation().usersOld = true;
    }
    if (!session.stopFlag && session.loginRequired) {
        PaperLogOn(tdm_);
    } else if (!session.stopFlag) {
        if (const UserRow* row = users.Current()) {
            session.currentUserName = row->userName;
            session.currentUserId = row->id;
        }
        tdm_.Ui().SetHelpLine(session.currentUserName);
    }
    return !session.stopFlag;
}

bool Startup::OpenDatabase() {
    Session& session = tdm_.GetSession();
    if (!tdm_.LoadAll()) return false;
    // A lock left in the database means another process works on it (or crashed while it
    // did): this one never starts, it only offers to clear the lock.
    if (!tdm_.Options().NetGuid().empty()) {
        session.stopFlag = true;
        if (tdm_.Ui().AskDisconnectOtherInstance()) tdm_.Options().SetNetGuid("");
    }
    return !session.stopFlag;
}

void Startup::ApplyFirstRegisterFilter() {
    Session& session = tdm_.GetSession();
    // Other users always work on their own documents; the administrator starts with all.
    session.registerFilter = session.IsAdministrator() ? RegisterFilter{}
                                                       : RegisterFilter::OwnIssuedAndProjects(session.currentUserName);
    RegisterQuery& query = tdm_.ASQM();
    query.SetFilter(session.registerFilter);
    query.Open();
}

void Startup::RemindOfSynchronisation() {
    Session& session = tdm_.GetSession();
    const int days = tdm_.DaysWithoutSync();
    if (days > kReminderAfterDays) session.syncChoice = tdm_.Ui().ShowSyncReminder(days, session.currentUserId);
}

void Startup::Shutdown() {
    Session& session = tdm_.GetSession();
    if (tdm_.IsOpen()) {
        const std::string owner = tdm_.Options().NetGuid();
        // A lock taken over by another process is left to it.
        if (!owner.empty() && owner == session.sessionGuid) tdm_.Options().SetNetGuid("");
        if (tdm_.Options().ArjEnd()) Archive();
    }
    if (!session.stopFlag) tdm_.SaveCdsToDisc();
    session.stopFlag = true;
    tdm_.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kProgramEnded);
}

void Startup::Archive() {
    // Archiving the data folder arrives with the database maintenance commands; until then the
    // ArjBegin and ArjEnd settings have no effect.
}

}  // namespace vd
