#pragma once

#include <cstdint>

namespace vd {

class Database;

// The numbers of conclusions per final status that every data packet reports ("Статистика по
// статусам", aStatus).
struct StatusCounters {
    std::int64_t stat7 = 0;
    std::int64_t stat8 = 0;
    std::int64_t stat9 = 0;
    std::int64_t stat10 = 0;
};

StatusCounters CountStatuses(Database& db);

}  // namespace vd
