#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "GuiTest.h"
#include "ModalScript.h"
#include "Typing.h"
#include "WidgetLookup.h"
#include "core/Messages.h"
#include "core/PasswordHash.h"
#include "core/UserAdministration.h"
#include "core/UserPasswordDialogWindow.h"
#include "core/UsersTable.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

using vd::UserPasswordDialog;
using vd::gui::TfAddUser;
using vd::gui::ToQString;
using vd::test::ModalScript;
namespace text = vd::text;

namespace {

struct Typed {
    QString name;
    QString first;
    QString second;
};

// Fills the three fields as a user would and presses "Ok".
void TypeAndConfirm(TfAddUser& window, const Typed& typed) {
    auto* name = window.findChild<QLineEdit*>("ntEditName");
    if (!name->isReadOnly()) {
        name->clear();
        vd::test::TypeText(name, typed.name);
    }
    for (const auto& [field, value] : {std::pair{"ntEditOldPassword", typed.first}, {"ntEditNewPassword", typed.second}}) {
        auto* edit = window.findChild<QLineEdit*>(field);
        edit->clear();
        vd::test::TypeText(edit, value);
    }
    QTest::mouseClick(vd::test::ButtonWithText(window, text::kOk), Qt::LeftButton);
}

// What the error boxes said, each closed with its only button.
struct ErrorBoxes {
    std::vector<std::string> texts;
    std::vector<std::string> captions;

    std::function<void(QMessageBox&)> Close() {
        return [this](QMessageBox& box) {
            texts.push_back(vd::gui::ToUtf8(box.text()));
            captions.push_back(vd::gui::ToUtf8(box.windowTitle()));
            QCOMPARE(box.icon(), QMessageBox::Critical);
            QTest::keyClick(&box, Qt::Key_Escape);
        };
    }
};

}  // namespace

class UserPasswordDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        users_ = vd::UsersTable();
        users_.CreateEmpty();
        users_.Append(text::kFirstAdministrator, vd::PasswordHash(""));
    }

    void modeShapesTheWindow_data() {
        QTest::addColumn<bool>("properties");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("nameEditable");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("add") << false << ToQString(text::kAddUserCaption) << QString() << true
                             << QStringList{ToQString(text::kUserNameLabel), ToQString(text::kPasswordLabel),
                                            ToQString(text::kCheckLabel)};
        QTest::newRow("properties") << true << ToQString(text::kUserPropertiesCaption)
                                    << ToQString(text::kFirstAdministrator) << false
                                    << QStringList{ToQString(text::kUserNameLabel), ToQString(text::kOldPasswordLabel),
                                                   ToQString(text::kNewPasswordLabel)};
    }

    void modeShapesTheWindow() {
        QFETCH(bool, properties);
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QFETCH(bool, nameEditable);
        QFETCH(QStringList, labels);
        vd::gui::QtUserInterface ui;
        UserPasswordDialog dialog = properties ? UserPasswordDialog(UserPasswordDialog::Mode::Properties, ui, users_,
                                                                    std::string(text::kFirstAdministrator),
                                                                    vd::PasswordHash(""))
                                               : UserPasswordDialog(UserPasswordDialog::Mode::Add, ui, users_);
        TfAddUser window(dialog);

        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(vd::test::LabelTexts(window), labels);
        auto* nameField = window.findChild<QLineEdit*>("ntEditName");
        QCOMPARE(nameField->text(), name);
        QCOMPARE(nameField->isReadOnly(), !nameEditable);
        for (const char* field : {"ntEditOldPassword", "ntEditNewPassword"}) {
            auto* edit = window.findChild<QLineEdit*>(field);
            vd::test::TypeText(edit, QStringLiteral("abc"));
            QCOMPARE(edit->displayText(), QStringLiteral("***"));
        }
        QCOMPARE(vd::test::ButtonWithText(window, text::kOk)->toolTip(), ToQString(text::kConfirmPasswordHint));
        QCOMPARE(vd::test::ButtonWithText(window, text::kCancel)->toolTip(), ToQString(text::kCancelPasswordHint));
    }

    void thirdMismatchClosesWithoutAdding() {
        vd::gui::QtUserInterface ui;
        UserPasswordDialog dialog(UserPasswordDialog::Mode::Add, ui, users_);
        ErrorBoxes errors;
        QStringList focusAfterError;
        ModalScript script;
        for (int attempt = 0; attempt < 3; ++attempt) {
            script.Then<TfAddUser>([&, attempt](TfAddUser& window) {
                if (attempt > 0) focusAfterError << window.focusWidget()->objectName();
                TypeAndConfirm(window, {"Петров", "a", "b"});
            });
            script.Then<QMessageBox>(errors.Close());
        }
        script.Start();
        QVERIFY(!ui.ShowUserPasswordDialog(dialog));
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        const std::string differ(text::kPasswordsDiffer);
        QCOMPARE(errors.texts, (std::vector<std::string>{differ, differ, differ}));
        QCOMPARE(errors.captions, (std::vector<std::string>(3, std::string(text::kAppTitle))));
        QCOMPARE(focusAfterError, (QStringList{"ntEditOldPassword", "ntEditOldPassword"}));
        QVERIFY(dialog.NewHash().empty());
    }

    void aTakenNameCanBeCorrected() {
        vd::gui::QtUserInterface ui;
        UserPasswordDialog dialog(UserPasswordDialog::Mode::Add, ui, users_);
        ErrorBoxes errors;
        QString focusAfterError;
        ModalScript script;
        script.Then<TfAddUser>([](TfAddUser& window) {
            TypeAndConfirm(window, {ToQString(text::kFirstAdministrator), "a", "a"});
        });
        script.Then<QMessageBox>(errors.Close());
        script.Then<TfAddUser>([&](TfAddUser& window) {
            focusAfterError = window.focusWidget()->objectName();
            TypeAndConfirm(window, {"  Сидоров  ", "a", "a"});
        });
        script.Start();
        QVERIFY(ui.ShowUserPasswordDialog(dialog));
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(errors.texts, std::vector<std::string>{std::string(text::kUserExists)});
        QCOMPARE(focusAfterError, QStringLiteral("ntEditName"));
        QCOMPARE(dialog.Name(), std::string("Сидоров"));
        QCOMPARE(dialog.NewHash(), vd::PasswordHash("a"));
    }

    void cancelClosesWithoutAsking() {
        vd::gui::QtUserInterface ui;
        UserPasswordDialog dialog(UserPasswordDialog::Mode::Add, ui, users_);
        ModalScript script;
        script.Then<TfAddUser>([](TfAddUser& window) {
            QTest::mouseClick(vd::test::ButtonWithText(window, text::kCancel), Qt::LeftButton);
        });
        script.Start();
        QVERIFY(!ui.ShowUserPasswordDialog(dialog));
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(dialog.Failures(), 0);
    }

    void leavingTheNameFieldTrimsIt() {
        vd::gui::QtUserInterface ui;
        UserPasswordDialog dialog(UserPasswordDialog::Mode::Add, ui, users_);
        TfAddUser window(dialog);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* name = window.findChild<QLineEdit*>("ntEditName");
        name->setFocus();
        vd::test::TypeText(name, QStringLiteral("  Петров Пётр  "));
        QCOMPARE(name->text(), QStringLiteral("  Петров Пётр  "));  // typing alone keeps the blanks
        window.findChild<QLineEdit*>("ntEditOldPassword")->setFocus();
        QTRY_COMPARE(name->text(), QStringLiteral("Петров Пётр"));
    }

private:
    vd::UsersTable users_;
};

VD_GUI_TEST(UserPasswordDialogTest);

#include "UserPasswordDialogTest.moc"
