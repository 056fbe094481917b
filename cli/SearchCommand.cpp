#include "Commands.h"

namespace vd::cli {

Action SearchCommand(Arguments&, std::ostream&, std::ostream&) { throw UsageError("not available yet"); }

}  // namespace vd::cli
