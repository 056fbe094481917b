#pragma once

#include <iosfwd>

#include "Arguments.h"

namespace vd::cli {

// Runs one vdctl command; returns the exit status (0 done, 1 refused or failed).
int RunCommand(const GlobalOptions& options, Arguments& args, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace vd::cli
