#pragma once

#include <cstdint>

namespace vd {

class Journal;
class THttpsConnection;
class UserInterface;

// The busy indicator's position while a file arrives: the announced size (5,000,000 bytes
// when the server names none) is the whole bar, drawn in steps of one per cent. Attached to a
// connection for the time of one download; the indicator is shown and closed with it.
class DownloadProgress {
public:
    static constexpr std::int64_t kUnknownSize = 5000000;

    DownloadProgress(THttpsConnection& connection, UserInterface& ui, const Journal& journal);
    ~DownloadProgress();
    DownloadProgress(const DownloadProgress&) = delete;
    DownloadProgress& operator=(const DownloadProgress&) = delete;

    // The position for `received` of `total` bytes: whole per cents times ten, at most 32767.
    // It passes 1000 when more arrives than was expected; the bar is then drawn full.
    static int Position(std::int64_t received, std::int64_t total);

    void iSizeResourceExecute(std::int64_t size);
    void iSizePortionExecute(std::int64_t count);

private:
    THttpsConnection& connection_;
    UserInterface& ui_;
    const Journal& journal_;
    std::int64_t total_ = kUnknownSize;
    std::int64_t received_ = 0;
};

}  // namespace vd
