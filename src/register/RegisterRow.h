#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/MasterRecord.h"

namespace vd {

// One row of mcod as the register reads it: the master record's columns and the carried ones.
struct RegisterRow {
    MasterRecord record;
    // False when the stored status is NULL or no number; the register draws such rows grey.
    bool statusReadable = true;
    std::string pFilter;
    std::optional<std::int64_t> expDate;
    std::string expNumber;
    std::string refNumCC;
};

class Database;
class Statement;

// The row under the statement's cursor; every column is looked up by name.
RegisterRow ReadRegisterRow(const Statement& query);
std::optional<RegisterRow> ReadDocument(Database& db, std::int64_t id);
// The goods lines and expertise references of a document, in stored order.
std::vector<GoodsLine> ReadGoodsLines(Database& db, std::int64_t id);
std::vector<ExpertiseRef> ReadExpertise(Database& db, std::int64_t id);

}  // namespace vd
