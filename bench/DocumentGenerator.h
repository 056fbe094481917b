#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/MasterRecord.h"

namespace vd::bench {

// Realistic documents for measurements: Cyrillic texts of typical length, three goods lines.
struct GeneratedDocument {
    MasterRecord master;
    std::vector<GoodsLine> goods;
    std::vector<ExpertiseRef> expertise;
};

GeneratedDocument MakeDocument(std::int64_t id, DayNumber today);

}  // namespace vd::bench
