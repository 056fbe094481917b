#include <QHeaderView>
#include <QMessageBox>
#include <QSplitter>
#include <QTableView>
#include <QTest>

#include <string>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "ModalScript.h"
#include "core/FormSettings.h"
#include "core/UserAdministration.h"
#include "core/UserPasswordDialogWindow.h"
#include "main/MainForm.h"
#include "main/QtUserInterface.h"
#include "register/RegisterWindow.h"
#include "support/Files.h"
#include "support/QtText.h"

using vd::gui::TfMainForm;
using vd::test::GuiDocuments;

namespace {

int VisualOf(const QTableView& grid, const char* title) {
    QHeaderView* header = grid.horizontalHeader();
    for (int i = 0; i < header->count(); ++i) {
        if (grid.model()->headerData(i, Qt::Horizontal).toString() == QString::fromUtf8(title)) {
            return header->visualIndex(i);
        }
    }
    return -1;
}

int WidthOf(const QTableView& grid, const char* title) {
    return grid.horizontalHeader()->sectionSize(grid.horizontalHeader()->logicalIndex(VisualOf(grid, title)));
}

}  // namespace

// Window layouts between runs: the main window's place and size, the register's columns (found
// again by field) and its splitter, the add-user dialog; each window under its own name.
class FormLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void theMainWindowAndTheRegisterComeBackAsLeft() {
        GuiDocuments docs;
        docs.InsertRow(1, 7, 1, 1);
        docs.OpenRegister();
        const std::filesystem::path file = vd::FormSettings(docs.ws.paths).UserFile();
        int masterHeight = 0;
        {
            auto form = docs.ShowMainWindow();
            QVERIFY(!std::filesystem::exists(file));
            form->move(130, 90);
            form->resize(900, 640);
            QTableView* grid = form->Register()->MasterGrid();
            QHeaderView* header = grid->horizontalHeader();
            header->moveSection(VisualOf(*grid, "Эксперт"), 0);
            header->resizeSection(header->logicalIndex(VisualOf(*grid, "№ бланка")), 133);
            auto* splitter = form->Register()->findChild<QSplitter*>("spList");
            const QList<int> sizes = splitter->sizes();
            splitter->setSizes({sizes[0] - 70, sizes[1] + 70});
            QApplication::processEvents();
            masterHeight = grid->height();
            QCOMPARE(masterHeight, sizes[0] - 70);
        }
        QVERIFY(std::filesystem::exists(file));
        const std::string xml = vd::ReadFileBytes(file);
        // The register is stored as a window of its own, not inside the main window; tool bars
        // are never stored.
        QVERIFY(xml.find("<TfMainForm Name=\"fMainForm\"") != std::string::npos);
        QVERIFY(xml.find("<TFormList Name=\"FormList\"") != std::string::npos);
        QCOMPARE(xml.find("Name=\"FormList\""), xml.rfind("Name=\"FormList\""));
        QVERIFY(xml.find("tbTop") == std::string::npos);
        QVERIFY(xml.find("FieldName=\"Expert\" Index=\"0\"") != std::string::npos);

        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QCOMPARE(form->pos(), QPoint(130, 90));
        QCOMPARE(form->size(), QSize(900, 640));
        QTableView* grid = form->Register()->MasterGrid();
        QCOMPARE(VisualOf(*grid, "Эксперт"), 0);
        QCOMPARE(VisualOf(*grid, "№ заключения"), 1);
        QCOMPARE(WidthOf(*grid, "№ бланка"), 133);
        QApplication::processEvents();
        QCOMPARE(grid->height(), masterHeight);
    }

    void theAddUserDialogKeepsItsPlace() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        vd::gui::QtUserInterface ui;
        ui.SetMainWindow(form.get());
        const auto open = [&](const std::function<void(vd::gui::TfAddUser&)>& act) {
            vd::UserPasswordDialog dialog(vd::UserPasswordDialog::Mode::Add, ui, docs.ws.tdm.Users());
            vd::test::ModalScript script;
            script.Then<vd::gui::TfAddUser>([&](vd::gui::TfAddUser& window) {
                act(window);
                window.reject();
            });
            script.Start();
            ui.ShowUserPasswordDialog(dialog);
            QVERIFY2(script.Done(), qPrintable(script.Failure()));
        };
        open([](vd::gui::TfAddUser& window) {
            window.move(210, 170);
            window.resize(420, 190);
        });
        QSize size;
        QPoint place;
        open([&](vd::gui::TfAddUser& window) {
            size = window.size();
            place = window.pos();
        });
        QCOMPARE(size, QSize(420, 190));
        QCOMPARE(place, QPoint(210, 170));
        ui.SetMainWindow(nullptr);
    }
};

VD_GUI_TEST(FormLayoutTest);

#include "FormLayoutTest.moc"
