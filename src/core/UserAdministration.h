#pragma once

#include <string>
#include <string_view>

namespace vd {

class TDM;
class UserInterface;
class UsersTable;

// The dialog for adding a user and for changing a password: the window shows the texts and
// hands every "Ok" to Confirm, which checks, tells the user what is wrong and decides whether
// the dialog closes.
class UserPasswordDialog {
public:
    enum class Mode { Add, Properties };
    enum class Outcome { Accepted, StayOpen, Cancelled };
    enum class Focus { None, Name, FirstPassword };
    struct Result {
        Outcome outcome;
        Focus focus;
    };

    // Add mode: an empty name. Properties mode: the user's name and stored password hash.
    UserPasswordDialog(Mode mode, UserInterface& ui, const UsersTable& users, std::string name = {},
                       std::string storedHash = {});

    Mode GetMode() const { return mode_; }
    std::string_view Caption() const;
    std::string_view FirstLabel() const;
    std::string_view SecondLabel() const;
    bool NameEditable() const { return mode_ == Mode::Add; }
    const std::string& Name() const { return name_; }

    Result Confirm(std::string_view name, std::string_view first, std::string_view second);

    // Leaving the name field drops the blanks around the name.
    static std::string TrimName(std::string_view name);

    // After an accepted confirmation: the hash of the new password.
    const std::string& NewHash() const { return newHash_; }
    int Failures() const { return failures_; }

private:
    Result PasswordError();

    Mode mode_;
    UserInterface& ui_;
    const UsersTable& users_;
    std::string name_;
    std::string storedHash_;
    std::string newHash_;
    int failures_ = 0;
};

// The rename dialog: Confirm checks the new name and tells the user what is wrong.
class UserRenameDialog {
public:
    UserRenameDialog(UserInterface& ui, std::string currentName);

    std::string Caption() const;
    std::string_view Prompt() const;
    const std::string& CurrentName() const { return currentName_; }

    // True when the dialog may close with this name; the name is kept as typed.
    bool Confirm(std::string_view newName);
    const std::string& NewName() const { return newName_; }

private:
    UserInterface& ui_;
    std::string currentName_;
    std::string newName_;
};

// The administrator's work on the users table: adding, deleting, changing passwords and
// renaming, with their rights, questions, messages and journal events. Changes stay in memory
// until the users file is written.
class UserAdministration {
public:
    explicit UserAdministration(TDM& tdm) : tdm_(tdm) {}

    bool CanAdd() const;
    bool CanDelete(int selectedId) const;
    bool CanChangePassword() const { return CanAdd(); }
    bool CanRename() const { return CanAdd(); }

    bool AddUser();
    bool DeleteUser(int id);
    bool ChangePassword(int id);
    bool RenameUser(int id);
    // "Сменить пароль" of the main window: every user may change his own password.
    bool ChangeOwnPassword();
    // The administrator still works under the name the first start gave him; the main window
    // then asks him for a personal name at once.
    bool AdministratorNeedsPersonalName() const;

private:
    bool DoChangePassword(int id);

    TDM& tdm_;
};

}  // namespace vd
