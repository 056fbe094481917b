#pragma once

#include <optional>
#include <string>

#include "exchange/ArmFacts.h"
#include "support/DayNumber.h"

namespace vd {

class Sleeper;
class SyncLog;
class TDM;

// The data packet: the XML document by which the workstation reports its conclusions (every
// one that is no longer a project) to the central database. The text is written directly,
// row by row, so memory grows with the packet text and nothing else.
class PacketBuilder {
public:
    // How often the whole-database builder reads one failing conclusion before it gives up the
    // build; the callers repeat a failed build themselves.
    static constexpr int kRowAttempts = 3;

    PacketBuilder(TDM& tdm, SyncLog& log, Sleeper& sleeper);

    // The computer's facts are read once, at the first packet; tests give fixed ones.
    void SetArmFacts(ArmFacts facts) { facts_ = std::move(facts); }

    // One day of last change (every day when `lastDate` is 0), in the order the database gives
    // the rows. Empty when no conclusion qualifies. A failing conclusion fails the build.
    std::string GetXMLData(DayNumber lastDate);
    // The whole database, one conclusion at a time in the order of their ids, with the busy
    // indicator's progress. A failing conclusion is read again a few times before the build
    // fails. Empty when no conclusion qualifies.
    std::string GetXMLData();

private:
    const ArmFacts& Facts();
    std::string Header();

    TDM& tdm_;
    SyncLog& log_;
    Sleeper& sleeper_;
    std::optional<ArmFacts> facts_;
};

// The first line of every packet.
inline constexpr std::string_view kPacketDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>";

}  // namespace vd
