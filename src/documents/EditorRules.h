#pragma once

#include <optional>

namespace vd {

class TDM;

// What the editor's enabling rule looks at.
struct EditorEnablingInput {
    bool stopFlag = false;
    bool registerOpen = false;
    // The register's current document; no value when there is none or its status is unreadable.
    std::optional<int> currentStatus;
    int editMode = 0;
    bool duplicatePending = false;

    static EditorEnablingInput From(TDM& tdm);
};

// Which of the editor's controls may change the document. Everything not named here (the "+"
// buttons, inserting a line, invoice data, the numbers, fields 9 and 10, the expertise list)
// stays usable in every mode.
struct EditorEnabling {
    // The document may be changed at all: a project, or a document being prepared.
    bool editable = false;
    // Declarant, address, service notes, the goods lines' own data, their pickers, adding and
    // deleting lines. A duplicate repeats an issued conclusion, so these stay as issued.
    bool content = false;
};

EditorEnabling ComputeEditorEnabling(const EditorEnablingInput& in);

// A document the editor shows in this mode is not stored yet ("Новый", "Шаблон", "Дубликат",
// "Взамен"): it counts as changed from the start and cannot be viewed or printed.
bool NotStoredYet(int editMode);

}  // namespace vd
