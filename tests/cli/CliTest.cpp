#include <gtest/gtest.h>

#include "Process.h"
#include "TempDir.h"
#include "Workstation.h"
#include "core/Container.h"
#include "support/Files.h"

namespace vd {
namespace {

constexpr const char* kAdmin = "Aдминистратор";

// vdctl as an administrator runs it: a program folder with a station file and Package.cod, and
// a journal of its own.
class Vdctl : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(ProgramDir() / "data");
        std::filesystem::copy_file(test::SourceDataDir() / "Package.cod", ProgramDir() / "data" / "Package.cod");
        WriteFileAtomically(ProgramDir() / "data" / "i.cod", MakeStationFile(test::TestStation()));
    }

    std::filesystem::path ProgramDir() const { return root.Path() / "program"; }

    test::ProcessResult Run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {VD_VDCTL_PATH, "--program-dir", ProgramDir().string()});
        return test::RunProcess(args, input, {{"XDG_STATE_HOME", (root.Path() / "state").string()}});
    }

    // As a logged-in user; the password is the first line of the input.
    test::ProcessResult RunAs(const std::string& user, const std::string& password, std::vector<std::string> args,
                              const std::string& moreInput = {}) {
        args.insert(args.begin(), {"--user", user, "--password-stdin"});
        return Run(args, password + "\n" + moreInput);
    }

    test::TempDir root;
};

TEST_F(Vdctl, FirstStartCreatesTheAdministratorAndLaterStartsNeedALogin) {
    const auto first = Run({"init"});
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, (ProgramDir() / "data" / "Vardelo.sqb").string() + "\n");
    EXPECT_NE(first.err.find("Пользователи утрачены. Будет создан новый файл."), std::string::npos);
    EXPECT_NE(first.err.find("отсутствует\nБудет создан новый."), std::string::npos);

    const auto noLogin = Run({"users", "list"});
    EXPECT_EQ(noLogin.exitCode, 1);
    EXPECT_NE(noLogin.err.find("--user"), std::string::npos);

    const auto list = RunAs(kAdmin, "", {"users", "list"});
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out, std::string("1\t") + kAdmin + "\n");

    const auto wrong = RunAs(kAdmin, "не тот", {"users", "list"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err, "Пароль не угадали. Программа будет закрыта\n");
}

TEST_F(Vdctl, AdministratorManagesUsers) {
    ASSERT_EQ(Run({"init"}).exitCode, 0);
    EXPECT_EQ(RunAs(kAdmin, "", {"users", "add", "Ведров Ким"}, "тайна\nтайна\n").exitCode, 0);
    const auto mismatch = RunAs(kAdmin, "", {"users", "add", "Петров"}, "a\nb\n");
    EXPECT_EQ(mismatch.exitCode, 1);
    EXPECT_EQ(mismatch.err, "Пароли не совпадают!\n");

    // The new user logs in, may change his own password but administer nobody.
    EXPECT_EQ(RunAs("Ведров Ким", "тайна", {"users", "passwd", "Ведров Ким"}, "тайна\nновая\n").exitCode, 0);
    const auto notAdmin = RunAs("Ведров Ким", "новая", {"users", "add", "Сидоров"}, "x\nx\n");
    EXPECT_EQ(notAdmin.exitCode, 1);
    EXPECT_EQ(notAdmin.err, "Команда доступна только администратору\n");

    const auto reserved = RunAs(kAdmin, "", {"users", "rename", "Ведров Ким", "администратор"});
    EXPECT_EQ(reserved.exitCode, 1);
    EXPECT_EQ(reserved.err, "Имя Администратор использовать запрещено\n");
    EXPECT_EQ(RunAs(kAdmin, "", {"users", "rename", "Ведров Ким", "Ведров Ким Алексеевич"}).exitCode, 0);

    const auto declined = RunAs(kAdmin, "", {"users", "delete", "Ведров Ким Алексеевич"});
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_EQ(declined.err, "Вы действительно хотите удалить пользователя \"Ведров Ким Алексеевич\"?\n");
    EXPECT_EQ(RunAs(kAdmin, "", {"--yes", "users", "delete", "Ведров Ким Алексеевич"}).exitCode, 0);
    EXPECT_EQ(RunAs(kAdmin, "", {"users", "list"}).out, std::string("1\t") + kAdmin + "\n");
    EXPECT_EQ(RunAs(kAdmin, "", {"users", "delete", kAdmin}).exitCode, 1);
}

TEST_F(Vdctl, OptionsAreCheckedBeforeTheyAreStored) {
    ASSERT_EQ(Run({"init"}).exitCode, 0);
    const auto invalid = RunAs(kAdmin, "", {"options", "set", "ReferenceMin", "сто"});
    EXPECT_EQ(invalid.exitCode, 1);
    EXPECT_NE(invalid.err.find("ReferenceMin"), std::string::npos);
    EXPECT_EQ(RunAs(kAdmin, "", {"options", "set", "Unknown", "1"}).exitCode, 1);
    EXPECT_EQ(RunAs(kAdmin, "", {"options", "set", "ReferenceMin", "100"}).exitCode, 0);
    EXPECT_EQ(RunAs(kAdmin, "", {"options", "get", "ReferenceMin"}).out, "100\n");
    EXPECT_EQ(RunAs(kAdmin, "", {"options", "set", "AutoFontSize", "False", "--for", kAdmin}).exitCode, 0);
    EXPECT_EQ(RunAs(kAdmin, "", {"options", "get", "AutoFontSize", "--for", kAdmin}).out, "False\n");
    EXPECT_EQ(RunAs(kAdmin, "", {"options", "get", "AutoFontSize"}).out, "\n");
    // The lock of the database is free again after every command.
    EXPECT_EQ(RunAs(kAdmin, "", {"options", "get", "NetGuid"}).out.size(), 39u);
}

TEST_F(Vdctl, CodRoundTripUsesTheBuiltInOrTheGivenKey) {
    const auto plain = root.Path() / "plain.xml";
    WriteFileAtomically(plain, "<station>Станция</station>");
    ASSERT_EQ(Run({"cod", "encode", plain.string(), (root.Path() / "a.cod").string()}).exitCode, 0);
    std::string expected = "<station>Станция</station>";
    EncodeCodStream(expected);
    EXPECT_EQ(ReadFileBytes(root.Path() / "a.cod"), expected);
    ASSERT_EQ(Run({"cod", "decode", (root.Path() / "a.cod").string(), (root.Path() / "b.xml").string()}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(root.Path() / "b.xml"), "<station>Станция</station>");

    const std::string key = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    ASSERT_EQ(Run({"cod", "encode", "--key", key, plain.string(), (root.Path() / "c.cod").string()}).exitCode, 0);
    std::string withKey = "<station>Станция</station>";
    EncodeCodStream(withKey, key);
    EXPECT_EQ(ReadFileBytes(root.Path() / "c.cod"), withKey);
}

TEST_F(Vdctl, WrongUsageExitsWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate"},
                                                                  {"cod", "squash", "a", "b"},
                                                                  {"cod", "encode", "only-one"},
                                                                  {"--bogus", "init"},
                                                                  {"users", "promote", "x"},
                                                                  {"users", "rename", "only-one"}}) {
        const auto result = Run(args);
        EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(result.err.find("usage: vdctl"), std::string::npos);
    }
    EXPECT_EQ(Run({"cod", "decode", (root.Path() / "missing.cod").string(), (root.Path() / "out").string()}).exitCode, 1);
}

}  // namespace
}  // namespace vd
