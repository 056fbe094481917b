#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTest>

#include <string>
#include <vector>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "core/Messages.h"
#include "core/UserAdministration.h"
#include "exchange/UsersWindow.h"
#include "main/MainForm.h"
#include "main/MainTexts.h"
#include "register/Messages.h"
#include "register/RegisterWindow.h"
#include "support/ApplicationErrors.h"
#include "support/QtText.h"

using vd::gui::MainCommand;
using vd::gui::TfMainForm;
using vd::gui::ToQString;
using vd::test::GuiDocuments;
namespace text = vd::text;

namespace {

QString HelpLine(const TfMainForm& form) { return form.findChild<QLabel*>("helpLine")->text(); }
QString StatusText(const TfMainForm& form) { return form.findChild<QLabel*>("statusText")->text(); }

QMenu* MenuTitled(const TfMainForm& form, std::string_view title) {
    for (QAction* item : form.menuBar()->actions()) {
        if (item->menu() && item->text() == ToQString(title)) return item->menu();
    }
    return nullptr;
}

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* item : menu.actions()) captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

}  // namespace

// The frame of the program: menus, the commands' rules, the caption, the client area, the first
// showing and the hooks later windows plug into.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void menusHoldTheCommandsInOrder() {
        GuiDocuments docs;
        TfMainForm form(docs.ws.core);
        QCOMPARE(Captions(*MenuTitled(form, vd::gui::kFileMenu)),
                 (QStringList{"Сменить пароль", "-", "&Создать архив", "&Восстановить из архива",
                              "Модифицировать АРМ", "&Создать архив", "Импорт данных ЦБД", "Загрузить контрагентов",
                              "Загрузить товары"}));
        QCOMPARE(Captions(*MenuTitled(form, vd::gui::kDocumentMenu)),
                 (QStringList{"Поиск", "Редактировать", "&Просмотр", "П&ечать", "&Список"}));
        QCOMPARE(Captions(*MenuTitled(form, vd::gui::kAdministratorMenu)),
                 (QStringList{"&Пользователи", "&Настройки", "&Синхронизация", "Статистика"}));
        QCOMPARE(Captions(*MenuTitled(form, vd::gui::kHelpMenu)),
                 (QStringList{"О программе", "Руководство пользователя АРМ", "Контекстная помощ"}));
        for (const char* counter : {"miSpacer", "miTotal", "miFound"}) {
            QVERIFY(!form.findChild<QAction*>(counter)->isVisible());
        }
        const std::vector<std::pair<MainCommand, QString>> shortcuts = {
            {MainCommand::Search, "F2"}, {MainCommand::Edit, "F4"},  {MainCommand::View, "F3"},
            {MainCommand::Print, "F5"},  {MainCommand::List, "F6"},  {MainCommand::Users, "F7"},
            {MainCommand::Settings, "F8"}, {MainCommand::Sync, "F9"}, {MainCommand::Statistic, "Ctrl+F2"},
            {MainCommand::HelpContext, "F1"}};
        for (const auto& [command, keys] : shortcuts) {
            QCOMPARE(form.Action(command)->shortcut(), QKeySequence(keys));
        }
        QCOMPARE(form.Action(MainCommand::Search)->statusTip(), QStringLiteral("поиск заключений"));
    }

    // Administrator commands follow the user; "Модифицировать АРМ" and "Загрузить товары" are
    // everybody's.
    void administratorCommandsFollowTheUser_data() {
        QTest::addColumn<int>("userId");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<bool>("administration");
        QTest::newRow("expert") << 2 << QStringLiteral("Ведров") << false;
        QTest::newRow("administrator") << 1 << QStringLiteral("Aдминистратор Иванов") << true;
    }

    void administratorCommandsFollowTheUser() {
        QFETCH(int, userId);
        QFETCH(QString, userName);
        QFETCH(bool, administration);
        GuiDocuments docs;
        docs.LogIn(userId, vd::gui::ToUtf8(userName));
        TfMainForm form(docs.ws.core);
        form.SetEnableActions();
        QCOMPARE(MenuTitled(form, vd::gui::kAdministratorMenu)->menuAction()->isEnabled(), administration);
        for (const MainCommand c : {MainCommand::Users, MainCommand::Settings, MainCommand::Sync,
                                    MainCommand::Statistic, MainCommand::Export, MainCommand::Import,
                                    MainCommand::Rollback, MainCommand::LoadContragents}) {
            QCOMPARE(form.Action(c)->isEnabled(), administration);
        }
        for (const MainCommand c : {MainCommand::Modify, MainCommand::LoadGoods, MainCommand::Search,
                                    MainCommand::List, MainCommand::ChangePassword, MainCommand::About}) {
            QVERIFY(form.Action(c)->isEnabled());
        }
    }

    void anEmptyRegisterDisablesEditAndPrintAndShowsTheTitleAlone() {
        GuiDocuments docs;
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QVERIFY(!form->Action(MainCommand::Edit)->isEnabled());
        QVERIFY(!form->Action(MainCommand::Print)->isEnabled());
        QVERIFY(form->Action(MainCommand::View)->isEnabled());
        QCOMPARE(form->windowTitle(), ToQString(text::kAppTitle));
        QVERIFY(docs.ws.session.readOnlyView);
    }

    void aProjectEnablesEditAndPrintAndNamesItselfInTheCaption() {
        GuiDocuments docs;
        const std::string reference = docs.SaveNewProject();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QVERIFY(form->Action(MainCommand::Edit)->isEnabled());
        QVERIFY(form->Action(MainCommand::Print)->isEnabled());
        QCOMPARE(form->windowTitle(), ToQString(std::string(text::kAppTitle) + " - " + reference));
        QVERIFY(!docs.ws.session.readOnlyView);
    }

    void theFirstShowingShowsTheRegister() {
        GuiDocuments docs;
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QCOMPARE(form->ShownWindow(), form->Register());
        QCOMPARE(HelpLine(*form), ToQString(vd::text::kRegisterHelpLine));
    }

    // Only the administrator still under the default name (a Latin A first) is asked to rename.
    void theDefaultAdministratorIsAskedForHisName_data() {
        QTest::addColumn<int>("userId");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<bool>("asked");
        QTest::newRow("default administrator") << 1 << ToQString(text::kFirstAdministrator) << true;
        QTest::newRow("any letter case") << 1 << QStringLiteral("AДМИНИСТРАТОР") << true;
        QTest::newRow("renamed administrator") << 1 << QStringLiteral("Иванов") << false;
        QTest::newRow("another user of that name") << 2 << ToQString(text::kFirstAdministrator) << false;
    }

    void theDefaultAdministratorIsAskedForHisName() {
        QFETCH(int, userId);
        QFETCH(QString, userName);
        QFETCH(bool, asked);
        GuiDocuments docs;
        docs.ws.tdm.Users().SetName(1, vd::gui::ToUtf8(userName));
        docs.LogIn(userId, vd::gui::ToUtf8(userName));
        docs.OpenRegister();
        std::string offered;
        docs.ws.ui.renameDialogs.push_back([&](vd::UserRenameDialog& dialog) {
            offered = dialog.CurrentName();
            return dialog.Confirm("Иванов Иван Иванович");
        });
        TfMainForm form(docs.ws.core);
        form.show();
        QTest::qWait(100);
        QCOMPARE(!offered.empty(), asked);
        if (!asked) return;
        QCOMPARE(ToQString(offered), userName);
        QCOMPARE(form.ShownWindow(), form.Window(TfMainForm::WorkingWindow::Users));
        QCOMPARE(docs.ws.session.currentUserName, std::string("Иванов Иван Иванович"));
        QCOMPARE(docs.ws.tdm.Users().FindById(1)->userName, std::string("Иванов Иван Иванович"));
    }

    // The reminder's answer: without a synchronisation window the help line says so; with one,
    // it is shown and receives the request (1 online, 2 to a file).
    void theRemindersAnswerReachesTheSynchronisation_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("request");
        QTest::newRow("online") << 2 << 1;
        QTest::newRow("to a file") << 3 << 2;
        QTest::newRow("cancelled") << 1 << 0;
    }

    void theRemindersAnswerReachesTheSynchronisation() {
        QFETCH(int, choice);
        QFETCH(int, request);
        for (const bool withWindow : {false, true}) {
            GuiDocuments docs;
            docs.LogIn(1, "Иванов");
            docs.OpenRegister();
            docs.ws.session.syncChoice = choice;
            auto form = std::make_unique<TfMainForm>(docs.ws.core);
            int received = 0;
            if (withWindow) {
                form->SetWindowFactory(TfMainForm::WorkingWindow::Sync, [] { return std::make_unique<QWidget>(); });
                form->SetSyncRequestHandler([&](int r) { received = r; });
            } else {
                form->SetWindowFactory(TfMainForm::WorkingWindow::Sync, nullptr);
            }
            form->show();
            QTest::qWait(100);
            QCOMPARE(received, withWindow ? request : 0);
            const bool told = HelpLine(*form) == ToQString(vd::gui::kSyncNotAvailableYet);
            QCOMPARE(told, !withWindow && request != 0);
            if (withWindow && request != 0) {
                QCOMPARE(form->ShownWindow(), form->Window(TfMainForm::WorkingWindow::Sync));
            }
            QVERIFY(docs.ws.ui.messages.empty());
        }
    }

    // A command whose window is missing says so; a window plugged in with one line is made on
    // first use, kept, shown in the client area, and the view returns to where it came from.
    void workingWindowsPlugIntoTheClientArea() {
        GuiDocuments docs;
        docs.SaveNewProject();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->SetWindowFactory(TfMainForm::WorkingWindow::View, nullptr);
        form->Action(MainCommand::View)->trigger();
        QCOMPARE(docs.ws.ui.MessageTexts(), std::vector<std::string>{std::string(vd::gui::kNotAvailableYet)});
        QCOMPARE(form->ShownWindow(), form->Register());

        int made = 0;
        form->SetWindowFactory(TfMainForm::WorkingWindow::View, [&] {
            ++made;
            auto view = std::make_unique<QWidget>();
            view->setObjectName("fView");
            return view;
        });
        form->Action(MainCommand::View)->trigger();
        QWidget* view = form->Window(TfMainForm::WorkingWindow::View);
        QVERIFY(view);
        QCOMPARE(form->ShownWindow(), view);
        QVERIFY(view->isVisible());
        QVERIFY(!form->Register()->isVisible());
        form->ReturnToPreviousWindow();
        QCOMPARE(form->ShownWindow(), form->Register());
        QCOMPARE(HelpLine(*form), ToQString(vd::text::kRegisterHelpLine));
        form->OpenView();
        QCOMPARE(form->ShownWindow(), view);
        QCOMPARE(made, 1);

        // The editor opens the register's project after the core's preparation.
        form->SetWindowFactory(TfMainForm::WorkingWindow::Editor, [] { return std::make_unique<QWidget>(); });
        form->Action(MainCommand::List)->trigger();
        form->Action(MainCommand::Edit)->trigger();
        QCOMPARE(form->ShownWindow(), form->Window(TfMainForm::WorkingWindow::Editor));
        QCOMPARE(docs.ws.session.editMode, 2);
    }

    void theStatusBarShowsTheLongPartOfAHint_data() {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one text") << QStringLiteral("Пересылка данных") << QStringLiteral("Пересылка данных");
        QTest::newRow("short and long") << QStringLiteral("Печать|Печать заключения на бланке")
                                        << QStringLiteral("Печать заключения на бланке");
        QTest::newRow("nothing under the mouse") << QString() << QString();
    }

    void theStatusBarShowsTheLongPartOfAHint() {
        QFETCH(QString, hint);
        QFETCH(QString, shown);
        GuiDocuments docs;
        TfMainForm form(docs.ws.core);
        form.SetStatusText(QStringLiteral("до"));
        QStatusTipEvent tip(hint);
        QApplication::sendEvent(&form, &tip);
        QCOMPARE(StatusText(form), shown);
    }

    void anUncaughtExceptionIsJournalledWithItsObjectsClass() {
        GuiDocuments docs;
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        docs.ws.sink.events.clear();
        vd::gui::ReportApplicationException(docs.ws.journal, form->Register(), "диск полон");
        vd::gui::ReportApplicationException(docs.ws.journal, nullptr, "без объекта");
        const auto reported = docs.ws.sink.WithId(vd::event::kUnexpectedFailure);
        QCOMPARE(reported.size(), std::size_t{2});
        QCOMPARE(reported[0].strings[0], std::string("[Ведров]uFormMain.TfMainForm._Exception"));
        QCOMPARE(reported[0].strings[1], std::string("TFormList == диск полон"));
        QCOMPARE(reported[1].strings[1], std::string("none == без объекта"));
    }
};

VD_GUI_TEST(MainWindowTest);

#include "MainWindowTest.moc"
