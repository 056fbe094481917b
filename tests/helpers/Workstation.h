#pragma once

#include <filesystem>
#include <string>

#include "FakeUi.h"
#include "FixedClock.h"
#include "MemorySink.h"
#include "TempDir.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Paths.h"
#include "core/Session.h"

namespace vd::test {

inline constexpr const char* kTestStationKey = "0123456789ABCDEF0123456789ABCDEF";
// 11.12.2026
inline constexpr DayNumber kToday = 46367;

// A temporary program folder with data/Package.cod, machine-wide places of its own, a scripted
// user and a fixed date, and the data module over them.
class Workstation {
public:
    Workstation();

    const std::filesystem::path& ProgramDir() const { return paths.programDir; }
    // Opens (creating when missing) the database as the start-up would once the station file
    // has been read.
    bool OpenDatabase();

    TempDir root;
    Paths paths;
    Session session;
    MemorySink sink;
    Journal journal{sink, session};
    FakeUi ui;
    FixedClock clock{kToday};
    TDM tdm{paths, session, journal, ui, clock};
};

}  // namespace vd::test
