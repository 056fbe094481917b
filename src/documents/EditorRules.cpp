#include "documents/EditorRules.h"

#include "core/DataModule.h"
#include "core/Session.h"
#include "register/RegisterQuery.h"

namespace vd {

EditorEnablingInput EditorEnablingInput::From(TDM& tdm) {
    const Session& session = tdm.GetSession();
    EditorEnablingInput in;
    in.stopFlag = session.stopFlag;
    in.editMode = session.editMode;
    in.duplicatePending = session.duplicatePending;
    in.registerOpen = tdm.RegisterOpen() && tdm.ASQM().IsOpen();
    if (!in.registerOpen) return in;
    if (const RegisterRow* row = tdm.ASQM().Current(); row && row->statusReadable) in.currentStatus = row->record.status;
    return in;
}

EditorEnabling ComputeEditorEnabling(const EditorEnablingInput& in) {
    const bool project = in.currentStatus == 6 || in.currentStatus == 12;
    const bool prepared = in.editMode == 1 || in.editMode == 3 || in.editMode == 7;
    EditorEnabling e;
    e.editable = !in.stopFlag && in.registerOpen && (project || prepared);
    e.content = e.editable && !in.duplicatePending;
    return e;
}

bool NotStoredYet(int editMode) { return editMode == 1 || editMode == 3 || editMode == 4 || editMode == 7; }

}  // namespace vd
