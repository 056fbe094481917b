#include "main/QtUserInterface.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include <utility>

#include "core/AboutBox.h"
#include "core/CommentDialog.h"
#include "core/DatabaseBusyDialog.h"
#include "core/LoginDialog.h"
#include "core/SimLoginDialog.h"
#include "core/SyncReminderDialog.h"
#include "core/UserPasswordDialogWindow.h"
#include "core/UserRenameDialogWindow.h"
#include "main/BusyWindow.h"
#include "main/MainForm.h"
#include "main/MessageBox.h"
#include "register/BlankConfirmationDialog.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

// The dialog library's results: 1 confirmed, 2 cancelled or closed.
constexpr int kConfirmed = 1;
constexpr int kCancelled = 2;

}  // namespace

QtUserInterface::QtUserInterface() = default;

QtUserInterface::~QtUserInterface() = default;

void QtUserInterface::SetMainWindow(TfMainForm* mainWindow) {
    mainWindow_ = mainWindow;
    if (!mainWindow_) return;
    if (pendingHelpLine_) mainWindow_->SetHelpLine(*std::exchange(pendingHelpLine_, std::nullopt));
    if (pendingStatusText_) mainWindow_->SetStatusText(*std::exchange(pendingStatusText_, std::nullopt));
}

QWidget* QtUserInterface::DialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return mainWindow_.data();
}

Answer QtUserInterface::ShowMessage(MessageKind kind, std::string_view caption, std::string_view text,
                                    Buttons buttons) {
    return ShowMessageBox(DialogParent(), kind, caption, text, buttons);
}

int QtUserInterface::ShowDlgLogin(LoginDialogArgs& args) {
    LoginDialog dialog(args, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return kCancelled;
    args.name = dialog.Name();
    args.password = dialog.Password();
    return kConfirmed;
}

int QtUserInterface::ShowDlgComment(CommentDialogArgs& args) {
    CommentDialog dialog(args, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return kCancelled;
    args.comment = dialog.Comment();
    return kConfirmed;
}

int QtUserInterface::ShowDlgSimLogin(SimLoginDialogArgs& args) {
    SimLoginDialog dialog(args, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return kCancelled;
    dialog.ReadInto(args);
    return kConfirmed;
}

int QtUserInterface::ShowDlgAbout(const AboutDialogArgs& args) {
    ShowAboutBox(args, DialogParent());
    return kConfirmed;
}

bool QtUserInterface::ShowBlankConfirmation(const BlankDialogArgs& args) {
    TFormDlgPaper dialog(args, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserInterface::AskDisconnectOtherInstance() {
    TFormDlgNetExit dialog(DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

int QtUserInterface::ShowSyncReminder(int days, int currentUserId) {
    TfDlgWarningSync dialog(days, currentUserId, DialogParent());
    return dialog.exec();
}

bool QtUserInterface::ShowUserPasswordDialog(UserPasswordDialog& dialog) {
    TfAddUser window(dialog, DialogParent(), mainWindow_ ? &mainWindow_->Layout() : nullptr);
    const bool accepted = window.exec() == QDialog::Accepted;
    window.RethrowIfFailed();
    return accepted;
}

bool QtUserInterface::ShowUserRenameDialog(UserRenameDialog& dialog) {
    TfUserRename window(dialog, DialogParent());
    const bool accepted = window.exec() == QDialog::Accepted;
    window.RethrowIfFailed();
    return accepted;
}

namespace {

// "Файлы обновления | VD_*_update.zip.cod" in the form Qt's file dialog reads.
QString FileDialogFilter(std::string_view filter) {
    const QString text = ToQString(filter);
    const qsizetype bar = text.indexOf(QChar(u'|'));
    if (bar < 0) return text;
    return text.left(bar).trimmed() + " (" + text.mid(bar + 1).trimmed() + ")";
}

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return ToUtf8(QDir::toNativeSeparators(path));
}

}  // namespace

std::optional<std::string> QtUserInterface::ChooseFolder(std::string_view title, std::string_view start) {
    return Chosen(QFileDialog::getExistingDirectory(DialogParent(), ToQString(title), ToQString(start)));
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(std::string_view title, std::string_view folder,
                                                           std::string_view filter) {
    return Chosen(QFileDialog::getOpenFileName(DialogParent(), ToQString(title), ToQString(folder),
                                               FileDialogFilter(filter)));
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(std::string_view title, std::string_view folder,
                                                           std::string_view suggestedName, std::string_view filter) {
    const QString start = QDir(ToQString(folder)).filePath(ToQString(suggestedName));
    return Chosen(QFileDialog::getSaveFileName(DialogParent(), ToQString(title), start, FileDialogFilter(filter)));
}

void QtUserInterface::SetHelpLine(std::string_view text) {
    if (mainWindow_) {
        mainWindow_->SetHelpLine(ToDisplayText(text));
    } else {
        pendingHelpLine_ = ToDisplayText(text);
    }
}

void QtUserInterface::SetStatusText(std::string_view text) {
    if (mainWindow_) {
        mainWindow_->SetStatusText(ToDisplayText(text));
    } else {
        pendingStatusText_ = ToDisplayText(text);
    }
}

void QtUserInterface::BeginBusy(std::string_view text, bool withProgress) {
    busy_ = std::make_unique<BusyWindow>(text, withProgress, mainWindow_.data());
    busy_->show();
    QCoreApplication::processEvents();
}

void QtUserInterface::SetBusyProgress(int position) {
    if (!busy_) return;
    busy_->SetProgress(position);
    QCoreApplication::processEvents();
}

void QtUserInterface::EndBusy() { busy_.reset(); }

void QtUserInterface::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace vd::gui
