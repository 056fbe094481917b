#pragma once

#include <string>
#include <string_view>

#include "report/PreparedReport.h"
#include "report/ReportData.h"
#include "report/ReportModel.h"

namespace vd::report {

// Replaces "[GetTextOfObj(n);]" and "[Date]" in an object's text; "[Page]" and "[Pages]" stay
// until the pages are counted. Any other bracket is literal text.
std::string ExpandText(std::string_view text, ReportData& data);

// Lays out the report onto pages, appended to `out` (so several reports make one result).
// The header, overlay and footer are repeated on every page; data bands follow their rows and
// a band that does not fit below the last one starts a new page, so no row is ever split. A
// band's height follows the texts of its growing objects, whether they are shown or not:
// visibility decides what is drawn, never where, so every print mode puts a text at the same
// spot of the sheet.
void PrepareReport(const Report& report, ReportData& data, PreparedReport& out);
PreparedReport PrepareReport(const Report& report, ReportData& data);

}  // namespace vd::report
