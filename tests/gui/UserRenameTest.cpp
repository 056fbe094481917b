#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <string>
#include <vector>

#include "GuiTest.h"
#include "ModalScript.h"
#include "Typing.h"
#include "WidgetLookup.h"
#include "core/Messages.h"
#include "core/UserAdministration.h"
#include "core/UserRenameDialogWindow.h"
#include "main/QtUserInterface.h"
#include "support/QtText.h"

using vd::UserRenameDialog;
using vd::gui::TfUserRename;
using vd::gui::ToQString;
using vd::test::ModalScript;
namespace text = vd::text;

namespace {

void TypeAndConfirm(TfUserRename& window, const QString& name) {
    auto* field = window.findChild<QLineEdit*>("EditNewLogin");
    field->clear();
    vd::test::TypeText(field, name);
    QTest::mouseClick(vd::test::ButtonWithText(window, text::kOk), Qt::LeftButton);
}

}  // namespace

class UserRenameTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCurrentNameAndThePrompt() {
        vd::gui::QtUserInterface ui;
        UserRenameDialog dialog(ui, std::string(text::kFirstAdministrator));
        TfUserRename window(dialog);
        QCOMPARE(window.windowTitle(), QStringLiteral("Radevaredu VI: Переименование пользователя"));
        QCOMPARE(vd::test::LabelTexts(window), QStringList{ToQString(text::kRenameUserPrompt)});
        QCOMPARE(window.findChild<QLineEdit*>("EditNewLogin")->text(), ToQString(text::kFirstAdministrator));
        QVERIFY(vd::test::ButtonWithText(window, text::kRenameCancel));
    }

    // The reserved name is refused in any letter case; the default name, which begins with a
    // Latin A, is a different name and passes.
    void refusedNamesKeepTheWindowOpen_data() {
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("message");
        QTest::newRow("reserved, lower case") << QStringLiteral("администратор") << ToQString(text::kReservedNameRefused);
        QTest::newRow("reserved, with blanks") << QStringLiteral("  АДМИНИСТРАТОР ")
                                               << ToQString(text::kReservedNameRefused);
        QTest::newRow("blanks only") << QStringLiteral("   ") << ToQString(text::kUserNameRequired);
    }

    void refusedNamesKeepTheWindowOpen() {
        QFETCH(QString, refused);
        QFETCH(QString, message);
        vd::gui::QtUserInterface ui;
        UserRenameDialog dialog(ui, "Петров");
        QStringList shown;
        ModalScript script;
        script.Then<TfUserRename>([&](TfUserRename& window) { TypeAndConfirm(window, refused); });
        script.Then<QMessageBox>([&](QMessageBox& box) {
            shown << box.text();
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        script.Then<TfUserRename>([](TfUserRename& window) {
            TypeAndConfirm(window, ToQString(text::kFirstAdministrator));
        });
        script.Start();
        QVERIFY(ui.ShowUserRenameDialog(dialog));
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(shown, QStringList{message});
        QCOMPARE(dialog.NewName(), std::string(text::kFirstAdministrator));
    }

    void cancelGivesUp() {
        vd::gui::QtUserInterface ui;
        UserRenameDialog dialog(ui, "Петров");
        ModalScript script;
        script.Then<TfUserRename>([](TfUserRename& window) {
            QTest::mouseClick(vd::test::ButtonWithText(window, text::kRenameCancel), Qt::LeftButton);
        });
        script.Start();
        QVERIFY(!ui.ShowUserRenameDialog(dialog));
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QVERIFY(dialog.NewName().empty());
    }
};

VD_GUI_TEST(UserRenameTest);

#include "UserRenameTest.moc"
