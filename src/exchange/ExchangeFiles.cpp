#include "exchange/ExchangeFiles.h"

#include <stdexcept>

#include "core/Clock.h"
#include "core/Container.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/UserInterface.h"
#include "exchange/CentralServer.h"
#include "exchange/DataPacket.h"
#include "exchange/DownloadProgress.h"
#include "exchange/HttpsConnection.h"
#include "exchange/Messages.h"
#include "exchange/ServerReplies.h"
#include "exchange/SyncLog.h"
#include "exchange/SyncSession.h"
#include "support/Files.h"
#include "support/Text.h"
#include "support/Zip.h"

namespace vd {
namespace {

constexpr int kRestorePause = 2000;
constexpr std::string_view kSyncEntry = "sync.xml";
constexpr std::string_view kWorkingZip = "sync.zip";

// The file the user chose, with the default extension when he typed none.
std::optional<std::filesystem::path> Choose(UserInterface& ui, std::string_view title, const std::filesystem::path& folder,
                                            std::string_view name, std::string_view filter) {
    const auto chosen = ui.ChooseSaveFile(title, folder.string(), name, filter);
    if (!chosen || chosen->empty()) return std::nullopt;
    return WithCodExtension(*chosen);
}

}  // namespace

std::string ExchangeFileName(const StationFile& station, DayNumber today) {
    return "VD_" + ExactDigits(station.tppNumber, 3) + "_" + ExactDigits(station.numLocale, 2) + "_" +
           FormatYyyyMmDd(today) + "_x.zip.cod";
}

std::filesystem::path WithCodExtension(const std::filesystem::path& chosen) {
    if (chosen.has_extension()) return chosen;
    std::filesystem::path withExtension = chosen;
    withExtension += ".cod";
    return withExtension;
}

ExchangeFiles::ExchangeFiles(TDM& tdm, Sleeper& sleeper, SyncLog& log) : tdm_(tdm), sleeper_(sleeper), log_(log) {}

ExchangeFiles::Outcome ExchangeFiles::aSaveToFileExecute() {
    UserInterface& ui = tdm_.Ui();
    const DayNumber today = tdm_.GetClock().Today();
    written_.reset();
    failureText_.clear();
    ui.SetStatusText(text::kWait);
    log_.Line(text::kMayTakeMinutes);
    log_.Line(text::kBuilding);
    try {
        PacketBuilder builder(tdm_, log_, sleeper_);
        if (facts_) builder.SetArmFacts(*facts_);
        std::string packet = BuildWithRetries(kPacketAttempts, [&builder] { return builder.GetXMLData(); });
        if (packet.empty()) {
            log_.Line(text::kNoData);
            ui.SetStatusText("");
            return Outcome::NoData;
        }
        const auto send = tdm_.GetPaths().SendDir();
        std::filesystem::create_directories(send);
        // The archive is built in memory; a plain copy left by an older program goes as well.
        std::error_code ignored;
        std::filesystem::remove(send / kWorkingZip, ignored);
        ZipWriter archive;
        archive.Add(std::string(kSyncEntry), std::move(packet));
        std::string bytes = archive.Finish();
        log_.Line(text::kEncrypting);
        EncodeCodStream(bytes, tdm_.Station().tppKey);

        const auto target =
            Choose(ui, text::kSyncFileTitle, send, ExchangeFileName(tdm_.Station(), today), text::kSyncFileFilter);
        if (!target) {
            ui.SetStatusText("");
            return Outcome::Cancelled;
        }
        WriteFileAtomically(*target, bytes);
        ui.SetStatusText("");
        log_.Line(text::kSyncFileWritten);
        tdm_.Options().SetLastSync(today);
        written_ = *target;
        return Outcome::Written;
    } catch (const std::exception& e) {
        failureText_ = e.what();
        tdm_.GetJournal().ReportError(text::kWhereSaveToFileFailed, e.what());
        log_.Line(text::kSyncFileFailed);
        ui.SetStatusText("");
        return Outcome::Failed;
    }
}

ExchangeFiles::Outcome ExchangeFiles::aLoadFromFileExecute() {
    UserInterface& ui = tdm_.Ui();
    written_.reset();
    failureText_.clear();
    ui.SetStatusText(text::kExpectWait);
    Outcome outcome = Outcome::Failed;
    try {
        outcome = LoadFromServer();
    } catch (const std::exception& e) {
        failureText_ = e.what();
        tdm_.GetJournal().ReportError(text::kWhereLoadFromFileFailed, e.what());
        log_.Line(text::kRestoreFileError);
        outcome = Outcome::Failed;
    }
    ui.SetStatusText("");
    return outcome;
}

ExchangeFiles::Outcome ExchangeFiles::LoadFromServer() {
    UserInterface& ui = tdm_.Ui();
    const Journal& journal = tdm_.GetJournal();
    std::string params = StationParams(tdm_.Station());
    THttpsConnection connection(tdm_.GetPaths().certStoreDir);
    connection.SetPostData(params);

    // The greeting here carries the parameters in the body only.
    auto hello = [&](EventCategory category) -> std::optional<std::string> {
        const std::string url = tdm_.Station().url;
        const std::string reply = HttpsGetText(connection, text::kAgentOfVd, text::kCertSubjectVd, UrlPort(url),
                                               UrlPath(url) + "/sync/hello", UrlServerName(url));
        if (reply.empty()) {
            log_.Line(text::kHelloEmpty);
            return std::nullopt;
        }
        if (const std::string error = ErrorPacketText(reply); !error.empty()) {
            journal.WriteEvent(EventType::AuditFailure, category, event::kFileStep,
                               {std::string(text::kRestoreHelloErrorEvent) + reply});
            log_.Line(error);
            return std::nullopt;
        }
        return reply;
    };

    const auto first = hello(EventCategory::Report);
    if (!first) return Outcome::Cancelled;
    RefreshStationFile(tdm_, connection, text::kWhereLoadFromFile, *first, params, log_);
    const auto second = hello(EventCategory::Exchange);
    if (!second) return Outcome::Cancelled;
    params = StationParams(tdm_.Station());
    connection.SetPostData(params);
    const std::string base = SelectCentralServer(tdm_, connection, text::kWhereLoadFromFile, *second, params, log_);

    connection.objectName = base + "/restore?" + params;
    PauseBeforeRequest(ui, sleeper_, kRestorePause);
    ui.ProcessEvents();
    if (!connection.ConnectToHttpsServer("GET")) {
        log_.Line(std::string(text::kRestoreFailed) + connection.LastErrorText());
        return Outcome::Failed;
    }
    PauseBeforeRequest(ui, sleeper_, kRestorePause);
    ui.ProcessEvents();
    if (!connection.SendHttpsRequest()) {
        log_.Line(std::string(text::kRestoreFailed) + connection.LastErrorText());
        return Outcome::Failed;
    }
    // An error page is no data of the station: it must not be stored as a restore file.
    if (connection.ResponseStatus() != 200) {
        log_.Line(std::string(text::kRestoreFailed) + "HTTP " + std::to_string(connection.ResponseStatus()));
        return Outcome::Failed;
    }
    std::string data;
    {
        DownloadProgress progress(connection, ui, journal);
        data = connection.ReadResponseData();
    }
    if (const std::string error = ErrorPacketText(data); !error.empty()) {
        log_.Line(error);
        return Outcome::Failed;
    }

    const auto folder = tdm_.GetPaths().DownloadDir();
    std::filesystem::create_directories(folder);
    const auto target = Choose(ui, text::kRestoreFileTitle, folder, text::kRestoreFileName, text::kRestoreFileFilter);
    if (!target) return Outcome::Cancelled;
    EncodeCodStream(data, tdm_.Station().tppKey);
    WriteFileAtomically(*target, data);
    log_.Line(text::kRestoreFileWritten);
    written_ = *target;
    return Outcome::Written;
}

}  // namespace vd
