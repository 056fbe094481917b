#include <functional>
#include <ostream>

#include "Commands.h"
#include "DocumentJson.h"
#include "TerminalUi.h"
#include "core/Messages.h"
#include "core/Workstation.h"
#include "documents/DocumentSave.h"
#include "documents/Loaders.h"
#include "documents/Messages.h"
#include "register/Enabling.h"
#include "register/RegisterQuery.h"
#include "register/Transitions.h"

namespace vd::cli {
namespace {

using nlohmann::json;

constexpr std::string_view kNotFound = "Заключение не найдено: ";
constexpr std::string_view kNotEditable = "Заключение нельзя редактировать: ";
constexpr std::string_view kNotPossible = "Действие невозможно для заключения ";

// The register as the user sees it after "Только мои": his own documents of every status, or
// everybody's for the administrator.
RegisterQuery& PrepareRegister(Workstation& ws, bool mine) {
    RegisterQuery& query = ws.tdm.ASQM();
    const bool own = mine || !ws.session.IsAdministrator();
    query.SetFilter(own ? RegisterFilter::OwnDocuments(ws.session.currentUserName) : RegisterFilter{});
    query.Open();
    return query;
}


// The editor's part: the file's fields over the prepared working set, then "Сохранить".
int EditAndSave(Workstation& ws, const std::optional<json>& input, std::ostream& out, std::ostream& err) {
    EditorFields fields = FieldsFromMaster(ws.tdm);
    try {
        if (input) ApplyDocumentJson(*input, ws.tdm, fields);
    } catch (const std::invalid_argument& e) {
        err << e.what() << '\n';
        return 1;
    }
    if (SaveDocument(ws.tdm, fields) == SaveOutcome::NotSaved) return 1;
    out << ws.tdm.Working().master.referenceNo << '\n';
    return 0;
}

int NotPossible(const std::string& ref, std::ostream& err) {
    err << kNotPossible << ref << '\n';
    return 1;
}

// The register's enabling rule for the command; the windows disable what it refuses.
bool Permitted(const std::string& verb, const RegisterActions& a) {
    if (verb == "template") return a.templ;
    if (verb == "duplicate") return a.duplicate;
    if (verb == "replace" || verb == "instead") return a.instead;
    if (verb == "issue") return a.complete;
    if (verb == "spoil") return a.badPaper;
    if (verb == "cancel") return a.cancel;
    if (verb == "delete") return a.deleteDocument;
    return true;
}

// "doc edit": as the main window's "Редактировать" on the current document.
int Edit(Workstation& ws, TerminalUi& ui, const std::string& ref, const std::optional<json>& input, std::ostream& out,
         std::ostream& err) {
    if (!Select(ws, ref, err)) return 1;
    if (!ComputeMainActions(EnablingInput::From(ws.tdm)).edit) {
        err << kNotEditable << ref << '\n';
        return 1;
    }
    const std::string author = ws.tdm.ASQM().Current()->record.expert;
    if (author != ws.session.currentUserName &&
        ui.ShowMessage(MessageKind::Warning, text::kAppTitle,
                       std::string(text::kEditOthersDocument) + "\"" + author + "\"?\r\n" +
                           std::string(text::kBecomesYours),
                       Buttons::YesNo) != Answer::Yes) {
        return 1;
    }
    ws.session.editMode = 2;
    if (!SetEditFields(ws.tdm)) return 1;
    return EditAndSave(ws, input, out, err);
}

}  // namespace

bool Select(Workstation& ws, const std::string& ref, std::ostream& err) {
    if (PrepareRegister(ws, false).LocateReference(ref)) return true;
    err << kNotFound << ref << '\n';
    return false;
}

Action DocCommand(Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string verb = args.Take("doc command");
    const std::optional<std::string> comment = args.TakeOption("--comment");
    const bool mine = args.TakeFlag("--mine");
    if (verb == "list") {
        args.ExpectEnd();
        return [mine, &out](Workstation& ws, TerminalUi&) {
            RegisterQuery& query = PrepareRegister(ws, mine);
            for (int i = 0; i < query.RowCount(); ++i) out << RowToJson(query.RowAt(i)).dump() << '\n';
            return 0;
        };
    }
    if (verb == "new") {
        const json input = ReadJsonFile(args.Take("FILE.json"));
        args.ExpectEnd();
        return [input, &out, &err](Workstation& ws, TerminalUi&) {
            PrepareRegister(ws, false);
            if (!NewProject(ws.tdm)) return 1;
            return EditAndSave(ws, input, out, err);
        };
    }

    const std::string ref = args.Take("REF");
    std::optional<json> input;
    if (!args.Empty() && (verb == "edit" || verb == "template" || verb == "duplicate" || verb == "replace")) {
        input = ReadJsonFile(args.Take("FILE.json"));
    }
    if (verb == "edit" && !input) throw UsageError("doc edit needs FILE.json");
    args.ExpectEnd();

    using Step = std::function<int(Workstation&, TerminalUi&)>;
    Step step;
    if (verb == "show") {
        step = [&out](Workstation& ws, TerminalUi&) {
            RegisterQuery& query = ws.tdm.ASQM();
            out << DocumentToJson(*query.Current(), query.CurrentGoods(), query.CurrentExpertise()).dump(2) << '\n';
            return 0;
        };
    } else if (verb == "edit") {
        return [ref, input, &out, &err](Workstation& ws, TerminalUi& ui) { return Edit(ws, ui, ref, input, out, err); };
    } else if (verb == "template") {
        step = [ref, input, &out, &err](Workstation& ws, TerminalUi&) {
            return TemplateProject(ws.tdm) ? EditAndSave(ws, input, out, err) : NotPossible(ref, err);
        };
    } else if (verb == "duplicate") {
        step = [ref, input, &out, &err](Workstation& ws, TerminalUi&) {
            return DuplicateDocument(ws.tdm).openEditor ? EditAndSave(ws, input, out, err) : NotPossible(ref, err);
        };
    } else if (verb == "replace") {
        step = [ref, input, &out, &err](Workstation& ws, TerminalUi&) {
            if (ws.tdm.ASQM().Current()->record.status != 9) return NotPossible(ref, err);
            return IssueInstead(ws.tdm).openEditor ? EditAndSave(ws, input, out, err) : NotPossible(ref, err);
        };
    } else if (verb == "instead") {
        step = [ref, &err](Workstation& ws, TerminalUi&) {
            if (ws.tdm.ASQM().Current()->record.status != 12) return NotPossible(ref, err);
            return IssueInstead(ws.tdm).print ? 0 : 1;
        };
    } else if (verb == "issue") {
        step = [](Workstation& ws, TerminalUi&) { return IssueDocument(ws.tdm) ? 0 : 1; };
    } else if (verb == "spoil") {
        step = [](Workstation& ws, TerminalUi&) { return SpoilDocument(ws.tdm) ? 0 : 1; };
    } else if (verb == "cancel") {
        step = [](Workstation& ws, TerminalUi&) { return CancelDocument(ws.tdm) ? 0 : 1; };
    } else if (verb == "delete") {
        step = [](Workstation& ws, TerminalUi&) { return DeleteDocument(ws.tdm) ? 0 : 1; };
    } else {
        throw UsageError("doc: unknown command " + verb);
    }
    return [verb, ref, comment, step, &err](Workstation& ws, TerminalUi& ui) {
        if (!Select(ws, ref, err)) return 1;
        if (!Permitted(verb, ComputeRegisterActions(EnablingInput::From(ws.tdm)))) return NotPossible(ref, err);
        ui.SetComment(comment);
        return step(ws, ui);
    };
}

}  // namespace vd::cli
