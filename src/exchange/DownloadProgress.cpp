#include "exchange/DownloadProgress.h"

#include <algorithm>

#include "core/Journal.h"
#include "core/Messages.h"
#include "core/UserInterface.h"
#include "exchange/HttpsConnection.h"
#include "exchange/Messages.h"

namespace vd {

DownloadProgress::DownloadProgress(THttpsConnection& connection, UserInterface& ui, const Journal& journal)
    : connection_(connection), ui_(ui), journal_(journal) {
    ui_.BeginBusy(text::kBusyWait, true);
    ui_.SetBusyProgress(0);
    connection_.onSizeResource = [this](THttpsConnection&, std::int64_t size) { iSizeResourceExecute(size); };
    connection_.onSizePortion = [this](THttpsConnection&, std::int64_t count) { iSizePortionExecute(count); };
}

DownloadProgress::~DownloadProgress() {
    connection_.onSizeResource = nullptr;
    connection_.onSizePortion = nullptr;
    ui_.EndBusy();
}

int DownloadProgress::Position(std::int64_t received, std::int64_t total) {
    // An announced size of 0 has nothing to wait for: the bar is full.
    if (total <= 0) return 1000;
    // 64-bit arithmetic: received × 100 stays far from overflow for any real download.
    return static_cast<int>(std::min<std::int64_t>(received * 100 / total * 10, 32767));
}

void DownloadProgress::iSizeResourceExecute(std::int64_t size) {
    total_ = size == -1 ? kUnknownSize : size;
    received_ = 0;
}

void DownloadProgress::iSizePortionExecute(std::int64_t count) {
    try {
        received_ += count;
        ui_.SetBusyProgress(Position(received_, total_));
    } catch (const std::exception& e) {
        journal_.ReportError(text::kWhereSizePortion, e.what());
        throw;
    }
}

}  // namespace vd
