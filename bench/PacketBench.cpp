// The whole-database data packet over N conclusions (three goods lines and one expertise each),
// beside a raw sqlite3 read of the same rows: the conclusions that are not projects, each with
// its goods lines and expertise, every column fetched. Target: within 3x of the raw read.
//
// Memory: every allocation through operator new is counted while a packet is built, for N/4 and
// for N conclusions. The peak over the packet's own size must stay the same for both: the text
// grows, nothing else does (the string's doubling may hold two buffers at once, so the ratio
// sits between 1 and 3 whatever N is). SQLite's own heap is shown beside it.
#include <sqlite3.h>

#include <atomic>
#include <cstddef>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "DocumentGenerator.h"
#include "Workstation.h"
#include "core/Sleeper.h"
#include "exchange/DataPacket.h"
#include "exchange/SyncLog.h"

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

// The size of each block lives in front of it, so the count stays exact whatever delete is
// called.
void* Allocate(std::size_t size) {
    void* block = std::malloc(size + sizeof(std::max_align_t));
    if (!block) throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    const std::size_t live = liveBytes += size;
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return static_cast<char*>(block) + sizeof(std::max_align_t);
}

void Release(void* pointer) noexcept {
    if (!pointer) return;
    void* block = static_cast<char*>(pointer) - sizeof(std::max_align_t);
    liveBytes -= *static_cast<std::size_t*>(block);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }

namespace {

// Processor time of this process: both sides run on one thread, and other work on the machine
// does not blur the ratio.
struct Clock {
    using time_point = std::clock_t;
    static time_point now() { return std::clock(); }
};

double Seconds(Clock::time_point start) {
    return static_cast<double>(Clock::now() - start) / static_cast<double>(CLOCKS_PER_SEC);
}

class NoPause : public vd::Sleeper {
public:
    void Sleep(std::chrono::milliseconds) override {}
};

void Fill(vd::test::Workstation& ws, long count) {
    vd::Transaction transaction(ws.tdm.Db());
    vd::InsertStatements& inserts = ws.tdm.Inserts();
    for (long id = 1; id <= count; ++id) {
        const auto doc = vd::bench::MakeDocument(id, vd::test::kToday);
        inserts.InsertMaster(doc.master);
        for (const auto& line : doc.goods) inserts.InsertGoods(id, line);
        for (const auto& ref : doc.expertise) inserts.InsertExpertise(id, ref);
    }
    transaction.Commit();
}

// Every column of a row, so that nothing is left unread.
std::size_t ReadColumns(sqlite3_stmt* stmt) {
    std::size_t bytes = 0;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        if (sqlite3_column_type(stmt, i) == SQLITE_INTEGER) bytes += static_cast<std::size_t>(sqlite3_column_int64(stmt, i) & 1);
        else bytes += static_cast<std::size_t>(sqlite3_column_bytes(stmt, i));
    }
    return bytes;
}

double RawRead(const std::filesystem::path& file, std::size_t& bytes) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* master = nullptr;
    sqlite3_stmt* goods = nullptr;
    sqlite3_stmt* expertise = nullptr;
    sqlite3_prepare_v2(db, "select * from mcod where (status <> 6) and (status <> 12) order by id", -1, &master, nullptr);
    sqlite3_prepare_v2(db, "select * from dcod where idM = ?", -1, &goods, nullptr);
    sqlite3_prepare_v2(db, "select * from expertise where idM = ?", -1, &expertise, nullptr);
    const auto start = Clock::now();
    while (sqlite3_step(master) == SQLITE_ROW) {
        bytes += ReadColumns(master);
        const sqlite3_int64 id = sqlite3_column_int64(master, 0);
        for (sqlite3_stmt* detail : {goods, expertise}) {
            sqlite3_bind_int64(detail, 1, id);
            while (sqlite3_step(detail) == SQLITE_ROW) bytes += ReadColumns(detail);
            sqlite3_reset(detail);
        }
    }
    const double seconds = Seconds(start);
    sqlite3_finalize(master);
    sqlite3_finalize(goods);
    sqlite3_finalize(expertise);
    sqlite3_close(db);
    return seconds;
}

struct Build {
    double seconds = 0;
    std::size_t packetBytes = 0;
    std::size_t peakOverStart = 0;
    sqlite3_int64 sqlitePeak = 0;
};

Build BuildPacket(vd::test::Workstation& ws) {
    vd::MemorySyncLog log;
    NoPause sleeper;
    vd::PacketBuilder builder(ws.tdm, log, sleeper);
    vd::ArmFacts facts;
    facts.programPath = ws.paths.programDir.string();
    builder.SetArmFacts(facts);
    Build result;
    sqlite3_memory_highwater(1);
    const std::size_t before = liveBytes.load();
    peakBytes = before;
    const auto start = Clock::now();
    const std::string packet = builder.GetXMLData();
    result.seconds = Seconds(start);
    result.packetBytes = packet.size();
    result.peakOverStart = peakBytes.load() - before;
    result.sqlitePeak = sqlite3_memory_highwater(0);
    return result;
}

Build Measure(long count, double* rawSeconds) {
    vd::test::Workstation ws;
    if (!ws.OpenDatabase()) std::abort();
    Fill(ws, count);
    // The file's pages are read once before either side is timed, so neither pays for the disk.
    std::size_t rawBytes = 0;
    RawRead(ws.paths.DatabaseFile(), rawBytes);
    Build build = BuildPacket(ws);
    if (rawSeconds) *rawSeconds = RawRead(ws.paths.DatabaseFile(), rawBytes);
    return build;
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 100000;
    const Build quarter = Measure(count / 4, nullptr);
    double raw = 0;
    const Build full = Measure(count, &raw);

    std::printf("conclusions: %ld (every fifth a project), 3 goods lines and 1 expertise each\n", count);
    std::printf("raw sqlite3 read of the same rows: %8.1f ms processor time\n", raw * 1000.0);
    std::printf("whole-database packet (vd):        %8.1f ms processor time, %zu bytes\n", full.seconds * 1000.0,
                full.packetBytes);
    std::printf("ratio: %.2fx (target: within 3x)\n", full.seconds / raw);
    const double quarterRatio = static_cast<double>(quarter.peakOverStart) / static_cast<double>(quarter.packetBytes);
    const double fullRatio = static_cast<double>(full.peakOverStart) / static_cast<double>(full.packetBytes);
    std::printf("heap peak over the packet text: %ld conclusions %.2fx, %ld conclusions %.2fx (%s)\n", count / 4,
                quarterRatio, count, fullRatio,
                fullRatio <= 3.0 && fullRatio <= quarterRatio * 1.1 ? "ok: only the text grows" : "GROWS");
    std::printf("SQLite heap peak: %lld KiB and %lld KiB\n", static_cast<long long>(quarter.sqlitePeak / 1024),
                static_cast<long long>(full.sqlitePeak / 1024));
    return 0;
}
