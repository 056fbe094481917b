#include "Commands.h"

#include <filesystem>
#include <istream>
#include <ostream>

#include "TerminalUi.h"
#include "core/Clock.h"
#include "core/Container.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/OptionKeys.h"
#include "core/Paths.h"
#include "core/Session.h"
#include "support/Files.h"

namespace vd::cli {
namespace {

// Everything a command that works on the workstation's data needs, built in dependency order.
struct Workstation {
    Workstation(const GlobalOptions& options, std::ostream& err)
        : paths(Paths::ForProgram(options.programDir.empty() ? ExecutableDir()
                                                             : std::filesystem::absolute(options.programDir))),
          fileSink(paths.journalFile),
          sinks(fileSink, syslogSink),
          journal(sinks, session),
          ui(err, options.yes),
          tdm(paths, session, journal, ui, clock) {}

    Paths paths;
    Session session;
    JsonLinesSink fileSink;
    SyslogSink syslogSink;
    TeeSink sinks;
    Journal journal;
    SystemClock clock;
    TerminalUi ui;
    TDM tdm;
};

bool OpenDatabase(Workstation& ws, const GlobalOptions& options) {
    if (!options.stationKey) throw UsageError("--station-key is required");
    StationFile station;
    station.tppKey = *options.stationKey;
    ws.tdm.SetStation(station);
    ws.session.stopFlag = false;
    return ws.tdm.LoadAll();
}

int Init(const GlobalOptions& options, Arguments& args, std::ostream& out, std::ostream& err) {
    args.ExpectEnd();
    Workstation ws(options, err);
    if (!OpenDatabase(ws, options)) return 1;
    out << ws.paths.DatabaseFile().string() << '\n';
    return 0;
}

int Cod(Arguments& args) {
    const std::string verb = args.Take("encode or decode");
    const std::string key = args.TakeOption("--key").value_or(std::string(kDefaultPassPhrase));
    const std::filesystem::path input = args.Take("input file");
    const std::filesystem::path output = args.Take("output file");
    args.ExpectEnd();
    if (verb != "encode" && verb != "decode") throw UsageError("cod: expected encode or decode, not " + verb);
    std::string bytes = ReadFileBytes(input);
    if (verb == "encode") EncodeCodStream(bytes, key);
    else DecodeCodStream(bytes, key);
    WriteFileAtomically(output, bytes);
    return 0;
}

int Options(const GlobalOptions& options, Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string verb = args.Take("get or set");
    const std::string user = args.TakeOption("--for").value_or(std::string(kCommonUser));
    const std::string name = args.Take("setting name");
    const auto key = FindOptionKey(name);
    if (!key) {
        err << "Неизвестный параметр: " << name << '\n';
        return 1;
    }
    if (verb == "get") {
        args.ExpectEnd();
        Workstation ws(options, err);
        if (!OpenDatabase(ws, options)) return 1;
        out << ws.tdm.ReadOption(user, name) << '\n';
        return 0;
    }
    if (verb != "set") throw UsageError("options: expected get or set, not " + verb);
    const std::string value = args.Take("value");
    args.ExpectEnd();
    if (!IsValidOptionValue(*key, value)) {
        err << "Недопустимое значение параметра " << name << ": \"" << value << "\" ("
            << (key->format == OptionFormat::Boolean ? "ожидается True или False" : "ожидается целое число") << ")\n";
        return 1;
    }
    Workstation ws(options, err);
    if (!OpenDatabase(ws, options)) return 1;
    if (!ws.tdm.SaveOption(user, name, value)) {
        err << "Не удалось сохранить параметр " << name << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int RunCommand(const GlobalOptions& options, Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
    const std::string command = args.Take("command");
    if (command == "init") return Init(options, args, out, err);
    if (command == "cod") return Cod(args);
    if (command == "options") return Options(options, args, out, err);
    throw UsageError("unknown command: " + command);
}

}  // namespace vd::cli
