#pragma once

#include <functional>


namespace vd {

class TDM;

enum class StartResult {
    Started,         // the main loop ran and the program shut down
    AlreadyRunning,  // another copy holds the machine
    Aborted,         // a start-up step stopped the start; nothing was written back
    Failed,          // an unexpected failure after the database was opened; shut down
};

// The life of the program, shared by FormVD and vdctl: one copy per machine, the station
// file, users and login, the database and its lock, the register's first filter, the
// synchronisation reminder; then the front end's main loop; then the shutdown.
class Startup {
public:
    explicit Startup(TDM& tdm) : tdm_(tdm) {}

    // Runs the start-up, `mainLoop` when it succeeded, and the shutdown. An exception escaping
    // the loop is journalled; the lock is still released and the users file still saved.
    StartResult Run(const std::function<void()>& mainLoop);

private:
    bool LogIn();
    bool OpenDatabase();
    void ApplyFirstRegisterFilter();
    void RemindOfSynchronisation();
    void Shutdown();
    void Archive();

    TDM& tdm_;
};

}  // namespace vd
