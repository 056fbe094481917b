#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vd {

// Whole-file reads and writes. Errors throw std::runtime_error naming the path and the reason.
std::string ReadFileBytes(const std::filesystem::path& path);

// Writes to a temporary name in the same folder, flushes it to disk and renames it over the
// target, so a crash leaves either the old file or the new one, never half a file.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vd
