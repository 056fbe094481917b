#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct zip;

namespace vd {

// An archive that cannot be read or written; the text names libzip's reason.
class ZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A zip archive opened for reading, from memory or from a file.
class ZipReader {
public:
    static ZipReader FromBytes(std::string bytes);
    static ZipReader FromFile(const std::filesystem::path& path);

    ZipReader(ZipReader&&) noexcept;
    ZipReader& operator=(ZipReader&&) noexcept;
    ~ZipReader();

    std::vector<std::string> EntryNames() const;
    // The content of the entry with this exact name; no value when there is none. A damaged
    // entry (bad checksum, broken deflate stream) throws rather than giving part of it.
    std::optional<std::string> Read(std::string_view name) const;

private:
    struct Discard {
        void operator()(zip* archive) const;
    };
    ZipReader(std::unique_ptr<std::string> bytes, std::unique_ptr<zip, Discard> archive);
    std::string ReadIndex(std::uint64_t index, std::string_view name) const;

    // The archive reads from this buffer without a copy, so it lives as long as the archive.
    std::unique_ptr<std::string> bytes_;
    std::unique_ptr<zip, Discard> archive_;
};

// Collects entries and writes them as one zip archive with deflate compression.
class ZipWriter {
public:
    void Add(std::string name, std::string bytes);
    // The archive's bytes.
    std::string Finish() const;
    // The archive written to a temporary name and renamed into place.
    void FinishToFile(const std::filesystem::path& path) const;

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace vd
