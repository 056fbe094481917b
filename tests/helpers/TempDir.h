#pragma once

#include <filesystem>
#include <string>

namespace vd::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The source tree's data folder (Package.cod, templates).
std::filesystem::path SourceDataDir();

}  // namespace vd::test
