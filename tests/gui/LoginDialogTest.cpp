#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "ModalScript.h"
#include "Typing.h"
#include "WidgetLookup.h"
#include "core/LoginDialog.h"
#include "core/Messages.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

using vd::gui::LoginDialog;
using vd::gui::ToQString;
namespace text = vd::text;

namespace {

vd::LoginDialogArgs StartUpArgs() {
    vd::LoginDialogArgs args;
    args.userNames = {std::string(text::kFirstAdministrator), "Петров Пётр Петрович"};
    args.name = args.userNames.front();
    args.caption = std::string(text::kAppTitle) + std::string(text::kLoginCaptionSuffix);
    args.prompt = text::kLoginPrompt;
    args.nameLabel = text::kLoginNameLabel;
    args.passwordLabel = text::kLoginPasswordLabel;
    args.okCaption = text::kOk;
    args.cancelCaption = text::kCancel;
    args.maskChar = text::kPasswordMask;
    return args;
}

}  // namespace

class LoginDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheTextsAndTheUsers() {
        vd::LoginDialogArgs args = StartUpArgs();
        args.name = args.userNames.back();
        LoginDialog dialog(args);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Radevaredu VI:Logon"));
        const QStringList labels = vd::test::LabelTexts(dialog);
        for (std::string_view shown : {text::kLoginPrompt, text::kLoginNameLabel, text::kLoginPasswordLabel}) {
            QVERIFY2(labels.contains(ToQString(shown)), qPrintable(labels.join('|')));
        }
        auto* names = dialog.findChild<QComboBox*>("cbName");
        QVERIFY(names->isEditable());
        QCOMPARE(names->count(), 2);
        QCOMPARE(names->itemText(1), QStringLiteral("Петров Пётр Петрович"));
        QCOMPARE(names->currentText(), QStringLiteral("Петров Пётр Петрович"));
        QVERIFY(vd::test::ButtonWithText(dialog, text::kOk));
        QVERIFY(vd::test::ButtonWithText(dialog, text::kCancel));
    }

    void masksThePasswordWithTheGivenCharacter_data() {
        QTest::addColumn<QString>("mask");
        QTest::newRow("star") << "*";
        QTest::newRow("hash") << "#";
    }

    void masksThePasswordWithTheGivenCharacter() {
        QFETCH(QString, mask);
        vd::LoginDialogArgs args = StartUpArgs();
        args.maskChar = vd::gui::ToUtf8(mask);
        args.password = "секрет";
        LoginDialog dialog(args);
        auto* password = dialog.findChild<QLineEdit*>("edPassword");
        QCOMPARE(password->text(), QStringLiteral("секрет"));
        QCOMPARE(password->displayText(), mask.repeated(6));
    }

    void confirmingReturnsWhatWasTyped() {
        vd::LoginDialogArgs args = StartUpArgs();
        vd::gui::QtUserInterface ui;
        vd::test::ModalScript script;
        script.Then<LoginDialog>([](LoginDialog& dialog) {
            auto* name = dialog.findChild<QComboBox*>("cbName");
            name->lineEdit()->clear();
            vd::test::TypeText(name->lineEdit(), QStringLiteral("Сидоров"));
            vd::test::TypeText(dialog.findChild<QLineEdit*>("edPassword"), QStringLiteral("пароль 1"));
            QTest::mouseClick(vd::test::ButtonWithText(dialog, text::kOk), Qt::LeftButton);
        });
        script.Start();
        QCOMPARE(ui.ShowDlgLogin(args), 1);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(args.name, std::string("Сидоров"));
        QCOMPARE(args.password, std::string("пароль 1"));
    }

    void cancellingLeavesTheArgumentsAlone_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("cancel button") << false;
        QTest::newRow("escape") << true;
    }

    void cancellingLeavesTheArgumentsAlone() {
        QFETCH(bool, escape);
        vd::LoginDialogArgs args = StartUpArgs();
        vd::gui::QtUserInterface ui;
        vd::test::ModalScript script;
        script.Then<LoginDialog>([&](LoginDialog& dialog) {
            vd::test::TypeText(dialog.findChild<QLineEdit*>("edPassword"), QStringLiteral("abc"));
            if (escape) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                QTest::mouseClick(vd::test::ButtonWithText(dialog, text::kCancel), Qt::LeftButton);
            }
        });
        script.Start();
        QCOMPARE(ui.ShowDlgLogin(args), 2);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(args.name, std::string(text::kFirstAdministrator));
        QCOMPARE(args.password, std::string());
    }
};

VD_GUI_TEST(LoginDialogTest);

#include "LoginDialogTest.moc"
