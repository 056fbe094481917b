#pragma once

#include <string>
#include <vector>

namespace vd {

// One row of the last search's conditions (cdsSearchOptions): the printed search report and the
// exports read them.
struct SearchOptionRow {
    std::string optionName;
    std::string value;
};

using SearchOptions = std::vector<SearchOptionRow>;

}  // namespace vd
