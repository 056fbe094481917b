#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "Arguments.h"

namespace vd {
struct Workstation;
}

namespace vd::cli {

class TerminalUi;

// Said when a user who is not an administrator asks for an administrator's command.
inline constexpr std::string_view kAdministratorOnly = "Команда доступна только администратору";

// What a command does once the workstation has started and the user is logged in; its result
// is the exit status.
using Action = std::function<int(Workstation&, TerminalUi&)>;

// Each command family lives in a file of its own; these parse their arguments (UsageError on
// wrong usage) and return what runs once the workstation has started.
// "doc ...": the document commands.
Action DocCommand(Arguments& args, std::ostream& out, std::ostream& err);
// "search ...": the register's search.
Action SearchCommand(Arguments& args, std::ostream& out, std::ostream& err);
// "options range MIN MAX": the number range with its check.
Action OptionsRangeCommand(Arguments& args, std::ostream& out, std::ostream& err);
// "packet", "sync", "sync-file", "restore-file": the exchange with the central database.
Action ExchangeCommand(const std::string& command, Arguments& args, std::ostream& out, std::ostream& err);
// "print REF ...": a conclusion on paper or in a PDF file.
Action PrintCommand(Arguments& args, std::ostream& out, std::ostream& err);

// Moves the register, as the user sees it, to `ref`; says so on `err` when it is not there.
bool Select(Workstation& ws, const std::string& ref, std::ostream& err);

// Runs one vdctl command; returns the exit status (0 done, 1 refused or failed).
int RunCommand(const GlobalOptions& options, Arguments& args, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace vd::cli
