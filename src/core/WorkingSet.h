#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/MasterRecord.h"

namespace vd {

// An expertise row as the editor holds it: the date may still be missing while it is typed.
struct ExpertiseRow {
    std::optional<DayNumber> de;
    std::string nume;
};

// The one document being edited or changed: the master record (the insert's parameters), its
// goods lines and its expertise rows. It lives in the data module, so loading, checking and
// saving work without any window.
struct WorkingSet {
    MasterRecord master;
    std::vector<GoodsLine> goods;
    std::vector<ExpertiseRow> expertise;
    // The working set has changes that are not saved.
    bool modified = false;
};

}  // namespace vd
