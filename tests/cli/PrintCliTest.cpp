#include <gtest/gtest.h>

#include "Process.h"
#include "TempDir.h"
#include "Workstation.h"
#include "support/Files.h"

namespace vd {
namespace {

constexpr const char* kAdmin = "Aдминистратор";

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// vdctl on a program folder with the report templates installed beside the database.
class VdctlPrint : public ::testing::Test {
protected:
    void SetUp() override {
        const auto data = ProgramDir() / "data";
        std::filesystem::create_directories(data);
        for (const char* name : {"Package.cod", "VD.fr3", "CertsCaption.fr3", "SearchReport.fr3"}) {
            std::filesystem::copy_file(test::SourceDataDir() / name, data / name);
        }
        WriteFileAtomically(data / "i.cod", MakeStationFile(test::TestStation()));
    }

    std::filesystem::path ProgramDir() const { return root.Path() / "program"; }

    test::ProcessResult Vdctl(std::vector<std::string> args) {
        args.insert(args.begin(), {VD_VDCTL_PATH, "--program-dir", ProgramDir().string(), "--user", kAdmin, "--password-stdin"});
        return test::RunProcess(args, "\n", {{"XDG_STATE_HOME", (root.Path() / "state").string()}});
    }

    std::string PdfText(const std::filesystem::path& pdf) {
        const auto result = test::RunProcess({"pdftotext", "-enc", "UTF-8", pdf.string(), "-"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }

    std::string Journal() { return ReadFileBytes(root.Path() / "state" / "vardelo" / "events.jsonl"); }

    test::TempDir root;
};

TEST_F(VdctlPrint, PrintsAConclusionIntoAPdfFileByTheRulesOfThePrintWindow) {
    ASSERT_EQ(test::RunProcess({VD_VDCTL_PATH, "--program-dir", ProgramDir().string(), "init"}, "",
                               {{"XDG_STATE_HOME", (root.Path() / "state").string()}})
                  .exitCode,
              0);
    ASSERT_EQ(Vdctl({"options", "set", "ReferenceMin", "1"}).exitCode, 0);
    ASSERT_EQ(Vdctl({"options", "set", "ReferenceMax", "100"}).exitCode, 0);
    const auto file = root.Path() / "doc.json";
    WriteFileAtomically(file, R"({"declarant": "ООО \"Северный лес\"", "address": "Вологда, ул. Мира, 1",
        "declaratorFio": "Петров Пётр", "fio10": "Иванов Иван", "paperNo": 123, "declarationDate": "09.12.2026",
        "date10": "08.12.2026",
        "goods": [{"num": "1", "description": "Доски обрезные", "packageCount": "10", "packageType": "ящик",
                   "quantity": "5 м3", "documents": "Инв 1"}],
        "expertise": [{"date": "01.12.2026", "number": "Э-77"}]})");
    const auto created = Vdctl({"doc", "new", file.string()});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    const std::string ref = "6007000001";
    ASSERT_EQ(created.out, ref + "\n");
    const auto pdf = [&](const char* name) { return (root.Path() / name).string(); };

    // A project: a copy only.
    const auto refused = Vdctl({"print", ref, "--mode", "blank", "--pdf", pdf("refused.pdf")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Печать невозможна - заключение недействительно\n");
    EXPECT_FALSE(std::filesystem::exists(pdf("refused.pdf")));
    const auto copy = Vdctl({"print", ref, "--mode", "copy", "--copies", "2", "--pdf", pdf("copy.pdf")});
    ASSERT_EQ(copy.exitCode, 0) << copy.err;
    EXPECT_EQ(copy.out, "Задание успешно добавлено в очередь принтера\n");
    const std::string copyText = PdfText(pdf("copy.pdf"));
    for (const char* part : {"ЗАКЛЮЧЕНИЕ", "формы ВД", "Северный лес", "Доски обрезные", "0000123", "Э-77"}) {
        EXPECT_TRUE(Has(copyText, part)) << part << "\n" << copyText;
    }

    ASSERT_EQ(Vdctl({"--yes", "doc", "issue", ref}).exitCode, 0);
    const auto blank = Vdctl({"print", ref, "--mode", "blank", "--copies", "3", "--pdf", pdf("blank.pdf")});
    ASSERT_EQ(blank.exitCode, 0) << blank.err;
    const std::string blankText = PdfText(pdf("blank.pdf"));
    EXPECT_TRUE(Has(blankText, "Северный лес"));
    EXPECT_TRUE(Has(blankText, ref));
    EXPECT_FALSE(Has(blankText, "ЗАКЛЮЧЕНИЕ"));
    EXPECT_FALSE(Has(blankText, "0000123"));
    const auto imprint = Vdctl({"print", ref, "--mode", "imprint", "--pdf", pdf("imprint.pdf")});
    ASSERT_EQ(imprint.exitCode, 0) << imprint.err;
    const std::string imprintText = PdfText(pdf("imprint.pdf"));
    for (const char* part : {"6007000001", "01.12.2026", "09.12.2026", "Петров Пётр"}) {
        EXPECT_TRUE(Has(imprintText, part)) << part << "\n" << imprintText;
    }
    for (const char* part : {"Северный лес", "Доски", "Иванов Иван", "08.12.2026", "ЗАКЛЮЧЕНИЕ"}) {
        EXPECT_FALSE(Has(imprintText, part)) << part;
    }

    const std::string journal = Journal();
    EXPECT_TRUE(Has(journal, "\"id\":\"0x40007352\"")) << journal;
    EXPECT_TRUE(Has(journal, "\"id\":\"0x40007351\""));
    EXPECT_TRUE(Has(journal, "\"0000123\""));

    const auto noPrinter = Vdctl({"print", ref, "--mode", "copy", "--printer", "Принтер, которого нет"});
    EXPECT_EQ(noPrinter.exitCode, 1);
    EXPECT_EQ(noPrinter.err, "сбой шрифта при печати\nПроизошла ошибка при добавлении задания в очередь\n");
    const auto missing = Vdctl({"print", "6009999999", "--mode", "copy", "--pdf", pdf("none.pdf")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Заключение не найдено: 6009999999\n");
}

TEST_F(VdctlPrint, WrongUsageExitsWithTwoBeforeAnyLogin) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"print"},
             {"print", "6007000001", "--pdf", "a.pdf"},
             {"print", "6007000001", "--mode", "poster", "--pdf", "a.pdf"},
             {"print", "6007000001", "--mode", "copy"},
             {"print", "6007000001", "--mode", "copy", "--pdf", "a.pdf", "--printer", "P"},
             {"print", "6007000001", "--mode", "copy", "--copies", "100", "--pdf", "a.pdf"},
             {"print", "6007000001", "--mode", "copy", "--copies", "0", "--pdf", "a.pdf"},
             {"print", "6007000001", "--mode", "copy", "--pdf", "a.pdf", "extra"}}) {
        const auto result = test::RunProcess(
            [&] {
                std::vector<std::string> argv{VD_VDCTL_PATH, "--program-dir", ProgramDir().string()};
                argv.insert(argv.end(), args.begin(), args.end());
                return argv;
            }(),
            "", {{"XDG_STATE_HOME", (root.Path() / "state").string()}});
        EXPECT_EQ(result.exitCode, 2) << args.size();
        EXPECT_TRUE(Has(result.err, "usage: vdctl")) << result.err;
    }
}

}  // namespace
}  // namespace vd
