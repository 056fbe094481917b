#pragma once

#include "core/Sleeper.h"

namespace vd::gui {

// The exchange's pauses in FormVD: the interface keeps serving its events while it waits, so
// the windows paint and "Прервать" can be pressed during a synchronisation.
class EventLoopSleeper : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds pause) override;
};

}  // namespace vd::gui
