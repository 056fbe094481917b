#include "core/RegisterFilter.h"

#include "core/Database.h"

namespace vd {

std::string RegisterFilter::Text() const {
    if (Empty()) return {};
    std::string text = "Expert=\"" + expert + "\"";
    if (issuedAndProjectsOnly) text += " and (status = 7 or status = 6)";
    return text;
}

std::string RegisterFilter::Sql() const {
    if (Empty()) return {};
    return issuedAndProjectsOnly ? "Expert = ? and (status = 7 or status = 6)" : "Expert = ?";
}

std::vector<std::string> RegisterFilter::Parameters() const {
    if (Empty()) return {};
    return {expert};
}

std::string RegisterFilter::And(std::string_view condition) const {
    if (Empty()) return std::string(condition);
    return "(" + std::string(condition) + ") and (" + Sql() + ")";
}

void RegisterFilter::Bind(Statement& statement, int first) const {
    for (const auto& value : Parameters()) statement.BindText(first++, value);
}

RegisterFilter RegisterFilter::OwnDocuments(const std::string& userName) { return RegisterFilter{userName, false}; }

RegisterFilter RegisterFilter::OwnIssuedAndProjects(const std::string& userName) {
    return RegisterFilter{userName, true};
}

}  // namespace vd
