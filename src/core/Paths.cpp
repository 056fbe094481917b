#include "core/Paths.h"

#include <cstdlib>
#include <string>

namespace vd {
namespace {

std::filesystem::path XdgDir(const char* variable, const char* fallbackUnderHome) {
    if (const char* value = std::getenv(variable); value && *value) return value;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / fallbackUnderHome;
}

constexpr const char* kLockName = ".vardelo-{6AA1B261-B120-49D6-A66B-E8D8AD9BA1F1}.lock";

}  // namespace

Paths Paths::ForProgram(const std::filesystem::path& programDir) {
    Paths p;
    p.programDir = programDir;
    p.lockFile = std::filesystem::path("/tmp") / kLockName;
    p.journalFile = XdgDir("XDG_STATE_HOME", ".local/state") / "vardelo" / "events.jsonl";
    p.userConfigDir = XdgDir("XDG_CONFIG_HOME", ".config") / "vardelo";
    p.systemConfigDir = "/etc/xdg/vardelo";
    p.certStoreDir = XdgDir("XDG_DATA_HOME", ".local/share") / "vardelo" / "certs";
    return p;
}

Paths Paths::Isolated(const std::filesystem::path& programDir, const std::filesystem::path& root) {
    Paths p;
    p.programDir = programDir;
    p.lockFile = root / kLockName;
    p.journalFile = root / "state" / "events.jsonl";
    p.userConfigDir = root / "config";
    p.systemConfigDir = root / "etc";
    p.certStoreDir = root / "certs";
    return p;
}

std::filesystem::path ExecutableDir() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return exe.parent_path();
}

}  // namespace vd
