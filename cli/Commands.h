#pragma once

#include <functional>
#include <iosfwd>

#include "Arguments.h"

namespace vd {
struct Workstation;
}

namespace vd::cli {

class TerminalUi;

// What a command does once the workstation has started and the user is logged in; its result
// is the exit status.
using Action = std::function<int(Workstation&, TerminalUi&)>;

// "doc ...": the document commands.
Action DocCommand(Arguments& args, std::ostream& out, std::ostream& err);

// Runs one vdctl command; returns the exit status (0 done, 1 refused or failed).
int RunCommand(const GlobalOptions& options, Arguments& args, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace vd::cli
