#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/ArmFacts.h"
#include "exchange/UpdateCheck.h"
#include "support/DayNumber.h"

namespace vd {

class PacketBuilder;
class Sleeper;
class SyncLog;
class TDM;
class THttpsConnection;

// The online synchronisation with the central database ("Старт" of the synchronisation window):
// greeting, station file refresh, choice of the server, central status changes, upload of one
// packet per changed day, update check. Progress and errors go to the log; the window (or
// vdctl) drives it and may ask it to stop between two days.
class SyncSession {
public:
    enum class Outcome {
        Completed,    // every step done
        Stopped,      // the server refused or could not be reached; the log says why
        Interrupted,  // "Прервать" took effect before a day of the upload
        Failed,       // a failure; journalled, see FailureText()
        Restarting,   // the restart program runs with the downloaded updates: end the program
    };

    // How often a packet is built before its failure ends the run.
    static constexpr int kPacketAttempts = 9;

    SyncSession(TDM& tdm, Sleeper& sleeper, SyncLog& log);
    ~SyncSession();
    SyncSession(const SyncSession&) = delete;
    SyncSession& operator=(const SyncSession&) = delete;

    void SetProgramStarter(ProgramStarter starter) { starter_ = std::move(starter); }
    // Fixed computer facts for the packets (tests); otherwise they are read from the system.
    void SetArmFacts(ArmFacts facts) { facts_ = std::move(facts); }

    // One complete run.
    Outcome aStartExecute();
    // "Прервать": takes effect before the next day of the upload.
    void aStopExecute() { abortRequested_ = true; }
    bool AbortRequested() const { return abortRequested_; }
    bool Running() const { return running_; }
    // The exception text of the last failed run.
    const std::string& FailureText() const { return failureText_; }
    // The updates found by the last check, "name%url*version" each.
    const std::vector<std::string>& UpdateList() const { return updateList_; }

private:
    Outcome Run();
    // The greeting's reply; no value when the run stops on an empty reply or an error packet.
    std::optional<std::string> Hello(THttpsConnection& connection, const std::string& stationParams,
                                     std::string_view errorEvent);
    bool ApplyChanges(THttpsConnection& connection, const std::string& basePath, const std::string& stationParams);
    std::optional<DayNumber> StartDay(THttpsConnection& connection, const std::string& basePath,
                                      const std::string& stationParams);
    Outcome Upload(THttpsConnection& connection, const std::string& basePath, const std::string& stationParams,
                   DayNumber startDay);
    bool SendPacket(THttpsConnection& connection, const std::string& basePath, const std::string& stationParams,
                    const std::string& packet);

    TDM& tdm_;
    Sleeper& sleeper_;
    SyncLog& log_;
    ProgramStarter starter_ = StartRestartProgram;
    std::optional<ArmFacts> facts_;
    std::atomic<bool> abortRequested_{false};
    bool running_ = false;
    std::string failureText_;
    std::vector<std::string> updateList_;
};

// Builds a packet, trying again after a failure up to `attempts` times in all; the last
// failure is passed on.
template <typename Build>
std::string BuildWithRetries(int attempts, Build build) {
    for (int attempt = 1;; ++attempt) {
        try {
            return build();
        } catch (const std::exception&) {
            if (attempt >= attempts) throw;
        }
    }
}

}  // namespace vd
