#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

class Sleeper;
class SyncLog;
class TDM;
class THttpsConnection;

// Starts the restart program with its command line; returns 0, or the errno when it cannot be
// started. Tests replace the real start.
using ProgramStarter = std::function<int(const std::filesystem::path& program, const std::string& commandLine)>;
// The real one: the program in a session of its own, the command line as its one argument,
// started from the current folder; this process does not wait for it.
int StartRestartProgram(const std::filesystem::path& program, const std::string& commandLine);

// After an upload: asks the chosen server which versions of the program, the restart program's
// archive ("restorator") and the support archive it offers, downloads the newer ones into
// DownLoad/, installs RebootVD.exe next to the program and hands over to it.
class UpdateCheck {
public:
    enum class Outcome {
        Done,        // nothing to install, or the restart program could not be started
        Stopped,     // the server could not be asked; the run ends without failing
        Restarting,  // the restart program runs: the program must end now
    };

    // `updateList` is the synchronisation window's list: "name%url*version" per entry.
    UpdateCheck(TDM& tdm, Sleeper& sleeper, SyncLog& log, std::vector<std::string>& updateList);
    void SetProgramStarter(ProgramStarter starter) { starter_ = std::move(starter); }

    // Runs on the connection of the upload, against the server chosen for it. Throws when a
    // download fails; files written before stay.
    Outcome Run(THttpsConnection& connection, const std::string& basePath, const std::string& stationParams);

private:
    void Download(THttpsConnection& connection, const std::string& entry);

    TDM& tdm_;
    Sleeper& sleeper_;
    SyncLog& log_;
    std::vector<std::string>& updateList_;
    ProgramStarter starter_ = StartRestartProgram;
};

// Versions are four integers separated by points, compared field by field from the left. A
// version that does not read so is never newer.
bool IsNewerProgramVersion(std::string_view offered, std::string_view own);

// The command line of the restart program: the entries joined by commas, an entry with a blank,
// comma or double quote in double quotes with its inner double quotes doubled.
std::string RestartCommandLine(const std::vector<std::string>& entries);

}  // namespace vd
