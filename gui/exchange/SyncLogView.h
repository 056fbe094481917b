#pragma once

#include <QPlainTextEdit>

#include "exchange/SyncLog.h"

namespace vd::gui {

// The synchronisation window's log ("mLog"): every progress and error line of the exchange,
// appended and never edited, on the info-tip colour so it reads as a report.
class SyncLogView : public QPlainTextEdit, public SyncLog {
    Q_OBJECT

public:
    explicit SyncLogView(QWidget* parent = nullptr);

    void Line(std::string_view text) override;
};

}  // namespace vd::gui
