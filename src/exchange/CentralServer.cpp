#include "exchange/CentralServer.h"

#include <pugixml.hpp>

#include <chrono>
#include <stdexcept>

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Sleeper.h"
#include "core/StationFile.h"
#include "core/UserInterface.h"
#include "exchange/HttpsConnection.h"
#include "exchange/Messages.h"
#include "exchange/ServerReplies.h"
#include "exchange/SyncLog.h"
#include "support/Files.h"
#include "support/Text.h"

namespace vd {
namespace {

void NetworkEvent(const Journal& journal, std::string_view where, std::string_view what, std::string detail) {
    journal.WriteEvent(EventType::Error, EventCategory::Exchange, event::kNetworkFailed,
                       {std::string(where), std::string(what), std::move(detail)});
}

// Points the connection at one `cdb` entry; throws when its host or port cannot be used.
std::string UseServer(THttpsConnection& connection, const pugi::xml_node& cdb) {
    connection.SetServerName(cdb.attribute("host").value());
    const auto port = ParseInteger(TrimBlanks(cdb.attribute("port").value()));
    if (!port || *port < 0 || *port > 65535) {
        throw EkxHttpsException("'" + std::string(cdb.attribute("port").value()) + "'" + std::string(text::kNotAnInteger));
    }
    connection.port = static_cast<int>(*port);
    return NormalisedServerPath(cdb.attribute("path").value());
}

}  // namespace

std::string StationParams(const StationFile& station) {
    return "tppn=" + std::to_string(station.tppNumber) + "&plcn=" + std::to_string(station.numLocale) +
           "&tppk=" + station.tppKey + "&pver=" + std::string(text::kProgramVersion);
}

void CheckHelloReply(const std::string& reply, std::string_view where, const Journal& journal, SyncLog& log,
                     pugi::xml_document& document) {
    if (!document.load_buffer(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8) ||
        !document.document_element()) {
        NetworkEvent(journal, where, text::kHelloUnclear, reply);
        throw std::runtime_error(std::string(text::kHelloDefective));
    }
    const pugi::xml_node protocol = document.document_element().child("exchangeProtocol");
    if (!protocol) {
        journal.WriteEvent(EventType::Error, EventCategory::Exchange, event::kMalformedReply0,
                           {std::string(where), std::string(text::kHelloNoProtocolEvent), reply});
        throw std::runtime_error(std::string(text::kHelloNoProtocol));
    }
    const pugi::xml_attribute versionAttribute = protocol.attribute("version");
    const auto version = versionAttribute ? ParseInteger(TrimBlanks(versionAttribute.value())) : std::nullopt;
    if (!version) {
        journal.WriteEvent(EventType::Error, EventCategory::Exchange, event::kMalformedReply1,
                           {std::string(where), std::string(text::kHelloQuoted), std::string(text::kHelloProtocolWanted)});
        throw std::runtime_error(std::string(text::kHelloNoVersion));
    }
    if (*version != 2) {
        const std::string number = std::to_string(*version);
        journal.WriteEvent(EventType::Error, EventCategory::Exchange, event::kMalformedReply2,
                           {std::string(where), std::string(text::kHelloQuoted), std::string(text::kHelloProtocolWanted),
                            number});
        throw std::runtime_error(std::string(text::kHelloVersionPrefix) + number + std::string(text::kHelloVersionSuffix));
    }
    for (const pugi::xml_node message : document.document_element().children("message")) {
        log.Line(UniformLineBreaks(message.text().get()));
    }
}

void RefreshStationFile(TDM& tdm, THttpsConnection& connection, std::string_view where, const std::string& helloReply,
                        const std::string& stationParams, SyncLog& log) {
    const Journal& journal = tdm.GetJournal();
    pugi::xml_document hello;
    CheckHelloReply(helloReply, where, journal, log, hello);
    for (const pugi::xml_node cdb : hello.document_element().children("cdb")) {
        try {
            const std::string path = UseServer(connection, cdb);
            connection.objectName = path + "/icod?" + stationParams;
        } catch (const std::exception& e) {
            NetworkEvent(journal, where, text::kIcodConnect, e.what());
            continue;
        }
        if (!connection.ConnectToHttpsServer("GET")) {
            NetworkEvent(journal, where, text::kIcodConnect, connection.ErrorCodeText());
            continue;
        }
        if (!connection.SendHttpsRequest()) {
            NetworkEvent(journal, where, text::kIcodSend, connection.ErrorCodeText());
            continue;
        }
        try {
            const std::string bytes = connection.ReadResponseData();
            if (const std::string error = ErrorPacketText(bytes); !error.empty()) {
                log.Line(error);
                NetworkEvent(journal, where, text::kIcodAnswer, bytes);
                continue;
            }
            // Read first, then written: a file that does not decode must not replace the one
            // the next start depends on.
            StationFile station = ReadStationFile(bytes);
            WriteFileAtomically(tdm.GetPaths().StationFile(), bytes);
            tdm.SetStation(std::move(station));
            return;
        } catch (const std::exception& e) {
            NetworkEvent(journal, where, text::kIcodUnreadable, e.what());
        }
    }
    log.Line(text::kIcodNotReceived);
    throw std::runtime_error(std::string(text::kIcodNotReceived));
}

std::string SelectCentralServer(TDM& tdm, THttpsConnection& connection, std::string_view where,
                                const std::string& helloReply, const std::string& stationParams, SyncLog& log) {
    const Journal& journal = tdm.GetJournal();
    pugi::xml_document hello;
    CheckHelloReply(helloReply, where, journal, log, hello);
    for (const pugi::xml_node cdb : hello.document_element().children("cdb")) {
        std::string path;
        try {
            path = UseServer(connection, cdb);
            connection.objectName = path + "/version?" + stationParams;
        } catch (const std::exception& e) {
            NetworkEvent(journal, where, text::kVersionConnect, e.what());
            continue;
        }
        if (!connection.ConnectToHttpsServer("GET")) {
            NetworkEvent(journal, where, text::kVersionConnect, connection.ErrorCodeText());
            continue;
        }
        if (!connection.SendHttpsRequest()) {
            NetworkEvent(journal, where, text::kVersionSend, connection.ErrorCodeText());
            continue;
        }
        std::string reply;
        try {
            reply = connection.ReadResponseText();
        } catch (const std::exception& e) {
            NetworkEvent(journal, where, text::kVersionSend, e.what());
            continue;
        }
        if (const std::string error = ErrorPacketText(reply); !error.empty()) {
            journal.WriteEvent(EventType::AuditFailure, EventCategory::Exchange, event::kFileStep,
                               {std::string(where) + std::string(text::kVersionAnswer) + reply});
            log.Line(error);
            continue;
        }
        // A reply that does not parse qualifies as little as one without a certificate.
        pugi::xml_document version;
        if (version.load_buffer(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8) &&
            version.document_element().child("certificate")) {
            return path;
        }
    }
    log.Line(text::kNoSuitableServer);
    throw std::runtime_error(std::string(text::kNoSuitableServer));
}

void PauseBeforeRequest(UserInterface& ui, Sleeper& sleeper, int milliseconds) {
    ui.ProcessEvents();
    sleeper.Sleep(std::chrono::milliseconds(milliseconds));
}

}  // namespace vd
