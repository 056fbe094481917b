#pragma once

#include <string>

#include "support/DayNumber.h"

namespace vd {

class TDM;

// The editor's controls as the save reads them: the number fields as typed texts, the texts
// of the fields and the two dates.
struct EditorFields {
    std::string certNo;     // blank number, 7 digits
    std::string g;          // year digit
    std::string tpp;        // chamber number, 3 digits
    std::string refNumNum;  // document number, 6 digits
    std::string declarant;
    std::string address;
    std::string supportInfo;
    std::string tppName;
    std::string declaratorFio;
    std::string fio10;
    DayNumber declarationDate = 0;
    DayNumber date10 = 0;
};

// What the editor shows for the working set's master record.
EditorFields FieldsFromMaster(const TDM& tdm);

enum class SaveOutcome {
    NotSaved,  // refused or failed; the user has been told and the working set is unchanged
    Saved,     // the editor stays open on the saved document (EditMode 2)
    SavedAndLeave,  // a duplicate, or a document the register's filter hides: the editor closes
};

// "Сохранить": checks the lock, asks for a duplicate, copies the fields into the master record,
// checks the document and replaces its rows in one transaction.
SaveOutcome SaveDocument(TDM& tdm, const EditorFields& fields);

// "Отмена": nothing is written and the editor's state is dropped.
void CancelEditing(TDM& tdm);

// The editor is hidden: unsaved changes are saved on request or dropped.
SaveOutcome LeaveEditor(TDM& tdm, const EditorFields& fields);

}  // namespace vd
