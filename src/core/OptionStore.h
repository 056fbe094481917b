#pragma once

#include <string>
#include <string_view>

namespace vd {

// Settings as (user, key) -> text. A failed read behaves like a missing key (empty text); a
// failed write keeps the previous value. Both failures are journalled, not thrown.
class OptionStore {
public:
    virtual ~OptionStore() = default;
    virtual std::string ReadOption(std::string_view userName, std::string_view paramName) = 0;
    virtual bool SaveOption(std::string_view userName, std::string_view paramName, std::string_view value) = 0;
};

}  // namespace vd
