// Creates a database and inserts N documents with three goods lines each through the
// workstation's prepared inserts, then does the same with raw sqlite3 statements bound by
// position, and prints the time per 1,000 documents and the ratio.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "DocumentGenerator.h"
#include "Workstation.h"
#include "core/Schema.h"
#include "support/TextCodec.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ThroughWorkstation(long count) {
    vd::test::Workstation ws;
    if (!ws.OpenDatabase()) std::abort();
    const auto start = Clock::now();
    vd::Transaction transaction(ws.tdm.Db());
    vd::InsertStatements& inserts = ws.tdm.Inserts();
    for (long id = 1; id <= count; ++id) {
        const auto doc = vd::bench::MakeDocument(id, vd::test::kToday);
        inserts.InsertMaster(doc.master);
        for (const auto& line : doc.goods) inserts.InsertGoods(id, line);
    }
    transaction.Commit();
    return Seconds(start);
}

void BindBlob(sqlite3_stmt* stmt, int index, const std::string& utf8) {
    const std::string units = vd::Utf8ToUtf16Le(utf8);
    sqlite3_bind_blob(stmt, index, units.data(), static_cast<int>(units.size()), SQLITE_TRANSIENT);
}

void BindText(sqlite3_stmt* stmt, int index, const std::string& utf8) {
    sqlite3_bind_text(stmt, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

double RawSqlite(long count) {
    vd::test::TempDir dir;
    sqlite3* db = nullptr;
    sqlite3_open((dir.Path() / "raw.sqb").c_str(), &db);
    for (const auto statement : vd::sql::kCreateSchema) sqlite3_exec(db, std::string(statement).c_str(), nullptr, nullptr, nullptr);
    for (const auto statement : vd::sql::kSupportIndexes) sqlite3_exec(db, std::string(statement).c_str(), nullptr, nullptr, nullptr);
    sqlite3_stmt* master = nullptr;
    sqlite3_stmt* goods = nullptr;
    sqlite3_prepare_v2(db, std::string(vd::sql::kInsertMaster).c_str(), -1, &master, nullptr);
    sqlite3_prepare_v2(db, std::string(vd::sql::kInsertGoods).c_str(), -1, &goods, nullptr);
    const auto start = Clock::now();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (long id = 1; id <= count; ++id) {
        const auto doc = vd::bench::MakeDocument(id, vd::test::kToday);
        const vd::MasterRecord& m = doc.master;
        int i = 1;
        sqlite3_bind_int64(master, i++, m.id);
        sqlite3_bind_int64(master, i++, m.status);
        sqlite3_bind_int64(master, i++, m.paperNo);
        BindText(master, i++, m.referenceNo);
        sqlite3_bind_int64(master, i++, m.gNum);
        sqlite3_bind_int64(master, i++, m.numNum);
        sqlite3_bind_int64(master, i++, m.dateIssued);
        BindText(master, i++, m.expert);
        BindBlob(master, i++, m.declarant);
        BindBlob(master, i++, m.address);
        BindBlob(master, i++, m.supportInfo);
        BindText(master, i++, m.declaratorFio);
        sqlite3_bind_int64(master, i++, m.declarationDate);
        BindBlob(master, i++, m.tppName);
        BindText(master, i++, m.fio10);
        sqlite3_bind_int64(master, i++, m.date10);
        sqlite3_bind_int64(master, i++, m.modifiedDate);
        BindText(master, i++, m.modifierExpert);
        BindBlob(master, i++, m.comment);
        BindText(master, i++, m.goDuplicate);
        BindText(master, i++, m.goInstead);
        BindText(master, i++, m.goCancel);
        BindText(master, i++, m.goTrue);
        sqlite3_bind_int64(master, i++, m.lastDate);
        for (const int size : m.fSize) sqlite3_bind_int64(master, i++, size);
        sqlite3_step(master);
        sqlite3_reset(master);
        for (const auto& line : doc.goods) {
            sqlite3_bind_int64(goods, 1, id);
            BindBlob(goods, 2, line.num);
            BindBlob(goods, 3, line.descriptionGoods);
            BindBlob(goods, 4, line.count6Goods);
            BindBlob(goods, 5, line.package6Goods);
            BindBlob(goods, 6, line.countGoods);
            BindBlob(goods, 7, line.documents);
            sqlite3_step(goods);
            sqlite3_reset(goods);
        }
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double seconds = Seconds(start);
    sqlite3_finalize(master);
    sqlite3_finalize(goods);
    sqlite3_close(db);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 100000;
    const double raw = RawSqlite(count);
    const double ours = ThroughWorkstation(count);
    std::printf("documents: %ld, 3 goods lines each\n", count);
    std::printf("raw sqlite3 bulk insert: %8.2f ms per 1,000 documents\n", raw * 1000.0 * 1000.0 / static_cast<double>(count));
    std::printf("prepared inserts (vd):   %8.2f ms per 1,000 documents\n", ours * 1000.0 * 1000.0 / static_cast<double>(count));
    std::printf("ratio: %.2fx (target: within 1.5x)\n", ours / raw);
    return 0;
}
