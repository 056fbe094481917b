#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include "FixedClock.h"
#include "GuiTest.h"
#include "MemorySink.h"
#include "ModalScript.h"
#include "core/Messages.h"
#include "core/Paths.h"
#include "core/Workstation.h"
#include "main/BusyWindow.h"
#include "main/MainForm.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

using vd::gui::QtUserInterface;
using vd::gui::TfMainForm;
using vd::gui::ToQString;
namespace text = vd::text;

// What the core tells the main window: help line, status text, the busy window, and which
// window its message boxes belong to.
class MainWindowLinkTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        const std::filesystem::path root(dir_.path().toStdString());
        ws_ = std::make_unique<vd::Workstation>(vd::Paths::Isolated(root / "program", root / "machine"), sink_, ui_,
                                                clock_);
        ws_->session.currentUserName = "Петров Пётр Петрович";
    }

    void cleanup() {
        ui_.SetMainWindow(nullptr);
        ws_.reset();
    }

    void theHelpLineShowsTheUserAtCreation() {
        TfMainForm mainForm(*ws_);
        QCOMPARE(HelpLine(mainForm), QStringLiteral("Петров Пётр Петрович"));
        QCOMPARE(mainForm.windowTitle(), ToQString(text::kAppTitle));
    }

    void textsSetBeforeTheWindowExistsReachIt() {
        ui_.SetHelpLine("Aдминистратор");
        ui_.SetStatusText("Загрузка\r\nзавершена");
        TfMainForm mainForm(*ws_);
        ui_.SetMainWindow(&mainForm);
        QCOMPARE(HelpLine(mainForm), QStringLiteral("Aдминистратор"));
        QCOMPARE(StatusText(mainForm), QStringLiteral("Загрузка\nзавершена"));

        ui_.SetHelpLine("произошла ошибка: диск");
        QCOMPARE(HelpLine(mainForm), QStringLiteral("произошла ошибка: диск"));
    }

    void aWindowWithoutPendingTextsKeepsItsOwn() {
        TfMainForm mainForm(*ws_);
        ui_.SetMainWindow(&mainForm);
        QCOMPARE(HelpLine(mainForm), QStringLiteral("Петров Пётр Петрович"));
    }

    void messageBoxesBelongToTheMainWindow() {
        TfMainForm mainForm(*ws_);
        mainForm.show();
        ui_.SetMainWindow(&mainForm);
        QWidget* parent = nullptr;
        vd::test::ModalScript script;
        script.Then<QMessageBox>([&](QMessageBox& box) {
            parent = box.parentWidget();
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        script.Start();
        ui_.Inform(text::kAppTitle, text::kUserRenamed);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(parent, &mainForm);
    }

    void theBusyWindowShowsTextAndProgress() {
        ui_.BeginBusy("", true);
        const vd::gui::BusyWindow* busy = ui_.Busy();
        QVERIFY(busy);
        QVERIFY(busy->isVisible());
        QVERIFY(busy->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(busy->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(busy->findChild<QLabel*>("lbBusyText")->text(), ToQString(text::kBusyWait));
        QVERIFY(busy->findChild<QProgressBar*>("pbBusy")->isVisible());
        for (const auto& [position, shown] : {std::pair{250, 250}, {1000, 1000}, {1500, 1000}, {-5, 0}}) {
            ui_.SetBusyProgress(position);
            QCOMPARE(busy->Progress(), shown);
        }
        ui_.EndBusy();
        QVERIFY(!ui_.Busy());
        ui_.SetBusyProgress(10);  // after the end: nothing to move

        ui_.BeginBusy("Построение пакета", false);
        QCOMPARE(ui_.Busy()->findChild<QLabel*>("lbBusyText")->text(), QStringLiteral("Построение пакета"));
        QVERIFY(!ui_.Busy()->findChild<QProgressBar*>("pbBusy")->isVisible());
        ui_.EndBusy();
    }

private:
    static QString HelpLine(const TfMainForm& form) { return form.findChild<QLabel*>("helpLine")->text(); }
    static QString StatusText(const TfMainForm& form) { return form.findChild<QLabel*>("statusText")->text(); }

    QTemporaryDir dir_;
    vd::test::MemorySink sink_;
    vd::test::FixedClock clock_{vd::DayNumber{45000}};
    QtUserInterface ui_;
    std::unique_ptr<vd::Workstation> ws_;
};

VD_GUI_TEST(MainWindowLinkTest);

#include "MainWindowLinkTest.moc"
