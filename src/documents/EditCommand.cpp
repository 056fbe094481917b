#include "documents/EditCommand.h"

#include <string>

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "documents/Loaders.h"
#include "documents/Messages.h"
#include "register/RegisterQuery.h"

namespace vd {
namespace {

// A preparation of the register still waiting in the working set. Once it is saved (mode 2) or
// its changes are dropped, the register's current document is what the user means to edit; a
// duplicate stays waiting as long as the register keeps it pending.
bool PreparedDocumentWaits(const TDM& tdm) {
    const Session& session = tdm.GetSession();
    switch (session.editMode) {
        case 1:
        case 3:
        case 7: return tdm.Working().modified;
        case 4: return tdm.Working().modified || session.duplicatePending;
        default: return false;
    }
}

}  // namespace

bool EditCurrentDocument(TDM& tdm) {
    if (PreparedDocumentWaits(tdm)) return true;
    if (!tdm.RegisterOpen()) return false;
    const RegisterRow* row = tdm.ASQM().Current();
    if (!row || !row->statusReadable || (row->record.status != 6 && row->record.status != 12)) return false;
    Session& session = tdm.GetSession();
    const std::string& author = row->record.expert;
    if (author != session.currentUserName) {
        const std::string question =
            std::string(text::kEditOthersDocument) + "\"" + author + "\"?\r\n" + std::string(text::kBecomesYours);
        if (tdm.Ui().ShowMessage(MessageKind::Warning, text::kAppTitle, question, Buttons::YesNo) != Answer::Yes) {
            return false;
        }
    }
    session.editMode = 2;
    return SetEditFields(tdm);
}

}  // namespace vd
