#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vd {

// Runs a program (looked up on PATH) with no input and returns what it wrote on its standard
// output; no value when it cannot be started or does not end with status 0.
std::optional<std::string> ReadProgramOutput(const std::vector<std::string>& argv);

// Starts a program in a session of its own and does not wait for it, so it outlives this
// process. `arguments` follow the program's own name. Returns 0, or the errno of the failure.
int StartDetachedProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments);

}  // namespace vd
