#pragma once

#include <string>

namespace vd {

class TDM;

// The findings of the document check: 0 nothing found, 1 only warnings, 2 at least one error;
// the text holds one finding per line, each ending with a carriage return.
struct StatusCheckError {
    int level = 0;
    std::string text;

    void Add(int findingLevel, std::string_view finding);
};

enum class OwnNumber {
    // The number check skips the master record's own id, except for a template (mode 3), whose
    // id is not stored yet.
    ByEditMode,
    // Issuing checks the number against other documents only.
    Always,
};

// Checks the master record of the working set against the database; writes nothing. Level 0
// when the register is not open.
StatusCheckError CheckCert(TDM& tdm, OwnNumber own = OwnNumber::ByEditMode);

}  // namespace vd
