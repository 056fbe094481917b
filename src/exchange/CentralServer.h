#pragma once

#include <string>
#include <string_view>

namespace pugi {
class xml_document;
}

namespace vd {

class Journal;
class Sleeper;
class SyncLog;
class TDM;
class THttpsConnection;
class UserInterface;
struct StationFile;

// The steps every conversation with the central server begins with: the station parameters,
// the check of the greeting, the refresh of the station file and the choice of the server.

// "tppn=…&plcn=…&tppk=…&pver=1.1.1.7": the body of every request and the query of most. The
// key goes in unchanged, as the server expects it.
std::string StationParams(const StationFile& station);

// Checks a greeting ("/sync/hello" reply): XML, with exchangeProtocol version 2. Logs its
// messages with uniform line breaks and fills `document`. Each defect writes its event (with
// `where`, the calling operation) and throws with the system's text.
void CheckHelloReply(const std::string& reply, std::string_view where, const Journal& journal, SyncLog& log,
                     pugi::xml_document& document);

// Checks the greeting, then asks its servers ("cdb") in turn for "/icod" until one gives a station
// file that reads; that file replaces data/i.cod (written atomically, only once it has been read
// successfully) and the station record for the rest of the run. Throws "новый i.cod получить не
// удалось" when none does.
void RefreshStationFile(TDM& tdm, THttpsConnection& connection, std::string_view where, const std::string& helloReply,
                        const std::string& stationParams, SyncLog& log);

// Checks the greeting again, then asks its servers in turn for "/version" until one answers with
// a `certificate`: the connection stays on that server's host and port, and its normalised path
// is returned as the base path of the run. Throws "Не найден подходящий адрес (url)" when none
// does.
std::string SelectCentralServer(TDM& tdm, THttpsConnection& connection, std::string_view where,
                                const std::string& helloReply, const std::string& stationParams, SyncLog& log);

// The pause before a request: the window stays responsive, then the fixed wait the central
// server expects between requests.
void PauseBeforeRequest(UserInterface& ui, Sleeper& sleeper, int milliseconds);

}  // namespace vd
