#include <QApplication>

#include "core/Clock.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Paths.h"
#include "core/Workstation.h"
#include "main/Application.h"
#include "main/MainForm.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

int main(int argc, char* argv[]) {
    vd::gui::VardeloApplication app(argc, argv);
    const QString title = vd::gui::ToQString(vd::text::kAppTitle);
    QApplication::setApplicationName(title);
    QApplication::setApplicationDisplayName(title);

    vd::gui::QtUserInterface ui;
    vd::SystemClock clock;
    vd::Paths paths = vd::Paths::ForProgram(vd::ExecutableDir());
    vd::SystemJournalSink sink(paths.journalFile);
    vd::Workstation ws(paths, sink, ui, clock);

    const vd::StartResult result = ws.startup.Run([&] {
        vd::gui::TfMainForm mainForm(ws);
        ui.SetMainWindow(&mainForm);
        mainForm.show();
        QApplication::exec();
        ui.SetMainWindow(nullptr);
    });
    return result == vd::StartResult::Started ? 0 : 1;
}
