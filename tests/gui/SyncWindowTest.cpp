#include <QAction>
#include <QApplication>
#include <QTest>
#include <QLabel>
#include <QTimer>
#include <QToolBar>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "GuiExchange.h"
#include "GuiTest.h"
#include "core/Container.h"
#include "exchange/SyncLogView.h"
#include "exchange/SyncWindow.h"
#include "main/MainForm.h"
#include "support/Base64.h"
#include "support/DayNumber.h"
#include "support/Files.h"
#include "support/QtText.h"
#include "support/Zip.h"

using nlohmann::json;
using vd::gui::MainCommand;
using vd::gui::SyncCommand;
using vd::gui::TFormSync;
using vd::gui::TfMainForm;
using vd::gui::ToQString;
using vd::test::GuiExchange;
using vd::test::kToday;

namespace {

QString Date(vd::DayNumber day) { return ToQString(vd::FormatDdMmYyyy(day)); }

// Conclusions changed on two days the server does not know yet: the upload sends two packets.
void AddTwoDays(GuiExchange& ws) {
    ws.AddConclusion(1, 7, kToday - 3);
    ws.AddConclusion(2, 8, kToday - 3);
    ws.AddConclusion(3, 7, kToday - 1);
}

json Script() { return {{"stationKey", vd::test::kTestStationKey}, {"version", {{"lastdate", vd::FormatDdMmYyyy(kToday - 4)}}}}; }

// A main window whose synchronisation window makes short pauses.
std::unique_ptr<TfMainForm> ShowWithShortPauses(GuiExchange& ws) {
    return ws.ShowMainWindow(
        [](TfMainForm& form) { return std::make_unique<TFormSync>(form, std::make_unique<vd::test::ShortPauses>()); });
}

TFormSync* OpenSync(TfMainForm& form) {
    form.aSyncExecute();
    return qobject_cast<TFormSync*>(form.ShownWindow());
}

QStringList LogLines(const TFormSync& window) { return window.Log()->toPlainText().split(QLatin1Char('\n')); }

QWidget* ButtonOf(const TFormSync& window, SyncCommand command) {
    return window.findChild<QToolBar*>()->widgetForAction(window.Action(command));
}

void Click(const TFormSync& window, SyncCommand command) {
    QTest::mouseClick(ButtonOf(window, command), Qt::LeftButton);
}

int Posts(const GuiExchange& ws) {
    int posts = 0;
    for (const auto& request : ws.sim->Requests()) posts += request["verb"] == "POST" ? 1 : 0;
    return posts;
}

}  // namespace

// The synchronisation window over the core's exchange, against tools/central-sim over TLS.
class SyncWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theToolBarOffersTheFourCommands() {
        GuiExchange ws;
        auto form = ws.ShowMainWindow();
        // The program's own window, made on first use.
        TFormSync* window = OpenSync(*form);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Синхронизация"));
        QStringList shown;
        for (QAction* action : window->findChild<QToolBar*>()->actions()) {
            shown << (action->isSeparator() ? QStringLiteral("|")
                                            : action->text() + " / " + action->toolTip() + " / " +
                                                  (action->isEnabled() ? "on" : "off"));
        }
        QCOMPARE(shown, (QStringList{"Старт / Начать синхронизацию с ЦБД / on", "Прервать / Прервать работу / on", "|",
                                     "В файл / синхронизация в файл / on",
                                     "Данные из ЦБД / Загрузить с сервера данные АРМа при полной утрате базы / on"}));
        QVERIFY(window->Log()->isReadOnly());
    }

    // A whole run: every day's packet posted, the log ending with the closing line, "Старт"
    // given back and "Прервать" taken away. While it runs the window is served, the other
    // commands (its own and the main window's) wait and the main window stays open.
    void startRunsTheSynchronisation() {
        GuiExchange ws;
        AddTwoDays(ws);
        ws.StartSim(Script());
        auto form = ShowWithShortPauses(ws);
        TFormSync* window = OpenSync(*form);

        int samples = 0;
        bool othersWaited = true;
        bool stopOffered = true;
        bool waitCursor = true;
        bool stayedOpen = true;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (!window->Busy()) return;
            ++samples;
            othersWaited = othersWaited && !window->Action(SyncCommand::Start)->isEnabled() &&
                           !window->Action(SyncCommand::SaveToFile)->isEnabled() &&
                           !window->Action(SyncCommand::LoadFromFile)->isEnabled();
            for (const MainCommand command : {MainCommand::Search, MainCommand::List, MainCommand::Edit,
                                              MainCommand::Users, MainCommand::Exit}) {
                othersWaited = othersWaited && !form->Action(command)->isEnabled();
            }
            stopOffered = stopOffered && window->Action(SyncCommand::Stop)->isEnabled();
            waitCursor = waitCursor && QApplication::overrideCursor() &&
                         QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            if (samples == 1) {
                stayedOpen = !form->close() && form->isVisible() &&
                             form->findChild<QLabel*>("helpLine")->text().startsWith("Идёт синхронизация");
            }
        });
        watcher.start(1);
        Click(*window, SyncCommand::Start);
        watcher.stop();

        QVERIFY(samples > 0);
        QVERIFY(othersWaited);
        QVERIFY(stopOffered);
        QVERIFY(waitCursor);
        QVERIFY(stayedOpen);
        QCOMPARE(Posts(ws), 2);
        QCOMPARE(LogLines(*window), (QStringList{"Ищем заключения за " + Date(kToday - 3),
                                                 "Передаём заключения за " + Date(kToday - 3),
                                                 "Ищем заключения за " + Date(kToday - 1),
                                                 "Передаём заключения за " + Date(kToday - 1), "Проверяем обновления",
                                                 "нет обновлений", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}));
        QVERIFY(window->Action(SyncCommand::Start)->isEnabled());
        QVERIFY(!window->Action(SyncCommand::Stop)->isEnabled());
        QVERIFY(window->Action(SyncCommand::SaveToFile)->isEnabled());
        QVERIFY(form->Action(MainCommand::Search)->isEnabled());
        QVERIFY(form->Action(MainCommand::Users)->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(ws.ui.statusTexts, (std::vector<std::string>{"Идёт передача...", ""}));
        QVERIFY(form->isVisible());
    }

    // "Прервать" pressed while the first day is being sent ends the run before the second.
    void stopEndsTheRunBeforeTheNextDay() {
        GuiExchange ws;
        AddTwoDays(ws);
        ws.StartSim(Script());
        auto form = ShowWithShortPauses(ws);
        TFormSync* window = OpenSync(*form);

        QTimer user;
        connect(&user, &QTimer::timeout, [&] {
            if (window->Log()->toPlainText().contains("Передаём заключения за " + Date(kToday - 3))) {
                user.stop();
                Click(*window, SyncCommand::Stop);
            }
        });
        user.start(1);
        Click(*window, SyncCommand::Start);

        QCOMPARE(Posts(ws), 1);
        QCOMPARE(LogLines(*window),
                 (QStringList{"Ищем заключения за " + Date(kToday - 3), "Передаём заключения за " + Date(kToday - 3),
                              "СИНХРОНИЗАЦИЯ ПРЕРВАНА", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}));
        QVERIFY(window->Action(SyncCommand::Start)->isEnabled());
        QVERIFY(!window->Action(SyncCommand::Stop)->isEnabled());
        // The flag is cleared by the next run, which goes through every day.
        Click(*window, SyncCommand::Start);
        QCOMPARE(Posts(ws), 3);
    }

    void failuresAreShownInTheLog_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("logTail");
        QTest::addColumn<QString>("statusText");
        json wrongKey = Script();
        wrongKey["stationKey"] = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
        wrongKey["authMessage"] = "Неверный ключ АРМа";
        QTest::newRow("error packet") << QByteArray::fromStdString(wrongKey.dump())
                                      << QStringList{"Неверный ключ АРМа", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"} << QString();
        json protocol3 = Script();
        protocol3["hello"] = {{"protocol", 3}};
        QTest::newRow("protocol 3") << QByteArray::fromStdString(protocol3.dump())
                                    << QStringList{"Зафиксирована ошибка синхронизации.", "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}
                                    << QStringLiteral("сбой процедуры");
        json saveStatus2 = Script();
        saveStatus2["save"] = {{{"status", 2}, {"text", "База ЦБД недоступна"}}};
        QTest::newRow("save status 2") << QByteArray::fromStdString(saveStatus2.dump())
                                       << QStringList{"База ЦБД недоступна", "есть критические ошибки",
                                                      "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА"}
                                       << QString();
    }

    void failuresAreShownInTheLog() {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, logTail);
        QFETCH(QString, statusText);
        GuiExchange ws;
        AddTwoDays(ws);
        ws.StartSim(json::parse(script.toStdString()));
        auto form = ShowWithShortPauses(ws);
        TFormSync* window = OpenSync(*form);
        Click(*window, SyncCommand::Start);

        const QStringList lines = LogLines(*window);
        QCOMPARE(lines.mid(lines.size() - logTail.size()), logTail);
        QCOMPARE(ToQString(ws.ui.statusTexts.back()), statusText);
        QVERIFY(window->Action(SyncCommand::Start)->isEnabled());
        QVERIFY(!window->Action(SyncCommand::Stop)->isEnabled());
        QVERIFY(form->isVisible());
    }

    void toFileWritesTheExchangeFile() {
        GuiExchange ws;
        AddTwoDays(ws);
        auto form = ws.ShowMainWindow();
        TFormSync* window = OpenSync(*form);
        const std::filesystem::path chosen = ws.root->Path() / "carried.zip.cod";
        ws.ui.chosenPaths.push_back(chosen.string());
        Click(*window, SyncCommand::SaveToFile);

        QCOMPARE(ws.ui.chooserTitles, std::vector<std::string>{"куда запишем ?"});
        QCOMPARE(LogLines(*window).back(), QStringLiteral("ФАЙЛ СИНХРОНИЗАЦИИ СОЗДАН."));
        std::string bytes = vd::ReadFileBytes(chosen);
        vd::DecodeCodStream(bytes, vd::test::kTestStationKey);
        QCOMPARE(vd::ZipReader::FromBytes(bytes).EntryNames(), std::vector<std::string>{"sync.xml"});
        QCOMPARE(ws.tdm.Options().LastSync(), kToday);
        QVERIFY(window->Action(SyncCommand::Start)->isEnabled());
        QVERIFY(window->Action(SyncCommand::SaveToFile)->isEnabled());
    }

    // The reminder's answer at start-up: 2 starts the online run, 3 writes the exchange file.
    void theStartUpRequestRunsTheChosenCommand_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("online");
        QTest::newRow("online") << 2 << true;
        QTest::newRow("to a file") << 3 << false;
    }

    void theStartUpRequestRunsTheChosenCommand() {
        QFETCH(int, choice);
        QFETCH(bool, online);
        GuiExchange ws;
        AddTwoDays(ws);
        ws.StartSim(Script());
        ws.ui.chosenPaths.push_back((ws.root->Path() / "carried.zip.cod").string());
        ws.core.session.syncChoice = choice;
        auto form = ShowWithShortPauses(ws);

        auto* window = qobject_cast<TFormSync*>(form->Window(TfMainForm::WorkingWindow::Sync));
        QVERIFY(window);
        const QString last = online ? QStringLiteral("СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА") : QStringLiteral("ФАЙЛ СИНХРОНИЗАЦИИ СОЗДАН.");
        QVERIFY(QTest::qWaitFor([&] { return !window->Busy() && LogLines(*window).back() == last; }, 10000));
        QCOMPARE(form->ShownWindow(), window);
        QCOMPARE(Posts(ws), online ? 2 : 0);
        QCOMPARE(ws.ui.chooserTitles.empty(), online);
    }

    // An update downloaded: the restart program is started and the program ends.
    void anUpdateEndsTheProgram() {
        GuiExchange ws;
        AddTwoDays(ws);
        json script = Script();
        script["version"]["versions"] = {{{"name", "restorator"}, {"url", "/files/restorator.zip"}, {"version", "3"}}};
        script["files"] = {{"/files/restorator.zip",
                            {{"base64", vd::Base64Encode(vd::test::ZipOf({{"RebootVD.exe", "#!/bin/sh\n"}}))}}}};
        ws.StartSim(script);
        auto form = ShowWithShortPauses(ws);
        TFormSync* window = OpenSync(*form);
        std::vector<std::string> started;
        window->Online().SetProgramStarter([&](const std::filesystem::path&, const std::string& commandLine) {
            started.push_back(commandLine);
            return 0;
        });
        Click(*window, SyncCommand::Start);

        QCOMPARE(started, std::vector<std::string>{"restorator%/files/restorator.zip*3"});
        QCOMPARE(ws.ui.MessageTexts(), std::vector<std::string>{"Сейчас программа будет перезапущена"});
        QVERIFY(!form->isVisible());
    }
};

VD_GUI_TEST(SyncWindowTest);

#include "SyncWindowTest.moc"
