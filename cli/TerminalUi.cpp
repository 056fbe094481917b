#include "TerminalUi.h"

#include <filesystem>
#include <istream>
#include <ostream>

#include "core/Messages.h"
#include "core/UserAdministration.h"

namespace vd::cli {

TerminalUi::TerminalUi(std::istream& in, std::ostream& err, bool answerYes, std::optional<std::string> loginName,
                       bool passwordFromInput)
    : in_(in), err_(err), answerYes_(answerYes), loginName_(std::move(loginName)),
      passwordFromInput_(passwordFromInput) {}

std::string TerminalText(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line += text[i] == '\r' ? '\n' : text[i];
    }
    return line;
}

void TerminalUi::Print(std::string_view text) {
    err_ << TerminalText(text) << '\n';
    err_.flush();
}

std::string TerminalUi::NextLine() {
    std::string line;
    if (!std::getline(in_, line)) return {};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

Answer TerminalUi::ShowMessage(MessageKind, std::string_view, std::string_view text, Buttons buttons) {
    Print(text);
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return answerYes_ ? Answer::Ok : Answer::Cancel;
        case Buttons::Yes: return Answer::Yes;
        case Buttons::YesCancel: return answerYes_ ? Answer::Yes : Answer::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoCancel: return answerYes_ ? Answer::Yes : Answer::No;
        case Buttons::No: return Answer::No;
    }
    return Answer::No;
}

int TerminalUi::ShowDlgLogin(LoginDialogArgs& args) {
    // Without --user the dialog counts as closed.
    if (!loginName_) return 2;
    args.name = *loginName_;
    args.password = passwordFromInput_ ? NextLine() : std::string();
    return 1;
}

int TerminalUi::ShowDlgComment(CommentDialogArgs& args) {
    // The dialog asks to confirm a change that cannot be undone: --yes confirms.
    Print(args.prompt);
    if (comment_) args.comment = *comment_;
    return answerYes_ ? 1 : 2;
}

int TerminalUi::ShowDlgSimLogin(SimLoginDialogArgs&) { return 2; }

int TerminalUi::ShowDlgAbout(const AboutDialogArgs& args) {
    Print(args.description + args.version + args.contacts);
    return 1;
}

bool TerminalUi::ShowBlankConfirmation(const BlankDialogArgs& args) {
    Print(args.line1 + " " + args.line2);
    return answerYes_;
}

bool TerminalUi::AskDisconnectOtherInstance() {
    Print(std::string(text::kNetBusyLine1) + "\n" + std::string(text::kNetBusyLine2));
    Print(answerYes_ ? text::kNetBusyDisconnect : text::kNetBusyExit);
    return answerYes_;
}

int TerminalUi::ShowSyncReminder(int days, int) {
    Print(std::string(text::kSyncNotDone) + std::to_string(days) + std::string(text::kSyncDays));
    return 1;
}

bool TerminalUi::ShowUserPasswordDialog(UserPasswordDialog& dialog) {
    const std::string name = dialog.NameEditable() ? dialogName_ : dialog.Name();
    const std::string first = NextLine();
    const std::string second = NextLine();
    // One attempt: a refused confirmation has printed its reason and counts as cancelled.
    return dialog.Confirm(name, first, second).outcome == UserPasswordDialog::Outcome::Accepted;
}

std::optional<std::string> TerminalUi::ChooseFolder(std::string_view, std::string_view) { return chosenPath_; }

std::optional<std::string> TerminalUi::ChooseOpenFile(std::string_view, std::string_view, std::string_view) {
    return chosenPath_;
}

std::optional<std::string> TerminalUi::ChooseSaveFile(std::string_view, std::string_view folder,
                                                      std::string_view suggestedName, std::string_view) {
    // Without a path of its own, vdctl takes the name the program proposes.
    if (chosenPath_) return chosenPath_;
    return (std::filesystem::path(folder) / suggestedName).string();
}

bool TerminalUi::ShowUserRenameDialog(UserRenameDialog& dialog) { return dialog.Confirm(dialogName_); }

}  // namespace vd::cli
