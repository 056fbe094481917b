#pragma once

#include <cstdint>
#include <string>

#include "core/RegisterFilter.h"
#include "support/Guid.h"

namespace vd {

inline constexpr std::string_view kInitialUserName = "unknown";

// What the running program knows about itself: who is logged in, whether data may still be
// changed, and its identity in the database lock. One instance, created by main().
struct Session {
    // Set while starting until the station file has been read, and by every failure that must
    // stop further changes of data; once set, the users file is not written back either.
    bool stopFlag = true;
    std::string currentUserName{kInitialUserName};
    int currentUserId = 0;
    // Cleared when this start has just created the first administrator: no login dialog then.
    bool loginRequired = true;
    const std::string sessionGuid = NewGuidText();
    // The answer of the synchronisation reminder: 0 not shown, 1 cancelled, 2 online, 3 file.
    int syncChoice = 0;
    // The register filter last applied; the register re-applies it when shown again.
    RegisterFilter registerFilter;

    // The editor: which preparation filled the working set (0 none, 1 new, 2 edit, 3 template,
    // 4 duplicate, 6 issue instead, 7 replacement project), the document opened in mode 2, and
    // whether a duplicate is being prepared.
    int editMode = 0;
    std::int64_t editedDocumentId = 0;
    bool duplicatePending = false;
    // The print window shows a document that may not be edited.
    bool readOnlyView = false;

    // Numbering: the next free document number of the range (0 none) and the proposed blank.
    std::int64_t nextDocumentNo = 0;
    std::int64_t nextBlankNo = 0;

    // The view's zoom (a factor, or −1 page width, −2 whole page) and the printer chosen in the
    // print window (empty: the system's default); both last until the program ends.
    double savedZoom = 1.0;
    std::string selectedPrinterName;

    bool IsAdministrator() const { return currentUserId == 1; }
};

}  // namespace vd
