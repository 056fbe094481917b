#include "register/Transitions.h"

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "documents/Loaders.h"
#include "register/Enabling.h"
#include "register/Messages.h"
#include "register/RegisterQuery.h"
#include "register/StatusLifecycle.h"
#include "support/Text.h"

namespace vd {
namespace {

RegisterActions Allowed(TDM& tdm) { return ComputeRegisterActions(EnablingInput::From(tdm)); }

// The comment dialog of a transition, preset with the document's comment; the confirmed text
// becomes the master record's comment.
bool AskComment(TDM& tdm, const text::CommentTexts& texts, const std::string& current) {
    CommentDialogArgs args;
    args.comment = current;
    args.caption = texts.caption;
    args.prompt = texts.prompt;
    args.okCaption = texts.confirm;
    args.cancelCaption = texts.refuse;
    args.flag = 1;
    if (tdm.Ui().ShowDlgComment(args) != 1) return false;
    tdm.Working().master.comment = args.comment;
    return true;
}

const MasterRecord& CurrentRecord(TDM& tdm) { return tdm.ASQM().Current()->record; }

bool SpoilOrCancel(TDM& tdm, const text::CommentTexts& texts, int status) {
    if (!AskComment(tdm, texts, CurrentRecord(tdm).comment)) return false;
    return SetStatusPaper(tdm, status);
}

}  // namespace

bool NewProject(TDM& tdm) {
    if (!Allowed(tdm).newDocument) return false;
    return NewDocument(tdm);
}

bool TemplateProject(TDM& tdm) {
    if (!Allowed(tdm).templ) return false;
    tdm.GetSession().editMode = 3;
    return Template(tdm, false);
}

bool IssueDocument(TDM& tdm) {
    if (!Allowed(tdm).complete) return false;
    const MasterRecord& doc = CurrentRecord(tdm);
    const Session& session = tdm.GetSession();
    if (tdm.Options().DlgPaper(session.currentUserName)) {
        BlankDialogArgs args{std::string(text::kBlankDialogCaption), std::string(text::kBlankDialogLine1),
                             "№" + ExactDigits(doc.paperNo, 7) + "?", std::string(text::kBlankDialogYes),
                             std::string(text::kBlankDialogNo)};
        if (!tdm.Ui().ShowBlankConfirmation(args)) return false;
    }
    if (tdm.Ui().ShowMessage(MessageKind::Warning, text::kAppTitle, text::kIssueQuestion, Buttons::YesCancel) !=
        Answer::Yes) {
        return false;
    }
    return SetStatusPaper(tdm, 7);
}

bool SpoilDocument(TDM& tdm) {
    if (!Allowed(tdm).badPaper) return false;
    return SpoilOrCancel(tdm, text::kSpoilComment, 8);
}

bool CancelDocument(TDM& tdm) {
    if (!Allowed(tdm).cancel) return false;
    return SpoilOrCancel(tdm, text::kCancelComment, 9);
}

TransitionOutcome DuplicateDocument(TDM& tdm) {
    TransitionOutcome outcome;
    if (!Allowed(tdm).duplicate) return outcome;
    Session& session = tdm.GetSession();
    session.editMode = 4;
    session.duplicatePending = true;
    if (!Template(tdm, true)) {
        session.duplicatePending = false;
        return outcome;
    }
    if (AskComment(tdm, text::kDuplicateComment, "")) outcome.print = SetStatusPaper(tdm, 10);
    // Whatever the answer, the editor shows the prepared duplicate; only its save stores it.
    outcome.openEditor = true;
    return outcome;
}

TransitionOutcome IssueInstead(TDM& tdm) {
    TransitionOutcome outcome;
    if (!Allowed(tdm).instead) return outcome;
    Session& session = tdm.GetSession();
    const MasterRecord doc = CurrentRecord(tdm);
    if (doc.status == 9) {
        session.editMode = 7;
        outcome.openEditor = Template(tdm, false);
        return outcome;
    }
    session.editMode = 6;
    if (!AskComment(tdm, text::kInsteadComment, doc.comment)) return outcome;
    if (!SetStatusPaper(tdm, 11)) return outcome;
    try {
        Transaction transaction(tdm.Db());
        Statement link(tdm.Db(), "update mcod SET  goInstead = :goInstead where (status = " + std::string("9") +
                                     ") and (ReferenceNo = :ReferenceNo)");
        link.BindText(":goInstead", doc.referenceNo);
        link.BindText(":ReferenceNo", doc.goCancel);
        link.Execute();
        transaction.Commit();
    } catch (const std::exception& e) {
        tdm.Ui().Error(text::kProductName, std::string(text::kCannotSave) + e.what());
        tdm.GetJournal().ReportError("uFormList.TFormList.aInsteadExecute", e.what());
        return outcome;
    }
    outcome.print = true;
    return outcome;
}

bool DeleteDocument(TDM& tdm) {
    if (!Allowed(tdm).deleteDocument) return false;
    const MasterRecord doc = CurrentRecord(tdm);
    if (tdm.Ui().ShowMessage(MessageKind::Warning, text::kAppTitle,
                             std::string(text::kDeleteDocumentQuestion) + doc.referenceNo + "?",
                             Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    tdm.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kDocumentDeleted,
                                {tdm.GetSession().currentUserName, doc.referenceNo});
    const std::string id = std::to_string(doc.id);
    try {
        Transaction transaction(tdm.Db());
        tdm.Db().Exec("delete from dcod where idM = " + id);
        tdm.Db().Exec("delete from expertise where idM = " + id);
        tdm.Db().Exec("delete from mcod where id = " + id);
        transaction.Commit();
    } catch (const std::exception& e) {
        tdm.GetJournal().ReportError("uFormList.TFormList.aDeleteExecute", std::string(e.what()) + " id = " + id);
        return false;
    }
    tdm.ASQM().Open();
    return true;
}

}  // namespace vd
