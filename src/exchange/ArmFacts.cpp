#include "exchange/ArmFacts.h"

#include <sys/statvfs.h>
#include <sys/utsname.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "support/ChildProcess.h"
#include "support/Text.h"

namespace vd {
namespace {

constexpr unsigned long long kMebibyte = 1024ULL * 1024ULL;

// "name : value" lines of /proc files; the value of the first line whose name matches.
std::optional<std::string> FirstValue(const std::string& content, std::string_view name) {
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        if (TrimBlanks(std::string_view(line).substr(0, colon)) != name) continue;
        return std::string(TrimBlanks(std::string_view(line).substr(colon + 1)));
    }
    return std::nullopt;
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string LeadingDigits(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
    return std::string(text.substr(0, n));
}

std::string Memory() {
    const auto total = FirstValue(ReadText("/proc/meminfo"), "MemTotal");  // "16318588 kB"
    if (!total) return {};
    const auto kilobytes = ParseInteger(LeadingDigits(*total));
    return kilobytes ? std::to_string(*kilobytes / 1024) : std::string();
}

std::string Cpu() {
    const std::string info = ReadText("/proc/cpuinfo");
    if (info.empty()) return {};
    int processors = 0;
    std::istringstream lines(info);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && TrimBlanks(std::string_view(line).substr(0, colon)) == "processor") ++processors;
    }
    const std::string model = FirstValue(info, "model name").value_or("");
    const std::string mhz = LeadingDigits(FirstValue(info, "cpu MHz").value_or(""));
    return model + " " + std::to_string(processors) + " " + mhz + "~MHz";
}

std::string OsVersion() {
    std::string name;
    std::istringstream lines(ReadText("/etc/os-release"));
    std::string line;
    while (std::getline(lines, line)) {
        const bool pretty = line.rfind("PRETTY_NAME=", 0) == 0;
        if (!pretty && !(name.empty() && line.rfind("NAME=", 0) == 0)) continue;
        std::string value = line.substr(line.find('=') + 1);
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        name = value;
        if (pretty) break;
    }
    utsname system{};
    const std::string release = ::uname(&system) == 0 ? std::string(system.release) : std::string();
    if (name.empty()) return release;
    return release.empty() ? name : name + " " + release;
}

// The desktop entry's own name ("Firefox ESR"), or the entry's id when its file is not found.
std::string DefaultBrowser() {
    const auto output = ReadProgramOutput({"xdg-mime", "query", "default", "text/html"});
    if (!output) return {};
    const std::string id(TrimBlanks(*output));
    if (id.empty() || id.find('/') != std::string::npos) return {};
    std::vector<std::filesystem::path> dirs;
    const char* home = std::getenv("XDG_DATA_HOME");
    if (home && *home) dirs.emplace_back(home);
    else if (const char* h = std::getenv("HOME"); h && *h) dirs.push_back(std::filesystem::path(h) / ".local/share");
    const char* shared = std::getenv("XDG_DATA_DIRS");
    std::istringstream list(shared && *shared ? shared : "/usr/local/share:/usr/share");
    std::string dir;
    while (std::getline(list, dir, ':')) {
        if (!dir.empty()) dirs.emplace_back(dir);
    }
    for (const auto& base : dirs) {
        std::istringstream entry(ReadText(base / "applications" / id));
        std::string line;
        while (std::getline(entry, line)) {
            if (line.rfind("Name=", 0) == 0) return std::string(TrimBlanks(std::string_view(line).substr(5)));
        }
    }
    const std::string suffix = ".desktop";
    if (id.size() > suffix.size() && id.compare(id.size() - suffix.size(), suffix.size(), suffix) == 0) {
        return id.substr(0, id.size() - suffix.size());
    }
    return id;
}

}  // namespace

ArmFacts ReadArmFacts(const std::filesystem::path& programDir) {
    ArmFacts facts;
    std::string path = programDir.string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    facts.programPath = path;
    facts.memory = Memory();
    struct statvfs volume {};
    if (::statvfs(programDir.c_str(), &volume) == 0) {
        facts.driveCapacity = std::to_string(static_cast<unsigned long long>(volume.f_blocks) * volume.f_frsize / kMebibyte);
        facts.freeSpace = std::to_string(static_cast<unsigned long long>(volume.f_bavail) * volume.f_frsize / kMebibyte);
    }
    facts.cpu = Cpu();
    facts.defaultBrowser = DefaultBrowser();
    facts.osVersion = OsVersion();
    return facts;
}

}  // namespace vd
