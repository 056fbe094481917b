#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "exchange/ArmFacts.h"
#include "support/DayNumber.h"

namespace vd {

class Sleeper;
class SyncLog;
class TDM;
struct StationFile;

// Synchronisation without a network: the whole database as one packet in an encrypted exchange
// file ("В файл"), and the station's data fetched from the central server into an encrypted
// restore file for a workstation that lost its database ("Данные из ЦБД").
class ExchangeFiles {
public:
    enum class Outcome {
        Written,    // the file was written
        NoData,     // no conclusion to report: nothing written
        Cancelled,  // the user closed the file chooser, or the server stopped the exchange
        Failed,     // journalled; the log says so
    };

    // How often the whole-database packet is built before its failure ends the command.
    static constexpr int kPacketAttempts = 9;

    ExchangeFiles(TDM& tdm, Sleeper& sleeper, SyncLog& log);
    void SetArmFacts(ArmFacts facts) { facts_ = std::move(facts); }

    // The exchange file: a zip archive with the one entry "sync.xml" holding the packet, encrypted
    // with the station key. The zip never lies on disk unencrypted. LastSync becomes today once
    // the file is written.
    Outcome aSaveToFileExecute();
    // The restore file: the server's "/restore" reply, encrypted with the station key.
    Outcome aLoadFromFileExecute();

    // The file written last.
    const std::optional<std::filesystem::path>& WrittenFile() const { return written_; }
    // The exception text of the last failed command.
    const std::string& FailureText() const { return failureText_; }

private:
    Outcome LoadFromServer();

    TDM& tdm_;
    Sleeper& sleeper_;
    SyncLog& log_;
    std::optional<ArmFacts> facts_;
    std::optional<std::filesystem::path> written_;
    std::string failureText_;
};

// "VD_" + chamber (3 digits) + "_" + workstation (2 digits) + "_" + YYYY.MM.DD + "_x.zip.cod".
std::string ExchangeFileName(const StationFile& station, DayNumber today);

// A chosen file name without an extension gets ".cod", as the file chooser's default extension
// does.
std::filesystem::path WithCodExtension(const std::filesystem::path& chosen);

}  // namespace vd
