#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "core/UserInterface.h"

namespace vd::cli {

// The user interface of vdctl: messages go to stderr exactly as the system words them, and
// questions are answered from the command line (--yes, otherwise No). What a user would type
// into a dialog comes from the options and from the lines of standard input, in order.
// The system's texts break lines with CR LF (or a lone CR); a terminal wants LF.
std::string TerminalText(std::string_view text);

class TerminalUi : public UserInterface {
public:
    TerminalUi(std::istream& in, std::ostream& err, bool answerYes, std::optional<std::string> loginName,
               bool passwordFromInput);

    // What the next administration dialog receives: the name of a user to add, a new name.
    void SetDialogName(std::string name) { dialogName_ = std::move(name); }
    // The text left in the next comment dialog; without one the document's comment stays.
    void SetComment(std::optional<std::string> comment) { comment_ = std::move(comment); }

    Answer ShowMessage(MessageKind kind, std::string_view caption, std::string_view text, Buttons buttons) override;
    int ShowDlgLogin(LoginDialogArgs& args) override;
    int ShowDlgComment(CommentDialogArgs& args) override;
    int ShowDlgSimLogin(SimLoginDialogArgs& args) override;
    int ShowDlgAbout(const AboutDialogArgs& args) override;
    bool ShowBlankConfirmation(const BlankDialogArgs& args) override;
    bool AskDisconnectOtherInstance() override;
    int ShowSyncReminder(int days, int currentUserId) override;
    bool ShowUserPasswordDialog(UserPasswordDialog& dialog) override;
    bool ShowUserRenameDialog(UserRenameDialog& dialog) override;
    // The file or folder a command names stands for the user's choice in a chooser.
    void SetChosenPath(std::optional<std::string> path) { chosenPath_ = std::move(path); }
    std::optional<std::string> ChooseFolder(std::string_view title, std::string_view start) override;
    std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view folder,
                                              std::string_view filter) override;
    std::optional<std::string> ChooseSaveFile(std::string_view title, std::string_view folder,
                                              std::string_view suggestedName, std::string_view filter) override;
    void SetHelpLine(std::string_view) override {}
    void SetStatusText(std::string_view) override {}
    void BeginBusy(std::string_view, bool) override {}
    void SetBusyProgress(int) override {}
    void EndBusy() override {}
    void ProcessEvents() override {}

    // The next line of standard input without its line end; empty at the end of input.
    std::string NextLine();

private:
    void Print(std::string_view text);

    std::istream& in_;
    std::ostream& err_;
    bool answerYes_;
    std::optional<std::string> loginName_;
    bool passwordFromInput_;
    std::string dialogName_;
    std::optional<std::string> comment_;
    std::optional<std::string> chosenPath_;
};

}  // namespace vd::cli
