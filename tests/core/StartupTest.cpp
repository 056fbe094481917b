#include <gtest/gtest.h>

#include "Workstation.h"
#include "core/InstanceLock.h"
#include "core/OptionKeys.h"
#include "core/PasswordHash.h"
#include "core/UsersFile.h"
#include "support/Files.h"

namespace vd {
namespace {

using test::Workstation;

constexpr const char* kAdmin = "Aдминистратор";

// A station whose first start has been made: the administrator exists (empty password) and so
// does the expert "Ведров" with the password "пароль".
void PrepareUsers(Workstation& ws) {
    UsersTable users;
    users.CreateEmpty();
    users.Append(kAdmin, PasswordHash(""));
    users.Append("Ведров", PasswordHash("пароль"));
    SaveUsersFile(ws.paths.UsersFile(), users);
    StationFile station = test::TestStation();
    station.usersOld = true;
    ws.WriteStation(station);
}

std::string NetGuidInDatabase(const Workstation& ws) {
    Database db(ws.paths.DatabaseFile(), Database::OpenMode::Existing);
    Statement query(db, "select Value from Options where ParamName = :p");
    query.BindBlobText(":p", "NetGuid");
    return query.Step() ? query.ColumnBlobText(0) : "<none>";
}

void SetNetGuidInDatabase(const Workstation& ws, const std::string& guid) {
    Database db(ws.paths.DatabaseFile(), Database::OpenMode::Existing);
    Statement remove(db, "delete from Options where ParamName = :p");
    remove.BindBlobText(":p", "NetGuid");
    remove.Execute();
    Statement insert(db, "insert into Options values (:u, :p, :v)");
    insert.BindBlobText(":u", "COMMON_USER");
    insert.BindBlobText(":p", "NetGuid");
    insert.BindBlobText(":v", guid);
    insert.Execute();
}

TEST(Startup, FirstStartCreatesTheAdministratorWithoutLogin) {
    Workstation ws;
    bool ran = false;
    EXPECT_EQ(ws.Start([&] {
                  ran = true;
                  EXPECT_EQ(ws.session.currentUserName, kAdmin);
                  EXPECT_EQ(ws.session.currentUserId, 1);
              }),
              StartResult::Started);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(ws.ui.loginCalls.empty());
    ASSERT_GE(ws.ui.messages.size(), 2u);
    EXPECT_EQ(ws.ui.messages[0].text, "Пользователи утрачены. Будет создан новый файл.");
    EXPECT_TRUE(ws.ui.messages[1].text.starts_with("Файл данных "));
    EXPECT_EQ(ws.ui.helpLines, std::vector<std::string>{kAdmin});

    const auto added = ws.sink.WithId(0x40007200);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].strings, (std::vector<std::string>{"unknown", kAdmin, "1"}));
    EXPECT_EQ(ws.sink.events.front().id, 0x40000201u);
    EXPECT_EQ(ws.sink.events.back().id, 0x40000207u);

    UsersTable saved;
    LoadUsersFile(ws.paths.UsersFile(), saved);
    ASSERT_EQ(saved.Rows().size(), 1u);
    EXPECT_EQ(saved.Rows()[0].id, 1);
    EXPECT_EQ(saved.Rows()[0].userName, kAdmin);
    EXPECT_EQ(saved.Rows()[0].password, "D41D8CD98F00B204E9800998ECF8427E");

    // The next start asks who is there.
    Workstation again(ws.root);
    again.ui.logins.push_back({1, kAdmin, ""});
    EXPECT_EQ(again.Start(), StartResult::Started);
    EXPECT_EQ(again.ui.loginCalls.size(), 1u);
}

TEST(Startup, LoginDialogGetsTheNamesAndTheSystemTexts) {
    Workstation ws;
    PrepareUsers(ws);
    ws.ui.logins.push_back({1, "Ведров", "пароль"});
    EXPECT_EQ(ws.Start([&] { EXPECT_EQ(ws.session.currentUserId, 2); }), StartResult::Started);
    ASSERT_EQ(ws.ui.loginCalls.size(), 1u);
    const LoginDialogArgs& args = ws.ui.loginCalls[0];
    EXPECT_EQ(args.userNames, (std::vector<std::string>{kAdmin, "Ведров"}));
    EXPECT_EQ(args.name, kAdmin);
    EXPECT_EQ(args.password, "");
    EXPECT_EQ(args.caption, "Radevaredu VI:Logon");
    EXPECT_EQ(args.prompt, "Для входа в систему укажите своё имя и пароль!");
    EXPECT_EQ(args.nameLabel, "Имя");
    EXPECT_EQ(args.passwordLabel, "Пароль");
    EXPECT_EQ(args.okCaption, "Ok");
    EXPECT_EQ(args.cancelCaption, "Отмена");
    EXPECT_EQ(args.maskChar, "*");
    const auto accepted = ws.sink.WithId(0x40007212);
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].type, EventType::AuditSuccess);
    EXPECT_EQ(accepted[0].strings, (std::vector<std::string>{"unknown", "Ведров"}));
}

TEST(Startup, WrongPasswordEndsTheStartAndWritesNothing) {
    Workstation ws;
    PrepareUsers(ws);
    const std::string usersBefore = ReadFileBytes(ws.paths.UsersFile());
    ws.ui.logins.push_back({1, "Ведров", "угадал?"});
    bool ran = false;
    EXPECT_EQ(ws.Start([&] { ran = true; }), StartResult::Aborted);
    EXPECT_FALSE(ran);
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].text, "Пароль не угадали. Программа будет закрыта");
    const auto refused = ws.sink.WithId(0x40007201);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].type, EventType::AuditFailure);
    EXPECT_EQ(refused[0].strings, (std::vector<std::string>{"unknown", "Ведров"}));
    EXPECT_FALSE(ws.sink.Has(0x40000207));
    EXPECT_EQ(ReadFileBytes(ws.paths.UsersFile()), usersBefore);
    EXPECT_FALSE(std::filesystem::exists(ws.paths.DatabaseFile()));
}

TEST(Startup, CancelledLoginEndsSilently) {
    Workstation ws;
    PrepareUsers(ws);
    ws.ui.logins.push_back({2, "Ведров", "пароль"});
    EXPECT_EQ(ws.Start(), StartResult::Aborted);
    EXPECT_TRUE(ws.ui.messages.empty());
    EXPECT_FALSE(ws.sink.Has(0x40007201));
}

TEST(Startup, LostUsersFileOfAnOldStationLeavesNobodyToLogIn) {
    Workstation ws;
    StationFile station = test::TestStation();
    station.usersOld = true;
    ws.WriteStation(station);
    ws.ui.logins.push_back({1, kAdmin, ""});
    EXPECT_EQ(ws.Start(), StartResult::Aborted);
    ASSERT_EQ(ws.ui.loginCalls.size(), 1u);
    EXPECT_TRUE(ws.ui.loginCalls[0].userNames.empty());
    EXPECT_EQ(ws.ui.loginCalls[0].name, "unknown");
    EXPECT_FALSE(std::filesystem::exists(ws.paths.UsersFile()));
}

TEST(Startup, SecondCopyIsRefusedAndTheFirstUntouched) {
    Workstation ws;
    InstanceLock first;
    ASSERT_TRUE(first.TryAcquire(ws.paths.lockFile));
    EXPECT_EQ(ws.Start(), StartResult::AlreadyRunning);
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_EQ(ws.ui.messages[0].text, "Программа уже работает");
    EXPECT_EQ(ws.ui.messages[0].caption, "Radevaredu VI");
    EXPECT_EQ(ws.sink.events.back().id, 0x40000207u);
    EXPECT_TRUE(first.Held());
    EXPECT_FALSE(std::filesystem::exists(ws.paths.DatabaseFile()));
}

TEST(Startup, BrokenStationFileEndsTheStartBeforeAnythingIsWritten) {
    Workstation ws;
    WriteFileAtomically(ws.paths.StationFile(), "garbage");
    EXPECT_EQ(ws.Start(), StartResult::Aborted);
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_TRUE(ws.ui.messages[0].text.starts_with(ws.paths.StationFile().string()));
    EXPECT_FALSE(std::filesystem::exists(ws.paths.UsersFile()));
    EXPECT_FALSE(std::filesystem::exists(ws.paths.DatabaseFile()));
}

TEST(Startup, HoldsTheDatabaseLockWhileRunningAndReleasesItOnlyIfStillOwned) {
    Workstation ws;
    std::string during;
    EXPECT_EQ(ws.Start([&] { during = ws.tdm.Options().NetGuid(); }), StartResult::Started);
    EXPECT_EQ(during, ws.session.sessionGuid);
    EXPECT_EQ(NetGuidInDatabase(ws), "");

    // Another process took the database over while this one ran: its lock stays.
    const std::string other = "{11111111-2222-3333-4444-555555555555}";
    Workstation next(ws.root);
    next.ui.logins.push_back({1, kAdmin, ""});
    EXPECT_EQ(next.Start([&] { next.tdm.Options().SetNetGuid(other); }), StartResult::Started);
    EXPECT_EQ(NetGuidInDatabase(next), other);
}

TEST(Startup, LeftoverLockOffersToDisconnectTheOtherCopy) {
    Workstation ws;
    ASSERT_EQ(ws.Start(), StartResult::Started);
    const std::string leftover = "{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}";
    SetNetGuidInDatabase(ws, leftover);

    struct Case {
        bool disconnect;
        std::string lockAfter;
    };
    for (const auto& c : {Case{false, leftover}, Case{true, ""}}) {
        SetNetGuidInDatabase(ws, leftover);
        Workstation next(ws.root);
        next.ui.logins.push_back({1, kAdmin, ""});
        next.ui.disconnectAnswers.push_back(c.disconnect);
        bool ran = false;
        EXPECT_EQ(next.Start([&] { ran = true; }), StartResult::Aborted);
        EXPECT_FALSE(ran);
        EXPECT_EQ(next.ui.disconnectCalls, 1);
        EXPECT_EQ(NetGuidInDatabase(next), c.lockAfter);

        // After the lock was cleared the following start proceeds.
        Workstation following(ws.root);
        following.ui.logins.push_back({1, kAdmin, ""});
        EXPECT_EQ(following.Start(), c.disconnect ? StartResult::Started : StartResult::Aborted);
    }
}

TEST(Startup, FailureInTheMainLoopStillReleasesTheLockAndSavesUsers) {
    Workstation ws;
    EXPECT_EQ(ws.Start([&] {
                  ws.tdm.Users().Append("Новый эксперт", PasswordHash("x"));
                  throw std::runtime_error("сбой в окне");
              }),
              StartResult::Failed);
    const auto reports = ws.sink.WithId(0x40000103);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].strings, (std::vector<std::string>{"[Aдминистратор]FormVD.dpr", "сбой в окне"}));
    EXPECT_EQ(NetGuidInDatabase(ws), "");
    UsersTable saved;
    LoadUsersFile(ws.paths.UsersFile(), saved);
    EXPECT_NE(saved.FindByName("Новый эксперт"), nullptr);
    EXPECT_EQ(ws.sink.events.back().id, 0x40000207u);
}

TEST(Startup, RemindsOfSynchronisationAfterFiveDays) {
    struct Case {
        DayNumber oldestChangeAge;
        bool reminded;
    };
    for (const auto& c : {Case{6, true}, Case{5, false}, Case{30, true}}) {
        Workstation ws;
        ASSERT_EQ(ws.Start(), StartResult::Started);
        {
            Database db(ws.paths.DatabaseFile(), Database::OpenMode::Existing);
            db.Exec("insert into mcod (id, PaperNo, ReferenceNo, DateIssued, LastDate) values (1, 1, 'x', 0, " +
                    std::to_string(test::kToday - c.oldestChangeAge) + ")");
            Statement sync(db, "update Options set Value = :v where ParamName = :p");
            sync.BindBlobText(":v", std::to_string(test::kToday - 40));
            sync.BindBlobText(":p", "LastSync");
            sync.Execute();
        }
        Workstation next(ws.root);
        next.ui.logins.push_back({1, kAdmin, ""});
        next.ui.reminderAnswers.push_back(3);
        ASSERT_EQ(next.Start(), StartResult::Started);
        if (c.reminded) {
            ASSERT_EQ(next.ui.reminderCalls.size(), 1u) << c.oldestChangeAge;
            EXPECT_EQ(next.ui.reminderCalls[0], std::make_pair(static_cast<int>(c.oldestChangeAge), 1));
            EXPECT_EQ(next.session.syncChoice, 3);
        } else {
            EXPECT_TRUE(next.ui.reminderCalls.empty()) << c.oldestChangeAge;
            EXPECT_EQ(next.session.syncChoice, 0);
        }
    }
}

TEST(Startup, RegisterStartsWithOwnDocumentsForExperts) {
    Workstation ws;
    PrepareUsers(ws);
    ws.ui.logins.push_back({1, "Ведров", "пароль"});
    ASSERT_EQ(ws.Start(), StartResult::Started);
    EXPECT_EQ(ws.session.registerFilter.Text(), "Expert=\"Ведров\" and (status = 7 or status = 6)");

    Workstation admin(ws.root);
    admin.ui.logins.push_back({1, kAdmin, ""});
    ASSERT_EQ(admin.Start(), StartResult::Started);
    EXPECT_EQ(admin.session.registerFilter.Text(), "");
}

TEST(Startup, DatabaseOfAnotherStationEndsTheStart) {
    Workstation ws;
    ASSERT_EQ(ws.Start(), StartResult::Started);
    StationFile other = test::TestStation();
    other.tppKey = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    other.usersOld = true;
    ws.WriteStation(other);
    Workstation next(ws.root);
    next.ui.logins.push_back({1, kAdmin, ""});
    EXPECT_EQ(next.Start(), StartResult::Aborted);
    ASSERT_EQ(next.ui.messages.size(), 1u);
    EXPECT_EQ(next.ui.messages[0].text, "Для этих данных нужен другой i.cod");
}

}  // namespace
}  // namespace vd
