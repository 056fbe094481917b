#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

class QWidget;

namespace vd::test {

// Plays the user's part in modal dialogs: each step waits until the active modal window is of
// the given type, then acts on it. Steps run from timers, so they also run inside the nested
// event loop of a dialog that an earlier step opened. A step that never comes, or a window
// left open after the last step, fails the script, and the script then closes every modal
// window so the test does not hang. Polling stops when the script is destroyed.
class ModalScript : public QObject {
    Q_OBJECT

public:
    explicit ModalScript(int timeoutMs = 5000) : timeoutMs_(timeoutMs) {}

    template <typename Window>
    ModalScript& Then(std::function<void(Window&)> act) {
        steps_.push_back({[](QWidget* modal) { return qobject_cast<Window*>(modal) != nullptr; },
                          [act](QWidget* modal) { act(*qobject_cast<Window*>(modal)); }});
        return *this;
    }

    // Starts polling; call it right before the code that opens the first dialog.
    void Start();

    bool Done() const { return next_ == steps_.size() && failure_.isEmpty(); }
    // Empty while nothing went wrong.
    QString Failure() const;

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };

    void Poll();
    void Schedule();

    int timeoutMs_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QElapsedTimer sinceLastStep_;
    QString failure_;
};

}  // namespace vd::test
