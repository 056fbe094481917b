#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "ModalScript.h"
#include "WidgetLookup.h"
#include "core/DatabaseBusyDialog.h"
#include "core/Messages.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

using vd::gui::TFormDlgNetExit;
using vd::gui::ToQString;
namespace text = vd::text;

class DatabaseBusyTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheDisconnectButtonSaysYes_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("disconnect");
        QTest::newRow("disconnect") << "btnDisconnect" << true;
        QTest::newRow("exit") << "btnExit" << false;
        QTest::newRow("escape") << QString() << false;
    }

    void onlyTheDisconnectButtonSaysYes() {
        QFETCH(QString, button);
        QFETCH(bool, disconnect);
        vd::gui::QtUserInterface ui;
        vd::test::ModalScript script;
        script.Then<TFormDlgNetExit>([&](TFormDlgNetExit& dialog) {
            if (button.isEmpty()) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
            }
        });
        script.Start();
        QCOMPARE(ui.AskDisconnectOtherInstance(), disconnect);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
    }

    void showsTheSituationAndBothChoices() {
        TFormDlgNetExit dialog;
        QCOMPARE(dialog.windowTitle(), ToQString(text::kNetBusyCaption));
        QCOMPARE(vd::test::LabelTexts(dialog),
                 QStringList{ToQString(text::kNetBusyLine1) + '\n' + ToQString(text::kNetBusyLine2)});
        QCOMPARE(dialog.findChild<QPushButton*>("btnExit")->text(), ToQString(text::kNetBusyExit));
        QCOMPARE(dialog.findChild<QPushButton*>("btnDisconnect")->text(), ToQString(text::kNetBusyDisconnect));
        // Enter must not take the database from the other instance.
        QVERIFY(dialog.findChild<QPushButton*>("btnExit")->isDefault());
    }

    void looksLikeATipWithoutTitleBarButtons() {
        TFormDlgNetExit dialog;
        QVERIFY(dialog.isModal());
        QVERIFY(dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(dialog.autoFillBackground());
        QCOMPARE(dialog.palette().color(QPalette::Window), dialog.palette().color(QPalette::ToolTipBase));
        QCOMPARE(dialog.palette().color(QPalette::WindowText), dialog.palette().color(QPalette::ToolTipText));
    }
};

VD_GUI_TEST(DatabaseBusyTest);

#include "DatabaseBusyTest.moc"
