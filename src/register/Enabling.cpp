#include "register/Enabling.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "register/RegisterQuery.h"

namespace vd {

EnablingInput EnablingInput::From(TDM& tdm) {
    const Session& session = tdm.GetSession();
    EnablingInput in;
    in.stopFlag = session.stopFlag;
    in.registerOpen = tdm.RegisterOpen();
    in.currentUserId = session.currentUserId;
    in.currentUserName = session.currentUserName;
    in.duplicatePending = session.duplicatePending;
    if (!in.registerOpen) return in;
    RegisterQuery& query = tdm.ASQM();
    in.rowCount = query.RowCount();
    if (const RegisterRow* row = query.Current()) {
        const MasterRecord& r = row->record;
        in.current = Row{row->statusReadable ? std::optional<int>(r.status) : std::nullopt,
                         r.expert, r.referenceNo, r.goDuplicate, r.goInstead, r.goCancel, r.goTrue};
    }
    return in;
}

bool EnablingInput::Owner() const {
    return currentUserId == 1 || (current && current->expert == currentUserName);
}

RegisterActions ComputeRegisterActions(const EnablingInput& in) {
    RegisterActions a;
    const bool base = !in.stopFlag && in.registerOpen && in.rowCount > 0 && in.current.has_value();
    const int st = base && in.current->status ? *in.current->status : -1;
    const bool owner = in.Owner();
    a.newDocument = !in.stopFlag && in.registerOpen;
    a.templ = !in.stopFlag && in.rowCount > 0;
    a.complete = st == 6 && owner;
    a.cancel = st == 7 || st == 10 || st == 11;
    a.duplicate = st == 7;
    a.badPaper = (st == 7 || st == 10 || st == 11) && owner;
    a.deleteDocument = (st == 6 || st == 12) && owner;
    a.instead = (st == 9 || st == 12) && owner;
    a.goDuplicate = st == 7 && owner && !in.current->goDuplicate.empty();
    a.goInstead = st == 9 && owner && !in.current->goInstead.empty();
    a.goCancel = st == 11 && owner && !in.current->goCancel.empty();
    a.goTrue = st == 10 && owner && !in.current->goTrue.empty();
    a.wordCerts = in.registerOpen && in.rowCount > 0;
    // Other users always work on their own documents.
    a.myOnlyEnabled = in.currentUserId == 1;
    a.myOnlyForcedOn = in.currentUserId != 1;
    return a;
}

MainActions ComputeMainActions(const EnablingInput& in) {
    MainActions a;
    const bool rows = !in.stopFlag && in.registerOpen && in.rowCount > 0;
    const int st = rows && in.current && in.current->status ? *in.current->status : -1;
    a.edit = rows && (st == 6 || st == 12 || in.duplicatePending);
    a.readOnlyView = !in.stopFlag && !a.edit;
    a.view = !in.stopFlag;
    a.print = rows;
    a.caption = std::string(text::kAppTitle);
    if (a.print && in.current) a.caption += " - " + in.current->referenceNo;
    a.administration = in.currentUserId == 1 && !in.stopFlag;
    a.settings = in.currentUserId == 1;
    return a;
}

void ApplyRegisterSideEffects(const EnablingInput& in, Session& session) {
    const int st = in.current && in.current->status ? *in.current->status : -1;
    if (st != 10) session.duplicatePending = false;
    if (st == 8 || st == 9) session.readOnlyView = false;
}

}  // namespace vd
