#include "exchange/SyncSession.h"

#include <pugixml.hpp>

#include <algorithm>
#include <stdexcept>

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/UserInterface.h"
#include "exchange/CentralServer.h"
#include "exchange/CertificateChange.h"
#include "exchange/DataPacket.h"
#include "exchange/DocumentDates.h"
#include "exchange/HttpsConnection.h"
#include "exchange/Messages.h"
#include "exchange/ServerReplies.h"
#include "exchange/SyncLog.h"
#include "register/RegisterQuery.h"
#include "support/Text.h"
#include "support/UrlEncoding.h"

namespace vd {
namespace {

constexpr int kPause = 1000;

// A failure of the "/version" reply's date, which has its own words.
class DateFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void NetworkEvent(const Journal& journal, std::string_view what, std::string detail) {
    journal.WriteEvent(EventType::Error, EventCategory::Exchange, event::kNetworkFailed,
                       {std::string(text::kWhereStart), std::string(what), std::move(detail)});
}

}  // namespace

SyncSession::SyncSession(TDM& tdm, Sleeper& sleeper, SyncLog& log) : tdm_(tdm), sleeper_(sleeper), log_(log) {}

SyncSession::~SyncSession() = default;

SyncSession::Outcome SyncSession::aStartExecute() {
    UserInterface& ui = tdm_.Ui();
    running_ = true;
    abortRequested_ = false;
    failureText_.clear();
    ui.SetStatusText(text::kTransferring);
    Outcome outcome = Outcome::Failed;
    try {
        outcome = Run();
    } catch (const std::exception& e) {
        failureText_ = e.what();
        outcome = Outcome::Failed;
    }
    ui.SetStatusText("");
    if (outcome == Outcome::Failed) {
        tdm_.GetJournal().ReportError(text::kWhereStartFailed, failureText_);
        ui.SetStatusText(text::kRunFailedStatus);
        log_.Line(text::kRunFailedLine);
    }
    log_.Line(text::kSyncFinished);
    running_ = false;
    return outcome;
}

SyncSession::Outcome SyncSession::Run() {
    const std::string params = StationParams(tdm_.Station());
    THttpsConnection connection(tdm_.GetPaths().certStoreDir);
    connection.SetPostData(params);

    const auto firstHello = Hello(connection, params, text::kHelloErrorEvent);
    if (!firstHello) return Outcome::Stopped;
    RefreshStationFile(tdm_, connection, text::kWhereStart, *firstHello, params, log_);

    // The refreshed station file may name another address.
    const auto secondHello = Hello(connection, params, text::kSecondHelloErrorEvent);
    if (!secondHello) return Outcome::Stopped;
    const std::string base = SelectCentralServer(tdm_, connection, text::kWhereStart, *secondHello, params, log_);

    if (!ApplyChanges(connection, base, params)) return Outcome::Stopped;
    const auto startDay = StartDay(connection, base, params);
    if (!startDay) return Outcome::Stopped;
    const Outcome uploaded = Upload(connection, base, params, *startDay);
    if (uploaded != Outcome::Completed) return uploaded;

    UpdateCheck updates(tdm_, sleeper_, log_, updateList_);
    updates.SetProgramStarter(starter_);
    switch (updates.Run(connection, base, params)) {
        case UpdateCheck::Outcome::Done: return Outcome::Completed;
        case UpdateCheck::Outcome::Stopped: return Outcome::Stopped;
        case UpdateCheck::Outcome::Restarting: return Outcome::Restarting;
    }
    return Outcome::Completed;
}

std::optional<std::string> SyncSession::Hello(THttpsConnection& connection, const std::string& params,
                                              std::string_view errorEvent) {
    const std::string url = tdm_.Station().url;
    const std::string reply = HttpsGetText(connection, text::kAgentOfVd, text::kCertSubjectVd, UrlPort(url),
                                           UrlPath(url) + "/sync/hello?" + params, UrlServerName(url));
    if (reply.empty()) {
        log_.Line(text::kHelloEmpty);
        return std::nullopt;
    }
    // A reply that is no XML at all is left to the greeting's check, which names it.
    if (const std::string error = ErrorPacketText(reply); !error.empty()) {
        tdm_.GetJournal().WriteEvent(EventType::AuditFailure, EventCategory::Exchange, event::kFileStep,
                                     {std::string(errorEvent) + reply});
        log_.Line(error);
        return std::nullopt;
    }
    return reply;
}

bool SyncSession::ApplyChanges(THttpsConnection& connection, const std::string& base, const std::string& params) {
    UserInterface& ui = tdm_.Ui();
    connection.objectName =
        base + "/changes?" + params + "&lastKnownChange=" + std::to_string(tdm_.Options().LastChange());
    PauseBeforeRequest(ui, sleeper_, kPause);
    if (!connection.ConnectToHttpsServer("GET")) {
        log_.Line(std::string(text::kChangesFailed) + connection.LastErrorText());
        return false;
    }
    PauseBeforeRequest(ui, sleeper_, kPause);
    if (!connection.SendHttpsRequest()) {
        log_.Line(std::string(text::kChangesFailed) + connection.LastErrorText());
        return false;
    }
    const std::string reply = connection.ReadResponseText();
    pugi::xml_document document;
    if (const pugi::xml_parse_result parsed =
            document.load_buffer(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8);
        !parsed) {
        throw std::runtime_error("/changes: " + std::string(parsed.description()) + " " + reply);
    }
    const pugi::xml_node root = document.document_element();

    std::optional<DayNumber> cleanDay;
    if (const pugi::xml_node clean = root.child("clean")) {
        const std::string date = clean.attribute("date").value();
        const auto day = ParseReplyDate(date);
        if (!day) throw std::runtime_error(std::string(text::kCleanDateInvalid) + date);
        // Old documents are dropped only when there are any older than the server's day.
        if (const auto oldest = GetMinLastDate(tdm_); oldest && *oldest < *day) cleanDay = day;
    }
    for (const pugi::xml_node record : root.child("changes").children("certificate-change")) {
        if (ReadCertificateChangeId(record) <= tdm_.Options().LastChange()) continue;
        ApplyCertificateChange(tdm_, ReadCertificateChange(record));
    }
    if (cleanDay) {
        // The goods lines and expertise of the dropped conclusions go with them: a later
        // document given a freed id must not inherit them.
        const std::string day = std::to_string(*cleanDay);
        Database& db = tdm_.Db();
        Transaction transaction(db);
        db.Exec("delete from dcod where idM in (select id from mcod where LastDate < " + day + ")");
        db.Exec("delete from expertise where idM in (select id from mcod where LastDate < " + day + ")");
        db.Exec("delete from mcod where LastDate < " + day);
        transaction.Commit();
    }
    if (tdm_.RegisterOpen()) tdm_.ASQM().Open();
    return true;
}

std::optional<DayNumber> SyncSession::StartDay(THttpsConnection& connection, const std::string& base,
                                               const std::string& params) {
    UserInterface& ui = tdm_.Ui();
    const Journal& journal = tdm_.GetJournal();
    connection.SetPostData(params);
    connection.objectName = base + "/version?" + params;
    PauseBeforeRequest(ui, sleeper_, kPause);
    if (!connection.ConnectToHttpsServer("GET")) {
        NetworkEvent(journal, text::kVersionConnect, connection.ErrorCodeText());
        log_.Line(std::string(text::kVersionFailed) + connection.LastErrorText());
        return std::nullopt;
    }
    PauseBeforeRequest(ui, sleeper_, kPause);
    if (!connection.SendHttpsRequest()) {
        NetworkEvent(journal, text::kVersionSend, connection.ErrorCodeText());
        log_.Line(std::string(text::kVersionFailed) + connection.LastErrorText());
        return std::nullopt;
    }
    const std::string reply = connection.ReadResponseText();
    DayNumber serverDay = 0;
    try {
        if (const std::string error = GetErrorFromServer(reply); !error.empty()) {
            journal.WriteEvent(EventType::AuditFailure, EventCategory::Exchange, event::kFileStep,
                               {std::string(text::kVersionErrorEvent) + reply});
            log_.Line(error);
            return std::nullopt;
        }
        pugi::xml_document document;
        document.load_buffer(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8);
        const pugi::xml_node lastDate = document.document_element().child("certificate").child("lastdate");
        const std::string_view date = TrimBlanks(lastDate.text().get());
        if (lastDate && !date.empty()) {
            const auto day = ParseReplyDate(date);
            if (!day) throw DateFormatError(std::string(text::kLastDateInvalid));
            serverDay = *day;
        } else {
            serverDay = GetMinDateOfDocument(tdm_);
        }
    } catch (const DateFormatError& e) {
        log_.Line(std::string(text::kErrorPrefix) + e.what() + " " + reply);
        throw;
    } catch (const std::exception& e) {
        log_.Line(std::string(text::kErrorPrefix) + e.what() + " " + reply);
        throw std::runtime_error(std::string(e.what()) + "\r\n" + std::string(text::kServerProblem) + "\r\n" + reply +
                                 "\r\n");
    }
    // Never before the oldest issued conclusion, never after the latest change.
    DayNumber start = std::max(serverDay, GetMinDateOfDocument(tdm_));
    start = std::min(start, GetMaxLastDate(tdm_));
    return start;
}

SyncSession::Outcome SyncSession::Upload(THttpsConnection& connection, const std::string& base,
                                         const std::string& params, DayNumber startDay) {
    try {
        std::vector<DayNumber> days;
        {
            Statement query(tdm_.Db(), "select distinct LastDate from mcod where (status <> 12)  and (status <> 6)  and "
                                       "(LastDate >= " + std::to_string(startDay) + ") order by LastDate");
            while (query.Step()) {
                if (const auto day = query.ColumnIntValue(0)) days.push_back(static_cast<DayNumber>(*day));
            }
        }
        PacketBuilder builder(tdm_, log_, sleeper_);
        if (facts_) builder.SetArmFacts(*facts_);
        for (const DayNumber day : days) {
            if (abortRequested_) {
                log_.Line(text::kSyncInterrupted);
                return Outcome::Interrupted;
            }
            log_.Line(std::string(text::kLookingForDay) + FormatDdMmYyyy(day));
            const std::string packet = BuildWithRetries(kPacketAttempts, [&] { return builder.GetXMLData(day); });
            if (packet.empty()) continue;
            log_.Line(std::string(text::kSendingDay) + FormatDdMmYyyy(day));
            if (!SendPacket(connection, base, params, packet)) return Outcome::Stopped;
        }
        return Outcome::Completed;
    } catch (const std::exception&) {
        log_.Line(text::kCriticalSyncError);
        throw;
    }
}

bool SyncSession::SendPacket(THttpsConnection& connection, const std::string& base, const std::string& params,
                             const std::string& packet) {
    UserInterface& ui = tdm_.Ui();
    const Journal& journal = tdm_.GetJournal();
    connection.objectName = base + "/save";
    connection.SetPostData(params + "&certBody=" + UrlEncodeForm(packet, true));
    PauseBeforeRequest(ui, sleeper_, kPause);
    if (!connection.ConnectToHttpsServer("POST")) {
        NetworkEvent(journal, text::kSaveConnect, connection.ErrorCodeText());
        log_.Line(std::string(text::kErrorPrefix) + connection.LastErrorText());
        return false;
    }
    PauseBeforeRequest(ui, sleeper_, kPause);
    if (!connection.SendHttpsRequest()) {
        NetworkEvent(journal, text::kSaveSend, connection.ErrorCodeText());
        log_.Line(std::string(text::kErrorPrefix) + connection.LastErrorText());
        return false;
    }
    const std::string reply = connection.ReadResponseText();
    const auto saved = ReadSaveReply(reply);
    if (saved && saved->status != 0) {
        NetworkEvent(journal, text::kSaveScriptError, reply);
        log_.Line(saved->statusText);
        for (const auto& certificate : saved->certificates) {
            log_.Line(std::string(text::kSaveBlank) + certificate.id + std::string(text::kSaveBlankGap) +
                      certificate.statusText);
            for (const auto& error : certificate.errors) log_.Line(std::string(text::kSaveErrorIndent) + error);
        }
    }
    if (!saved || (saved->status != 0 && saved->status != 1)) {
        NetworkEvent(journal, text::kSaveBroken, reply);
        log_.Line(text::kCriticalErrors);
        return false;
    }
    return true;
}

}  // namespace vd
