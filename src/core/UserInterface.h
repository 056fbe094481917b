#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class UserPasswordDialog;
class UserRenameDialog;

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class Buttons { Ok, OkCancel, Yes, YesNo, YesCancel, YesNoCancel, No };
enum class Answer { Ok, Cancel, Yes, No };

// The login dialog's arguments; `name` and `password` are preset and read back.
struct LoginDialogArgs {
    std::vector<std::string> userNames;
    std::string name;
    std::string password;
    std::string caption;
    std::string prompt;
    std::string nameLabel;
    std::string passwordLabel;
    std::string okCaption;
    std::string cancelCaption;
    std::string maskChar;
};

// The comment dialog of status changes; `comment` is preset and read back.
struct CommentDialogArgs {
    std::string comment;
    std::string caption;
    std::string prompt;
    std::string okCaption;
    std::string cancelCaption;
    int flag = 1;
};

// The expert-service login; every text field but the captions is preset and read back.
struct SimLoginDialogArgs {
    std::string login;
    std::string password;
    std::string userName;
    std::string projectNumber;
    std::string caption;
    std::string prompt;
    std::string loginLabel;
    std::string passwordLabel;
    std::string okCaption;
    std::string cancelCaption;
    std::string maskChar;
    std::string userNameLabel;
    std::string projectLabel;
};

// The confirmation of the blank form before a document is issued.
struct BlankDialogArgs {
    std::string caption;
    std::string line1;
    std::string line2;
    std::string yesCaption;
    std::string noCaption;
};

struct AboutDialogArgs {
    std::string caption;
    std::string description;
    std::string version;
    std::string contacts;
    std::string okCaption;
};

// Everything the core asks or tells the user. FormVD answers with windows, vdctl with the
// terminal and its flags, tests with a scripted fake. Dialog results follow the dialog
// library's convention: 1 means confirmed.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual Answer ShowMessage(MessageKind kind, std::string_view caption, std::string_view text,
                               Buttons buttons) = 0;

    virtual int ShowDlgLogin(LoginDialogArgs& args) = 0;
    virtual int ShowDlgComment(CommentDialogArgs& args) = 0;
    virtual int ShowDlgSimLogin(SimLoginDialogArgs& args) = 0;
    virtual int ShowDlgAbout(const AboutDialogArgs& args) = 0;

    // True when the user confirms the blank form lying in the printer.
    virtual bool ShowBlankConfirmation(const BlankDialogArgs& args) = 0;

    // The database-busy dialog: true for "Отключить другой экземпляр и выйти из программы.".
    virtual bool AskDisconnectOtherInstance() = 0;
    // The synchronisation reminder: 1 cancelled, 2 online synchronisation, 3 packet to a file.
    virtual int ShowSyncReminder(int days, int currentUserId) = 0;

    // The user administration's dialogs; they run until the dialog object accepts or cancels.
    virtual bool ShowUserPasswordDialog(UserPasswordDialog& dialog) = 0;
    virtual bool ShowUserRenameDialog(UserRenameDialog& dialog) = 0;

    // File and folder choosers; no value when the user closes them without a choice. `filter`
    // is a list like "Файлы обновления | VD_*_update.zip.cod" (a caption and patterns).
    virtual std::optional<std::string> ChooseFolder(std::string_view title, std::string_view start) = 0;
    virtual std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view folder,
                                                      std::string_view filter) = 0;
    virtual std::optional<std::string> ChooseSaveFile(std::string_view title, std::string_view folder,
                                                      std::string_view suggestedName, std::string_view filter) = 0;

    virtual void SetHelpLine(std::string_view text) = 0;
    virtual void SetStatusText(std::string_view text) = 0;

    // The busy indicator for long work; progress runs from 0 to 1000.
    virtual void BeginBusy(std::string_view text, bool withProgress) = 0;
    virtual void SetBusyProgress(int position) = 0;
    virtual void EndBusy() = 0;
    virtual void ProcessEvents() = 0;

    // Short forms of the message boxes the core shows most.
    void Inform(std::string_view caption, std::string_view text) {
        ShowMessage(MessageKind::Information, caption, text, Buttons::Ok);
    }
    void Warn(std::string_view caption, std::string_view text) {
        ShowMessage(MessageKind::Warning, caption, text, Buttons::Ok);
    }
    void Error(std::string_view caption, std::string_view text) {
        ShowMessage(MessageKind::Error, caption, text, Buttons::Ok);
    }
};

}  // namespace vd
