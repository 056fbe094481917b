#pragma once

#include <filesystem>
#include <optional>

#include "report/PreparedReport.h"

namespace vd {
class TDM;
}

namespace vd::report {

// "Заключения на печать": the title page (CertsCaption.fr3), then every conclusion of the
// register from its last row to its first, each with its own stored sizes and expertise texts,
// in one result for the preview. The register ends on its first row.
PreparedReport PrepareCertificatesForPrint(TDM& tdm, const std::filesystem::path& templateFolder);
// "Список на печать": the found conclusions with their goods lines and the search conditions
// (SearchReport.fr3). The register's current row stays where it was.
PreparedReport PrepareSearchList(TDM& tdm, const std::filesystem::path& templateFolder);

// The register's "Отчёт" commands as the window runs them: a failure puts "Произошла ошибка при
// добавлении задания в очередь" into the status bar, is shown and journalled, and gives no
// value.
std::optional<PreparedReport> CertificatesForPrint(TDM& tdm);
std::optional<PreparedReport> SearchListForPrint(TDM& tdm);

}  // namespace vd::report
