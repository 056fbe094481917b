#include <QApplication>

#include "core/Messages.h"
#include "main/MainForm.h"
#include "support/QtText.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString title = vd::gui::ToQString(vd::text::kAppTitle);
    QApplication::setApplicationName(title);
    QApplication::setApplicationDisplayName(title);

    vd::gui::TfMainForm mainForm;
    mainForm.show();
    return QApplication::exec();
}
