#pragma once

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

#include "core/UserInterface.h"

class QWidget;

namespace vd::gui {

class BusyWindow;
class TfMainForm;

// FormVD's answer to everything the core asks or tells: message boxes and dialogs, the main
// window's help line and status text, the busy window. Before the main window exists (during
// start-up) dialogs have no parent and the help line and status text are kept until it comes.
class QtUserInterface : public UserInterface {
public:
    QtUserInterface();
    ~QtUserInterface() override;
    QtUserInterface(const QtUserInterface&) = delete;
    QtUserInterface& operator=(const QtUserInterface&) = delete;

    void SetMainWindow(TfMainForm* mainWindow);

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
    std::optional<std::string> ChooseFolder(std::string_view title, std::string_view start) override;
    std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view folder,
                                              std::string_view filter) override;
    std::optional<std::string> ChooseSaveFile(std::string_view title, std::string_view folder,
                                              std::string_view suggestedName, std::string_view filter) override;
    void SetHelpLine(std::string_view text) override;
    void SetStatusText(std::string_view text) override;
    void BeginBusy(std::string_view text, bool withProgress) override;
    void SetBusyProgress(int position) override;
    void EndBusy() override;
    void ProcessEvents() override;

    // The busy window while long work runs, otherwise null.
    const BusyWindow* Busy() const { return busy_.get(); }

private:
    // A dialog opened from another dialog (an error box over the password dialog) belongs to
    // that one; any other to the main window.
    QWidget* DialogParent() const;

    QPointer<TfMainForm> mainWindow_;
    // Texts set while there was no main window, handed to it when it comes.
    std::optional<QString> pendingHelpLine_;
    std::optional<QString> pendingStatusText_;
    std::unique_ptr<BusyWindow> busy_;
};

}  // namespace vd::gui
