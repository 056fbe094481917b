// The report engine: preparing the conclusion of a document with 40 goods lines and writing it
// to PDF, and "Заключения на печать" over N found conclusions (200 by default, one of them the
// 40-line one), with the time per conclusion. Run it on the offscreen platform: QT_QPA_PLATFORM=offscreen bench_report [N].
#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "DocumentGenerator.h"
#include "Workstation.h"
#include "register/RegisterQuery.h"
#include "report/BatchReports.h"
#include "report/ConclusionReport.h"
#include "report/ReportOutput.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The best of a few runs: the first one also pays for loading the fonts.
double Best(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) best = std::min(best, Milliseconds(work));
    return best;
}

void Store(vd::TDM& tdm, const vd::bench::GeneratedDocument& doc) {
    tdm.Inserts().InsertMaster(doc.master);
    for (const auto& line : doc.goods) tdm.Inserts().InsertGoods(doc.master.id, line);
    for (const auto& act : doc.expertise) tdm.Inserts().InsertExpertise(doc.master.id, act);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const long count = argc > 1 ? std::atol(argv[1]) : 200;

    vd::test::Workstation ws;
    if (!ws.OpenDatabase()) return 1;
    for (const char* name : {"VD.fr3", "CertsCaption.fr3"}) {
        std::filesystem::copy_file(vd::test::SourceDataDir() / name, ws.paths.DataDir() / name);
    }
    {
        vd::Transaction transaction(ws.tdm.Db());
        auto big = vd::bench::MakeDocument(1, vd::test::kToday);
        big.master.status = 7;
        const auto pattern = big.goods;
        big.goods.clear();
        for (int i = 0; i < 40; ++i) {
            vd::GoodsLine line = pattern[static_cast<std::size_t>(i) % pattern.size()];
            line.num = std::to_string(i + 1);
            big.goods.push_back(line);
        }
        Store(ws.tdm, big);
        for (long id = 2; id <= count; ++id) {
            auto doc = vd::bench::MakeDocument(id, vd::test::kToday);
            doc.master.status = 7;
            Store(ws.tdm, doc);
        }
        transaction.Commit();
    }
    vd::RegisterQuery& query = ws.tdm.ASQM();
    query.Open();
    query.LocateId(1);

    vd::report::ConclusionReport view(ws.tdm);
    std::size_t pages = 0;
    const double prepare = Best(5, [&] {
        view.LoadForPrinting();
        pages = view.Prepare().pages.size();
    });
    const auto pdf = ws.root->Path() / "conclusion.pdf";
    const double toPdf = Best(5, [&] {
        view.LoadForPrinting();
        vd::report::WritePdf(view.Prepare(), pdf, "bench", 1);
    });
    std::printf("conclusion with 40 goods lines (%zu pages): prepare %.1f ms, prepare and write PDF %.1f ms\n", pages,
                prepare, toPdf);

    // The batch covers every row of the register, the 40-line conclusion among them.
    std::size_t batchPages = 0;
    const double batch = Milliseconds([&] {
        const auto result = vd::report::PrepareCertificatesForPrint(ws.tdm, ws.paths.DataDir());
        batchPages = result.pages.size();
    });
    const double perConclusion = batch / static_cast<double>(query.RowCount());
    std::printf("\"Заключения на печать\" for %d conclusions (%zu pages): %.0f ms, %.2f ms per conclusion\n",
                query.RowCount(), batchPages, batch, perConclusion);
    return 0;
}
