#include "Commands.h"

namespace vd::cli {

Action ExchangeCommand(const std::string& command, Arguments&, std::ostream&, std::ostream&) {
    throw UsageError(command + ": not available yet");
}

}  // namespace vd::cli
