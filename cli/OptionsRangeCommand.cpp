#include "Commands.h"

namespace vd::cli {

Action OptionsRangeCommand(Arguments&, std::ostream&, std::ostream&) { throw UsageError("not available yet"); }

}  // namespace vd::cli
