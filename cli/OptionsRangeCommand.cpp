#include <algorithm>
#include <ostream>

#include "Commands.h"
#include "TerminalUi.h"
#include "core/Workstation.h"
#include "exchange/OptionsSettings.h"

namespace vd::cli {
namespace {

// A number typed without the field's mask: up to six digits are the field filled from the right
// with "0"; anything else is passed on as typed and refused by the field's own check.
std::string AsField(const std::string& value) {
    const bool digits =
        !value.empty() && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || value.size() >= kReferencePositions) return value;
    return std::string(kReferencePositions - value.size(), '0') + value;
}

}  // namespace

Action OptionsRangeCommand(Arguments& args, std::ostream&, std::ostream& err) {
    const std::string min = AsField(args.Take("MIN"));
    const std::string max = AsField(args.Take("MAX"));
    args.ExpectEnd();
    return [min, max, &err](Workstation& ws, TerminalUi&) {
        OptionsSettings options(ws.tdm);
        if (!options.Permitted()) {
            err << kAdministratorOnly << '\n';
            return 1;
        }
        OptionsState state = options.Load();
        state.referenceMin = min;
        state.referenceMax = max;
        return options.SaveReferenceRange(state) ? 0 : 1;
    };
}

}  // namespace vd::cli
