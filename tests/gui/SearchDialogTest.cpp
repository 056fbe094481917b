#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <string>
#include <vector>

#include "GuiDocuments.h"
#include "GuiTest.h"
#include "ModalScript.h"
#include "Typing.h"
#include "WidgetLookup.h"
#include "documents/ContragentDictionary.h"
#include "documents/ContragentWindow.h"
#include "documents/Messages.h"
#include "main/MainForm.h"
#include "main/MainTexts.h"
#include "register/RegisterWindow.h"
#include "register/SearchDialog.h"
#include "support/QtText.h"

using vd::gui::MainCommand;
using vd::gui::TfSearch;
using vd::gui::ToQString;
using vd::test::Find;
using vd::test::GuiDocuments;
using vd::test::kToday;
using vd::test::ModalScript;

namespace {

// Types into a masked field from its first position, as a user who clicked into it.
void TypeMasked(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->setCursorPosition(0);
    for (const QChar ch : text) {
        if (ch == QLatin1Char(' ')) {
            QTest::keyClick(field, Qt::Key_Right);
        } else {
            QTest::keyClick(field, ch.toLatin1());
        }
    }
}

void SetRow(QTableWidget* grid, int row, const QString& text) { grid->item(row, 0)->setText(text); }

QStringList CounterTexts(const vd::gui::TfMainForm& form) {
    QStringList texts;
    for (const char* name : {"miTotal", "miFound"}) {
        const auto* counter = form.findChild<QAction*>(name);
        texts << (counter->isVisible() ? counter->text() : QString());
    }
    return texts;
}

}  // namespace

// The search dialog: what its controls hand to the core's search, what it shows at first, its
// pickers, and the register and main window around a search.
class SearchDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theControlsGiveTheConditions() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        docs.OpenRegister();
        TfSearch dialog(docs.ws.core);
        TypeMasked(Find<QLineEdit>(dialog, "meNumber"), QStringLiteral("12"));
        TypeMasked(Find<QLineEdit>(dialog, "meBlank"), QStringLiteral("000012"));
        TypeMasked(Find<QLineEdit>(dialog, "meYear"), QStringLiteral("6"));
        Find<QPushButton>(dialog, "btIgnoreFrom")->click();
        Find<QDateEdit>(dialog, "dtTo")->setDate(QDate(2026, 3, 1));
        SetRow(Find<QTableWidget>(dialog, "sgDeclarant"), 0, QStringLiteral("Лес"));
        SetRow(Find<QTableWidget>(dialog, "sgDeclarant"), 3, QStringLiteral("Вологда"));
        Find<QRadioButton>(dialog, "rbDeclarantOr")->setChecked(true);
        Find<QPlainTextEdit>(dialog, "meMarks")->setPlainText(QStringLiteral("Копия\nот"));
        vd::test::TypeText(Find<QLineEdit>(dialog, "edExpert"), QStringLiteral("Вед"));
        Find<QComboBox>(dialog, "cbStatus")->setCurrentText(QStringLiteral("Аннулирован"));
        SetRow(Find<QTableWidget>(dialog, "sgGoods"), 1, QStringLiteral("Брус"));

        const vd::SearchConditions c = dialog.Conditions();
        QCOMPARE(ToQString(c.number), QStringLiteral("12????"));
        QCOMPARE(ToQString(c.blank), QStringLiteral("000012?"));
        QCOMPARE(ToQString(c.yearDigit), QStringLiteral("6"));
        QVERIFY(!c.from);
        QVERIFY(!Find<QDateEdit>(dialog, "dtFrom")->isVisibleTo(&dialog));
        QCOMPARE(c.to, std::optional<vd::DayNumber>(vd::ToDayNumber(vd::CalendarDate{2026, 3, 1})));
        QCOMPARE(c.declarants.size(), vd::kSearchGridRows);
        QCOMPARE(c.declarants[0], std::string("Лес"));
        QCOMPARE(c.declarants[3], std::string("Вологда"));
        QVERIFY(c.declarants[1].empty());
        QVERIFY(c.declarantsOr);
        QCOMPARE(c.marks, std::string("Копия\r\nот"));
        QCOMPARE(c.expert, std::string("Вед"));
        QCOMPARE(c.statusName, std::string("Аннулирован"));
        QCOMPARE(c.goods[1], std::string("Брус"));
        QVERIFY(!c.goodsOr);

        // Shown again, the date is a condition again; untouched masks are all blanks.
        Find<QPushButton>(dialog, "btUseFrom")->click();
        QVERIFY(dialog.Conditions().from.has_value());
        TfSearch fresh(docs.ws.core);
        QCOMPARE(ToQString(fresh.Conditions().number), QStringLiteral("??????"));
        QCOMPARE(ToQString(fresh.Conditions().blank), QStringLiteral("???????"));
        QCOMPARE(ToQString(fresh.Conditions().yearDigit), QStringLiteral("?"));
    }

    // At first: the station's chamber code, "нет данных", both dates shown from the smallest to
    // the largest declaration date, and the expert field as the core gives it.
    void theDialogOpensWithTheCoresStart_data() {
        QTest::addColumn<int>("userId");
        QTest::addColumn<QString>("expert");
        QTest::addColumn<bool>("editable");
        QTest::newRow("expert") << 2 << QStringLiteral("Ведров") << false;
        QTest::newRow("administrator") << 1 << QString() << true;
    }

    void theDialogOpensWithTheCoresStart() {
        QFETCH(int, userId);
        QFETCH(QString, expert);
        QFETCH(bool, editable);
        GuiDocuments docs;
        if (userId == 1) docs.LogInAdministrator();
        docs.InsertRow(1, 7, 1, 1);
        docs.InsertRow(2, 7, 2, 2);
        docs.ws.tdm.Db().Exec("update mcod set declarationDate = " + std::to_string(kToday - 40) + " where id = 1");
        docs.ws.tdm.Db().Exec("update mcod set declarationDate = " + std::to_string(kToday - 5) + " where id = 2");
        docs.OpenRegister();
        TfSearch dialog(docs.ws.core);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Поиск"));
        QCOMPARE(Find<QLineEdit>(dialog, "edChamber")->text(), QStringLiteral("007"));
        QVERIFY(!Find<QLineEdit>(dialog, "edChamber")->isEnabled());
        QCOMPARE(Find<QComboBox>(dialog, "cbStatus")->currentText(), QStringLiteral("нет данных"));
        QCOMPARE(Find<QComboBox>(dialog, "cbStatus")->count(), 7);
        QCOMPARE(Find<QLineEdit>(dialog, "edExpert")->text(), expert);
        QCOMPARE(Find<QLineEdit>(dialog, "edExpert")->isEnabled(), editable);
        const vd::SearchConditions c = dialog.Conditions();
        QCOMPARE(c.from, std::optional<vd::DayNumber>(kToday - 40));
        QCOMPARE(c.to, std::optional<vd::DayNumber>(kToday - 5));
        QCOMPARE(Find<QDateEdit>(dialog, "dtFrom")->displayFormat(), QStringLiteral("yyyy-MM-dd"));
    }

    void theDeclarantPickerFillsTheCurrentRow() {
        GuiDocuments docs;
        docs.OpenRegister();
        vd::StoreContragent(docs.ws.tdm, "ООО \"Северный лес\"", "г. Вологда");
        vd::StoreContragent(docs.ws.tdm, "АО \"Брус\"", "");
        TfSearch dialog(docs.ws.core);
        auto* grid = Find<QTableWidget>(dialog, "sgDeclarant");
        struct Pick {
            int row;
            QString name;
            QString text;
        };
        for (const Pick& pick :
             {Pick{2, QStringLiteral("ООО \"Северный лес\""), QStringLiteral("ООО \"Северный лес\"\r\nг. Вологда")},
              Pick{4, QStringLiteral("АО \"Брус\""), QStringLiteral("АО \"Брус\"")}}) {
            grid->setCurrentCell(pick.row, 0);
            ModalScript script;
            // The counterparty dictionary opens; the user chooses a name in it.
            script.Then<vd::gui::TfContragent>([&](vd::gui::TfContragent& window) {
                auto* list = Find<QTableView>(window, "dbgList");
                const QModelIndexList found =
                    list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, pick.name, 1, Qt::MatchExactly);
                QCOMPARE(found.size(), 1);
                list->setCurrentIndex(found.front());
                vd::test::ButtonWithText(window, vd::text::kDictionarySelect)->click();
            });
            script.Start();
            Find<QPushButton>(dialog, "btDeclarantSelect")->click();
            QVERIFY2(script.Done(), qPrintable(script.Failure()));
            QCOMPARE(grid->item(pick.row, 0)->text(), pick.text);
        }
        Find<QPushButton>(dialog, "btDeclarantClear")->click();
        QVERIFY(grid->item(4, 0)->text().isEmpty());
        QVERIFY(!grid->item(2, 0)->text().isEmpty());
    }

    // "Поиск" from the main window: the register shows the found documents, the counts and
    // "Отчёт" appear; "&Список" takes everything back, every mark "TRUE" again.
    void aSearchAndTheListAfterIt() {
        GuiDocuments docs;
        docs.LogInAdministrator();
        for (int id = 1; id <= 5; ++id) docs.InsertRow(id, id == 5 ? 6 : 7, 10 + id, id, "Ведров", kToday - id);
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        vd::gui::TFormList* list = form->Register();
        ModalScript script;
        script.Then<TfSearch>([](TfSearch& dialog) {
            TypeMasked(Find<QLineEdit>(dialog, "meNumber"), QStringLiteral("00001"));
            Find<QComboBox>(dialog, "cbStatus")->setCurrentText(QStringLiteral("Выдан"));
            Find<QPushButton>(dialog, "btSearch")->click();
        });
        script.Start();
        form->Action(MainCommand::Search)->trigger();
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(list->MasterGrid()->model()->rowCount(), 4);
        QCOMPARE(docs.Value("select count(*) from mcod where pFilter = \"FALSE\""), std::string("1"));
        QCOMPARE(CounterTexts(*form), (QStringList{"Всего документов: 4", "Найдено документов: 4"}));
        QVERIFY(form->findChild<QAction*>("miSpacer")->isVisible());
        QVERIFY(list->ReportVisible());
        QCOMPARE(list->MasterGrid()->currentIndex().row(), 0);

        form->Action(MainCommand::List)->trigger();
        QCOMPARE(docs.Value("select count(*) from mcod where pFilter = \"TRUE\""), std::string("5"));
        QCOMPARE(QString::fromStdString(docs.ws.tdm.ASQM().Sql()), QStringLiteral("select * from mcod order by LastDate desc"));
        QCOMPARE(list->MasterGrid()->model()->rowCount(), 5);
        QCOMPARE(CounterTexts(*form), (QStringList{QString(), QString()}));
        QVERIFY(!form->findChild<QAction*>("miSpacer")->isVisible());
        QVERIFY(!list->ReportVisible());
    }

    void aCancelledSearchChangesNothing() {
        GuiDocuments docs;
        for (int id = 1; id <= 3; ++id) docs.InsertRow(id, 7, id, id, "Ведров", kToday - id);
        docs.OpenRegister();
        auto form = docs.ShowMainWindow();
        const std::string snapshot = docs.Value("select group_concat(pFilter) from mcod");
        ModalScript script;
        script.Then<TfSearch>([](TfSearch& dialog) {
            TypeMasked(Find<QLineEdit>(dialog, "meNumber"), QStringLiteral("9"));
            Find<QPushButton>(dialog, "btCancel")->click();
        });
        script.Start();
        form->Action(MainCommand::Search)->trigger();
        QVERIFY2(script.Done(), qPrintable(script.Failure()));
        QCOMPARE(docs.Value("select group_concat(pFilter) from mcod"), snapshot);
        QCOMPARE(form->Register()->MasterGrid()->model()->rowCount(), 3);
        QVERIFY(!form->Register()->ReportVisible());
        QCOMPARE(CounterTexts(*form), (QStringList{QString(), QString()}));
    }
};

VD_GUI_TEST(SearchDialogTest);

#include "SearchDialogTest.moc"
