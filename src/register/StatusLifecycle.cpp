#include "register/StatusLifecycle.h"

#include <algorithm>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "documents/CheckCert.h"
#include "documents/Messages.h"
#include "register/Messages.h"
#include "register/RegisterQuery.h"

namespace vd {
namespace {

void WriteStatusEvent(TDM& tdm, int status) {
    const MasterRecord& m = tdm.Working().master;
    tdm.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kDocumentStatusChanged,
                                {tdm.GetSession().currentUserName, std::to_string(status),
                                 m.referenceNo + " бланк " + std::to_string(m.paperNo)});
}

// Findings that may not be overridden: shown with a single No.
bool Refuse(TDM& tdm, const StatusCheckError& check, std::string_view lineBreak) {
    tdm.Ui().ShowMessage(MessageKind::Error, text::kAppTitle,
                         check.text + std::string(lineBreak) + std::string(text::kContinueDespiteErrors), Buttons::No);
    return false;
}

bool ProjectCheck(TDM& tdm) {
    MasterRecord& m = tdm.Working().master;
    m.status = 6;
    StatusCheckError check = CheckCert(tdm);
    if (m.declarant.empty()) check.Add(2, text::kDeclarantMissing);
    if (m.address.empty()) check.Add(2, text::kAddressMissing);
    if (check.level == 1) {
        return tdm.Ui().ShowMessage(MessageKind::Error, text::kAppTitle,
                                    check.text + "\r" + std::string(text::kContinueDespiteErrors),
                                    Buttons::YesNo) == Answer::Yes;
    }
    if (check.level == 2) return Refuse(tdm, check, "\r");
    return true;
}

bool DuplicateCheck(TDM& tdm) {
    const StatusCheckError check = CheckCert(tdm);
    if (check.level != 0) return Refuse(tdm, check, "\r");
    WriteStatusEvent(tdm, 10);
    return true;
}

// Runs one status statement in its own transaction; a failure is shown and rolled back.
bool ChangeStatus(TDM& tdm, Statement& update) {
    try {
        Transaction transaction(tdm.Db());
        update.Execute();
        transaction.Commit();
        return true;
    } catch (const std::exception& e) {
        tdm.Ui().Error(text::kProductName, std::string(text::kStatusChangeFailed) + e.what());
        return false;
    }
}

// The register is read again and the changed document made current.
void RelocateDocument(TDM& tdm, const std::string& referenceNo) {
    RegisterQuery& query = tdm.ASQM();
    query.Open();
    query.LocateReference(referenceNo);
}

// The register's current document, whole, as the master record of the working set.
bool LoadCurrentDocument(TDM& tdm) {
    const RegisterRow* current = tdm.ASQM().Current();
    if (!current) return false;
    const std::string comment = tdm.Working().master.comment;
    tdm.Working().master = current->record;
    tdm.Working().master.comment = comment;
    return true;
}

bool Issue(TDM& tdm, int status) {
    const RegisterRow* current = tdm.ASQM().Current();
    if (!current) return false;
    const auto& sizes = current->record.fSize;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i] < 6 || sizes[i] > 12) {
            tdm.Ui().Error(text::kAppTitle, std::string(text::kBadFontSize) + std::to_string(i + 1));
            return false;
        }
    }
    // The document is checked as it is stored, and its number against other documents only.
    const std::string comment = tdm.Working().master.comment;
    const bool keepComment = status == 11;
    tdm.Working().master = current->record;
    if (keepComment) tdm.Working().master.comment = comment;
    const StatusCheckError check = CheckCert(tdm, OwnNumber::Always);
    if (check.level != 0) return Refuse(tdm, check, "\r\n");
    WriteStatusEvent(tdm, status);

    MasterRecord& m = tdm.Working().master;
    m.status = status;
    m.lastDate = std::max(m.dateIssued, m.modifiedDate);
    Statement update(tdm.Db(), "update mcod SET status = " + std::to_string(status) + ", expert = :Expert" +
                                   ", LastDate = " + std::to_string(m.lastDate) + ", comment = :comment" +
                                   ", DateIssued = :DateIssued" + " where id=" + std::to_string(m.id));
    update.BindText(":Expert", tdm.GetSession().currentUserName);
    update.BindBlobText(":comment", m.comment);
    update.BindInt(":DateIssued", m.dateIssued);
    if (!ChangeStatus(tdm, update)) return false;
    RelocateDocument(tdm, m.referenceNo);
    return true;
}

bool SpoilOrCancel(TDM& tdm, int status) {
    if (!LoadCurrentDocument(tdm)) return false;
    WriteStatusEvent(tdm, status);
    MasterRecord& m = tdm.Working().master;
    const DayNumber today = tdm.GetClock().Today();
    m.status = status;
    m.modifierExpert = tdm.GetSession().currentUserName;
    m.modifiedDate = today;
    m.lastDate = std::max(m.dateIssued, today);
    Statement update(tdm.Db(), "update mcod SET status = " + std::to_string(status) +
                                   ", modifierExpert = :modifierExpert" + ", modifiedDate = " + std::to_string(today) +
                                   ", LastDate = " + std::to_string(m.lastDate) + ", comment = :comment" +
                                   "  where id=" + std::to_string(m.id));
    update.BindText(":modifierExpert", m.modifierExpert);
    update.BindBlobText(":comment", m.comment);
    if (!ChangeStatus(tdm, update)) return false;
    RelocateDocument(tdm, m.referenceNo);
    return true;
}

}  // namespace

bool SetStatusPaper(TDM& tdm, int status) {
    if (!tdm.RegisterOpen()) return true;
    try {
        switch (status) {
            case 6: return ProjectCheck(tdm);
            case 10: return DuplicateCheck(tdm);
            case 7:
            case 11: return Issue(tdm, status);
            case 8:
            case 9: return SpoilOrCancel(tdm, status);
            default: return true;
        }
    } catch (const std::exception& e) {
        tdm.GetJournal().ReportError("DataGeneral.TDM.SetStatusPaper", e.what());
        return false;
    }
}

}  // namespace vd
