#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include <string>
#include <vector>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "Typing.h"
#include "core/Messages.h"
#include "main/MainForm.h"
#include "main/MainTexts.h"
#include "register/Messages.h"
#include "register/RegisterCells.h"
#include "register/RegisterWindow.h"
#include "register/StatusColours.h"
#include "support/QtText.h"

using vd::gui::MainCommand;
using vd::gui::RegisterCommand;
using vd::gui::TfMainForm;
using vd::gui::TFormList;
using vd::gui::ToQString;
using vd::test::GuiDocuments;
using vd::test::kToday;

namespace {

QString Cell(const QTableView& grid, int row, int column) {
    return grid.model()->index(row, column).data().toString();
}

QStringList Titles(const QTableView& grid) {
    QStringList titles;
    for (int i = 0; i < grid.model()->columnCount(); ++i) {
        titles << grid.model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    return titles;
}

void ClickTitle(QTableView& grid, int section) {
    QHeaderView* header = grid.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void Wheel(QTableView& grid, int delta) {
    vd::test::TurnWheel(grid.viewport(), delta, QPointF(grid.viewport()->rect().center()));
    QApplication::processEvents();
}

// The pixels of a cell that have exactly this colour.
int PixelsOf(const QImage& image, const QRect& cell, const QColor& colour) {
    int count = 0;
    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y) {
        for (int x = cell.left() + 1; x < cell.right(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

}  // namespace

// The register: columns, status colours, sorting, the wheel, "Только мои", the go-to commands,
// double clicks and document commands over a real database.
class RegisterWindowTest : public QObject {
    Q_OBJECT

private slots:
    void gridsShowTheirColumnsAndTitlesSort() {
        GuiDocuments docs;
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        TFormList* list = form->Register();
        QStringList master;
        for (const vd::GridColumn& c : vd::kRegisterColumns) master << ToQString(c.title.empty() ? c.field : c.title);
        QCOMPARE(Titles(*list->MasterGrid()), master);
        QCOMPARE(master.size(), 17);
        QCOMPARE(master.last(), QStringLiteral("LastDate"));
        QCOMPARE(Titles(*list->GoodsGrid()), (QStringList{"4. №", "5. Описание", "6.", "6. Упаковка",
                                                          "7. Количество", "8. Документы"}));
        QCOMPARE(list->MasterGrid()->horizontalHeader()->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(list->MasterGrid()->cursor().shape() != Qt::PointingHandCursor);

        QStringList popup;
        for (const QAction* a : list->findChild<QMenu*>("pmGrid")->actions()) {
            popup << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        QCOMPARE(popup, (QStringList{"Новый", "Шаблон", "Редактировать", "Удалить", "Выдать", "Испорчен",
                                     "Аннулировать", "Дубликат", "Взамен", "-", "К аннулированному", "К дубликату",
                                     "К выданному взамен", "К основному"}));
        QVERIFY(!list->ReportVisible());
    }

    // Every row in its status colour, the selected one included; a status that cannot be read
    // is grey, a status outside the table keeps the grid's colours.
    void rowsArePaintedInTheirStatusColours() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        const std::vector<int> statuses = {6, 7, 8, 9, 10, 11, 12, 5, 0};
        for (std::size_t i = 0; i < statuses.size(); ++i) {
            const auto id = static_cast<std::int64_t>(i + 1);
            docs.InsertRow(id, statuses[i], static_cast<int>(id), 40 + id, "Ведров", kToday - static_cast<int>(id));
        }
        docs.ws.tdm.Db().Exec("update mcod set status = NULL where id = 9");
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QTableView* grid = form->Register()->MasterGrid();
        grid->resize(900, 400);
        QApplication::processEvents();
        const QImage image = grid->viewport()->grab().toImage();
        const QColor base = grid->palette().color(QPalette::Base);
        for (int row = 0; row < static_cast<int>(statuses.size()); ++row) {
            const QRect cell = grid->visualRect(grid->model()->index(row, 1));
            QVERIFY(cell.isValid());
            const QColor shown = image.pixelColor(cell.left() + 3, cell.center().y());
            const vd::gui::StatusColour* expected =
                vd::gui::StatusColourFor(row == 8 ? std::nullopt : std::optional<int>(statuses[row]));
            QCOMPARE(shown, expected ? expected->Background() : base);
        }
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(Cell(*grid, 0, 1), QStringLiteral("0000041"));
    }

    // Cancelled and duplicate rows, when selected, write in the window's background colour on
    // their status colour; other rows keep the text colour.
    void theSelectedRowChangesOnlyItsTextColour() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        const std::vector<int> statuses = {9, 10, 7};
        for (std::size_t i = 0; i < statuses.size(); ++i) {
            const auto id = static_cast<std::int64_t>(i + 1);
            docs.InsertRow(id, statuses[i], static_cast<int>(id), 40 + id, "Ведров", kToday - static_cast<int>(id));
        }
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QTableView* grid = form->Register()->MasterGrid();
        const QColor base = grid->palette().color(QPalette::Base);
        const QColor text = grid->palette().color(QPalette::Text);
        struct Case {
            int row;
            QColor selectedText;
        };
        for (const Case& c : {Case{0, base}, Case{1, base}, Case{2, text}}) {
            docs.ws.tdm.ASQM().MoveTo(c.row);
            QApplication::processEvents();
            // The blank number's column: not the current cell, which may carry a focus frame.
            const QRect cell = grid->visualRect(grid->model()->index(c.row, 1));
            const QImage selected = grid->viewport()->grab().toImage();
            QVERIFY2(PixelsOf(selected, cell, c.selectedText) > 0, qPrintable(QString::number(c.row)));
            const QColor background = vd::gui::StatusColourFor(statuses[static_cast<std::size_t>(c.row)])->Background();
            QCOMPARE(selected.pixelColor(cell.left() + 3, cell.center().y()), background);
            docs.ws.tdm.ASQM().MoveTo(c.row == 0 ? 1 : 0);
            QApplication::processEvents();
            const QImage unselected = grid->viewport()->grab().toImage();
            if (c.selectedText != text) QCOMPARE(PixelsOf(unselected, cell, c.selectedText), 0);
        }
    }

    void titleClicksSortAscendingDescendingAscending() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        // Issued on different days, by two experts.
        docs.InsertRow(1, 7, 1, 1, "Петров", kToday - 3);
        docs.InsertRow(2, 7, 2, 2, "Ведров", kToday - 1);
        docs.InsertRow(3, 7, 3, 3, "Ведров", kToday - 2);
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QTableView* grid = form->Register()->MasterGrid();
        const auto firstColumn = [&] {
            QStringList numbers;
            for (int row = 0; row < grid->model()->rowCount(); ++row) numbers << Cell(*grid, row, 0).right(1);
            return numbers;
        };
        QCOMPARE(firstColumn(), (QStringList{"2", "3", "1"}));
        struct Click {
            int section;
            const char* sql;
            QStringList order;
        };
        for (const Click& click : {Click{2, "select * from mcod order by DateIssued", {"1", "3", "2"}},
                                   Click{2, "select * from mcod order by DateIssued desc", {"2", "3", "1"}},
                                   Click{2, "select * from mcod order by DateIssued", {"1", "3", "2"}},
                                   Click{3, "select * from mcod order by Expert", {"2", "3", "1"}}}) {
            ClickTitle(*grid, click.section);
            QCOMPARE(QString::fromStdString(docs.ws.tdm.ASQM().Sql()), QString::fromLatin1(click.sql));
            QCOMPARE(firstColumn(), click.order);
            QCOMPARE(grid->currentIndex().row(), 0);
            QCOMPARE(form->windowTitle(),
                     ToQString(std::string(vd::text::kAppTitle) + " - " + docs.ws.tdm.ASQM().Current()->record.referenceNo));
        }
    }

    // One row per event of a whole notch however fast the wheel turns; finer wheels move a row
    // once a notch is collected; the goods grid moves the same way within its lines.
    void theWheelMovesOneRowPerNotch() {
        GuiDocuments docs;
        for (int id = 1; id <= 6; ++id) docs.InsertRow(id, 7, id, id, "Ведров", kToday - id);
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QTableView* grid = form->Register()->MasterGrid();
        struct Turn {
            std::vector<int> deltas;
            int row;
        };
        for (const Turn& turn : {Turn{{-120}, 1}, Turn{{-480}, 2}, Turn{{120}, 1}, Turn{{-30, -30, -30}, 1},
                                 Turn{{-30}, 2}, Turn{{-120, -120, -120, -120, -120}, 5}, Turn{{-120}, 5}}) {
            for (const int delta : turn.deltas) Wheel(*grid, delta);
            QCOMPARE(docs.ws.tdm.ASQM().CurrentIndex(), turn.row);
            QCOMPARE(grid->currentIndex().row(), turn.row);
        }
    }

    void theWheelMovesWithinTheGoodsLines() {
        GuiDocuments docs;
        docs.SaveNewProject();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QTableView* goods = form->Register()->GoodsGrid();
        QCOMPARE(goods->model()->rowCount(), 2);
        QCOMPARE(Cell(*goods, 1, 1), QStringLiteral("Брус"));
        for (const auto& [delta, row] : {std::pair{-120, 1}, {-120, 1}, {240, 0}}) {
            Wheel(*goods, delta);
            QCOMPARE(goods->currentIndex().row(), row);
        }
        QCOMPARE(docs.ws.tdm.ASQM().CurrentIndex(), 0);
    }

    void onlyMineIsForcedOnForExpertsAndTogglesForTheAdministrator() {
        GuiDocuments docs;
        docs.InsertRow(1, 7, 1, 1, "Ведров", kToday - 1);
        docs.InsertRow(2, 7, 2, 2, GuiDocuments::kAdministrator, kToday - 2);
        docs.InsertRow(3, 6, 3, 3, GuiDocuments::kAdministrator, kToday - 3);
        {
            docs.OpenRegister();
            auto form = docs.ShowMainWindow();
            QAction* myOnly = form->Register()->Action(RegisterCommand::MyOnly);
            QVERIFY(myOnly->isChecked());
            QVERIFY(!myOnly->isEnabled());
        }
        docs.LogInAdministrator();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        QAction* myOnly = form->Register()->Action(RegisterCommand::MyOnly);
        QTableView* grid = form->Register()->MasterGrid();
        QVERIFY(myOnly->isEnabled());
        QVERIFY(!myOnly->isChecked());
        QCOMPARE(grid->model()->rowCount(), 3);
        myOnly->trigger();
        QVERIFY(myOnly->isChecked());
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(docs.ws.session.registerFilter.Text(), std::string("Expert=\"Иванов Иван\""));
        myOnly->trigger();
        QCOMPARE(grid->model()->rowCount(), 3);
        QVERIFY(docs.ws.session.registerFilter.Empty());
    }

    void goToCommandsFindTheLinkedRow() {
        GuiDocuments docs;
        docs.InsertRow(1, 7, 1, 1, "Ведров", kToday - 1);
        docs.InsertRow(2, 10, 2, 2, "Ведров", kToday - 2);
        docs.InsertRow(3, 10, 3, 3, "Ведров", kToday - 3);
        const std::string issued = docs.Value("select ReferenceNo from mcod where id = 1");
        const std::string duplicate = docs.Value("select ReferenceNo from mcod where id = 3");
        docs.ws.tdm.Db().Exec("update mcod set goDuplicate = '" + duplicate + "' where id = 1");
        docs.ws.tdm.Db().Exec("update mcod set goTrue = '" + issued + "' where id = 3");
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        TFormList* list = form->Register();
        QVERIFY(list->Action(RegisterCommand::GoDuplicate)->isEnabled());
        QVERIFY(!list->Action(RegisterCommand::GoTrue)->isEnabled());
        list->Action(RegisterCommand::GoDuplicate)->trigger();
        QCOMPARE(docs.ws.tdm.ASQM().CurrentIndex(), 2);
        QCOMPARE(list->MasterGrid()->currentIndex().row(), 2);
        // A duplicate whose original is linked goes back; one without a link cannot.
        QVERIFY(list->Action(RegisterCommand::GoTrue)->isEnabled());
        list->Action(RegisterCommand::GoTrue)->trigger();
        QCOMPARE(docs.ws.tdm.ASQM().CurrentIndex(), 0);
        docs.ws.tdm.ASQM().MoveTo(1);
        QVERIFY(!list->Action(RegisterCommand::GoTrue)->isEnabled());
    }

    // A double click edits a project and shows any other document.
    void aDoubleClickEditsOrViews() {
        GuiDocuments docs;
        docs.SaveNewProject();
        docs.InsertRow(50, 7, 50, 50, "Ведров", kToday - 10);
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->SetWindowFactory(TfMainForm::WorkingWindow::Editor, [] { return std::make_unique<QWidget>(); });
        form->SetWindowFactory(TfMainForm::WorkingWindow::View, [] { return std::make_unique<QWidget>(); });
        QTableView* grid = form->Register()->MasterGrid();
        struct Case {
            int row;
            TfMainForm::WorkingWindow shown;
        };
        for (const Case& c : {Case{1, TfMainForm::WorkingWindow::View}, Case{0, TfMainForm::WorkingWindow::Editor}}) {
            form->Action(MainCommand::List)->trigger();
            docs.ws.tdm.ASQM().MoveTo(c.row);
            const QRect cell = grid->visualRect(grid->model()->index(c.row, 3));
            // A double click is a click and the second press, as a real mouse sends them.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(form->ShownWindow(), form->Window(c.shown));
        }
        QCOMPARE(docs.ws.session.editMode, 2);
        QVERIFY(docs.ws.ui.messages.empty());
    }

    // The core's transition runs, the grid shows what it changed and the print window is asked
    // for (not there yet: the user is told).
    void issuingRepaintsTheRowAndAsksForThePrint() {
        GuiDocuments docs;
        docs.SaveNewProject();
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        form->SetWindowFactory(TfMainForm::WorkingWindow::Print, nullptr);
        TFormList* list = form->Register();
        QVERIFY(list->Action(RegisterCommand::Complete)->isEnabled());
        list->Action(RegisterCommand::Complete)->trigger();
        QCOMPARE(docs.Value("select status from mcod"), std::string("7"));
        QCOMPARE(list->MasterGrid()->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(255, 200, 200));
        QVERIFY(!list->Action(RegisterCommand::Complete)->isEnabled());
        QVERIFY(list->Action(RegisterCommand::Cancel)->isEnabled());
        QVERIFY(!form->Action(MainCommand::Edit)->isEnabled());
        QCOMPARE(docs.ws.ui.MessageTexts().back(), std::string(vd::gui::kNotAvailableYet));

        list->Action(RegisterCommand::New)->trigger();
        QCOMPARE(docs.ws.ui.MessageTexts().back(), std::string(vd::gui::kNotAvailableYet));
    }

    void deletingAProjectTakesItsRowAway() {
        GuiDocuments docs;
        docs.SaveNewProject("ООО \"Первый\"");
        docs.SaveNewProject("ООО \"Второй\"");
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        TFormList* list = form->Register();
        QCOMPARE(list->MasterGrid()->model()->rowCount(), 2);
        docs.ws.ui.answers = {vd::Answer::No, vd::Answer::Yes};
        list->Action(RegisterCommand::Delete)->trigger();
        QCOMPARE(list->MasterGrid()->model()->rowCount(), 2);
        list->Action(RegisterCommand::Delete)->trigger();
        QCOMPARE(list->MasterGrid()->model()->rowCount(), 1);
        QCOMPARE(docs.Value("select count(*) from mcod"), std::string("1"));
        QCOMPARE(list->MasterGrid()->currentIndex().row(), 0);
    }
};

VD_GUI_TEST(RegisterWindowTest);

#include "RegisterWindowTest.moc"
