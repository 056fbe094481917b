#include "TerminalUi.h"

#include <ostream>

namespace vd::cli {

void TerminalUi::Print(std::string_view text) {
    // The system's texts break lines with CR LF; a terminal wants LF alone.
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line += text[i] == '\r' ? '\n' : text[i];
    }
    err_ << line << '\n';
    err_.flush();
}

Answer TerminalUi::ShowMessage(MessageKind, std::string_view, std::string_view text, Buttons buttons) {
    Print(text);
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return answerYes_ ? Answer::Ok : Answer::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoCancel: return answerYes_ ? Answer::Yes : Answer::No;
        case Buttons::No: return Answer::No;
    }
    return Answer::No;
}

int TerminalUi::ShowDlgLogin(LoginDialogArgs&) { return 0; }

int TerminalUi::ShowDlgComment(CommentDialogArgs&) { return answerYes_ ? 1 : 0; }

int TerminalUi::ShowDlgSimLogin(SimLoginDialogArgs&) { return 0; }

int TerminalUi::ShowDlgAbout(const AboutDialogArgs& args) {
    Print(args.description + args.version + args.contacts);
    return 1;
}

bool TerminalUi::AskDisconnectOtherInstance() {
    Print("База данных в настоящее время используется другим экземпляром программы.\r\nОдновременная работа запрещена.");
    return answerYes_;
}

int TerminalUi::ShowSyncReminder(int, int) { return 1; }

bool TerminalUi::ShowUserPasswordDialog(UserPasswordDialog&) { return false; }

bool TerminalUi::ShowUserRenameDialog(UserRenameDialog&) { return false; }

void TerminalUi::SetHelpLine(std::string_view) {}

void TerminalUi::SetStatusText(std::string_view) {}

void TerminalUi::BeginBusy(std::string_view, bool) {}

void TerminalUi::SetBusyProgress(int) {}

void TerminalUi::EndBusy() {}

}  // namespace vd::cli
