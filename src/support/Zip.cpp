#include "support/Zip.h"

#include <zip.h>

#include <cerrno>

#include "support/Files.h"

namespace vd {
namespace {

// libzip's error record, cleared on every path out.
class ErrorRecord {
public:
    ErrorRecord() { zip_error_init(&error_); }
    ErrorRecord(const ErrorRecord&) = delete;
    ErrorRecord& operator=(const ErrorRecord&) = delete;
    ~ErrorRecord() { zip_error_fini(&error_); }
    zip_error_t* Get() { return &error_; }
    std::string Text() { return zip_error_strerror(&error_); }

private:
    zip_error_t error_;
};

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceFree>;

struct ArchiveDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};

struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string ArchiveError(zip_t* archive) { return zip_error_strerror(zip_get_error(archive)); }

std::string SourceError(zip_source_t* source) { return zip_error_strerror(zip_source_error(source)); }

}  // namespace

void ZipReader::Discard::operator()(zip* archive) const { zip_discard(archive); }

ZipReader::ZipReader(std::unique_ptr<std::string> bytes, std::unique_ptr<zip, Discard> archive)
    : bytes_(std::move(bytes)), archive_(std::move(archive)) {}

ZipReader::ZipReader(ZipReader&&) noexcept = default;
ZipReader& ZipReader::operator=(ZipReader&&) noexcept = default;
ZipReader::~ZipReader() = default;

ZipReader ZipReader::FromBytes(std::string bytes) {
    auto buffer = std::make_unique<std::string>(std::move(bytes));
    ErrorRecord error;
    SourceHandle source(zip_source_buffer_create(buffer->data(), buffer->size(), 0, error.Get()));
    if (!source) throw ZipError("zip: " + error.Text());
    zip_t* archive = zip_open_from_source(source.get(), ZIP_RDONLY, error.Get());
    if (!archive) throw ZipError("zip: " + error.Text());
    // The archive owns the source from here on.
    source.release();
    return ZipReader(std::move(buffer), std::unique_ptr<zip, Discard>(archive));
}

ZipReader ZipReader::FromFile(const std::filesystem::path& path) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (!archive) {
        ErrorRecord error;
        zip_error_set(error.Get(), code, errno);
        throw ZipError(path.string() + ": " + error.Text());
    }
    return ZipReader(nullptr, std::unique_ptr<zip, Discard>(archive));
}

std::vector<std::string> ZipReader::EntryNames() const {
    std::vector<std::string> names;
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        names.emplace_back(name ? name : "");
    }
    return names;
}

std::optional<std::string> ZipReader::Read(std::string_view name) const {
    const std::string key(name);
    const zip_int64_t index = zip_name_locate(archive_.get(), key.c_str(), ZIP_FL_ENC_GUESS);
    if (index < 0) return std::nullopt;
    return ReadIndex(static_cast<std::uint64_t>(index), name);
}

std::string ZipReader::ReadIndex(std::uint64_t index, std::string_view name) const {
    std::unique_ptr<zip_file_t, FileClose> file(zip_fopen_index(archive_.get(), index, 0));
    if (!file) throw ZipError(std::string(name) + ": " + ArchiveError(archive_.get()));
    std::string content;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_.get(), index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
        stat.size < (zip_uint64_t{1} << 31)) {
        content.reserve(static_cast<std::size_t>(stat.size));
    }
    char buffer[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
        if (n < 0) throw ZipError(std::string(name) + ": " + zip_error_strerror(zip_file_get_error(file.get())));
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

void ZipWriter::Add(std::string name, std::string bytes) { entries_.emplace_back(std::move(name), std::move(bytes)); }

std::string ZipWriter::Finish() const {
    ErrorRecord error;
    SourceHandle target(zip_source_buffer_create(nullptr, 0, 0, error.Get()));
    if (!target) throw ZipError("zip: " + error.Text());
    zip_t* archive = zip_open_from_source(target.get(), ZIP_TRUNCATE, error.Get());
    if (!archive) throw ZipError("zip: " + error.Text());
    // The archive takes a reference of its own; ours keeps the bytes after it is closed.
    zip_source_keep(target.get());
    std::unique_ptr<zip_t, ArchiveDiscard> open(archive);
    for (const auto& [name, bytes] : entries_) {
        zip_source_t* data = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (!data) throw ZipError(name + ": " + ArchiveError(archive));
        const zip_int64_t index = zip_file_add(archive, name.c_str(), data, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(data);
            throw ZipError(name + ": " + ArchiveError(archive));
        }
        if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0) != 0) {
            throw ZipError(name + ": " + ArchiveError(archive));
        }
    }
    if (zip_close(archive) != 0) throw ZipError("zip: " + ArchiveError(archive));
    open.release();

    std::string result;
    if (zip_source_open(target.get()) != 0) throw ZipError("zip: " + SourceError(target.get()));
    char buffer[65536];
    for (;;) {
        const zip_int64_t n = zip_source_read(target.get(), buffer, sizeof buffer);
        if (n < 0) {
            zip_source_close(target.get());
            throw ZipError("zip: " + SourceError(target.get()));
        }
        if (n == 0) break;
        result.append(buffer, static_cast<std::size_t>(n));
    }
    zip_source_close(target.get());
    return result;
}

void ZipWriter::FinishToFile(const std::filesystem::path& path) const { WriteFileAtomically(path, Finish()); }

}  // namespace vd
