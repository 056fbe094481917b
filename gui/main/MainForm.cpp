#include "main/MainForm.h"

#include <QWidget>

#include "core/Messages.h"
#include "support/QtText.h"

namespace vd::gui {

TfMainForm::TfMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("fMainForm"));
    setWindowTitle(ToQString(text::kAppTitle));
    // Fits a 1280x800 screen with room for the desktop's panels.
    resize(1024, 700);
    setCentralWidget(new QWidget(this));
}

}  // namespace vd::gui
