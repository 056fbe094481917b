#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

#include "GuiTest.h"
#include "ModalScript.h"
#include "Typing.h"
#include "WidgetLookup.h"
#include "core/CommentDialog.h"
#include "core/Messages.h"
#include "core/SimLoginDialog.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

using vd::gui::CommentDialog;
using vd::gui::SimLoginDialog;
using vd::gui::ToQString;
using vd::test::ModalScript;
namespace text = vd::text;

// The comment, expert-service login and about dialogs: what they are given is shown, what is
// typed comes back, and cancelling leaves the arguments alone.
class LibraryDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void theCommentComesBackWithStoredLineBreaks() {
        vd::CommentDialogArgs args;
        args.comment = "Бланк испорчен\r\nпри печати";
        args.caption = "Комментарий";
        args.prompt = "Укажите причину";
        args.okCaption = "Ok";
        args.cancelCaption = "Отмена";
        vd::gui::QtUserInterface ui;
        ModalScript script;
        script.Then<CommentDialog>([](CommentDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Комментарий"));
            auto* edit = dialog.findChild<QPlainTextEdit*>("edComment");
            QCOMPARE(edit->toPlainText(), QStringLiteral("Бланк испорчен\nпри печати"));
            edit->moveCursor(QTextCursor::End);
            QTest::keyClick(edit, Qt::Key_Return);
            vd::test::TypeText(edit, QStringLiteral("(замята)"));
            QTest::mouseClick(vd::test::ButtonWithText(dialog, "Ok"), Qt::LeftButton);
        });
        script.Start();
        QCOMPARE(ui.ShowDlgComment(args), 1);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(args.comment, std::string("Бланк испорчен\r\nпри печати\r\n(замята)"));
    }

    void aCancelledCommentIsKept() {
        vd::CommentDialogArgs args;
        args.comment = "прежний";
        args.okCaption = "Ok";
        args.cancelCaption = "Отмена";
        vd::gui::QtUserInterface ui;
        ModalScript script;
        script.Then<CommentDialog>([](CommentDialog& dialog) {
            vd::test::TypeText(dialog.findChild<QPlainTextEdit*>("edComment"), QStringLiteral("новый"));
            QTest::mouseClick(vd::test::ButtonWithText(dialog, "Отмена"), Qt::LeftButton);
        });
        script.Start();
        QCOMPARE(ui.ShowDlgComment(args), 2);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(args.comment, std::string("прежний"));
    }

    void theServiceLoginReturnsAllFourFields() {
        vd::SimLoginDialogArgs args;
        args.login = "expert";
        args.userName = "Петров";
        args.caption = "Radevaredu VI :Подключение к ZEZ";
        args.loginLabel = "Имя эксперта";
        args.passwordLabel = "Пароль эксперта";
        args.userNameLabel = "Имя пользователя";
        args.projectLabel = "Номер проекта заключения";
        args.okCaption = "Получить";
        args.cancelCaption = "Отменить";
        args.maskChar = "*";
        vd::gui::QtUserInterface ui;
        ModalScript script;
        script.Then<SimLoginDialog>([](SimLoginDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Radevaredu VI :Подключение к ZEZ"));
            QCOMPARE(vd::test::LabelTexts(dialog).mid(1),
                     (QStringList{"Имя эксперта", "Пароль эксперта", "Имя пользователя", "Номер проекта заключения"}));
            QCOMPARE(dialog.findChild<QLineEdit*>("edLogin")->text(), QStringLiteral("expert"));
            auto* password = dialog.findChild<QLineEdit*>("edPassword");
            vd::test::TypeText(password, QStringLiteral("tajna"));
            QCOMPARE(password->displayText(), QStringLiteral("*****"));
            // Only digits reach the project number.
            vd::test::TypeText(dialog.findChild<QLineEdit*>("edProjectNumber"), QStringLiteral("12a3-4"));
            QTest::mouseClick(vd::test::ButtonWithText(dialog, "Получить"), Qt::LeftButton);
        });
        script.Start();
        QCOMPARE(ui.ShowDlgSimLogin(args), 1);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(args.login, std::string("expert"));
        QCOMPARE(args.password, std::string("tajna"));
        QCOMPARE(args.userName, std::string("Петров"));
        QCOMPARE(args.projectNumber, std::string("1234"));
    }

    void theAboutBoxShowsDescriptionVersionAndContacts() {
        vd::AboutDialogArgs args{"О программе", std::string(text::kProductDescription), std::string(text::kVersionText),
                                 "тел. 000", "OK"};
        vd::gui::QtUserInterface ui;
        QString shown;
        ModalScript script;
        script.Then<QMessageBox>([&](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("О программе"));
            shown = box.text();
            QTest::mouseClick(vd::test::ButtonWithText(box, "OK"), Qt::LeftButton);
        });
        script.Start();
        QCOMPARE(ui.ShowDlgAbout(args), 1);
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(shown, vd::gui::ToDisplayText(args.description + args.version + args.contacts));
        QVERIFY(!shown.contains('\r'));
    }
};

VD_GUI_TEST(LibraryDialogsTest);

#include "LibraryDialogsTest.moc"
