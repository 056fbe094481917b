// The register over N documents: opening it on its first row, moving to the middle row, and
// title-click sorts, each beside a raw sqlite3 query reaching the same row. Target: each under
// 100 ms for 100,000 documents. The first pass over the whole table in a process pays for
// mapping the file's pages in; the sorts are therefore also shown once the file is mapped.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "DocumentGenerator.h"
#include "Workstation.h"
#include "register/RegisterQuery.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The raw query, stepped to the wanted row; the value read keeps the step from being skipped.
std::int64_t RawRow(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    std::int64_t id = -1;
    if (sqlite3_step(stmt) == SQLITE_ROW) id = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return id;
}

void Report(const char* what, double ours, double raw) {
    std::printf("%-44s %8.1f ms   raw sqlite3 %8.1f ms   %s\n", what, ours, raw, ours < 100.0 ? "ok" : "OVER 100 ms");
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 100000;
    vd::test::Workstation ws;
    if (!ws.OpenDatabase()) return 1;
    {
        vd::Transaction transaction(ws.tdm.Db());
        for (long id = 1; id <= count; ++id) {
            const auto doc = vd::bench::MakeDocument(id, vd::test::kToday);
            ws.tdm.Inserts().InsertMaster(doc.master);
            for (const auto& line : doc.goods) ws.tdm.Inserts().InsertGoods(id, line);
            for (const auto& ref : doc.expertise) ws.tdm.Inserts().InsertExpertise(id, ref);
        }
        transaction.Commit();
    }
    std::printf("documents: %ld\n", count);
    sqlite3* raw = ws.tdm.Db().Handle();
    vd::RegisterQuery& query = ws.tdm.ASQM();
    const int middle = static_cast<int>(count / 2);
    std::int64_t seen = 0;

    const double open = Milliseconds([&] {
        query.Open();
        seen += query.Current()->record.id;
    });
    const double rawOpen = Milliseconds([&] { seen += RawRow(raw, "select * from mcod order by LastDate desc"); });
    Report("open the register, first row", open, rawOpen);

    const double move = Milliseconds([&] {
        query.MoveTo(middle);
        seen += query.Current()->record.id;
    });
    const double rawMove = Milliseconds([&] {
        seen += RawRow(raw, "select * from mcod order by LastDate desc limit 1 offset " + std::to_string(middle));
    });
    Report("move to the middle row", move, rawMove);

    for (const char* pass : {"first pass", "file mapped"}) {
        for (const char* column : {"declarant", "PaperNo", "ReferenceNo"}) {
            const double sort = Milliseconds([&] {
                query.SortByColumn(column);
                seen += query.Current()->record.id;
            });
            const double rawSort =
                Milliseconds([&] { seen += RawRow(raw, std::string("select * from mcod order by ") + column); });
            Report((std::string("title-click sort by ") + column + ", " + pass).c_str(), sort, rawSort);
            query.SetSql(std::string(vd::sql::kRegisterDefault));
        }
    }
    // Keep the generated database for a closer look with the sqlite3 command.
    if (const char* keep = std::getenv("VD_BENCH_KEEP_DB")) {
        std::filesystem::copy_file(ws.paths.DatabaseFile(), keep, std::filesystem::copy_options::overwrite_existing);
    }
    return seen == 0 ? 1 : 0;
}
