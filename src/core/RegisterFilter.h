#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vd {

class Statement;

// The register's restriction to one expert's documents. Its text is the form the program
// stores and shows (Expert="name"); the query runs it with the name bound as a parameter, so a
// name holding quotes or a column's name cannot change the statement.
struct RegisterFilter {
    std::string expert;               // empty: no restriction
    bool issuedAndProjectsOnly = false;

    bool Empty() const { return expert.empty(); }
    std::string Text() const;
    std::string Sql() const;                  // condition with "?" placeholders
    std::vector<std::string> Parameters() const;
    // `condition` restricted by the filter: "(condition) and (filter)", or `condition` alone.
    std::string And(std::string_view condition) const;
    // Binds the filter's parameters from position `first` on.
    void Bind(Statement& statement, int first) const;

    // "Только мои" as the register sets it.
    static RegisterFilter OwnDocuments(const std::string& userName);
    // The first filter of a run: a user's own issued documents and projects.
    static RegisterFilter OwnIssuedAndProjects(const std::string& userName);
};

}  // namespace vd
