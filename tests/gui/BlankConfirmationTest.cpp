#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "ModalScript.h"
#include "WidgetLookup.h"
#include "main/QtUserInterface.h"
#include "register/BlankConfirmationDialog.h"

using vd::gui::TFormDlgPaper;

namespace {

vd::BlankDialogArgs BlankArgs() { return {"Внимание!", "Вы приготовили для печати бланк", "№0000123?", "Да", "Нет"}; }

}  // namespace

class BlankConfirmationTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheQuestionInRed() {
        TFormDlgPaper dialog(BlankArgs());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Внимание!"));
        QCOMPARE(vd::test::LabelTexts(dialog), (QStringList{"Вы приготовили для печати бланк", "№0000123?"}));
        QCOMPARE(dialog.palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(dialog.findChild<QPushButton*>("btnYes")->text(), QStringLiteral("Да"));
        QCOMPARE(dialog.findChild<QPushButton*>("btnNo")->text(), QStringLiteral("Нет"));
    }

    void onlyYesConfirms_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("yes") << "btnYes" << true;
        QTest::newRow("no") << "btnNo" << false;
        QTest::newRow("escape") << QString() << false;
    }

    void onlyYesConfirms() {
        QFETCH(QString, button);
        QFETCH(bool, confirmed);
        vd::gui::QtUserInterface ui;
        vd::test::ModalScript script;
        script.Then<TFormDlgPaper>([&](TFormDlgPaper& dialog) {
            if (button.isEmpty()) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
            }
        });
        script.Start();
        QCOMPARE(ui.ShowBlankConfirmation(BlankArgs()), confirmed);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
    }
};

VD_GUI_TEST(BlankConfirmationTest);

#include "BlankConfirmationTest.moc"
