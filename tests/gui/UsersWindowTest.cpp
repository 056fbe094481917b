#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <QTest>

#include <string>
#include <vector>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "core/PasswordHash.h"
#include "core/UserAdministration.h"
#include "exchange/UsersWindow.h"
#include "main/MainForm.h"
#include "support/QtText.h"

using vd::gui::TfMainForm;
using vd::gui::TfUsers;
using vd::gui::ToQString;
using vd::gui::UsersCommand;
using vd::test::GuiDocuments;

namespace {

TfUsers* ShowUsers(TfMainForm& form) {
    form.ShowWorkingWindow(TfMainForm::WorkingWindow::Users);
    return qobject_cast<TfUsers*>(form.Window(TfMainForm::WorkingWindow::Users));
}

void SelectRow(TfUsers& users, int row) {
    users.Grid()->setCurrentIndex(users.Grid()->model()->index(row, 0));
}

}  // namespace

// The users window: the table, the logged-in user's mark, the selection, and the core's four
// commands with their rights.
class UsersWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Rows: 1 the administrator, 2 "Ведров", 3 "Петров".
    void theCommandsFollowTheUserAndTheSelection_data() {
        QTest::addColumn<int>("userId");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<bool>("administration");
        QTest::addColumn<bool>("deletable");
        QTest::newRow("administrator on his own row") << 1 << 0 << true << false;
        QTest::newRow("administrator on an expert") << 1 << 2 << true << true;
        QTest::newRow("expert on another expert") << 2 << 2 << false << false;
        QTest::newRow("expert on his own row") << 2 << 1 << false << false;
    }

    void theCommandsFollowTheUserAndTheSelection() {
        QFETCH(int, userId);
        QFETCH(int, selectedRow);
        QFETCH(bool, administration);
        QFETCH(bool, deletable);
        GuiDocuments docs;
        if (userId == 1) {
            docs.LogInAdministrator();
        } else {
            docs.LogIn(userId, docs.ws.tdm.Users().FindById(userId)->userName);
        }
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        TfUsers* users = ShowUsers(*form);
        QCOMPARE(users->Grid()->model()->rowCount(), 3);
        QCOMPARE(users->Grid()->model()->index(1, 0).data().toString(), QStringLiteral("Ведров"));
        SelectRow(*users, selectedRow);
        QCOMPARE(users->SelectedId(), selectedRow + 1);
        QCOMPARE(users->Action(UsersCommand::Add)->isEnabled(), administration);
        QCOMPARE(users->Action(UsersCommand::Properties)->isEnabled(), administration);
        QCOMPARE(users->Action(UsersCommand::Rename)->isEnabled(), administration);
        QCOMPARE(users->Action(UsersCommand::Delete)->isEnabled(), deletable);
        // Only the logged-in user's row carries the mark.
        for (int row = 0; row < 3; ++row) {
            const QVariant mark = users->Grid()->model()->headerData(row, Qt::Vertical, Qt::DecorationRole);
            QCOMPARE(mark.isValid(), row + 1 == userId);
        }
    }

    void addingAndDeletingShowInTheGrid() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        TfUsers* users = ShowUsers(*form);
        docs.ws.ui.passwordDialogs.push_back([](vd::UserPasswordDialog& dialog) {
            return dialog.Confirm("Сидоров", "пароль", "пароль").outcome == vd::UserPasswordDialog::Outcome::Accepted;
        });
        users->Action(UsersCommand::Add)->trigger();
        QCOMPARE(users->Grid()->model()->rowCount(), 4);
        QCOMPARE(users->Grid()->currentIndex().data().toString(), QStringLiteral("Сидоров"));
        QVERIFY(users->Action(UsersCommand::Delete)->isEnabled());

        docs.ws.ui.answers = {vd::Answer::Yes};
        users->Action(UsersCommand::Delete)->trigger();
        QCOMPARE(users->Grid()->model()->rowCount(), 3);
        QVERIFY(!docs.ws.tdm.Users().FindByName("Сидоров"));
        QCOMPARE(docs.ws.ui.messages.back().text, std::string("Вы действительно хотите удалить пользователя \"Сидоров\"?"));
    }

    // A double click opens the properties of the user under it; the selection is drawn on the
    // window's colour, not the selection colour.
    void aDoubleClickOpensThePropertiesOfThatUser() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        TfUsers* users = ShowUsers(*form);
        std::string shownFor;
        docs.ws.ui.passwordDialogs.push_back([&](vd::UserPasswordDialog& dialog) {
            shownFor = dialog.Name();
            return false;
        });
        const QRect cell = users->Grid()->visualRect(users->Grid()->model()->index(2, 0));
        QTest::mouseClick(users->Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(users->Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(shownFor, std::string("Петров"));
        const QImage image = users->Grid()->viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(cell.right() - 3, cell.center().y()), users->Grid()->palette().color(QPalette::Base));
    }
};

VD_GUI_TEST(UsersWindowTest);

#include "UsersWindowTest.moc"
