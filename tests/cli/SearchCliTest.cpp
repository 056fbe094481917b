#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "Process.h"
#include "TempDir.h"
#include "Workstation.h"
#include "core/Container.h"
#include "support/Files.h"

namespace vd {
namespace {

constexpr const char* kAdmin = "Aдминистратор";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A workstation with three conclusions of the administrator, one of them issued.
class VdctlSearch : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(ProgramDir() / "data");
        std::filesystem::copy_file(test::SourceDataDir() / "Package.cod", ProgramDir() / "data" / "Package.cod");
        WriteFileAtomically(ProgramDir() / "data" / "i.cod", MakeStationFile(test::TestStation()));
        ASSERT_EQ(Run({"init"}).exitCode, 0);
        ASSERT_EQ(RunAs(kAdmin, {"options", "set", "ReferenceMin", "1"}).exitCode, 0);
        ASSERT_EQ(RunAs(kAdmin, {"options", "set", "ReferenceMax", "100"}).exitCode, 0);
        lumber = NewDocument(kAdmin, "", R"("declarant": "ООО \"Северный лес\"", "address": "Вологда", "paperNo": 120,
            "supportInfo": "Копия", "declarationDate": "10.12.2026", "date10": "10.12.2026",
            "goods": [{"num": "1", "description": "Пиломатериалы обрезные"},
                      {"num": "2", "description": "Брус клеёный"}])");
        paper = NewDocument(kAdmin, "", R"("declarant": "АО \"Химволокно\"", "address": "Москва", "paperNo": 125,
            "declarationDate": "01.11.2026", "date10": "01.11.2026",
            "goods": [{"num": "1", "description": "Бумага газетная"}])");
        beams = NewDocument(kAdmin, "", R"("declarant": "ИП Северов", "address": "Тотьма", "paperNo": 300,
            "declarationDate": "01.01.2026", "date10": "01.01.2026", "goods": [{"num": "1", "description": "Брус"}])");
        ASSERT_EQ(RunAs(kAdmin, {"--yes", "doc", "issue", lumber}).exitCode, 0);
    }

    std::filesystem::path ProgramDir() const { return root.Path() / "program"; }

    test::ProcessResult Run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {VD_VDCTL_PATH, "--program-dir", ProgramDir().string()});
        return test::RunProcess(args, input, {{"XDG_STATE_HOME", (root.Path() / "state").string()}});
    }

    test::ProcessResult RunAs(const std::string& user, std::vector<std::string> args, const std::string& password = "",
                              const std::string& moreInput = {}) {
        args.insert(args.begin(), {"--user", user, "--password-stdin"});
        return Run(args, password + "\n" + moreInput);
    }

    // A project saved through "doc new"; its reference number.
    std::string NewDocument(const std::string& user, const std::string& password, const std::string& fields) {
        const auto file = root.Path() / "doc.json";
        WriteFileAtomically(file, R"({"declaratorFio": "Петров", "fio10": "Иванов",
            "expertise": [{"date": "01.12.2026", "number": "Э-1"}], )" + fields + "}");
        const auto created = RunAs(user, {"doc", "new", file.string()}, password);
        EXPECT_EQ(created.exitCode, 0) << created.err;
        return Lines(created.out).empty() ? std::string() : Lines(created.out)[0];
    }

    // The counts and the found reference numbers, the latter sorted: documents changed on the
    // same day may come in any order.
    struct Output {
        std::string total, found;
        std::vector<std::string> refs;
    };
    Output Search(std::vector<std::string> args, const std::string& user = kAdmin, const std::string& password = "") {
        args.insert(args.begin(), "search");
        const auto result = RunAs(user, args, password);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        auto lines = Lines(result.out);
        Output out;
        if (lines.size() < 2) return out;
        out.total = lines[0];
        out.found = lines[1];
        out.refs.assign(lines.begin() + 2, lines.end());
        std::sort(out.refs.begin(), out.refs.end());
        return out;
    }

    std::vector<std::string> Sorted(std::vector<std::string> refs) {
        std::sort(refs.begin(), refs.end());
        return refs;
    }

    test::TempDir root;
    std::string lumber, paper, beams;
};

TEST_F(VdctlSearch, PrintsTheCountsAndTheFoundNumbers) {
    const Output all = Search({});
    EXPECT_EQ(all.total, "Всего документов: 1");  // the two projects count as found only
    EXPECT_EQ(all.found, "Найдено документов: 3");
    EXPECT_EQ(all.refs, Sorted({lumber, paper, beams}));

    const std::string year(1, lumber[0]);
    const std::string otherYear(1, lumber[0] == '9' ? '0' : static_cast<char>(lumber[0] + 1));
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> expected;
    };
    for (const auto& c : std::vector<Case>{
             {{"--goods", "ПИЛОМАТЕРИАЛЫ", "--goods", "брус"}, {lumber}},  // found in different lines
             {{"--goods", "брус", "--goods", "бумага", "--or-goods"}, {lumber, paper, beams}},
             {{"--number", "?????2"}, {paper}},
             {{"--number", "00000"}, {lumber, paper, beams}},  // the last position left blank
             {{"--blank", "000012"}, {lumber, paper}},         // blanks 120 to 129
             {{"--year", year}, {lumber, paper, beams}},
             {{"--year", otherYear}, {}},
             {{"--status", "Выдан"}, {lumber}},
             {{"--status", "Проект"}, {paper, beams}},
             {{"--declarant", "северный", "--declarant", "вологда"}, {lumber}},
             {{"--declarant", "север", "--declarant", "москва", "--or-declarant"}, {lumber, paper, beams}},
             {{"--marks", "КОПИЯ"}, {lumber}},
             {{"--from", "01.11.2026"}, {lumber, paper}},
             {{"--to", "01.11.2026"}, {paper, beams}},
             {{"--expert", "ДМИНИСТРАТОР"}, {lumber, paper, beams}},  // its first letter is Latin
             {{"--expert", "Ведров"}, {}},
         }) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const Output out = Search(c.args);
        EXPECT_EQ(out.found, "Найдено документов: " + std::to_string(c.expected.size()));
        EXPECT_EQ(out.refs, Sorted(c.expected));
    }
}

TEST_F(VdctlSearch, OtherUsersSearchTheirOwnDocuments) {
    ASSERT_EQ(RunAs(kAdmin, {"users", "add", "Ведров"}, "", "п\nп\n").exitCode, 0);
    const std::string own = NewDocument("Ведров", "п", R"("declarant": "ООО \"Северный лес\"", "address": "Вологда",
        "paperNo": 400, "declarationDate": "01.12.2026", "date10": "01.12.2026",
        "goods": [{"num": "1", "description": "Брус"}])");
    const Output out = Search({"--goods", "брус"}, "Ведров", "п");
    EXPECT_EQ(out.total, "Всего документов: 0");
    EXPECT_EQ(out.found, "Найдено документов: 1");
    EXPECT_EQ(out.refs, std::vector<std::string>{own});
    EXPECT_EQ(Search({"--expert", "Ведров"}, "Ведров", "п").refs, std::vector<std::string>{own});

    const auto locked = RunAs("Ведров", {"search", "--expert", kAdmin}, "п");
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.err, "Поле «Эксперт» может менять только администратор\n");
}

TEST_F(VdctlSearch, WrongConditionsAreUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"search", "--number", "1234567"},
                                                                  {"search", "--number", "12а"},
                                                                  {"search", "--blank", "12345678"},
                                                                  {"search", "--year", "26"},
                                                                  {"search", "--from", "31.02.2026"},
                                                                  {"search", "--status", "Утерян"},
                                                                  {"search", "extra"}}) {
        const auto result = RunAs(kAdmin, args);
        EXPECT_EQ(result.exitCode, 2) << args[1];
        EXPECT_NE(result.err.find("usage: vdctl"), std::string::npos);
    }
}

TEST_F(VdctlSearch, NumberRangeIsCheckedAsInTheOptionsWindow) {
    struct Case {
        std::string min, max;
        int exitCode;
        std::string err;
    };
    const std::string inRange =
        "№ документа " + lumber + " попадает в новый диапазон.\nРазрешено задавать только пустой диапазон!\n";
    for (const auto& c : std::vector<Case>{
             {"1", "2", 1, inRange},  // the issued conclusion holds number 1
             {"000500", "000100", 1, "Минимальное значение не может быть больше максимального\n"},
             {"12а", "100", 1, "При вводе минимального значения допустимы только десятичные цифры\n"},
             {"5", "1234567", 1, "При вводе максимального значения допустимы только десятичные цифры\n"},
             {"2", "50", 0, ""},  // the projects' numbers are free
         }) {
        const auto result = RunAs(kAdmin, {"options", "range", c.min, c.max});
        EXPECT_EQ(result.exitCode, c.exitCode) << c.min << ".." << c.max;
        EXPECT_EQ(result.err, c.err);
    }
    EXPECT_EQ(RunAs(kAdmin, {"options", "get", "ReferenceMin"}).out, "000002\n");
    EXPECT_EQ(RunAs(kAdmin, {"options", "get", "ReferenceMax"}).out, "000050\n");

    ASSERT_EQ(RunAs(kAdmin, {"users", "add", "Ведров"}, "", "п\nп\n").exitCode, 0);
    const auto refused = RunAs("Ведров", {"options", "range", "1", "10"}, "п");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Команда доступна только администратору\n");
    EXPECT_EQ(RunAs(kAdmin, {"options", "range", "1"}).exitCode, 2);
}

}  // namespace
}  // namespace vd
