#include "core/UserAdministration.h"

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/PasswordHash.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "support/Cp1251.h"
#include "support/Text.h"

namespace vd {
namespace {

constexpr int kMaxPasswordFailures = 3;

}  // namespace

UserPasswordDialog::UserPasswordDialog(Mode mode, UserInterface& ui, const UsersTable& users, std::string name,
                                       std::string storedHash)
    : mode_(mode), ui_(ui), users_(users), name_(std::move(name)), storedHash_(std::move(storedHash)) {}

std::string_view UserPasswordDialog::Caption() const {
    return mode_ == Mode::Add ? text::kAddUserCaption : text::kUserPropertiesCaption;
}

std::string_view UserPasswordDialog::FirstLabel() const {
    return mode_ == Mode::Add ? text::kPasswordLabel : text::kOldPasswordLabel;
}

std::string_view UserPasswordDialog::SecondLabel() const {
    return mode_ == Mode::Add ? text::kCheckLabel : text::kNewPasswordLabel;
}

std::string UserPasswordDialog::TrimName(std::string_view name) { return std::string(TrimBlanks(name)); }

UserPasswordDialog::Result UserPasswordDialog::Confirm(std::string_view name, std::string_view first,
                                                       std::string_view second) {
    const std::string trimmed = mode_ == Mode::Add ? TrimName(name) : name_;
    if (trimmed.empty()) {
        ui_.Error(text::kAppTitle, text::kUserNameRequired);
        return {Outcome::StayOpen, Focus::None};
    }
    if (mode_ == Mode::Add && users_.FindByName(trimmed)) {
        ui_.Error(text::kAppTitle, text::kUserExists);
        return {Outcome::StayOpen, Focus::Name};
    }
    if (mode_ == Mode::Properties && PasswordHash(first) != storedHash_) return PasswordError();
    if (mode_ == Mode::Add && first != second) return PasswordError();
    newHash_ = PasswordHash(second);
    name_ = trimmed;
    return {Outcome::Accepted, Focus::None};
}

UserPasswordDialog::Result UserPasswordDialog::PasswordError() {
    ui_.Error(text::kAppTitle, mode_ == Mode::Properties ? text::kWrongOldPassword : text::kPasswordsDiffer);
    ++failures_;
    return {failures_ >= kMaxPasswordFailures ? Outcome::Cancelled : Outcome::StayOpen, Focus::FirstPassword};
}

UserRenameDialog::UserRenameDialog(UserInterface& ui, std::string currentName)
    : ui_(ui), currentName_(std::move(currentName)) {}

std::string UserRenameDialog::Caption() const {
    return std::string(text::kAppTitle) + ": " + std::string(text::kRenameUserCaption);
}

std::string_view UserRenameDialog::Prompt() const { return text::kRenameUserPrompt; }

bool UserRenameDialog::Confirm(std::string_view newName) {
    const std::string_view trimmed = TrimBlanks(newName);
    if (trimmed.empty()) {
        ui_.Error(text::kAppTitle, text::kUserNameRequired);
        return false;
    }
    // Any spelling of the reserved Cyrillic name is refused; the first administrator's default
    // name begins with a Latin A and so stays allowed.
    if (UpperCaseCp1251(trimmed) == UpperCaseCp1251(text::kReservedName)) {
        ui_.Error(text::kAppTitle, text::kReservedNameRefused);
        return false;
    }
    newName_ = newName;
    return true;
}

bool UserAdministration::CanAdd() const {
    return tdm_.Users().IsOpen() && tdm_.GetSession().currentUserId == 1;
}

bool UserAdministration::CanDelete(int selectedId) const {
    return CanAdd() && selectedId != tdm_.GetSession().currentUserId && selectedId != 1;
}

bool UserAdministration::AddUser() {
    try {
        UsersTable& users = tdm_.Users();
        if (!CanAdd()) return false;
        UserPasswordDialog dialog(UserPasswordDialog::Mode::Add, tdm_.Ui(), users);
        if (!tdm_.Ui().ShowUserPasswordDialog(dialog) || dialog.NewHash().empty()) return false;
        const int id = users.Append(dialog.Name(), dialog.NewHash());
        tdm_.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kUserAdded,
                                     {tdm_.GetSession().currentUserName, dialog.Name(), std::to_string(id)});
        return true;
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError("UsersForm.TfUsers.aAddUserExecute", e.what());
        return false;
    }
}

bool UserAdministration::DeleteUser(int id) {
    try {
        UsersTable& users = tdm_.Users();
        const UserRow* row = users.FindById(id);
        if (!CanDelete(id) || !row) return false;
        const std::string name = row->userName;
        const Answer answer = tdm_.Ui().ShowMessage(
            MessageKind::Warning, text::kAppTitle,
            std::string(text::kDeleteUserQuestion) + "\"" + name + "\"" + "?", Buttons::YesNo);
        if (answer != Answer::Yes) return false;
        tdm_.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kUserDeleted,
                                     {tdm_.GetSession().currentUserName, name, std::to_string(id)});
        users.Delete(id);
        return true;
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError("UsersForm.TfUsers.aDeleteUserExecute", e.what());
        return false;
    }
}

bool UserAdministration::ChangePassword(int id) {
    try {
        return CanChangePassword() && DoChangePassword(id);
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError("UsersForm.TfUsers.aPropUserExecute", e.what());
        return false;
    }
}

bool UserAdministration::ChangeOwnPassword() {
    try {
        return DoChangePassword(tdm_.GetSession().currentUserId);
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError("uFormMain.TfMainForm.aChangePaswordExecute", e.what());
        tdm_.Ui().SetHelpLine(std::string(text::kErrorOccurred) + e.what());
        return false;
    }
}

bool UserAdministration::AdministratorNeedsPersonalName() const {
    const Session& session = tdm_.GetSession();
    return session.IsAdministrator() &&
           UpperCaseCp1251(session.currentUserName) == UpperCaseCp1251(text::kFirstAdministrator);
}

bool UserAdministration::DoChangePassword(int id) {
    UsersTable& users = tdm_.Users();
    if (!users.IsOpen()) return false;
    const UserRow* row = users.FindById(id);
    if (!row) return false;
    const std::string name = row->userName;
    UserPasswordDialog dialog(UserPasswordDialog::Mode::Properties, tdm_.Ui(), users, name, row->password);
    if (!tdm_.Ui().ShowUserPasswordDialog(dialog) || dialog.NewHash().empty()) return false;
    users.SetPassword(id, dialog.NewHash());
    tdm_.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kUserPasswordChanged,
                                 {tdm_.GetSession().currentUserName, name, std::to_string(id)});
    tdm_.Ui().Inform(text::kAppTitle, text::kPasswordChanged);
    return true;
}

bool UserAdministration::RenameUser(int id) {
    try {
        UsersTable& users = tdm_.Users();
        const UserRow* row = users.FindById(id);
        if (!CanRename() || !row) return false;
        UserRenameDialog dialog(tdm_.Ui(), row->userName);
        if (!tdm_.Ui().ShowUserRenameDialog(dialog)) return false;
        users.SetName(id, dialog.NewName());
        Session& session = tdm_.GetSession();
        tdm_.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, event::kUserRenamed,
                                     {session.currentUserName, dialog.NewName(), std::to_string(id)});
        tdm_.Ui().Inform(text::kAppTitle, text::kUserRenamed);
        if (id == session.currentUserId) session.currentUserName = dialog.NewName();
        return true;
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError("UsersForm.TfUsers.aRenameExecute", e.what());
        return false;
    }
}

}  // namespace vd
