#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "report/ReportModel.h"

namespace vd::report {

// A template that cannot be read: the message names the file and the line.
class TemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads our XML template format (see README, "Report templates"). Anything it does not know is
// an error rather than silently ignored, so a typing mistake in a template shows at once.
Report ReadTemplate(const std::filesystem::path& file);
Report ParseTemplate(std::string_view xml, std::string_view sourceName);

}  // namespace vd::report
