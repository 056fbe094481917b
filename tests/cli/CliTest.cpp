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

// The life of conclusions driven from the command line, as an administrator scripts it.
TEST_F(Vdctl, DocumentsGoThroughTheirLifeFromTheCommandLine) {
    ASSERT_EQ(Run({"init"}).exitCode, 0);
    ASSERT_EQ(RunAs(kAdmin, "", {"options", "set", "ReferenceMin", "1"}).exitCode, 0);
    ASSERT_EQ(RunAs(kAdmin, "", {"options", "set", "ReferenceMax", "100"}).exitCode, 0);
    const auto file = root.Path() / "doc.json";
    WriteFileAtomically(file, R"({"declarant": "ООО \"Лес\"", "address": "Вологда", "declaratorFio": "Петров",
        "fio10": "Иванов", "paperNo": 123, "declarationDate": "10.12.2026", "date10": "10.12.2026",
        "goods": [{"num": "1", "description": "Доски\nобрезные", "packageCount": "10", "packageType": "ящик",
                   "quantity": "5 м3", "documents": "Инв 1"}],
        "expertise": [{"date": "01.12.2026", "number": "Э-1"}]})");

    const auto created = RunAs(kAdmin, "", {"doc", "new", file.string()});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.out, "6007000001\n");

    const auto shown = RunAs(kAdmin, "", {"doc", "show", "6007000001"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"description\": \"Доски\\r\\nобрезные\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\"status\": 6"), std::string::npos);

    // Issuing asks twice; without --yes nothing changes.
    EXPECT_EQ(RunAs(kAdmin, "", {"doc", "issue", "6007000001"}).exitCode, 1);
    EXPECT_EQ(RunAs(kAdmin, "", {"--yes", "doc", "issue", "6007000001"}).exitCode, 0);
    const auto duplicate = RunAs(kAdmin, "", {"--yes", "doc", "duplicate", "6007000001", "--comment", "утерян"});
    ASSERT_EQ(duplicate.exitCode, 0) << duplicate.err;
    EXPECT_EQ(duplicate.out, "6007000002\n");
    const auto list = RunAs(kAdmin, "", {"doc", "list"});
    EXPECT_NE(list.out.find("\"goDuplicate\":\"6007000002\""), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("\"goTrue\":\"6007000001\""), std::string::npos);

    EXPECT_EQ(RunAs(kAdmin, "", {"--yes", "doc", "cancel", "6007000001", "--comment", "ошибка"}).exitCode, 0);
    const auto replacement = RunAs(kAdmin, "", {"doc", "replace", "6007000001"});
    ASSERT_EQ(replacement.exitCode, 0) << replacement.err;
    EXPECT_EQ(replacement.out, "6007000003\n");
    EXPECT_EQ(RunAs(kAdmin, "", {"--yes", "doc", "instead", "6007000003"}).exitCode, 0);
    EXPECT_NE(RunAs(kAdmin, "", {"doc", "show", "6007000001"}).out.find("\"goInstead\": \"6007000003\""),
              std::string::npos);

    const auto deleted = RunAs(kAdmin, "", {"--yes", "doc", "delete", "6007000003"});
    EXPECT_EQ(deleted.exitCode, 1);  // issued instead: no longer a project
    EXPECT_EQ(deleted.err, "Действие невозможно для заключения 6007000003\n");
    EXPECT_EQ(RunAs(kAdmin, "", {"doc", "show", "6009999999"}).err, "Заключение не найдено: 6009999999\n");
}

TEST_F(Vdctl, BadDocumentInputChangesNothing) {
    ASSERT_EQ(Run({"init"}).exitCode, 0);
    ASSERT_EQ(RunAs(kAdmin, "", {"options", "set", "ReferenceMax", "100"}).exitCode, 0);
    ASSERT_EQ(RunAs(kAdmin, "", {"options", "set", "ReferenceMin", "1"}).exitCode, 0);
    struct Case {
        const char* json;
        const char* message;
    };
    for (const auto& c : {Case{R"({"declarant": "А", "address": "Б", "paperNo": "12а"})", "Значение должно быть числом"},
                          Case{R"({"declarant": "А", "address": "Б", "paperNo": 5, "expertise": [{"number": "Э"}]})",
                               "Сохранить невозможно: У экспертизы не указана дата"},
                          Case{R"({"declarationDate": "31.02.2026"})", "\"declarationDate\": ожидается дата"},
                          Case{R"({"address": "Б", "paperNo": 5})", "Поле1. Заявитель инкогнито оставаться не может."}}) {
        const auto file = root.Path() / "bad.json";
        WriteFileAtomically(file, c.json);
        const auto result = RunAs(kAdmin, "", {"doc", "new", file.string()});
        EXPECT_EQ(result.exitCode, 1) << c.json;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(RunAs(kAdmin, "", {"doc", "list"}).out, "");
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
