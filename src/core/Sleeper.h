#pragma once

#include <chrono>
#include <thread>

namespace vd {

// The fixed pauses of the exchange: the central server expects a client to pace its requests.
// Tests pass one that does not wait.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(std::chrono::milliseconds pause) = 0;
};

class SystemSleeper : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds pause) override { std::this_thread::sleep_for(pause); }
};

}  // namespace vd
