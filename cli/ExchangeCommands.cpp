#include <ostream>

#include "Commands.h"
#include "TerminalUi.h"
#include "core/Sleeper.h"
#include "core/Workstation.h"
#include "exchange/DataPacket.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/Messages.h"
#include "exchange/SyncLog.h"
#include "exchange/SyncSession.h"

namespace vd::cli {
namespace {

// The log of the synchronisation window, one line per entry on a terminal stream.
class StreamLog : public SyncLog {
public:
    explicit StreamLog(std::ostream& out) : out_(out) {}
    void Line(std::string_view text) override {
        out_ << TerminalText(text) << '\n';
        out_.flush();
    }

private:
    std::ostream& out_;
};

bool Administrator(Workstation& ws, std::ostream& err) {
    if (ws.session.IsAdministrator()) return true;
    err << kAdministratorOnly << '\n';
    return false;
}

Action Packet(Arguments& args, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> dayText = args.TakeOption("--day");
    const bool all = args.TakeFlag("--all");
    args.ExpectEnd();
    if (dayText && all) throw UsageError("packet: --day and --all exclude each other");
    std::optional<DayNumber> day;
    if (dayText) {
        day = ParseDdMmYyyy(*dayText);
        if (!day) throw UsageError("packet: not a date DD.MM.YYYY: " + *dayText);
    }
    return [day, &out, &err](Workstation& ws, TerminalUi&) {
        if (!Administrator(ws, err)) return 1;
        StreamLog log(err);
        SystemSleeper sleeper;
        PacketBuilder builder(ws.tdm, log, sleeper);
        std::string packet;
        try {
            packet = day ? builder.GetXMLData(*day) : builder.GetXMLData();
        } catch (const std::exception&) {
            return 1;  // the builder has logged why
        }
        if (packet.empty()) {
            err << text::kNoData << '\n';
            return 0;
        }
        out << packet;
        return 0;
    };
}

Action Sync(Arguments& args, std::ostream& out, std::ostream& err) {
    args.ExpectEnd();
    return [&out, &err](Workstation& ws, TerminalUi&) {
        if (!Administrator(ws, err)) return 1;
        StreamLog log(out);
        SystemSleeper sleeper;
        SyncSession session(ws.tdm, sleeper, log);
        const SyncSession::Outcome outcome = session.aStartExecute();
        if (outcome == SyncSession::Outcome::Failed) err << session.FailureText() << '\n';
        return outcome == SyncSession::Outcome::Completed || outcome == SyncSession::Outcome::Restarting ? 0 : 1;
    };
}

// "sync-file [FILE]" and "restore-file [FILE]": FILE stands for the user's choice in the file
// chooser; without it the proposed name in send/ or DownLoad/ is taken.
Action File(const std::string& command, Arguments& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> file;
    if (!args.Empty()) file = args.Take("FILE");
    args.ExpectEnd();
    const bool restore = command == "restore-file";
    return [file, restore, &out, &err](Workstation& ws, TerminalUi& ui) {
        if (!Administrator(ws, err)) return 1;
        ui.SetChosenPath(file);
        StreamLog log(out);
        SystemSleeper sleeper;
        ExchangeFiles files(ws.tdm, sleeper, log);
        const ExchangeFiles::Outcome outcome = restore ? files.aLoadFromFileExecute() : files.aSaveToFileExecute();
        if (!files.FailureText().empty()) err << files.FailureText() << '\n';
        if (files.WrittenFile()) out << files.WrittenFile()->string() << '\n';
        return outcome == ExchangeFiles::Outcome::Written || outcome == ExchangeFiles::Outcome::NoData ? 0 : 1;
    };
}

}  // namespace

Action ExchangeCommand(const std::string& command, Arguments& args, std::ostream& out, std::ostream& err) {
    if (command == "packet") return Packet(args, out, err);
    if (command == "sync") return Sync(args, out, err);
    return File(command, args, out, err);
}

}  // namespace vd::cli
