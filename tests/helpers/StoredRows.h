#pragma once

#include <string>
#include <vector>

namespace vd {
class Database;
}

namespace vd::test {

// Every row of a query, each value as text.
std::vector<std::vector<std::string>> QueryRows(Database& db, const std::string& sql);
// The first value of a query, or "<none>".
std::string QueryValue(Database& db, const std::string& sql);
// Everything stored of the documents, to compare before and after a refused operation.
std::string DocumentsSnapshot(Database& db);

}  // namespace vd::test
