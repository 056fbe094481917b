#pragma once

#include <stdexcept>

namespace vd {

// A failure the user has already been told about in the system's words; handlers journal it
// and must not show a second box.
class ShownError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vd
