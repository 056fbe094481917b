#include <gtest/gtest.h>

#include "Workstation.h"
#include "core/PasswordHash.h"
#include "core/UserAdministration.h"

namespace vd {
namespace {

using Outcome = UserPasswordDialog::Outcome;

// Plays the user's part in the password dialog: one "Ok" per entry until the dialog closes.
struct Typed {
    std::string name;
    std::string first;
    std::string second;
};

std::function<bool(UserPasswordDialog&)> Types(std::vector<Typed> entries) {
    return [entries](UserPasswordDialog& dialog) {
        for (const Typed& e : entries) {
            const auto result = dialog.Confirm(e.name, e.first, e.second);
            if (result.outcome == Outcome::Accepted) return true;
            if (result.outcome == Outcome::Cancelled) return false;
        }
        return false;
    };
}

std::function<bool(UserRenameDialog&)> RenamesTo(std::vector<std::string> names) {
    return [names](UserRenameDialog& dialog) {
        for (const auto& name : names) {
            if (dialog.Confirm(name)) return true;
        }
        return false;
    };
}

// The administrator logged in, with the expert "Ведров" (id 2) in the table.
class UserAdmin : public ::testing::Test {
protected:
    void SetUp() override {
        UsersTable& users = ws.tdm.Users();
        users.CreateEmpty();
        users.Append("Aдминистратор", PasswordHash(""));
        users.Append("Ведров", PasswordHash("пароль"));
        LogInAs(1);
    }

    void LogInAs(int id) {
        ws.session.currentUserId = id;
        ws.session.currentUserName = ws.tdm.Users().FindById(id)->userName;
    }

    std::vector<std::string> Errors() const {
        std::vector<std::string> texts;
        for (const auto& m : ws.ui.messages) {
            if (m.kind == MessageKind::Error) texts.push_back(m.text);
        }
        return texts;
    }

    test::Workstation ws;
    UserAdministration admin{ws.tdm};
};

TEST_F(UserAdmin, OnlyTheAdministratorMayUseTheCommands) {
    EXPECT_TRUE(admin.CanAdd());
    EXPECT_TRUE(admin.CanRename());
    EXPECT_TRUE(admin.CanDelete(2));
    EXPECT_FALSE(admin.CanDelete(1));  // himself, and the station's administrator

    LogInAs(2);
    EXPECT_FALSE(admin.CanAdd());
    EXPECT_FALSE(admin.CanChangePassword());
    EXPECT_FALSE(admin.CanRename());
    EXPECT_FALSE(admin.CanDelete(1));
    EXPECT_FALSE(admin.AddUser());
    EXPECT_FALSE(admin.RenameUser(1));
    EXPECT_FALSE(admin.ChangePassword(1));
    EXPECT_TRUE(ws.ui.messages.empty());
}

TEST_F(UserAdmin, AdministratorCannotDeleteHimselfEvenUnderAnotherNumber) {
    ws.tdm.Users().Append("Второй администратор", PasswordHash(""));
    ws.session.currentUserId = 3;  // a logged-in user other than id 1 has no rights at all
    EXPECT_FALSE(admin.CanDelete(3));
    EXPECT_FALSE(admin.CanDelete(2));
}

TEST_F(UserAdmin, ThirdPasswordMismatchCancelsTheAddition) {
    ws.ui.passwordDialogs.push_back(Types({{"Ким", "a", "b"}, {"Ким", "a", "b"}, {"Ким", "a", "b"}, {"Ким", "a", "a"}}));
    EXPECT_FALSE(admin.AddUser());
    EXPECT_EQ(Errors(), std::vector<std::string>(3, "Пароли не совпадают!"));
    EXPECT_EQ(ws.tdm.Users().FindByName("Ким"), nullptr);
    EXPECT_FALSE(ws.sink.Has(0x40007200));
}

TEST_F(UserAdmin, AddsWithTheHashAndTheEvent) {
    ws.ui.passwordDialogs.push_back(Types({{"  Ким Ведров  ", "", ""}}));
    ASSERT_TRUE(admin.AddUser());
    const UserRow* row = ws.tdm.Users().FindByName("Ким Ведров");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->id, 3);
    EXPECT_EQ(row->password, PasswordHash(""));
    const auto events = ws.sink.WithId(0x40007200);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].strings, (std::vector<std::string>{"Aдминистратор", "Ким Ведров", "3"}));
}

TEST_F(UserAdmin, NamesAreRequiredAndUnique) {
    UserPasswordDialog dialog(UserPasswordDialog::Mode::Add, ws.ui, ws.tdm.Users());
    EXPECT_EQ(dialog.Caption(), "Добавить пользователя");
    EXPECT_EQ(dialog.FirstLabel(), "Пароль:");
    EXPECT_EQ(dialog.SecondLabel(), "Проверка:");

    const auto blank = dialog.Confirm("   ", "x", "x");
    EXPECT_EQ(blank.outcome, Outcome::StayOpen);
    const auto duplicate = dialog.Confirm("Ведров", "x", "x");
    EXPECT_EQ(duplicate.outcome, Outcome::StayOpen);
    EXPECT_EQ(duplicate.focus, UserPasswordDialog::Focus::Name);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"Имя пользователя обязательно для заполнения!",
                                                  "Пользователь с таким именем уже существует!"}));
    EXPECT_EQ(dialog.Confirm("Ведров К.", "x", "x").outcome, Outcome::Accepted);
    EXPECT_EQ(dialog.Name(), "Ведров К.");
    EXPECT_EQ(dialog.NewHash(), PasswordHash("x"));
    EXPECT_EQ(dialog.Failures(), 0);
}

TEST_F(UserAdmin, PasswordChangeChecksTheOldPassword) {
    ws.ui.passwordDialogs.push_back(Types({{"", "неверно", "новый"}, {"", "пароль", "новый"}}));
    ASSERT_TRUE(admin.ChangePassword(2));
    EXPECT_EQ(Errors(), std::vector<std::string>{"Необходимо правильно указать старый пароль!"});
    EXPECT_EQ(ws.tdm.Users().FindById(2)->password, PasswordHash("новый"));
    EXPECT_EQ(ws.ui.messages.back().kind, MessageKind::Information);
    EXPECT_EQ(ws.ui.messages.back().text, "Пароль изменен.\rПостарайтесь его нигде не записывать.");
    const auto events = ws.sink.WithId(0x40007203);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].strings, (std::vector<std::string>{"Aдминистратор", "Ведров", "2"}));
}

TEST_F(UserAdmin, EveryUserMayChangeHisOwnPassword) {
    LogInAs(2);
    ws.ui.passwordDialogs.push_back([](UserPasswordDialog& dialog) {
        EXPECT_EQ(dialog.Caption(), "Свойства пользователя");
        EXPECT_EQ(dialog.FirstLabel(), "Старый пароль:");
        EXPECT_EQ(dialog.SecondLabel(), "Новый пароль:");
        EXPECT_FALSE(dialog.NameEditable());
        EXPECT_EQ(dialog.Name(), "Ведров");
        return dialog.Confirm(dialog.Name(), "пароль", "тайна").outcome == Outcome::Accepted;
    });
    EXPECT_TRUE(admin.ChangeOwnPassword());
    EXPECT_EQ(ws.tdm.Users().FindById(2)->password, PasswordHash("тайна"));
}

TEST_F(UserAdmin, DeletionAsksFirst) {
    ws.ui.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(admin.DeleteUser(2));
    EXPECT_NE(ws.tdm.Users().FindById(2), nullptr);
    EXPECT_TRUE(admin.DeleteUser(2));
    EXPECT_EQ(ws.tdm.Users().FindById(2), nullptr);
    ASSERT_EQ(ws.ui.messages.size(), 2u);
    EXPECT_EQ(ws.ui.messages[0].text, "Вы действительно хотите удалить пользователя \"Ведров\"?");
    EXPECT_EQ(ws.ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ws.ui.messages[0].buttons, Buttons::YesNo);
    const auto events = ws.sink.WithId(0x40007202);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].strings, (std::vector<std::string>{"Aдминистратор", "Ведров", "2"}));
    EXPECT_FALSE(admin.DeleteUser(1));
}

TEST_F(UserAdmin, RenameRefusesTheReservedNameInAnySpelling) {
    ws.ui.renameDialogs.push_back(RenamesTo({"", "администратор", " АДМИНИСТРАТОР ", "АдМиНиСтРаТоР", "  Ким  "}));
    ASSERT_TRUE(admin.RenameUser(2));
    EXPECT_EQ(Errors(), (std::vector<std::string>{"Имя пользователя обязательно для заполнения!",
                                                  "Имя Администратор использовать запрещено",
                                                  "Имя Администратор использовать запрещено",
                                                  "Имя Администратор использовать запрещено"}));
    // The check ignores the blanks around the name; the stored name keeps them.
    EXPECT_EQ(ws.tdm.Users().FindById(2)->userName, "  Ким  ");
    EXPECT_EQ(ws.ui.messages.back().text, "Имя пользователя изменено");
    const auto events = ws.sink.WithId(0x40007204);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].strings, (std::vector<std::string>{"Aдминистратор", "  Ким  ", "2"}));
}

TEST_F(UserAdmin, RenamingOneselfRenamesTheSession) {
    ws.ui.renameDialogs.push_back([](UserRenameDialog& dialog) {
        EXPECT_EQ(dialog.Caption(), "Radevaredu VI: Переименование пользователя");
        EXPECT_EQ(dialog.Prompt(), "Вы должны ввести фамилию имя и отчество, например: Ведров Ким Алексеевич");
        EXPECT_EQ(dialog.CurrentName(), "Aдминистратор");
        // The default name with its Latin A is no spelling of the reserved Cyrillic one.
        return dialog.Confirm("Aдминистратор Главный");
    });
    ASSERT_TRUE(admin.RenameUser(1));
    EXPECT_EQ(ws.session.currentUserName, "Aдминистратор Главный");
}

}  // namespace
}  // namespace vd
