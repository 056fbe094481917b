#pragma once

namespace vd::gui {

class TFormList;
class TfMainForm;

// The register's "Отчёт" items that go through the report engine: "Заключения на печать"
// (the title page and every found conclusion) and "Список на печать", each shown in a preview
// of its own.
void PlugReportCommands(TfMainForm& mainForm, TFormList& list);

}  // namespace vd::gui
