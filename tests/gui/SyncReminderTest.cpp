#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "GuiTest.h"
#include "ModalScript.h"
#include "WidgetLookup.h"
#include "core/Messages.h"
#include "core/SyncReminderDialog.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

using vd::gui::ToQString;
using vd::gui::TfDlgWarningSync;
namespace text = vd::text;

// Stands in for the desktop's mail program.
class MailCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

class SyncReminderTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheAdministratorMaySynchronise_data() {
        QTest::addColumn<int>("userId");
        QTest::addColumn<bool>("mayRun");
        QTest::addColumn<QString>("thirdLine");
        QTest::addColumn<QString>("notShown");
        QTest::newRow("administrator") << 1 << true << ToQString(text::kSyncPleaseAdmin)
                                       << ToQString(text::kSyncPleaseRemind);
        QTest::newRow("expert") << 2 << false << ToQString(text::kSyncPleaseRemind)
                                << ToQString(text::kSyncPleaseAdmin);
    }

    void onlyTheAdministratorMaySynchronise() {
        QFETCH(int, userId);
        QFETCH(bool, mayRun);
        QFETCH(QString, thirdLine);
        QFETCH(QString, notShown);
        TfDlgWarningSync dialog(6, userId);

        QCOMPARE(dialog.findChild<QPushButton*>("btnStartSync")->isEnabled(), mayRun);
        QCOMPARE(dialog.findChild<QPushButton*>("btnSyncToFile")->isEnabled(), mayRun);
        QVERIFY(dialog.findChild<QPushButton*>("btnCancel")->isEnabled());
        const QStringList labels = vd::test::LabelTexts(dialog);
        QVERIFY2(labels.contains(thirdLine), qPrintable(labels.join('|')));
        QVERIFY(!labels.contains(notShown));
    }

    void showsTheDaysAndTheNotesInOrder() {
        TfDlgWarningSync dialog(6, 1);
        const QStringList labels = vd::test::LabelTexts(dialog);
        const QStringList expected{
            QStringLiteral("Синхронизация с ЦБД не производилась 6 дней."),
            ToQString(text::kSyncAttention),
            ToQString(text::kSyncPleaseAdmin),
            ToQString(text::kCentralOfficeMail),
            ToQString(text::kSyncNeedsInternet),
            ToQString(text::kSyncSendFileBy) + '\n' + ToQString(text::kSyncAddress),
        };
        QCOMPARE(labels, expected);
        QCOMPARE(dialog.windowTitle(), ToQString(text::kProductName));
        QCOMPARE(dialog.findChild<QPushButton*>("btnStartSync")->toolTip(), ToQString(text::kSyncStartHint));
    }

    void hasNoTitleBarButtons() {
        TfDlgWarningSync dialog(6, 1);
        QVERIFY(dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    }

    void clickingTheAddressOpensMail() {
        MailCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "Open");
        TfDlgWarningSync dialog(6, 2);
        dialog.show();
        auto* mail = dialog.findChild<QLabel*>("lbMail");
        QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(mail, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("mailto:") + ToQString(text::kCentralOfficeMail))});
    }

    void eachWayOutGivesItsAnswer_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("start") << "btnStartSync" << 2;
        QTest::newRow("to file") << "btnSyncToFile" << 3;
        QTest::newRow("cancel") << "btnCancel" << 1;
        QTest::newRow("escape") << QString() << 1;
    }

    void eachWayOutGivesItsAnswer() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        vd::gui::QtUserInterface ui;
        vd::test::ModalScript script;
        script.Then<TfDlgWarningSync>([&](TfDlgWarningSync& dialog) {
            if (button.isEmpty()) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
            }
        });
        script.Start();
        QCOMPARE(ui.ShowSyncReminder(6, 1), answer);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
    }
};

VD_GUI_TEST(SyncReminderTest);

#include "SyncReminderTest.moc"
