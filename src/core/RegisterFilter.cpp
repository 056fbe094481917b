#include "core/RegisterFilter.h"

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

RegisterFilter RegisterFilter::OwnDocuments(const std::string& userName) { return RegisterFilter{userName, false}; }

RegisterFilter RegisterFilter::OwnIssuedAndProjects(const std::string& userName) {
    return RegisterFilter{userName, true};
}

}  // namespace vd
