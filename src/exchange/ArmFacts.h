#pragma once

#include <filesystem>
#include <string>

namespace vd {

// What the data packet tells the central server about the workstation's computer. Every value
// is a text; one that cannot be found is empty.
struct ArmFacts {
    std::string netVersion;      // no .NET here: always empty
    std::string programPath;     // the program folder, without a trailing "/"
    std::string memory;          // MiB of physical memory
    std::string driveCapacity;   // MiB of the file system that holds the program
    std::string freeSpace;       // MiB of it available to the user
    std::string cpu;             // model, number of processors, clock: "AMD EPYC 2 2445~MHz"
    std::string defaultBrowser;  // the program that opens text/html
    std::string osVersion;       // the distribution's name and the kernel release
};

// Reads the facts from /proc/meminfo, statvfs, /proc/cpuinfo, /etc/os-release, uname and
// `xdg-mime query default text/html`.
ArmFacts ReadArmFacts(const std::filesystem::path& programDir);

}  // namespace vd
