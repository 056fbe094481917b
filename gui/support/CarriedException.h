#pragma once

#include <exception>
#include <utility>

namespace vd::gui {

// Exceptions must not cross Qt's event loop. A slot that calls into the core runs the call
// through Catch, which keeps what was thrown; the code that ran the dialog then throws it
// again, so the core's own handler reports it as if no window had been in between.
class CarriedException {
public:
    template <typename Call>
    bool Catch(Call&& call) {
        try {
            std::forward<Call>(call)();
            return true;
        } catch (...) {
            error_ = std::current_exception();
            return false;
        }
    }

    void RethrowIfAny() {
        if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
    }

private:
    std::exception_ptr error_;
};

}  // namespace vd::gui
