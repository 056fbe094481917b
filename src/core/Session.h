#pragma once

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

    bool IsAdministrator() const { return currentUserId == 1; }
};

}  // namespace vd
