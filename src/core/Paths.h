#pragma once

#include <filesystem>

namespace vd {

// Every place the program touches, resolved once. Machine-wide places (the single-instance lock,
// the journal, window layouts, the certificate store) can be pointed elsewhere, so that tests
// running side by side never share them.
struct Paths {
    std::filesystem::path programDir;
    std::filesystem::path lockFile;
    std::filesystem::path journalFile;
    std::filesystem::path userConfigDir;   // per-user window layouts
    std::filesystem::path systemConfigDir;  // all users' window layouts
    std::filesystem::path certStoreDir;     // my/, ca/, root/, spc/

    // The real places: $XDG_STATE_HOME, $XDG_CONFIG_HOME, $XDG_DATA_HOME and /tmp.
    static Paths ForProgram(const std::filesystem::path& programDir);
    // Everything machine-wide below `root`.
    static Paths Isolated(const std::filesystem::path& programDir, const std::filesystem::path& root);

    std::filesystem::path DataDir() const { return programDir / "data"; }
    std::filesystem::path DatabaseFile() const { return DataDir() / "Vardelo.sqb"; }
    std::filesystem::path StationFile() const { return DataDir() / "i.cod"; }
    std::filesystem::path UsersFile() const { return DataDir() / "k.cod"; }
    std::filesystem::path PackageFile() const { return DataDir() / "Package.cod"; }
    std::filesystem::path SendDir() const { return programDir / "send"; }
    std::filesystem::path DownloadDir() const { return programDir / "DownLoad"; }
};

// The folder of the running executable.
std::filesystem::path ExecutableDir();

}  // namespace vd
