#include "Commands.h"

namespace vd::cli {

Action PrintCommand(Arguments&, std::ostream&, std::ostream&) { throw UsageError("not available yet"); }

}  // namespace vd::cli
