#include "core/Schema.h"

#include <string>

namespace vd::sql {

std::string FilteredSql(std::string_view statement, std::string_view filter) {
    if (filter.empty()) return std::string(statement);
    return "select * from (" + std::string(statement) + ") where " + std::string(filter);
}

}  // namespace vd::sql
