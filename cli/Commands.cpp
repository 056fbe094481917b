#include "Commands.h"

#include <filesystem>
#include <functional>
#include <istream>
#include <ostream>

#include "TerminalUi.h"
#include "core/Clock.h"
#include "core/Container.h"
#include "core/OptionKeys.h"
#include "core/UserAdministration.h"
#include "core/Workstation.h"
#include "support/Files.h"

namespace vd::cli {
namespace {

// vdctl's own words, for refusals the windows make by disabling a command.
constexpr std::string_view kNoSuchUser = "Пользователь не найден: ";
constexpr std::string_view kCannotDeleteUser = "Этого пользователя удалить нельзя: ";
constexpr std::string_view kLoginNeeded = "Вход не выполнен: укажите --user ИМЯ и пароль первой строкой с --password-stdin";

// Runs `action` between the same start-up and shutdown as FormVD: station file, users, login,
// database and its lock.
int RunOnWorkstation(const GlobalOptions& options, std::istream& in, std::ostream& err, const Action& action) {
    const Paths paths = Paths::ForProgram(options.programDir.empty() ? ExecutableDir()
                                                                     : std::filesystem::absolute(options.programDir));
    TerminalUi ui(in, err, options.yes, options.user, options.passwordStdin);
    const SystemClock clock;
    SystemJournalSink sink(paths.journalFile);
    Workstation ws(paths, sink, ui, clock);
    int code = 1;
    const StartResult result = ws.startup.Run([&] { code = action(ws, ui); });
    // A closed login dialog ends the start silently; on a terminal that needs a word.
    if (result == StartResult::Aborted && !options.user && ws.tdm.Users().IsOpen()) err << kLoginNeeded << '\n';
    return result == StartResult::Started ? code : 1;
}

Action Init(Arguments& args, std::ostream& out) {
    args.ExpectEnd();
    return [&out](Workstation& ws, TerminalUi&) {
        out << ws.paths.DatabaseFile().string() << '\n';
        return 0;
    };
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

Action Options(Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string verb = args.Take("get, set or range");
    if (verb == "range") return OptionsRangeCommand(args, out, err);
    if (verb != "get" && verb != "set") throw UsageError("options: expected get, set or range, not " + verb);
    const std::string user = args.TakeOption("--for").value_or(std::string(kCommonUser));
    const std::string name = args.Take("setting name");
    const std::optional<std::string> value = verb == "set" ? std::optional(args.Take("value")) : std::nullopt;
    args.ExpectEnd();
    const auto key = FindOptionKey(name);
    if (!key) throw Refused("Неизвестный параметр: " + name);
    if (value && !IsValidOptionValue(*key, *value)) {
        throw Refused("Недопустимое значение параметра " + name + ": \"" + *value + "\" (" +
                      (key->format == OptionFormat::Boolean ? "ожидается True или False" : "ожидается целое число") +
                      ")");
    }
    return [=, &out, &err](Workstation& ws, TerminalUi&) {
        if (!value) {
            out << ws.tdm.ReadOption(user, name) << '\n';
            return 0;
        }
        if (!ws.tdm.SaveOption(user, name, *value)) {
            err << "Не удалось сохранить параметр " << name << '\n';
            return 1;
        }
        return 0;
    };
}

// The id of the user with this name, or a message and no value.
std::optional<int> FindUser(Workstation& ws, const std::string& name, std::ostream& err) {
    if (const UserRow* row = ws.tdm.Users().FindByName(name)) return row->id;
    err << kNoSuchUser << name << '\n';
    return std::nullopt;
}

Action Users(Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string verb = args.Take("users command");
    if (verb == "list") {
        args.ExpectEnd();
        return [&out](Workstation& ws, TerminalUi&) {
            for (const UserRow& row : ws.tdm.Users().Rows()) out << row.id << '\t' << row.userName << '\n';
            return 0;
        };
    }
    const std::string name = args.Take("user name");
    const std::string newName = verb == "rename" ? args.Take("new name") : std::string();
    args.ExpectEnd();
    if (verb != "add" && verb != "passwd" && verb != "rename" && verb != "delete") {
        throw UsageError("users: expected list, add, passwd, rename or delete, not " + verb);
    }
    return [=, &err](Workstation& ws, TerminalUi& ui) {
        UserAdministration admin(ws.tdm);
        const bool ownPassword = verb == "passwd" && name == ws.session.currentUserName;
        if (!ownPassword && !admin.CanAdd()) {
            err << kAdministratorOnly << '\n';
            return 1;
        }
        if (verb == "add") {
            ui.SetDialogName(name);
            return admin.AddUser() ? 0 : 1;
        }
        const auto id = FindUser(ws, name, err);
        if (!id) return 1;
        if (verb == "passwd") return (ownPassword ? admin.ChangeOwnPassword() : admin.ChangePassword(*id)) ? 0 : 1;
        if (verb == "rename") {
            ui.SetDialogName(newName);
            return admin.RenameUser(*id) ? 0 : 1;
        }
        if (!admin.CanDelete(*id)) {
            err << kCannotDeleteUser << name << '\n';
            return 1;
        }
        return admin.DeleteUser(*id) ? 0 : 1;
    };
}

}  // namespace

int RunCommand(const GlobalOptions& options, Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::string command = args.Take("command");
    if (command == "cod") return Cod(args);
    // Usage is checked before the start-up, so a typing error costs no login.
    Action action;
    if (command == "init") action = Init(args, out);
    else if (command == "options") action = Options(args, out, err);
    else if (command == "users") action = Users(args, out, err);
    else if (command == "doc") action = DocCommand(args, out, err);
    else if (command == "search") action = SearchCommand(args, out, err);
    else if (command == "print") action = PrintCommand(args, out, err);
    else if (command == "packet" || command == "sync" || command == "sync-file" || command == "restore-file")
        action = ExchangeCommand(command, args, out, err);
    else throw UsageError("unknown command: " + command);
    return RunOnWorkstation(options, in, err, action);
}

}  // namespace vd::cli
