#include "ModalScript.h"

#include <QDialog>
#include <QTimer>

namespace vd::test {

void ModalScript::Start() {
    sinceLastStep_.start();
    Schedule();
}

QString ModalScript::Failure() const {
    if (!failure_.isEmpty()) return failure_;
    if (next_ != steps_.size()) return QStringLiteral("only %1 of %2 steps ran").arg(next_).arg(steps_.size());
    return {};
}

void ModalScript::Schedule() { QTimer::singleShot(10, this, &ModalScript::Poll); }

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!failure_.isEmpty()) {
        // Unwind whatever is still open, one nested loop at a time.
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            Schedule();
            dialog->reject();
        }
        return;
    }
    if (next_ == steps_.size()) {
        // A window the script no longer answers would block the test for good.
        if (!modal) sinceLastStep_.restart();
        if (modal && sinceLastStep_.elapsed() > timeoutMs_) {
            failure_ = QStringLiteral("%1 stayed open after the last step")
                           .arg(QString::fromLatin1(modal->metaObject()->className()));
        }
        Schedule();
        return;
    }
    if (modal && steps_[next_].matches(modal)) {
        const Step& step = steps_[next_++];
        sinceLastStep_.restart();
        // The next poll is due before acting: the act may open a dialog and block in its loop.
        Schedule();
        step.act(modal);
        return;
    }
    if (sinceLastStep_.elapsed() > timeoutMs_) {
        failure_ = QStringLiteral("step %1 never came; active modal window: %2")
                       .arg(next_ + 1)
                       .arg(modal ? QString::fromLatin1(modal->metaObject()->className()) : QStringLiteral("none"));
    }
    Schedule();
}

}  // namespace vd::test
