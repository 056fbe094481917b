#include <QTest>

#include "GuiExchange.h"
#include "GuiTest.h"
#include "Screenshot.h"
#include "exchange/SyncWindow.h"
#include "main/MainForm.h"
#include "support/DayNumber.h"

// A picture of the synchronisation window in the main window after a run whose server greets
// the workstation and finds errors in one day's conclusions, for a person to look at.
class SyncScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void syncWindowWithALog() {
        using vd::test::kToday;
        vd::test::GuiExchange ws;
        ws.AddConclusion(1, 7, kToday - 3);
        ws.AddConclusion(2, 7, kToday - 1);
        ws.StartSim({{"stationKey", vd::test::kTestStationKey},
                     {"hello", {{"messages", {"Уважаемые коллеги!\nС 1 января обновлён формат бланков."}}}},
                     {"version", {{"lastdate", vd::FormatDdMmYyyy(kToday - 4)}}},
                     {"save",
                      {{{"status", 1},
                        {"text", "Часть заключений не принята"},
                        {"certificates",
                         {{{"id", "0001001"},
                           {"text", "отклонено"},
                           {"errors", {"не заполнен адрес грузополучателя", "неверная дата акта экспертизы"}}}}}},
                       {{"status", 0}}}}});
        auto form = ws.ShowMainWindow([](vd::gui::TfMainForm& main) {
            return std::make_unique<vd::gui::TFormSync>(main, std::make_unique<vd::test::ShortPauses>());
        });
        form->resize(1000, 560);
        form->aSyncExecute();
        auto* window = qobject_cast<vd::gui::TFormSync*>(form->ShownWindow());
        QVERIFY(window);
        window->aStartExecute();
        vd::test::KeepScreenshot(*form, "sync.png");
    }
};

VD_GUI_TEST(SyncScreenshotTest);

#include "SyncScreenshotTest.moc"
