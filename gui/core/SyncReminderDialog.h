#pragma once

#include <QDialog>

namespace vd::gui {

// The reminder at start-up that the central database has not heard from this workstation for
// some days. exec() returns the answer the core expects: 1 cancelled, 2 synchronise online,
// 3 write the packet to a file. Only the administrator may synchronise.
class TfDlgWarningSync : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCancelled = 1;
    static constexpr int kOnline = 2;
    static constexpr int kToFile = 3;

    TfDlgWarningSync(int days, int currentUserId, QWidget* parent = nullptr);

public slots:
    // Escape and every other way of closing count as "Отмена".
    void reject() override;

private:
    void OpenMail();
};

}  // namespace vd::gui
