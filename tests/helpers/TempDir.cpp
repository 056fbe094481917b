#include "TempDir.h"

#include <stdlib.h>

#include <stdexcept>

namespace vd::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vardelo-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path SourceDataDir() { return VD_SOURCE_DATA_DIR; }

}  // namespace vd::test
