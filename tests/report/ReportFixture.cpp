#include "ReportFixture.h"

#include "Process.h"
#include "TempDir.h"
#include "core/Database.h"
#include "core/InsertStatements.h"
#include "register/RegisterQuery.h"
#include "support/Text.h"

namespace vd::test {
namespace {

std::string OutputOf(const std::vector<std::string>& argv) {
    const ProcessResult result = RunProcess(argv);
    EXPECT_EQ(result.exitCode, 0) << argv[0] << ": " << result.err;
    return result.out;
}

}  // namespace

void ReportFixture::SetUp() {
    DocumentFixture::SetUp();
    for (const char* name : {"VD.fr3", "CertsCaption.fr3", "SearchReport.fr3"}) {
        std::filesystem::copy_file(SourceDataDir() / name, ws.paths.DataDir() / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

StoredConclusion ReportFixture::Sample(int n, int status, int goodsLines) const {
    StoredConclusion c;
    MasterRecord& r = c.record;
    r.id = n;
    r.status = status;
    r.paperNo = 4200 + n;
    r.gNum = 6;
    r.numNum = n;
    r.referenceNo = "6007" + ExactDigits(n, 6);
    r.dateIssued = kToday;
    r.lastDate = kToday;
    r.expert = ws.session.currentUserName;
    r.declarant = "ООО \"Северный лес " + std::to_string(n) + "\"";
    r.address = "160000, г. Вологда, ул. Мира, д. " + std::to_string(n);
    r.supportInfo = "Служебная отметка " + std::to_string(n);
    r.declaratorFio = "Петров Пётр Петрович";
    r.declarationDate = kToday - 2;
    r.tppName = "Вологодская торгово-промышленная палата";
    r.fio10 = "Иванов Иван Иванович";
    r.date10 = kToday - 1;
    for (int i = 1; i <= goodsLines; ++i) {
        c.goods.push_back(GoodsLine{std::to_string(i), "Товар " + std::to_string(n) + "-" + std::to_string(i),
                                    std::to_string(i), "ящик", std::to_string(10 * i) + " кг",
                                    "Счёт-фактура № " + std::to_string(i)});
    }
    c.expertise = {ExpertiseRef{kToday - 5, "Э-" + std::to_string(n) + "/1"},
                   ExpertiseRef{kToday - 4, "Э-" + std::to_string(n) + "/2"}};
    return c;
}

std::string ReportFixture::Store(const StoredConclusion& c) {
    Transaction transaction(ws.tdm.Db());
    ws.tdm.Inserts().InsertMaster(c.record);
    for (const GoodsLine& line : c.goods) ws.tdm.Inserts().InsertGoods(c.record.id, line);
    for (const ExpertiseRef& act : c.expertise) ws.tdm.Inserts().InsertExpertise(c.record.id, act);
    transaction.Commit();
    ws.tdm.ASQM().Open();
    Select(c.record.referenceNo);
    return c.record.referenceNo;
}

std::string ReportFixture::PdfText(const std::filesystem::path& pdf, int page) {
    std::vector<std::string> argv{"pdftotext", "-enc", "UTF-8"};
    if (page > 0) argv.insert(argv.end(), {"-f", std::to_string(page), "-l", std::to_string(page)});
    argv.insert(argv.end(), {pdf.string(), "-"});
    return OutputOf(argv);
}

int ReportFixture::PdfPages(const std::filesystem::path& pdf) {
    const std::string info = OutputOf({"pdfinfo", pdf.string()});
    const std::size_t at = info.find("Pages:");
    if (at == std::string::npos) return 0;
    return std::stoi(info.substr(at + 6));
}

std::string ReportFixture::PdfTitle(const std::filesystem::path& pdf) {
    const std::string info = OutputOf({"pdfinfo", "-enc", "UTF-8", pdf.string()});
    const std::size_t at = info.find("Title:");
    if (at == std::string::npos) return {};
    const std::size_t end = info.find('\n', at);
    return std::string(TrimBlanks(info.substr(at + 6, end - at - 6)));
}

std::filesystem::path ReportFixture::OutputDir() {
    const std::filesystem::path dir = VD_REPORT_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace vd::test
