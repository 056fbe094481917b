#include "StoredRows.h"

#include "core/Database.h"

namespace vd::test {

std::vector<std::vector<std::string>> QueryRows(Database& db, const std::string& sql) {
    Statement query(db, sql);
    std::vector<std::vector<std::string>> rows;
    while (query.Step()) {
        std::vector<std::string> row;
        for (int i = 0; i < query.ColumnCount(); ++i) row.push_back(query.ColumnBlobText(i));
        rows.push_back(row);
    }
    return rows;
}

std::string QueryValue(Database& db, const std::string& sql) {
    const auto rows = QueryRows(db, sql);
    return rows.empty() || rows[0].empty() ? "<none>" : rows[0][0];
}

std::string DocumentsSnapshot(Database& db) {
    std::string all;
    for (const char* table : {"mcod", "dcod", "expertise"}) {
        for (const auto& row : QueryRows(db, std::string("select * from ") + table + " order by rowid")) {
            for (const auto& value : row) all += value + "|";
            all += "\n";
        }
    }
    return all;
}

}  // namespace vd::test
