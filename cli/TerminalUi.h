#pragma once

#include <iosfwd>
#include <string>

#include "core/UserInterface.h"

namespace vd::cli {

// The user interface of vdctl: messages go to stderr exactly as the system words them, and
// questions are answered from the command line (--yes, otherwise No).
class TerminalUi : public UserInterface {
public:
    TerminalUi(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    Answer ShowMessage(MessageKind kind, std::string_view caption, std::string_view text, Buttons buttons) override;
    int ShowDlgLogin(LoginDialogArgs& args) override;
    int ShowDlgComment(CommentDialogArgs& args) override;
    int ShowDlgSimLogin(SimLoginDialogArgs& args) override;
    int ShowDlgAbout(const AboutDialogArgs& args) override;
    bool AskDisconnectOtherInstance() override;
    int ShowSyncReminder(int days, int currentUserId) override;
    bool ShowUserPasswordDialog(UserPasswordDialog& dialog) override;
    bool ShowUserRenameDialog(UserRenameDialog& dialog) override;
    void SetHelpLine(std::string_view text) override;
    void SetStatusText(std::string_view text) override;
    void BeginBusy(std::string_view text, bool withProgress) override;
    void SetBusyProgress(int position) override;
    void EndBusy() override;
    void ProcessEvents() override {}

private:
    void Print(std::string_view text);

    std::ostream& err_;
    bool answerYes_;
};

}  // namespace vd::cli
