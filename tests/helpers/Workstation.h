#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "FakeUi.h"
#include "FixedClock.h"
#include "MemorySink.h"
#include "TempDir.h"
#include "core/Workstation.h"

namespace vd::test {

inline constexpr const char* kTestStationKey = "0123456789ABCDEF0123456789ABCDEF";
// 11.12.2026
inline constexpr DayNumber kToday = 46367;

// The station the fixture starts with.
StationFile TestStation();

// A temporary program folder with a station file and Package.cod, machine-wide places of its
// own (lock, journal), a scripted user and a fixed date, and the program's objects over them.
class Workstation {
public:
    Workstation();
    // The next run of the program over the same folders: a new process with its own session.
    explicit Workstation(std::shared_ptr<TempDir> root);

    void WriteStation(const StationFile& station);
    // Opens (creating when missing) the database as the start-up does once the station file
    // has been read, without the users and the lock.
    bool OpenDatabase();
    // The whole start-up, `mainLoop` and the shutdown.
    StartResult Start(const std::function<void()>& mainLoop = [] {});

    std::shared_ptr<TempDir> root;
    MemorySink sink;
    FakeUi ui;
    FixedClock clock{kToday};
    vd::Workstation core;
    const Paths& paths = core.paths;
    Session& session = core.session;
    Journal& journal = core.journal;
    TDM& tdm = core.tdm;
};

}  // namespace vd::test
