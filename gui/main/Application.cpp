#include "main/Application.h"

#include <exception>

#include "support/ApplicationErrors.h"

namespace vd::gui {

bool VardeloApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        // Without a journal (no main window yet) the failure goes on to the start-up's handler.
        if (!journal_) throw;
        ReportApplicationException(*journal_, receiver, e.what());
    } catch (...) {
        if (!journal_) throw;
        ReportApplicationException(*journal_, receiver, "unknown exception");
    }
    return false;
}

}  // namespace vd::gui
