#include "documents/DocumentSave.h"

#include <algorithm>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "documents/Messages.h"
#include "register/Messages.h"
#include "register/RegisterQuery.h"
#include "register/StatusLifecycle.h"
#include "support/Text.h"

namespace vd {
namespace {

// Right-justified in `width` characters with "0"; a longer text keeps its last characters.
std::string Justified(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text.substr(text.size() - width));
    return std::string(width - text.size(), '0') + std::string(text);
}

std::int64_t NumberOf(std::string_view text) {
    const auto value = ParseInteger(TrimBlanks(text));
    if (!value) throw std::invalid_argument(std::string(text::kNotANumber) + "\"" + std::string(text) + "\"");
    return *value;
}

// Copies the controls into the master record, as every save does first.
void CopyFields(TDM& tdm, const EditorFields& f) {
    MasterRecord& m = tdm.Working().master;
    m.paperNo = NumberOf(f.certNo);
    m.referenceNo = Justified(f.g, 1) + Justified(f.tpp, 3) + Justified(f.refNumNum, 6);
    m.gNum = static_cast<int>(NumberOf(f.g));
    m.numNum = static_cast<int>(NumberOf(f.refNumNum));
    m.dateIssued = tdm.GetClock().Today();
    m.declarant = RemoveControlChars(f.declarant);
    m.address = RemoveControlChars(f.address);
    m.supportInfo = RemoveControlChars(f.supportInfo);
    m.tppName = RemoveControlChars(f.tppName);
    m.declaratorFio = RemoveControlChars(f.declaratorFio);
    m.fio10 = RemoveControlChars(f.fio10);
    m.declarationDate = f.declarationDate;
    m.date10 = f.date10;
    m.lastDate = std::max(m.dateIssued, m.modifiedDate);
}

// The status operation of the editor's mode; false when the document may not be stored.
bool CheckByMode(TDM& tdm) {
    switch (tdm.GetSession().editMode) {
        case 1:
        case 3: return SetStatusPaper(tdm, 6);
        case 2: {
            const RegisterRow* current = tdm.ASQM().Current();
            return SetStatusPaper(tdm, current && current->record.status == 12 ? 12 : 6);
        }
        case 4: return SetStatusPaper(tdm, 10);
        case 7: return SetStatusPaper(tdm, 12);
        default:
            tdm.Ui().Error(text::kAppTitle, text::kUnknownStatus);
            return false;
    }
}

std::int64_t CountRows(Database& db, const std::string& sql) {
    Statement query(db, sql);
    return query.Step() ? query.ColumnInt(0) : 0;
}

// Replaces the document's rows: the old ones of a project go, the working set comes in. Only
// projects may be replaced, so an issued document is never overwritten.
void ReplaceRows(TDM& tdm) {
    Database& db = tdm.Db();
    const Session& session = tdm.GetSession();
    const WorkingSet& working = tdm.Working();
    const MasterRecord& m = working.master;
    if (session.editMode != 1) {
        const std::int64_t r = session.editMode == 2 ? session.editedDocumentId : m.id;
        const std::string id = std::to_string(r);
        const std::int64_t projects =
            CountRows(db, "select count(*) as ct,status from mcod where (id = " + id + ") and (status = 6)");
        if (projects > 1) throw std::runtime_error(std::string(text::kTooManyToReplace) + std::to_string(projects));
        if (CountRows(db, "select count(*) as ct,status from mcod where (id = " + id +
                              ") and (status <> 6) and (status <> 12)") > 0) {
            throw std::runtime_error(std::string(text::kWouldDeleteOther));
        }
        db.Exec("delete from dcod where idM = " + id);
        db.Exec("delete from mcod where id = " + id);
        db.Exec("delete from expertise where idM = " + id);
    }
    InsertStatements& inserts = tdm.Inserts();
    for (const GoodsLine& line : working.goods) inserts.InsertGoods(m.id, line);
    for (const ExpertiseRow& row : working.expertise) {
        if (!row.de) throw std::runtime_error(std::string(text::kExpertiseWithoutDate) + "\"" + row.nume + "\"");
        inserts.InsertExpertise(m.id, ExpertiseRef{*row.de, row.nume});
    }
    inserts.InsertMaster(m);
    if (m.status == 10) {
        // The issued conclusion learns about its duplicate.
        Statement link(db, "update mcod SET  goDuplicate = :goDuplicate where (ReferenceNo = :ReferenceNo) and (status = 7)");
        link.BindText(":goDuplicate", m.referenceNo);
        link.BindText(":ReferenceNo", m.goTrue);
        link.Execute();
    }
}

}  // namespace

EditorFields FieldsFromMaster(const TDM& tdm) {
    const MasterRecord& m = tdm.Working().master;
    EditorFields f;
    f.certNo = ExactDigits(m.paperNo, 7);
    f.g = std::to_string(m.gNum);
    f.tpp = ExactDigits(tdm.Station().tppNumber, 3);
    f.refNumNum = ExactDigits(m.numNum, 6);
    f.declarant = m.declarant;
    f.address = m.address;
    f.supportInfo = m.supportInfo;
    f.tppName = tdm.Station().tppName;
    f.declaratorFio = m.declaratorFio;
    f.fio10 = m.fio10;
    f.declarationDate = m.declarationDate;
    f.date10 = m.date10;
    return f;
}

SaveOutcome SaveDocument(TDM& tdm, const EditorFields& fields) {
    Session& session = tdm.GetSession();
    UserInterface& ui = tdm.Ui();
    if (session.stopFlag) return SaveOutcome::NotSaved;
    // A workstation that lost the database lock must not write at all.
    if (tdm.Options().NetGuid() != session.sessionGuid) {
        ui.ShowMessage(MessageKind::Warning, text::kAppTitle, text::kLockLost, Buttons::Yes);
        session.stopFlag = true;
        return SaveOutcome::NotSaved;
    }
    const bool duplicate = session.duplicatePending;
    if (duplicate && ui.ShowMessage(MessageKind::Warning, text::kAppTitle, text::kDuplicateSaveQuestion,
                                    Buttons::YesCancel) != Answer::Yes) {
        return SaveOutcome::NotSaved;
    }

    WorkingSet& working = tdm.Working();
    const MasterRecord before = working.master;
    try {
        CopyFields(tdm, fields);
        if (!CheckByMode(tdm)) {
            working.master = before;
            return SaveOutcome::NotSaved;
        }
    } catch (const std::exception& e) {
        working.master = before;
        tdm.GetJournal().ReportError("uFormEdit.TFormEdit.aOKExecute", e.what());
        ui.Error(text::kAppTitle, e.what());
        return SaveOutcome::NotSaved;
    }
    const MasterRecord& m = working.master;
    const int mode = session.editMode;
    tdm.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction,
                                mode == 1 || mode == 3 || mode == 7 ? event::kDocumentCreated : event::kDocumentChanged,
                                {session.currentUserName, m.referenceNo});

    const std::int64_t replaced = mode == 2 ? session.editedDocumentId : m.id;
    if (mode != 1 && replaced == 0) {
        ui.Error(text::kAppTitle, text::kIdZero);
        return SaveOutcome::NotSaved;
    }
    try {
        Transaction transaction(tdm.Db());
        ReplaceRows(tdm);
        transaction.Commit();
    } catch (const std::exception& e) {
        ui.Error(text::kProductName, std::string(text::kCannotSave) + e.what());
        tdm.GetJournal().WriteEvent(EventType::Warning, EventCategory::Settings, event::kStoredValueFailed,
                                    {std::string(text::kSaveEventOperation), e.what()});
        return SaveOutcome::NotSaved;
    }

    working.modified = false;
    session.editMode = 2;
    session.editedDocumentId = m.id;
    if (duplicate) session.duplicatePending = false;
    RegisterQuery& query = tdm.ASQM();
    query.Open();
    if (!query.LocateReference(m.referenceNo) || duplicate) return SaveOutcome::SavedAndLeave;
    return SaveOutcome::Saved;
}

void CancelEditing(TDM& tdm) {
    tdm.GetSession().duplicatePending = false;
    tdm.Working().modified = false;
}

SaveOutcome LeaveEditor(TDM& tdm, const EditorFields& fields) {
    Session& session = tdm.GetSession();
    WorkingSet& working = tdm.Working();
    if (working.modified) {
        if (tdm.Ui().ShowMessage(MessageKind::Warning, text::kAppTitle, text::kSaveChangesQuestion, Buttons::YesNo) ==
            Answer::No) {
            working.modified = false;
            return SaveOutcome::NotSaved;
        }
        return SaveDocument(tdm, fields);
    }
    if (session.editMode == 1) session.editMode = 0;
    return SaveOutcome::NotSaved;
}

}  // namespace vd
