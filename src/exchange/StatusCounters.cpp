#include "exchange/StatusCounters.h"

#include "core/Database.h"

namespace vd {

StatusCounters CountStatuses(Database& db) {
    Statement count(db, "select count(*) as mr from mcod where STATUS = :STATUS");
    auto countOf = [&count](int status) {
        count.Reset();
        count.BindInt(":STATUS", status);
        const std::int64_t n = count.Step() ? count.ColumnInt(0) : 0;
        count.Reset();
        return n;
    };
    StatusCounters counters;
    counters.stat10 = countOf(10);
    counters.stat8 = countOf(8);
    counters.stat9 = countOf(9);
    counters.stat7 = countOf(7);
    return counters;
}

}  // namespace vd
