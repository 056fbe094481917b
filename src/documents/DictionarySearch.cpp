#include "documents/DictionarySearch.h"

#include "support/Text.h"

namespace vd {

std::optional<std::size_t> FindRow(const std::vector<std::string>& column, std::string_view text,
                                   bool fromStart) {
    const std::string wanted = LowerCase(text);
    for (std::size_t row = 0; row < column.size(); ++row) {
        const std::string value = LowerCase(column[row]);
        if (fromStart ? value.starts_with(wanted) : value.find(wanted) != std::string::npos)
            return row;
    }
    return std::nullopt;
}

}  // namespace vd
