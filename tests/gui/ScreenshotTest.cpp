#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "Screenshot.h"
#include "core/DatabaseBusyDialog.h"
#include "core/LoginDialog.h"
#include "core/Messages.h"
#include "core/SyncReminderDialog.h"
#include "core/UserAdministration.h"
#include "core/UserPasswordDialogWindow.h"
#include "core/UsersTable.h"
#include "main/QtUserInterface.h"
#include "register/RegisterWindow.h"
#include "register/SearchDialog.h"

namespace text = vd::text;

// Pictures of the start-up dialogs for a person to look at (Cyrillic text, layout), kept in
// the build folder under screenshots/.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(QStringLiteral(VD_SCREENSHOT_DIR))); }

    void syncReminder() {
        vd::gui::TfDlgWarningSync dialog(6, 1);
        vd::test::KeepScreenshot(dialog, "sync-reminder.png");
    }

    void login() {
        vd::LoginDialogArgs args;
        args.userNames = {std::string(text::kFirstAdministrator), "Петров Пётр Петрович"};
        args.name = args.userNames.front();
        args.password = "пароль";
        args.caption = std::string(text::kAppTitle) + std::string(text::kLoginCaptionSuffix);
        args.prompt = text::kLoginPrompt;
        args.nameLabel = text::kLoginNameLabel;
        args.passwordLabel = text::kLoginPasswordLabel;
        args.okCaption = text::kOk;
        args.cancelCaption = text::kCancel;
        args.maskChar = text::kPasswordMask;
        vd::gui::LoginDialog dialog(args);
        vd::test::KeepScreenshot(dialog, "login.png");
    }

    void databaseBusy() {
        vd::gui::TFormDlgNetExit dialog;
        vd::test::KeepScreenshot(dialog, "database-busy.png");
    }

    void addUser() {
        vd::gui::QtUserInterface ui;
        vd::UsersTable users;
        users.CreateEmpty();
        vd::UserPasswordDialog dialog(vd::UserPasswordDialog::Mode::Add, ui, users);
        vd::gui::TfAddUser window(dialog);
        vd::test::KeepScreenshot(window, "add-user.png");
    }

    // The main window over a register with a row of every status, one of them selected.
    void registerWithColouredRows() {
        vd::test::GuiDocuments docs;
        docs.LogInAdministrator();
        docs.SaveNewProject("ООО \"Северный лес\"\r\nфилиал в г. Вологде");
        const int statuses[] = {7, 8, 9, 10, 11, 12};
        for (int i = 0; i < 6; ++i) {
            docs.InsertRow(100 + i, statuses[i], 20 + i, 3000 + i, i % 2 ? "Петров" : "Ведров", vd::test::kToday - i - 1);
        }
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->resize(1100, 560);
        docs.ws.tdm.ASQM().MoveTo(3);
        QApplication::processEvents();
        vd::test::KeepScreenshot(*form, "register.png");
    }

    void searchDialog() {
        vd::test::GuiDocuments docs;
        docs.SaveNewProject();
        docs.OpenRegister();
        vd::gui::TfSearch dialog(docs.ws.core);
        vd::test::KeepScreenshot(dialog, "search.png");
    }
};

VD_GUI_TEST(ScreenshotTest);

#include "ScreenshotTest.moc"
